#include "windows/StatisticsPainting.h"

#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "platform/core/Window.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <memory>

namespace statistics {

CStatisticsBlock& FrameBlock() {
    if (!g_pStatistics) g_pStatistics = std::make_unique<CStatisticsBlock>();
    return *g_pStatistics;
}

platform::LogFont TextFont() {
    platform::LogFont font;
    font.face = "Arial";
    font.height = 16;
    font.width = 6;
    font.weight = platform::LogFont::kBold;
    return font;
}

int BeginText(platform::DeviceContext& dc) {
    const int saved = dc.SaveDC();
    dc.SetBkMode(platform::BkMode::Transparent);
    dc.SetTextColor(platform::Rgb(0, 0, 0));
    dc.SelectFont(TextFont());
    dc.SelectPen(platform::Pen{});
    return saved;
}

void ScrolledDrawing::Fill(int left, int top, int right, int bottom, const platform::Brush& brush) {
    dc.FillRect({X(left), Y(top), X(right), Y(bottom)}, brush);
}

void ScrolledDrawing::Text(int x, int y, const std::string& text) { dc.TextOut(X(x), Y(y), text); }

int ScrolledDrawing::Width(const std::string& text) const { return TextWidth(dc, text); }

void PanelFollows(platform::Window* panel, int sheetWidth, int scrollX, int scrollY) {
    if (!panel || !panel->IsAlive()) return;
    const platform::Rect place{-scrollX, -scrollY, -scrollX + sheetWidth, -scrollY + panel->WindowRect().Height()};
    if (panel->WindowRect() != place) panel->MoveWindow(place, true);
}

int Percent(std::int64_t value, std::int64_t divisor) {
    const std::int64_t share = value * 100 / (divisor != 0 ? divisor : 1);
    return static_cast<int>(std::clamp<std::int64_t>(share, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int TintIndex(int percent) { return std::min(std::abs(percent / 10), 10); }

int TextWidth(const platform::DeviceContext& dc, std::string_view text) { return dc.GetTextExtent(text).cx; }

std::string ShortenToWidth(const platform::DeviceContext& dc, std::string text, int limit) {
    while (!text.empty() && TextWidth(dc, text) >= limit) {
        // Drop the whole last character: its continuation bytes and its lead byte.
        std::size_t end = text.size() - 1;
        while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
        text.erase(end);
    }
    return text;
}

bool GermanEdition() { return platform::LoadString(IDS_OTHER_LANGUAGE) == "en"; }

void RedrawNow(HWND window) {
    if (::IsWindow(window)) ::RedrawWindow(window, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

}  // namespace statistics
