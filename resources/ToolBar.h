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
// The size of a button's picture in pixels (the drawings are made on a grid of this size).
inline constexpr int kToolBarButtonSize = 16;

// The picture of each tool-bar command, the same in both editions: the name a desktop icon theme
// gives the command where themes have one (the host takes the theme's picture when the desktop
// has it), and our own drawing in resources/pictures, used everywhere else.
struct ToolBarPicture {
    int id;
    const char* themeName;  // "" where no theme names the command
    const char* drawing;
};

inline constexpr std::array<ToolBarPicture, 16> kToolBarPictures = {{
    {ID_NEW, "document-new", "new.svg"},
    {ID_LOAD, "document-open", "load.svg"},
    {ID_SAVE_GAME, "document-save", "save.svg"},
    {ID_ABANDON, "", "abandon.svg"},
    {ID_BREAK, "", "break.svg"},
    {ID_REPEAT, "", "repeat.svg"},
    {ID_UNDO, "edit-undo", "undo.svg"},
    {ID_RECOVER, "edit-redo", "redo.svg"},
    {ID_SORT, "", "sort.svg"},
    {ID_MINIMAL_WINDOW, "zoom-out", "minimal.svg"},
    {ID_OPTIMAL_WINDOW, "zoom-original", "optimal.svg"},
    {ID_IDEAL_WINDOW, "zoom-fit-best", "ideal.svg"},
    {ID_LAST, "", "trick.svg"},
    {ID_LIST_DATA, "", "data.svg"},
    {ID_LIST_SCORE, "", "score.svg"},
    {ID_HELP_OPERATING, "help-contents", "help.svg"},
}};

// The picture of a tool-bar command, or nullptr.
inline const ToolBarPicture* FindToolBarPicture(int id) {
    for (const ToolBarPicture& picture : kToolBarPictures)
        if (picture.id == id) return &picture;
    return nullptr;
}
