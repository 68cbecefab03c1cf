#pragma once
// CRamschRounds: the Ramsch rounds for the frame. The Grand Hand offer, the pick-up round of
// Schieberamsch with the person's bars, the pass-on and push of the skat, and the start of the play.
// It alone writes the Ramsch record: the pushes of the skat, the losers, the Grand Hand offer's
// answer and the skat suggestion's push that waits. Every other part asks through its methods and
// reads the record through Ramsch().

#include "flow/RamschState.h"

#include <string>

class CMainFrame;
class CSkat;

class CRamschRounds {
public:
    CRamschRounds(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CRamschRounds(const CRamschRounds&) = delete;
    CRamschRounds& operator=(const CRamschRounds&) = delete;

    const RamschState& State() const { return ramsch_; }

    // --- The person's commands on the Ramsch bars (flow/RamschFlow.cpp, flow/RamschTurns.cpp) ----
    void OnGrandHand();
    void OnRamsch();
    void OnPassOnRamsch();
    void OnPickupRamsch();
    void OnPushSkat();
    void OnDurchmarschHint();

    // --- What other parts ask (flow/RamschFlow.cpp, flow/RamschTurns.cpp) ------------------------
    // The person exchanges cards with the Ramsch skat (its end-swap bar is open).
    bool RamschExchangeRunning() const;
    // The Grand Hand offer, the skat round or the play of a Ramsch is going on.
    bool RamschUnderWay() const;
    // The next turn of the pick-up round (ask 0: the first entry after a Ramsch deal, which makes
    // the offer of Grand Hand first).
    void PickupRamsch(int ask);
    // The Durchmarsch aim of the seat; the other two aim at none.
    void ApplyRamschChoice(int seat);
    // The resume pause after a turn with the Ramsch skat (skat swap option on): true when the game
    // was stopped meanwhile.
    bool RamschResumePause();
    // The demonstration's person lays away as the computer would and pushes the skat on.
    void DemoPushRamschSkat();

    // --- The record's writes for other parts (flow/RamschFlow.cpp) -------------------------------
    // The counted game's losers (3: none).
    void NoteLosers(int loser, int secondLoser);
    // A game read from its file: its losers (3: none) and how often its skat was pushed on.
    void RestoreResult(int loser, int secondLoser, int pushes);
    // The skat suggestion begins to move the person's cards; its end says whether a push of the
    // skat asked for meanwhile waits for it (the wait is then over).
    void BeginSkatSuggestion();
    bool EndSkatSuggestion();

private:
    // The Grand Hand offer (0) or the person's Grand Hand (1).
    void GrandHand(int mode);
    // GrandHand's steps: the person's Grand Hand, a computer's answer to the offer (true when it
    // plays Grand Hand), the offer to the person, and the pick-up round.
    void PlayPersonsGrandHand();
    bool ComputerAnswersGrandHand(int s);
    void OfferGrandHandToPerson();
    void StartRamschPickupRound();
    void InitRamschPickup();
    // The advice of the Ramsch rounds: "Suggestion: " + the text, kept as the hint.
    void ShowRamschAdvice(const std::string& text);
    // PickupRamsch's steps: the first entry that makes the game a Ramsch, the start of play after
    // the round, a computer's turn with the skat (false when stopped) and the person's turn.
    void StartRamsch(int ask);
    void BeginRamschPlay();
    bool ComputerTakesRamschTurn(int s);
    void OfferRamschSkatToPerson();

    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    RamschState ramsch_;
};
