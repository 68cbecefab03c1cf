// The log window of the real program on the Qt host, in both editions: a short log at the window's
// first size shows its lines at 14-pixel steps without scroll bars; ten thousand wide lines in a
// larger window show both bars beside and below the text, each line alone, and the log's end.
//
// With KARTOVAN_TEST_PNG_DIR set, every screenshot is written there as log-<name>.png.

#include <ostream>
#include "flow/FramePanels.h"
#include <string>

#include <QImage>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtSettled.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "resources/FlowIds.h"
#include "platform/core/FileIo.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowScrollBars.h"
#include "platform/qt/QtWindowWidget.h"
#include "shell/LogWindow.h"

namespace {

struct EditionCase {
    const char* name;
    bool german;
};
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

// `count` lines "line 00001 ..." of `width` characters each, CR LF terminated.
std::string Lines(int count, int width) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        std::string line = "line " + std::to_string(100000 + i).substr(1);
        line.resize(static_cast<std::size_t>(width), '.');
        text += line + "\r\n";
    }
    return text;
}

bool Dark(platform::Color c) { return c.red + c.green + c.blue < 300; }

// Dark pixels in the band of rows [top, top + height) and columns [left, right).
int InkIn(const QImage& image, int left, int top, int right, int height) {
    int ink = 0;
    for (int y = std::max(0, top); y < std::min(image.height(), top + height); ++y)
        for (int x = std::max(0, left); x < std::min(image.width(), right); ++x) ink += Dark(qttest::At(image, x, y)) ? 1 : 0;
    return ink;
}

class AppLogWindowScreenshotTest : public ::testing::TestWithParam<EditionCase> {
protected:
    // No trace and no log window at the start: the tests choose the log's text.
    AppLogWindowScreenshotTest() : app_(GetParam().german) {
        WriteProfileInt("View", "Log", 0);
        WriteProfileInt("View", "LogList", 0);
    }

    // Writes the log file and opens the window on it, as the logging dialog does.
    HWND OpenOn(const std::string& text) {
        EXPECT_TRUE(platform::WriteFileAtomic(app_.App().LogFilePath, text));
        app_.App().LogList = 1;
        app_.Frame().SendMessage(WM_COMMAND, CM_LOG_WINDOW);
        EXPECT_TRUE(qttest::PumpUntilSettled());
        return app_.Frame().FramePanels().SideWindow(CM_LOG_WINDOW);
    }

    // The window's widget, its client area cut out, and its own scroll bars.
    struct Seen {
        QImage client;
        bool vertical = false, horizontal = false;
        QRect verticalBar, horizontalBar;
    };
    Seen Look(HWND log, const std::string& name) {
        Seen seen;
        auto* widget = dynamic_cast<platform::QtWindowWidget*>(app_.Host().WidgetOf(log));
        if (!widget) return seen;
        const QImage whole = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const platform::Rect client = ::WindowFromHandle(log)->ClientRect();
        const QMargins& m = widget->ClientMargins();
        seen.client = whole.copy(m.left(), m.top(), client.Width(), client.Height());
        for (QScrollBar* bar : widget->findChildren<QScrollBar*>()) {
            if (!bar->isVisible()) continue;
            if (bar->orientation() == Qt::Vertical) seen.vertical = true, seen.verticalBar = bar->geometry();
            else seen.horizontal = true, seen.horizontalBar = bar->geometry();
        }
        qttest::SaveForViewing(whole, std::string("log-") + GetParam().name + "-" + name);
        return seen;
    }

    qttest::AppOnQtHost app_;
};

TEST_P(AppLogWindowScreenshotTest, AShortLogShowsItsLinesWithoutBars) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    const HWND log = OpenOn("first line\r\nsecond line\r\nthird line\r\n");
    ASSERT_NE(log, nullptr);
    const Seen seen = Look(log, "short");
    ASSERT_FALSE(seen.client.isNull());
    EXPECT_FALSE(seen.vertical);
    EXPECT_FALSE(seen.horizontal);
    // Three lines at 14-pixel steps from the top, nothing below them.
    for (int line = 0; line < 3; ++line) EXPECT_GT(InkIn(seen.client, 0, CLog::kLineHeight * line, 80, CLog::kLineHeight), 10) << line;
    EXPECT_EQ(InkIn(seen.client, 0, CLog::kLineHeight * 3 + 2, seen.client.width(), seen.client.height()), 0);
}

TEST_P(AppLogWindowScreenshotTest, ALongWideLogInALargerWindowShowsBothBarsAndItsEnd) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    const HWND log = OpenOn(Lines(10000, 120));
    ASSERT_NE(log, nullptr);
    platform::Window* window = ::WindowFromHandle(log);
    ASSERT_NE(window, nullptr);
    const platform::Rect place = window->WindowRect();
    window->MoveWindow({place.left, place.top, place.left + 700, place.top + 500}, true);
    EXPECT_TRUE(qttest::PumpUntilSettled());
    const Seen seen = Look(log, "long");
    ASSERT_FALSE(seen.client.isNull());
    EXPECT_TRUE(seen.vertical);
    EXPECT_TRUE(seen.horizontal);
    // The bars stand beside and below the text, which fills the client area to its end.
    EXPECT_GE(seen.verticalBar.left(), seen.client.width());
    EXPECT_GE(seen.horizontalBar.top(), seen.client.height());
    EXPECT_GT(seen.client.width(), 600);
    EXPECT_GT(InkIn(seen.client, 0, 0, 80, CLog::kLineHeight), 10) << "the first line shown";
    const int lastLine = (seen.client.height() / CLog::kLineHeight - 1) * CLog::kLineHeight;
    EXPECT_GT(InkIn(seen.client, 0, lastLine, 80, CLog::kLineHeight), 10) << "the log's last line";
    // Every line shows alone: a line of the picture before the new size, drawn over, would add
    // the ink of its other digits ("line 09967" over "line 09980").
    const int lines = seen.client.height() / CLog::kLineHeight;
    const int lastInk = InkIn(seen.client, 0, lastLine, 80, CLog::kLineHeight);
    for (int line = 0; line < lines; ++line) {
        const int ink = InkIn(seen.client, 0, line * CLog::kLineHeight, 80, CLog::kLineHeight);
        EXPECT_LT(ink * 100, lastInk * 115) << "line " << line << " drawn over another";
        EXPECT_GT(ink * 100, lastInk * 85) << "line " << line;
    }
    int minimum = 0, maximum = 0;
    GetScrollRange(log, platform::SB_VERT, &minimum, &maximum);
    EXPECT_GT(maximum, 0);
    EXPECT_EQ(GetScrollPos(log, platform::SB_VERT), maximum) << "the end shows";
}

INSTANTIATE_TEST_SUITE_P(Editions, AppLogWindowScreenshotTest,
                         ::testing::Values(EditionCase{"german", true}, EditionCase{"english", false}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return std::string(info.param.name); });

}  // namespace
