#pragma once
// The few services of the main frame that the computer player needs: the game object (the trick on
// the table), the open-cards option, the animated exchange of a hand card with a skat card, the
// person's pending card, and what the card play asks of the frame around a computer card (Kontra
// before the card, the give-up question and command, the card sound, the face-up phrase). The game
// flow installs its own; the defaults work without a window.

#include "model/SoundEffectIds.h"
#include "resources/CommandIds.h"

#include <functional>
#include <string>

class CSkat;
class CCards;

// A defender who gives up posts the menu command ID_ABANDON (resources/CommandIds.h).

struct ComputerFrameServices {
    // The game object, for the current trick; nullptr when there is none (tests of single hands).
    const CSkat* Game = nullptr;
    // The open-cards option: while set, the computer's exchanges with the skat are animated.
    int OpenCardsFlag = 0;
    // CMainFrame::SwapCards (card, row, other card, other row): exchanges two cards between rows
    // with the table animation. Empty: the codes are swapped in the rows directly.
    std::function<void(int card, CCards& row, int otherCard, CCards& otherRow)> SwapCards;
    // The card the person is about to play while the flow checks it, -1 otherwise.
    int PersonPendingCard = -1;
    // 1 while a card is suggested to the person or the person's card is checked.
    int CardAutoPlayFlag = 0;
    // 1 from the start of a game until the soloist's face-up play has been announced.
    int FaceUpAnnouncePending = 0;

    // Before a computer card: the Kontra message for the state read at its start (with the
    // serving seat and its name), then the computers' Kontra and Rekontra (seat about to play,
    // soloist). Empty: nothing.
    std::function<void(int kontraState, int seat, const std::string& name)> ShowKontraMessage;
    std::function<void(int seat, int soloist)> AskComputersKontra;
    // CMainFrame::Abandon (name, seat): true when the person accepts that the seat gives the game
    // up. Empty: refused.
    std::function<bool(const std::string& name, int seat)> Abandon;
    // Posts a command to the main frame window. Empty: the command is only recorded below.
    std::function<void(int command)> PostCommand;
    int LastPostedCommand = 0;
    int PostedCommandCount = 0;
    // Sends a command to the main frame window: its handler runs to its end inside the call (the
    // Ramsch skat round's 103 pass on and 110 pick up). Empty: the command is only recorded below.
    std::function<void(int command)> SendCommand;
    int LastSentCommand = 0;
    int SentCommandCount = 0;
    // The resume pause after a computer's turn with the Ramsch skat: while the skat swap option
    // is on, the resume bar stands and the frame's messages run until the person resumes or the
    // game is broken off; the option stays on. Empty: no pause.
    std::function<void()> ResumeSwapPause;
    // CMainFrame::SetPause (level): sets the pause level and answers the previous one. Empty:
    // nothing happens.
    std::function<int(int level)> SetPause;
    // CMainFrame::SoundEffect (effect, loop). Empty: silent.
    std::function<void(int effect, bool loop)> SoundEffect;
    // PlayVoiceTerm (term, language, voice, fromFile). Empty: silent.
    std::function<void(int term, int language, int voice, bool fromFile)> PlayVoiceTerm;
    // The edition's language index (German 0, English 1) the voice terms are spoken in.
    int LanguageIndex = 0;
    // The suit-led marks of the card play (4 bytes, cleared when a game starts). The flow installs
    // its own; without it the frame keeps them here.
    unsigned char* (*SuitLedMarks)() = nullptr;
    unsigned char OwnSuitLedMarks[4] = {0, 0, 0, 0};

    void Reset() { *this = ComputerFrameServices(); }

    // Posts the command through the installed frame, or records it.
    void Post(int command) {
        LastPostedCommand = command;
        ++PostedCommandCount;
        if (PostCommand) PostCommand(command);
    }
    // Sends the command through the installed frame, or records it.
    void Send(int command) {
        LastSentCommand = command;
        ++SentCommandCount;
        if (SendCommand) SendCommand(command);
    }
    // The mark of suit s (0..3); a mark outside 0..3 reads 0 and is never written.
    unsigned char* LedMarks() { return SuitLedMarks ? SuitLedMarks() : OwnSuitLedMarks; }
    int SuitLedMark(int suit) { return suit >= 0 && suit <= 3 ? LedMarks()[suit] : 0; }
    void MarkSuitLed(int suit) {
        if (suit >= 0 && suit <= 3) LedMarks()[suit] = 1;
    }
};

extern ComputerFrameServices g_ComputerFrame;
