// A window's own scroll bars in the Qt host: native bars in their strips beside the client area,
// with the window's range and position; what the person does with one comes back as our scroll
// message. A window the person cannot resize has a fixed widget; a tooltip shows as the widget's.
#include <gtest/gtest.h>

#include <algorithm>

#include <QScrollBar>
#include <QWidget>

#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowScrollBars.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

using namespace platform;
using qttest::RecordingWindow;

namespace {

QScrollBar* BarOf(QWidget* widget, Qt::Orientation orientation) {
    for (QScrollBar* bar : widget->findChildren<QScrollBar*>())
        if (bar->orientation() == orientation) return bar;
    return nullptr;
}

TEST(QtOwnScrollBars, NativeBarsStandInTheirStripsWithTheWindowsRange) {
    QtHost host;
    RecordingWindow window;
    ASSERT_TRUE(qttest::CreateWindowOf(window, WindowKind::Overlapped, {50, 40, 350, 240}));
    ASSERT_TRUE(ShowScrollBar(window.Handle(), SB_VERT, true));
    SetScrollRange(window.Handle(), SB_VERT, 0, 280, true);
    SetScrollPos(window.Handle(), SB_VERT, 140, true);
    QWidget* widget = host.WidgetOf(window.Handle());
    ASSERT_NE(widget, nullptr);
    QScrollBar* bar = BarOf(widget, Qt::Vertical);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisibleTo(widget));
    EXPECT_EQ(bar->geometry().width(), kOwnScrollBarWidth);
    EXPECT_EQ(bar->geometry().left(), 300 - kOwnScrollBarWidth);
    EXPECT_EQ(bar->maximum(), 280);
    EXPECT_EQ(bar->value(), 140);
    EXPECT_EQ(BarOf(widget, Qt::Horizontal), nullptr) << "no horizontal bar was ever shown";

    // The person presses the arrow: the window hears of it and decides.
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    ASSERT_TRUE(qttest::PumpUntil([&] { return window.Count(WM_VSCROLL) > 0; }));
    const auto it = std::find_if(window.messages.begin(), window.messages.end(),
                                 [](const Message& m) { return m.message == WM_VSCROLL; });
    EXPECT_EQ(LOWORD(it->wParam), SB_LINEDOWN);
    EXPECT_EQ(it->lParam, 0);

    ShowScrollBar(window.Handle(), SB_VERT, false);
    EXPECT_FALSE(bar->isVisibleTo(widget));
}

TEST(QtOwnScrollBars, AFixedWindowAndATooltip) {
    QtHost host;
    RecordingWindow window;
    CreateParams params;
    params.kind = WindowKind::Overlapped;
    params.rect = {50, 40, 617, 371};
    params.resizable = false;
    params.visible = true;
    ASSERT_TRUE(window.Create(params));
    QWidget* widget = host.WidgetOf(window.Handle());
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->minimumSize(), widget->maximumSize());
    SetToolTip(window.Handle(), "https://example.org/");
    EXPECT_EQ(widget->toolTip(), QStringLiteral("https://example.org/"));
}

}  // namespace
