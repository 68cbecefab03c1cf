#pragma once
// What the side windows keep beyond a window's life: the score sheet's wheel remainder survives a
// closing and reopening of the window.

struct CSideWindowGlobals {
    int ScoreWheelRest = 0;

    void Reset() { *this = CSideWindowGlobals(); }
};

extern CSideWindowGlobals g_SideWindows;
