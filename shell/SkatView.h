#pragma once
// CSkatView: the card table, a child window of the main frame holding the card-table library's
// decks. It decides almost nothing: paint, mouse and keys go to the main frame; a few display keys
// it handles itself, and it opens the game, match and stored-deal files dropped onto it.

#include "platform/core/Geometry.h"
#include "platform/core/Window.h"

#include <string>
#include <vector>

class CMainFrame;

class CSkatView : public platform::Window {
public:
    ~CSkatView() override;
    // Creates the view's window inside the frame (the frame places it between its bars).
    bool CreateView(CMainFrame& frame);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Opens the dropped files in order; false only when the drop holds no name.
    bool FileNamesToList(const std::vector<std::string>& names);
    // A drop onto the table, the names in their order (the view's own drag coming back is ignored).
    void OnDrop(const std::vector<std::string>& names);
    // A file drag entered the table: it closes balloons and prompts as a right click does.
    void OnDragEnter(platform::Point point);
    // Drags the current game (FileDragFlag 1), or the match list and the stored deals (2), out of
    // the table as files.
    void BeginDrag();
    // Deletes the drag-out files of the previous drag, except the program's own "cards~" files.
    void ToRemove();

    int FileDragFlag = 0;       // 1 a drag of the current game may start, 2 the same with Ctrl
    bool DoubleClickFlag = false;
    bool DragEnterFlag = false;  // a file drag entered and has not been dropped yet
    std::string DragFileNames[2];  // the files of the last drag out

private:
    bool OnEraseBackground();
    void OnPaint();
    CMainFrame* Frame = nullptr;
};
