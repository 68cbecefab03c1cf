#pragma once
// CTrickPlay: the ten tricks for the frame. It alone writes the trick play record: the play's
// steps, the person's chosen card, the history of the tricks that undo and redo give back, the
// last trick and the course shown, and the automatic completion. Every other part asks through its
// methods and reads the record through the frame's TrickPlay().

#include "flow/TrickPlayState.h"
#include "platform/core/Geometry.h"

#include <string>

class CMainFrame;
class CSkat;
class CPlayer;
struct GameSnapshot;

class CTrickPlay {
public:
    CTrickPlay(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CTrickPlay(const CTrickPlay&) = delete;
    CTrickPlay& operator=(const CTrickPlay&) = delete;

    const TrickPlayState& State() const { return trickPlay_; }

    // --- The ten tricks (flow/TrickPlay.cpp) -----------------------------------------------------
    void OnPlay();
    void OnNextTrick();
    void EndTrick();
    void SweepTrick(bool reset);
    static std::string ContinueCaption(int stringId, int nextTrick);
    void ShowContinueDialog();
    void ShowStateDialog();
    void OnSuggestCard();
    void DemoPlayPersonCard();

    // --- The person's card (flow/PersonPlay.cpp) -------------------------------------------------
    bool PersonMayPlay() const;
    void ClickPlay(platform::Point point);
    void DragPlay(platform::Point point);
    void PlayKey(int key);

    // --- The history of the tricks (flow/History.cpp) --------------------------------------------
    void InitHistory();
    void SaveGameState(bool spare);
    // The history is gone with the game (counted, broken off, given up); the records of the first
    // trick hold no card that redo could bring back. forgetRedo: nothing recorded is ahead either.
    void ForgetHistory(bool forgetRedo);
    // A fresh frame: no history and nothing ahead of it.
    void ClearHistory();
    // A game read from its file: a trick's winner and the parties' points as that trick ended.
    void LoadCourseSnapshot(int trick, int winner, const int (&partyPoints)[3]);
    // The tenth record takes the game's final points, for the course's running points.
    void NoteFinalPoints(const int (&partyPoints)[3]);
    // A Kontra or Rekontra just given: undo and redo give its label back from this moment on.
    void NoteKontraInHistory(int kontraState);

    // --- Taking the last trick back and bringing it again (flow/UndoRedo.cpp) --------------------
    void OnUndo();
    void OnRecover();
    // Whether a later trick was recorded and not played over, so that redo can bring it back.
    bool IsRedoPossible() const;

    // --- Choosing the next trick's cards under the continue bar (flow/NextTrickChoice.cpp) -------
    // A click on a card of a hand, or the arrow keys.
    void ManipulateTrickCard(platform::Point point);
    void NextTrickKey(int key);

    // --- The last trick and the course (flow/LastTrick.cpp) --------------------------------------
    // "Letzten Stich": shows the last trick during play, the whole course after the game; a
    // second use puts the table back.
    void OnLast();
    void AnnounceSeats();
    // The table no longer shows the course (a new deal, a break, the course removed); with
    // firstTrick the play waits at the start of the first trick.
    void CourseGone(bool firstTrick);
    // The Last command's state: whether the person asked for the course (the game's end flag 8)
    // and whether a last trick or a course is there to show; true when the command is enabled.
    bool UpdateCourseCommand(int flowState);

    // --- Play aids (flow/PlayAids.cpp) -----------------------------------------------------------
    void OnSupport();
    void CheckEarlyFaceUp();
    // The player's remaining cards are laid open once the defenders can no longer make him take
    // a trick (the card he has just played counts as gone).
    void LayDownCards(int seat, int card);
    // The card the support voice has named, highlighted on the table (0 none).
    void SetHighlightedCard(int card);
    // The person's chosen slot goes (the suggestion is switched off).
    void ForgetSelectedSlot();
    // The computer logic plays the game to its end for the person, or no longer does.
    void StartAutoComplete();
    void EndAutoComplete();

private:
    // OnPlay's steps; OnPlay runs them once at a time.
    void PlaySteps();
    // PlaySteps' card steps: a computer's card (or the person's under AutoComplete), the person's
    // card from the input step, his last card by itself, the person asked to play; then after a
    // card, false when the play stops there.
    int ServeComputerCard(const CPlayer& player, int seat);
    int TakePersonsCard(int seat);
    int PlayLastCardItself(int seat);
    void AskPersonForCard();
    bool GoOnAfterCard(int card);
    // The card a seat has just put into the trick: into the history, the course and the record.
    void NoteCardInTrick(int seat, int card);
    void PlayPersonCard(int slot, bool sound);
    void RefuseInvalidCard();
    void FillSnapshot(GameSnapshot& record);
    void UndoTrick();
    void RedoTrick(bool spare);
    // Restores the fields of a record that undo and redo give back (all but the played cards).
    void RestoreSnapshot(const GameSnapshot& record);
    // Whether a seat after the trick's winner already has a card chosen for the next trick (then
    // the winner's card may not change); with show, string 41080 says so.
    bool CheckTrickWinnerCard(int seat, bool show);
    // Before the person's first card as a defender: the Kontra advice on his card prompt.
    void AdviseKontra();

    // Tests that set up a history or a step no play reaches (tests/support/TrickPlayTestAccess.h).
    friend struct TrickPlayTestAccess;

    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    TrickPlayState trickPlay_;
};
