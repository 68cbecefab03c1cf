#pragma once
// The open information panels and side windows as the panels part keeps them, with the lock word
// of the two windows that may show an opponent's hidden cards. Only CFramePanels writes it; every
// other part reads it through the frame's Panels().

#include "platform/core/Message.h"

#include <map>

struct PanelState {
    // The open panels (null when closed; a stale handle reads as closed).
    HWND AnnotationPanel = nullptr, DataPanel = nullptr, GameValuePanel = nullptr, StatePanel = nullptr;
    std::map<int, HWND> SideWindows;  // command -> the open window
    int AnnotationKept = 1;
    int StateWindowUsed = 0;
    // Bit 1 the game-status panel, bit 2 the trick estimation window (LockFlag).
    int LockWord = 0;
};
