#pragma once
// The few services of the main frame that the computer player's evaluation needs: the game object
// (the trick on the table), the open-cards option and the animated exchange of a hand card with
// a skat card. The game flow installs its own; the defaults work without a window.

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

    void Reset() { *this = ComputerFrameServices(); }
};

extern ComputerFrameServices g_ComputerFrame;
