#pragma once
// The tool bar of resource 128: its buttons' commands in order, 0 for a separator. The same in both
// editions (the pictures and tooltips follow the commands).

#include "resources/CommandIds.h"

#include <array>

inline constexpr std::array<int, 23> kMainToolBar = {
    ID_NEW, ID_LOAD, ID_SAVE_GAME, 0, ID_ABANDON, 0, ID_BREAK, ID_REPEAT, 0, ID_UNDO, ID_RECOVER, 0,
    ID_SORT, 0, ID_MINIMAL_WINDOW, ID_OPTIMAL_WINDOW, ID_IDEAL_WINDOW, 0, ID_LAST, ID_LIST_DATA,
    ID_LIST_SCORE, 0, ID_HELP_OPERATING,
};
// The size of a button's picture in pixels.
inline constexpr int kToolBarButtonSize = 15;
