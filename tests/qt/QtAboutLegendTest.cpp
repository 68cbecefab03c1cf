// The about box's links and the legend on the Qt host, offscreen: a link shows its colour, takes a
// click through to the desktop and underlines while the mouse is over it; the legend shows its
// picture with the ticks of the game's marks.
//
// With KARTOVAN_TEST_PNG_DIR set, both are written there as PNGs to look at.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QWidget>

#include "model/GameState.h"
#include "platform/core/Resources.h"
#include "platform/headless/DesktopRecorder.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "shell/AboutDialog.h"
#include "shell/HyperLink.h"
#include "shell/Legend.h"
#include "resources/LegendBitmap.h"
#include "support/ProgramGlobals.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

struct EditionCase {
    const char* name;
    bool german;
};

void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class QtAboutLegendTest : public ::testing::TestWithParam<EditionCase> {
protected:
    QtAboutLegendTest() {
        testsupport::ResetProgramGlobals();
        SetResources(GetParam().german ? &GermanResources() : &EnglishResources());
    }
    ~QtAboutLegendTest() override { SetResources(nullptr); }

    static void Send(QWidget* widget, QEvent::Type type, QPoint at) {
        const QPointF local(at);
        const QPointF global(widget->mapToGlobal(at));
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, local, local, global, button, held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

    QtHost host_;
    DesktopRecorder desktop_;
};

TEST_P(QtAboutLegendTest, TheLinksShowTheirColourAndOpenOnAClick) {
    CAboutDlg about;
    ASSERT_TRUE(about.Create(nullptr));
    about.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    ASSERT_NE(about.WebLink(), nullptr);
    auto* label = qobject_cast<QLabel*>(host_.WidgetOf(about.WebLink()->Handle()));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 238));
    EXPECT_FALSE(label->text().isEmpty());
    Send(label, QEvent::MouseButtonPress, {3, 3});
    Send(label, QEvent::MouseButtonRelease, {3, 3});
    ASSERT_TRUE(qttest::PumpUntil([&] { return !desktop_.ShellRequests().empty(); }, 2000));
    EXPECT_EQ(desktop_.ShellRequests()[0].target, about.WebLink()->GetURL());
    qttest::PumpFor(30);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(85, 26, 139)) << "visited";
    qttest::SaveForViewing(host_.WidgetOf(about.Handle())->grab().toImage(), std::string("about-") + GetParam().name);
}

TEST_P(QtAboutLegendTest, ALinkUnderlinesWhileTheMouseIsOverIt) {
    CAboutDlg about;
    ASSERT_TRUE(about.Create(nullptr));
    about.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    auto* label = qobject_cast<QLabel*>(host_.WidgetOf(about.MailLink()->Handle()));
    ASSERT_NE(label, nullptr);
    EXPECT_FALSE(label->font().underline());
    Send(label, QEvent::MouseMove, {3, 3});
    ASSERT_TRUE(qttest::PumpUntil([&] { return label->font().underline(); }, 1000));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_P(QtAboutLegendTest, TheLegendTicksTheRowsOfTheMarks) {
    g_Game.CheatMask = 1 | 64;
    CLegend legend;
    CreateParams params;
    params.title = LoadString(40508);
    params.rect = {10, 10, 20, 20};
    ASSERT_TRUE(legend.CreateLegend(params));
    legend.ShowWindow(SW_SHOW);
    qttest::PumpFor(50);
    QWidget* widget = host_.WidgetOf(legend.Handle());
    ASSERT_NE(widget, nullptr);
    const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    qttest::SaveForViewing(shot, std::string("legend-") + GetParam().name);
    ASSERT_GE(shot.width(), kLegendWidth);
    ASSERT_GE(shot.height(), kLegendHeight);
    const Color grey{220, 220, 220};
    const Color white{255, 255, 255};
    auto boxCentre = [&](int row) { return qttest::At(shot, kLegendTickX + 10, LegendRowTop(row) + 10); };
    EXPECT_EQ(boxCentre(0), grey) << "aborted";
    EXPECT_EQ(boxCentre(8), grey) << "undone";
    for (int row = 1; row < 8; ++row) EXPECT_EQ(boxCentre(row), white) << row;
    EXPECT_EQ(qttest::At(shot, kLegendSwatchX + 20, kLegendGreenTop + 10), (Color{0, 128, 0}));
}

INSTANTIATE_TEST_SUITE_P(Editions, QtAboutLegendTest,
                         ::testing::Values(EditionCase{"German", true}, EditionCase{"English", false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
