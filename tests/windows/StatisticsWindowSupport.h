#pragma once
// Shared by the card and game statistics tests: a running program with the statistics block
// cleared, a statistics window opened through its View command at a stored place, and the texts
// and fills of a painting on the recording surface found by where they lie.

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "match/Statistics.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/RecordingDC.h"
#include "windows/PastelBrushes.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace statistics_test {

inline std::vector<platform::DrawRecord> TextsAt(const platform::RecordingDC& dc, int x, int y) {
    std::vector<platform::DrawRecord> found;
    for (const auto& r : dc.Records())
        if (r.kind == platform::DrawKind::Text && !r.points.empty() && r.points[0] == platform::Point{x, y}) found.push_back(r);
    return found;
}

// The one text drawn with its origin at (x, y), or nothing (also when several lie there).
inline std::optional<std::string> TextAt(const platform::RecordingDC& dc, int x, int y) {
    const auto found = TextsAt(dc, x, y);
    if (found.size() != 1) return std::nullopt;
    return found[0].text;
}

// The texts drawn in the band left <= x < right at height y.
inline std::vector<std::string> TextsInBand(const platform::RecordingDC& dc, int left, int right, int y) {
    std::vector<std::string> found;
    for (const auto& r : dc.Records())
        if (r.kind == platform::DrawKind::Text && !r.points.empty() && r.points[0].y == y && r.points[0].x >= left &&
            r.points[0].x < right)
            found.push_back(r.text);
    return found;
}

// The colour of the last fill of exactly this rectangle, or nothing.
inline std::optional<platform::Color> FillOf(const platform::RecordingDC& dc, const platform::Rect& rect) {
    std::optional<platform::Color> colour;
    for (const auto& r : dc.Records())
        if (r.kind == platform::DrawKind::Fill && r.bounds == rect) colour = r.brush.color;
    return colour;
}

inline platform::Color Tint(int index) { return PastelBrushes[static_cast<std::size_t>(index)].color; }

inline int CountTexts(const platform::RecordingDC& dc, const std::string& text) {
    int n = 0;
    for (const auto& r : dc.Records())
        if (r.kind == platform::DrawKind::Text && r.text == text) ++n;
    return n;
}

template <class Window>
class StatisticsFixture : public testsupport::FrameFixture {
protected:
    void SetUp() override {
        StartProgram();
        ASSERT_NE(g_pStatistics, nullptr);
        *g_pStatistics = CStatisticsBlock();
    }

    CStatisticsBlock& Block() { return *g_pStatistics; }

    Window& Open(int command, const char* section, const platform::Rect& rect) {
        WriteProfileInt(section, "Left", rect.left);
        WriteProfileInt(section, "Top", rect.top);
        WriteProfileInt(section, "Right", rect.right);
        WriteProfileInt(section, "Bottom", rect.bottom);
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(command));
        window_ = dynamic_cast<Window*>(::WindowFromHandle(Frame().FramePanels().SideWindow(command)));
        EXPECT_NE(window_, nullptr);
        host_->PumpUntilIdle();
        return *window_;
    }

    Window* window_ = nullptr;
};

}  // namespace statistics_test
