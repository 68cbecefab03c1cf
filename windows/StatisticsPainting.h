#pragma once
// What the card and game statistics windows share: the statistics block they show, their bold
// text, the cells' arithmetic (percentages and the tint taken from them, in 64 bits so that no
// counter from a damaged file overflows), names cut to their column, and the redraw of the window
// after a panel command.

#include "match/Statistics.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/Message.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {
class DeviceContext;
}

namespace statistics {

// The main frame's statistics block (made empty when the frame has none yet).
CStatisticsBlock& FrameBlock();

// The bold 16-pixel Arial of the statistics texts.
platform::LogFont TextFont();

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
