#pragma once
// CLegend: a small side window of fixed size that explains the manipulation marks. It shows the
// legend picture with a row per mark and ticks the rows of the marks the current game carries. A
// click opens its help page, the next one closes the help again.

#include "platform/core/Bitmap.h"
#include "platform/core/Window.h"


namespace platform {
class DeviceContext;
}

// The rows of the legend, top to bottom, by the mark each stands for.
inline constexpr int kLegendRowMarks[9] = {1, 32, 2, 128, 16, 0x100, 8, 4, 64};

// The rows to tick (bit i: row i) for a game's marks and the marks kept for the next game: the
// second uncovering (0x200) ticks the UNCOVERED row, and a loaded game (0x80 among the kept
// marks) ticks the LOADED row.
unsigned LegendTicks(int cheatMask, int pendingMarks);

class CMainFrame;

class CLegend : public platform::Window {
public:
    CLegend();

    // Creates the window as the View menu's toggle asks (owner, caption, stored corner), with the
    // picture's size as its client and a size the person cannot change.
    bool CreateLegend(const platform::CreateParams& params);

    // The picture and the ticks of the current marks.
    void Draw(platform::DeviceContext& dc, int width, int height);

    bool IsHelpOpen() const { return helpOpen; }
    int PictureWidth() const { return pictureWidth; }
    int PictureHeight() const { return pictureHeight; }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnPaint();
    void OnLButtonDown();
    void OnClose();

    platform::Bitmap markPicture;
    platform::Bitmap legendPicture;
    bool helpOpen = false;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

// The side-window table's factory of the legend.
platform::Window* CreateLegendWindow(CMainFrame& frame, const platform::CreateParams& params);
