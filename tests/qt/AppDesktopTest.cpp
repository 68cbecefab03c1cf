// The program's frame as a desktop user meets it on the Qt host: the accelerators keep working after
// a menu was used from the keyboard, the window manager knows the frame's smallest size, a larger
// frame shows the table at once, the tool bar shows a picture per command and every window shows
// the program's own icon.

#include <ostream>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtSettled.h"
#include "QtTestImages.h"
#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "platform/core/WindowApi.h"
#include "platform/core/Resources.h"
#include "platform/qt/QtFrameBars.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtStatusBar.h"
#include "platform/qt/QtToolBar.h"
#include "resources/ToolBar.h"
#include "resources/ids.h"

namespace {

using qttest::AppOnQtHost;
using qttest::PumpUntil;

// Sends a key where Qt sends it: to an open pop-up menu, else to the widget with the keyboard, else
// to the table view's widget. A press goes through the shortcut override first, as Qt does.
void Key(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target) target = QApplication::focusWidget();
    if (!target) target = platform::QtHost::Current()->WidgetOf(g_Frame.hTableWnd);
    ASSERT_NE(target, nullptr);
    if (type == QEvent::KeyPress) {
        QKeyEvent override(QEvent::ShortcutOverride, key, modifiers);
        override.ignore();
        QApplication::sendEvent(target, &override);
    }
    QKeyEvent event(type, key, modifiers);
    QApplication::sendEvent(target, &event);
}

struct EditionCase {
    const char* name;
    bool german;
};

void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class AppDesktopTest : public ::testing::TestWithParam<EditionCase> {};

// Alt+letter opens the first menu: Alt is let go while the menu has the keyboard, Esc closes it.
// The next Ctrl+N must deal (once the menu's Alt went unseen, every Ctrl+N read as Ctrl+Alt+N).
TEST_P(AppDesktopTest, CtrlNDealsAfterAMenuWasUsedFromTheKeyboard) {
    AppOnQtHost app(GetParam().german);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    const platform::QtFrameBars* bars = platform::FrameBarsOf(app.Frame().Handle());
    ASSERT_NE(bars, nullptr);

    Key(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(PumpUntil([] { return (GetKeyState(VK_MENU) & 0x8000) != 0; }));
    // The menu bar's mnemonic takes the letter and opens the pop-up.
    QMenu* first = bars->MenuBar()->PopupAt(0);
    ASSERT_NE(first, nullptr);
    first->popup(app.Widget()->mapToGlobal(QPoint(0, 0)));
    ASSERT_EQ(QApplication::activePopupWidget(), first);
    Key(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    Key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    Key(QEvent::KeyRelease, Qt::Key_Escape, Qt::NoModifier);
    first->hide();
    qttest::PumpFor(50);
    ASSERT_EQ(g_Game.FlowState, STATE_IDLE);

    Key(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    Key(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier);
    Key(QEvent::KeyRelease, Qt::Key_N, Qt::ControlModifier);
    Key(QEvent::KeyRelease, Qt::Key_Control, Qt::NoModifier);
    EXPECT_TRUE(PumpUntil([] { return g_Game.FlowState != STATE_IDLE; }, 5000));
    EXPECT_EQ(GetKeyState(VK_MENU) & 0x8000, 0);
}

// The smallest frame is 410 pixels wide (no border on this host: the bars lie outside the client
// area) and as high as the table at zoom 100 wants; the window manager gets that plus the bars, and
// a resize below it stops there.
TEST_P(AppDesktopTest, WindowManagerKnowsTheMinimalSize) {
    AppOnQtHost app(GetParam().german);
    app.Start(1600, 1200);
    if (::testing::Test::HasFatalFailure()) return;
    const CMainFrame& frame = app.Frame();
    ASSERT_EQ(frame.Table().Layout.MinWindowWidth, 410);
    ASSERT_GT(frame.Table().Layout.MinWindowHeight, 464);
    const QMargins& bars = app.Margins();
    const QSize wanted(410 + bars.left() + bars.right(),
                       frame.Table().Layout.MinWindowHeight + bars.top() + bars.bottom());
    EXPECT_EQ(app.Widget()->minimumSize(), wanted);

    app.Widget()->resize(200, 150);
    EXPECT_EQ(app.Widget()->size(), wanted);
    ASSERT_TRUE(PumpUntil([&] { return frame.WindowRect().Width() == 410; }));
    EXPECT_EQ(frame.WindowRect().Height(), frame.Table().Layout.MinWindowHeight);
}

// The person drags the frame larger: the new part shows the table's green at once, before our loop
// has taken the new size (no grey bands at the right and the bottom), and the table is laid out
// anew once it has.
TEST_P(AppDesktopTest, ResizedFrameShowsTheTableAtOnce) {
    AppOnQtHost app(GetParam().german);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    // The frame stands at its first size on the screen, painted, before the person drags it.
    ASSERT_TRUE(qttest::PumpUntilSettled());
    QWidget* widget = app.Widget();
    const QSize before = widget->size();
    const QMargins& bars = app.Margins();
    widget->resize(before + QSize(200, 120));
    const QImage grown = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor green(0, 128, 0);
    // The new band at the right and at the bottom of the client area, away from the bars.
    for (const QPoint at : {QPoint(before.width() + 100, bars.top() + 50),
                            QPoint(before.width() + 190, grown.height() - bars.bottom() - 5),
                            QPoint(50, before.height() - bars.bottom() + 60)})
        EXPECT_EQ(grown.pixelColor(at), green) << at.x() << ", " << at.y();
    ASSERT_TRUE(PumpUntil([&] { return app.Frame().WindowRect().Width() == before.width() + 200; }, 60000));
    EXPECT_EQ(platform::QtHost::Current()->WidgetOf(g_Frame.hTableWnd)->size(),
              widget->size().shrunkBy(bars));
}

// The rule pane shows every rule name whole in the bar's font at the table's own width (820 pixels),
// in both editions: the longest ("Variants Skat", "Schieberamsch") before any of them came.
TEST_P(AppDesktopTest, StatusBarShowsEveryRuleNameWhole) {
    AppOnQtHost app(GetParam().german);
    app.Start(820, 700);
    if (::testing::Test::HasFatalFailure()) return;
    const platform::QtStatusBar* bar = platform::FrameBarsOf(app.Frame().Handle())->StatusBarWidget();
    ASSERT_NE(bar, nullptr);
    const QLabel* rule = bar->Pane(2);
    ASSERT_NE(rule, nullptr);
    const int width = rule->width();
    for (int id : {IDS_RULE_SKAT, IDS_VARIANT_SKAT, IDS_RAMSCH, IDS_SCHIEBERAMSCH}) {
        const QString text = QString::fromStdString(platform::LoadString(id));
        EXPECT_LE(QFontMetrics(rule->font()).horizontalAdvance(text), rule->contentsRect().width() - rule->indent())
            << text.toStdString();
        app.Frame().SetStatusPane(2, text.toStdString());
        EXPECT_EQ(rule->width(), width) << text.toStdString();
    }
}

// One picture per tool-bar command, the same in both editions: our own drawing where the desktop
// has no theme (the offscreen platform has none), all different, crisp at twice the pixels; the tool
// tip names the command and its key.
TEST_P(AppDesktopTest, ToolBarShowsOnePicturePerCommand) {
    AppOnQtHost app(GetParam().german);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    const platform::QtToolBar* bar = platform::FrameBarsOf(app.Frame().Handle())->ToolBar();
    ASSERT_NE(bar, nullptr);
    std::vector<QImage> seen;
    for (const ToolBarPicture& picture : kToolBarPictures) {
        const QAction* button = bar->ButtonOf(picture.id);
        ASSERT_NE(button, nullptr) << picture.drawing;
        const QImage shown = button->icon().pixmap(QSize(16, 16), 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), QSize(32, 32)) << picture.drawing;
        // Drawn from the SVG at 32 pixels, not a 16-pixel picture blown up.
        QImage drawn(32, 32, QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        {
            QPainter painter(&drawn);
            painter.setRenderHint(QPainter::Antialiasing);
            QSvgRenderer(platform::PicturePath(picture.drawing)).render(&painter, QRectF(0, 0, 32, 32));
        }
        EXPECT_EQ(shown, drawn) << picture.drawing;
        for (const QImage& other : seen) EXPECT_NE(shown, other) << picture.drawing;
        seen.push_back(shown);
    }
    // The pictures side by side with the program's icon, to look at.
    QImage strip(32 * static_cast<int>(seen.size()) + 64, 64, QImage::Format_ARGB32);
    strip.fill(QColor(236, 236, 236));
    {
        QPainter painter(&strip);
        for (std::size_t i = 0; i < seen.size(); ++i) painter.drawImage(static_cast<int>(32 * i), 16, seen[i]);
        painter.drawPixmap(static_cast<int>(32 * seen.size()), 0, platform::ProgramIcon().pixmap(64, 64));
    }
    qttest::SaveForViewing(strip, std::string("toolbar-") + GetParam().name);

    const bool german = GetParam().german;
    const std::pair<int, const char*> tips[] = {
        {ID_NEW, german ? "Neu (Strg+N)" : "New (Ctrl+N)"},
        {ID_SORT, german ? "Sortieren (Strg+S)" : "Sort (Ctrl+S)"},
        {ID_SAVE_GAME, german ? "Sichern" : "Save"},
        {ID_UNDO, german ? "Letzten Stich zurücknehmen" : "Undo last Trick"},
    };
    for (const auto& [id, tip] : tips) EXPECT_EQ(bar->ButtonOf(id)->toolTip().toStdString(), tip);
}

// Our own icon on the frame and on every other top-level window the program shows (the prompt
// strips of a dealt game among them).
TEST_P(AppDesktopTest, EveryTopLevelWindowShowsTheProgramsIcon) {
    AppOnQtHost app(GetParam().german);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    app.Deal();
    if (::testing::Test::HasFatalFailure()) return;
    const QImage own = platform::ProgramIcon().pixmap(32, 32).toImage();
    ASSERT_FALSE(own.isNull());
    // A fan of white cards on the table's green: both show in the icon.
    EXPECT_EQ(own.pixelColor(16, 2).alpha(), 255);
    EXPECT_EQ(own.pixelColor(0, 0).alpha(), 0);
    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        ++windows;
        EXPECT_EQ(widget->windowIcon().pixmap(32, 32).toImage(), own) << widget->metaObject()->className();
    }
    EXPECT_GE(windows, 1);
}

INSTANTIATE_TEST_SUITE_P(Editions, AppDesktopTest,
                         ::testing::Values(EditionCase{"en", false}, EditionCase{"ge", true}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return std::string(info.param.name); });

}  // namespace
