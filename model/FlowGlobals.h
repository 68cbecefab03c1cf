#pragma once
// Globals of the flow beside the game record: flags the deal and the start of a game set for the
// computer player and the dialogs. One instance, g_Flow.

#include <string>

struct CFlowGlobals {
    unsigned char GrandHandOffered = 0;  // Ramsch: Grand Hand may be offered
    unsigned char SuitLedMarks[4] = {0, 0, 0, 0};
    int UncoverBits = 0;  // bit 1: CheatMask has 256, bit 2: it has 512
    // The seats the game-status window (low four bits) and the trick estimation window (next four
    // bits) show; 2 is the person.
    int ShownSeats = 0x22;
    // A load marked RECOVERED: a repeat that follows a break-off consumes it instead of marking.
    unsigned char LoadMarkPending = 0;
    int CardPlaySuitMarker = -1;
    int DeclarationFlag = 0;
    // The skat swap pause after a declaration (its menu comes with the manipulations): off at
    // start; the pause sets it back to 1 when it ends.
    int SkatSwapOption = 0;
    int ExchangeRunning = 0;  // the person holds the skat for the exchange
    int ChosenButton = 0;     // the declaration bar's last game button
    // The help topic of the rule last shown (the Ramsch explanation popups, the Ramsch bars and
    // the Kontra advice name their rule here); the H key on the table opens it.
    std::string RuleHelpTopic;
    // The table keys: Shift is held down; the next H opens the rule help (1) or closes it (0).
    unsigned char ShiftHeld = 0;
    unsigned char HelpKeyOpens = 1;

    void Reset() { *this = CFlowGlobals(); }
};

extern CFlowGlobals g_Flow;
