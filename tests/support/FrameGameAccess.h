#pragma once
// The frame's game object for tests that set up a position no deal or play reaches (a hand laid
// card by card, a course row filled to a count) or that call one of the game's steps on it directly.
// The program never defines it: there only the frame's own steps and its parts change the game.

#include "flow/MainFrame.h"

struct FrameGameAccess {
    static CSkat& Game(CMainFrame& frame) { return frame.EditGameObject(); }
};
