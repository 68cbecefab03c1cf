#pragma once
// The few services of the main frame that the computer player's evaluation needs: the game object
// (the trick on the table), the open-cards option, the animated exchange of a hand card with
// a skat card and the person's pending card. The game flow installs its own; the defaults work
// without a window.

#include <functional>

class CSkat;
class CCards;

struct ComputerFrameServices {
    // The game object, for the current trick; nullptr when there is none (tests of single hands).
    CSkat* Game = nullptr;
    // The open-cards option: while set, the computer's exchanges with the skat are animated.
    int OpenCardsFlag = 0;
    // CMainFrame::SwapCards (card, row, other card, other row): exchanges two cards between rows
    // with the table animation. Empty: the codes are swapped in the rows directly.
    std::function<void(int card, CCards& row, int otherCard, CCards& otherRow)> SwapCards;
    // The card the person is about to play while the flow checks it, -1 otherwise.
    int PersonPendingCard = -1;

    void Reset() { *this = ComputerFrameServices(); }
};

extern ComputerFrameServices g_ComputerFrame;
