#pragma once
// What the card and game statistics windows share: the statistics block they show, their bold
// text, drawing shifted by the scroll positions with the panel following them, the cells'
// arithmetic (percentages and the tint taken from them, in 64 bits so that no counter from a
// damaged file overflows), names cut to their column, and the redraw of the window after a panel
// command.

#include "match/Statistics.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class DeviceContext;
class Window;
}

namespace statistics {

// The main frame's statistics block (made empty when the frame has none yet).
CStatisticsBlock& FrameBlock();

// The bold 16-pixel Arial of the statistics texts.
platform::LogFont TextFont();
// Transparent black text in that font, with the default pen; returns what RestoreDC takes to bring
// the context's own objects back at the end.
int BeginText(platform::DeviceContext& dc);

// Drawing of the sheet shifted by the scroll positions.
struct ScrolledDrawing {
    platform::DeviceContext& dc;
    const int scrollX, scrollY;

    int X(int x) const { return x - scrollX; }
    int Y(int y) const { return y - scrollY; }
    void Fill(int left, int top, int right, int bottom, const platform::Brush& brush);
    void Text(int x, int y, const std::string& text);
    int Width(const std::string& text) const;
};

// The panel at the top of the sheet scrolls with it, as wide as the sheet (moved only when its
// place changes: a move repaints).
void PanelFollows(platform::Window* panel, int sheetWidth, int scrollX, int scrollY);

// value x 100 / divisor, truncating toward zero; a divisor of 0 counts as 1. Kept within the int
// range.
int Percent(std::int64_t value, std::int64_t divisor);
// The pastel brush index of a percentage: its tens without sign, within 0..10.
int TintIndex(int percent);

// The text with code points dropped from its end until it is narrower than `limit` in the
// context's current font.
std::string ShortenToWidth(const platform::DeviceContext& dc, std::string text, int limit);
// The width of the text in the context's current font.
int TextWidth(const platform::DeviceContext& dc, std::string_view text);

// The German edition (its Jack and Queen symbols differ).
bool GermanEdition();

// Invalidates, erases and repaints the whole window at once.
void RedrawNow(HWND window);

}  // namespace statistics
