#pragma once
// CFrameDeclaration: the declaration for the frame. It alone writes the declaration record: the
// game suggested to the person, the slide of a swap and the skat swap pause. Its steps take the
// soloist from the end of the auction to the first card: a computer declares, the person picks up
// or plays Hand on his bars, nobody bid; the declared game is set up for play. Every other part asks
// through its methods and reads the record through the frame's Declaration().

#include "flow/DeclarationState.h"

#include <string>

class CMainFrame;
class CSkat;
class CPlayer;

class CFrameDeclaration {
public:
    CFrameDeclaration(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CFrameDeclaration(const CFrameDeclaration&) = delete;
    CFrameDeclaration& operator=(const CFrameDeclaration&) = delete;

    const DeclarationState& State() const { return declaration_; }

    // --- Skat, Hand and declaration (flow/Declaration.cpp) ---------------------------------------
    void Declare();
    // The three roads: a computer declares, the person gets the skat bar, nobody bid.
    void DeclareComputer(bool kontraAllowed, const std::string& bidText);
    void DeclarePerson(const std::string& bidText);
    void DeclareNobody(bool ramschVariant);
    // The game suggested to the person as declarer (-1 none) with its announcements (1 Schneider,
    // 2 Schwarz, 4 Ouvert); the bar has taken the suggestion and forgets it.
    void SuggestGame(int type, int announcements);
    void ForgetSuggestedGame();

    // --- The declaration bar's steps (flow/DeclarationSteps.cpp) ---------------------------------
    // The two skat cards face up into the trick's first two places, and back into the skat.
    void MoveSkatToTrick();
    void MoveTrickToSkat();
    void OpenDeclareBar();
    void OnPickup();
    void OnHand();
    void OnDeclare();
    void OnDeclared();
    // The declaration part of the game message; traces the game and sets play up.
    std::string SetupGame(const CPlayer& soloist, const CPlayer& second, const CPlayer& third);
    // The skat swap pause: pumps until Fortsetzen; true when the game was stopped meanwhile.
    bool SkatSwapPause(bool setPlayState);
    // The pause's wait with the resume bar open: pumps until Fortsetzen, a break or a close.
    void PumpUntilResumed();
    // The resume bar's button: the skat swap pause ends at the loop's next check.
    void EndSwapPause();
    void OpenResumeSwapDialog();
    // The closed bar leaves no resume bar open.
    void ForgetResumeBar();
    // A swap of two cards slides slowly (a pair the person exchanged), or at the usual pace.
    void UseSlowSwapSlide();
    void UseUsualSwapSlide();

    // --- The declared game's attributes for the statistics (flow/GameAttributes.cpp) ------------
    // Registers the declared game's top cards with the three players.
    void RegisterGameAttributes();

    // --- Demonstration mode declares for the person (flow/DemoBestGame.cpp) ----------------------
    // Timer 51: the person's most valuable game pressed on the declaration bar.
    void DemoDeclareBestGame();

    // --- The declaration bar's preselection (flow/GamePreselection.cpp) --------------------------
    void SelectGame(int mode);

    // --- The skat suggestion (flow/SkatSuggestion.cpp) -------------------------------------------
    void OnSuggestSkat();

    // --- The game suggestion (flow/SuggestGameCommand.cpp) ---------------------------------------
    // The games the hand allows, in a message with rule links.
    void OnSuggestGame();

private:
    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    DeclarationState declaration_;
};
