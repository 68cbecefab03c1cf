#pragma once
// CFrameKontra: Kontra and Rekontra at the fixed moments of a game, and the modal prompts of the game
// that ask the person something. The person gives Kontra from his bar and Rekontra from his prompt;
// the computers are asked after the declaration and before their first card; the messages tell the
// person about it. It keeps no record of its own: Kontra stands in the game record, its mark in the
// snapshot of the trick play and its words in the texts.

#include <string>

namespace platform {
class Dialog;
}

class CMainFrame;
class CSkat;
class CPlayer;

class CFrameKontra {
public:
    CFrameKontra(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CFrameKontra(const CFrameKontra&) = delete;
    CFrameKontra& operator=(const CFrameKontra&) = delete;

    // --- Kontra and Rekontra (flow/Kontra.cpp) ---------------------------------------------------
    // May the player still give Kontra (before his first card, by the rule set); without a
    // player: the person.
    bool IsKontraPossible(const CPlayer& player) const;
    bool IsKontraPossible() const;
    // The person gives Kontra (CM_KONTRA); the soloist may answer.
    void OnKontra();
    // A seat gives Kontra (the person: 2); replaces the open bar.
    void SayKontra(int seat);
    // The person says Rekontra.
    void SayRekontra();
    // Before computer seat `seat` plays its card: its Kontra, and the soloist's answer.
    void AskComputersKontra(int seat, int soloist);
    // Tells the person of a Kontra or Rekontra made since the serve read `earlierState`.
    void ShowKontraMessage(int earlierState, int seat, const std::string& name);
    // After the declaration: the computers' Kontra and the soloist's answer.
    void ComputerKontra();
    const CPlayer& ComputerOfSeat(int seat) const;
    // The seat's player decides on Kontra, and on Rekontra; true when he announces it.
    bool SeatAnnouncesKontra(int seat);
    bool SeatAnnouncesRekontra(int seat);
    // The label at the seat, kept in the current snapshot.
    void MarkKontraAtSeat(int seat, int stringId);

    // --- The modal prompts of the game (flow/GamePrompts.cpp) ------------------------------------
    // The person's Rekontra prompt over a computer's Kontra (its button says Rekontra).
    void RunRekontraPrompt(const std::string& text, int ruleNumber, int personRuleNumber);
    // A modal message of the game; in demonstration mode a timer answers it with OK.
    int RunGameMessage(platform::Dialog& dialog);
    // The person's answer to a computer's giving up: true when he accepts.
    bool RunResignPrompt(const std::string& text);

private:
    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
};
