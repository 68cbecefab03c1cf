#pragma once
// CFrameTable: the card table the frame shows. It alone writes the table's record (the bars and the
// menu, the layout of the table and its rows, the cards' growths) and draws the table: the
// portraits, the score boxes, the position labels, the balloons and the soloist's symbol, the
// notice line, the cards, and the course of a finished game with its texts. The frame's window
// messages call its steps; every other part asks through its methods and reads the record through
// Table().

#include "flow/TableState.h"

#include <cstdint>
#include <string>

namespace platform {
class DeviceContext;
}

class CMainFrame;
class CSkat;

// The window sizes of the View menu: the least, the table's own, and the one that fills the work
// area's shorter side.
enum class WindowSize { Minimal, Optimal, Ideal };

class CFrameTable {
public:
    CFrameTable(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}
    CFrameTable(const CFrameTable&) = delete;
    CFrameTable& operator=(const CFrameTable&) = delete;

    const TableState& State() const { return table_; }

    // --- Table painting (shell/TablePainting.cpp) ------------------------------------------------
    void Paint(const platform::Rect& update);
    void ShowImages(platform::Rect& update, platform::DeviceContext* printer);
    void DrawScore(platform::DeviceContext* printer);
    platform::Point PrintOffset(platform::DeviceContext* printer) const;
    // The notice line the table shows in its state (0: none); the printout asks Variants/Extra
    // besides for the round notice.
    int NoticeLine(bool needsExtra) const;
    void LayoutFrame();
    // The open prompt bar is laid over the table again (after a move or a full repaint).
    void PlaceOpenBar();
    void WindowPosition(platform::Size size);
    void SetCardBack(int step);
    void SetCardFace(int step);
    void RemoveTrick();
    // The rows take their places from the table's origin with the steps between cards (a) and
    // between rows (b), at the cards' growths.
    void LayoutTable(platform::Point origin, int a, int b);

    // --- The window's bars and rectangle (shell/TablePainting.cpp) -------------------------------
    // The frame's creation: the menu, the tool bar and the status bar with its panes; false when a
    // bar cannot be made.
    bool MakeBars();
    // The text of a status bar pane, shown at once.
    void SetStatusPane(int pane, const std::string& text);
    // The host draws the frame's status bar: the one outside writer of it, handed over at the start.
    platform::StatusBar* StatusBarForHost();
    // The table view's window, once it exists.
    void SetTableWindow(HWND table);
    // The frame's rectangle while it is not maximised; the close keeps it as the table's placement.
    void KeepMainRect(const platform::Rect& rect);
    void KeepWindowRect();
    // The size a window-size command moves the frame to. Its stored height flips its lowest bit at
    // every press, so that pressing the same command again is a real change of size.
    platform::Size NextWindowSize(WindowSize kind);
    // The cards' growths at the zoom a resize has found.
    void SetGrowths(int width, int height);
    // A resize moved the window (it was too small, or is maximised): the next one redraws. Taking
    // the mark clears it.
    void MarkWindowResized();
    bool TakeWindowResized();

    // --- Table texts, balloons, symbols (shell/TableTexts.cpp, shell/Balloons.cpp) ---------------
    void MovePosText(int seat, int stringId, platform::DeviceContext* printer, const platform::Rect* update);
    void RemoveText(int place, int stringId);
    void MoveExtraText(int showId, int clearId, int yOffset, platform::DeviceContext* printer,
                       const platform::Rect* update);
    void MoveBalloonText(int seat, int stringId, int value, platform::DeviceContext* printer,
                         const platform::Rect* update);
    void MessageBalloon(int side, int stringId);
    void MoveSymbol(int seat, bool draw, platform::DeviceContext* printer, const platform::Rect* update);
    void RefreshPosTexts(int kontraMode);
    void RefreshTexts();

    // --- The course texts on the table and on paper (shell/CourseText.cpp) -----------------------
    // The course texts beside the shown course (1 show, 0 remove), on the table or a printed page;
    // CourseHeadline: who won or lost which game.
    void MoveCourseText(int show, platform::DeviceContext* printer = nullptr, const platform::Rect* update = nullptr);
    std::string CourseHeadline();

    // --- The course record of a finished game (shell/CourseRecord.cpp) ---------------------------
    // The course rows and the course record of the finished game:
    // image[0..31] the rows and the skat, image[offset..offset+67] the record.
    void CopyCourse(std::int32_t* image, int offset);

private:
    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    TableState table_;
};
