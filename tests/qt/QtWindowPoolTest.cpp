// The Qt host keeps the top-level widget of a destroyed owned window hidden and gives it to the next
// window of its kind: two side windows opened one after the other from the View menu are shown by one
// native window, with the second one's title, place, size and controls and nothing of the first; a
// kept widget starts clean (cursor, tool tip, scroll bars, window menu, font, size limits, margins,
// owner) and goes when its owner goes and when the host goes.
#include <gtest/gtest.h>
#include "flow/FramePanels.h"

#include <vector>

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>
#include <QWindow>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtTestSupport.h"
#include "platform/core/Cursor.h"
#include "platform/core/Dialog.h"
#include "platform/core/SystemMenu.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtWindowWidget.h"
#include "resources/CommandIds.h"

using namespace platform;

namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The QWidget children of a widget, watched so that their deletion shows.
std::vector<QPointer<QWidget>> ChildrenOf(QWidget* widget) {
    std::vector<QPointer<QWidget>> children;
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) children.emplace_back(child);
    return children;
}

// The score sheet closed and the card statistics opened after it: the second side window is shown by
// the first one's native window, and everything on it is its own.
TEST(QtWindowPool, TheNextSideWindowIsShownByTheClosedOnesNativeWindow) {
    qttest::AppOnQtHost app(false);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    CMainFrame& frame = app.Frame();
    QtHost& host = app.Host();

    frame.SendMessage(WM_COMMAND, ID_LIST_SCORE);
    ASSERT_TRUE(qttest::PumpUntil([&] { return frame.FramePanels().SideWindow(ID_LIST_SCORE) != nullptr; }));
    const HWND score = frame.FramePanels().SideWindow(ID_LIST_SCORE);
    qttest::PumpFor(50);
    QWidget* first = host.WidgetOf(score);
    ASSERT_NE(first, nullptr);
    const QPointer<QWidget> kept(first);
    const WId nativeWindow = first->winId();
    const QString firstTitle = first->windowTitle();
    const std::vector<QPointer<QWidget>> firstChildren = ChildrenOf(first);
    ASSERT_FALSE(firstChildren.empty());

    ::SendMessage(score, WM_CLOSE, 0, 0);
    ASSERT_TRUE(qttest::PumpUntil([&] { return !::IsWindow(score); }));
    // The main window is active again: the window manager's word that the focus left the score sheet
    // comes when it comes on a busy machine, and the pool keeps a window Qt still takes for the focus.
    ASSERT_TRUE(qttest::PumpUntil([&] { return QGuiApplication::focusWindow() != first->windowHandle(); }, 20000));
    ASSERT_FALSE(kept.isNull()) << "kept, not deleted";
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(host.WindowOf(first), nullptr) << "a kept widget names no window";
    for (const QPointer<QWidget>& child : firstChildren)
        EXPECT_TRUE(child.isNull()) << "the score sheet's controls went";

    frame.SendMessage(WM_COMMAND, ID_LIST_CARD_STATISTICS);
    ASSERT_TRUE(qttest::PumpUntil([&] { return frame.FramePanels().SideWindow(ID_LIST_CARD_STATISTICS) != nullptr; }));
    const HWND statistics = frame.FramePanels().SideWindow(ID_LIST_CARD_STATISTICS);
    qttest::PumpFor(50);
    QWidget* second = host.WidgetOf(statistics);
    ASSERT_EQ(second, first) << "no new top-level widget";
    EXPECT_EQ(second->winId(), nativeWindow) << "no new native window";
    EXPECT_EQ(host.WindowOf(second), statistics);
    EXPECT_EQ(dynamic_cast<QtWindowWidget&>(*second).Handle(), statistics);
    EXPECT_TRUE(second->isVisible());

    const Window* window = WindowSystem::Instance().FromHandle(statistics);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(second->windowTitle(), QString::fromStdString(window->Title()));
    EXPECT_NE(second->windowTitle(), firstTitle);
    const QMargins margins = dynamic_cast<QtWindowWidget&>(*second).ClientMargins();
    EXPECT_EQ(second->geometry(), ToQRect(window->WindowRect()).marginsAdded(margins));
    ASSERT_NE(second->windowHandle(), nullptr);
    EXPECT_EQ(second->windowHandle()->transientParent(), app.Widget()->windowHandle());
    // Every widget on it shows one of its own child windows, or is one of its own bars.
    const std::vector<HWND> own = window->Children();
    for (QWidget* child : second->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const HWND shown = host.WindowOf(child);
        if (shown) {
            EXPECT_NE(std::find(own.begin(), own.end(), shown), own.end()) << "a child of the card statistics";
        } else {
            EXPECT_TRUE(qobject_cast<QScrollBar*>(child) || qobject_cast<QMenuBar*>(child))
                << "unknown widget " << child->metaObject()->className();
        }
    }
}

// A bare owner and dialogs it owns, on the host alone.
class QtWindowPoolKinds : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(qttest::CreateWindowOf(owner, WindowKind::Overlapped, {0, 0, 400, 300}));
        qttest::PumpFor(20);
    }
    // A window owned by `owner`: a popup (a dialog to the window manager, always of a fixed size) or an
    // overlapped one (a dialog with its caption buttons).
    static bool CreateOwned(Window& window, HWND ownerHandle, Rect rect, const char* title, bool resizable,
                            WindowKind kind = WindowKind::Popup) {
        CreateParams params;
        params.kind = kind;
        params.owner = ownerHandle;
        params.rect = rect;
        params.title = title;
        params.resizable = resizable;
        params.visible = true;
        return window.Create(params);
    }

    QtHost host;
    qttest::RecordingWindow owner;
};

// Whatever the first window set on its widget is gone when the widget shows the next one.
TEST_F(QtWindowPoolKinds, AKeptWidgetShowsNothingOfItsLastWindow) {
    qttest::RecordingWindow first;
    ASSERT_TRUE(CreateOwned(first, owner.Handle(), {10, 10, 210, 160}, "first", false, WindowKind::Overlapped));
    QWidget* widget = host.WidgetOf(first.Handle());
    ASSERT_NE(widget, nullptr);
    WindowSystem& system = WindowSystem::Instance();
    system.SetToolTip(first.Handle(), "a tip");
    system.SetCursor(first.Handle(), SYSTEM_CURSOR_HAND);
    system.ShowOwnScrollBar(first.Handle(), SB_VERT, true);
    ASSERT_NE(GetSystemMenu(first.Handle(), false), nullptr);
    first.ShowWindow(SW_HIDE);
    first.ShowWindow(SW_SHOW);  // the window menu shows as a bar when the window is shown
    qttest::PumpFor(20);
    ASSERT_EQ(widget->cursor().shape(), Qt::PointingHandCursor);
    ASSERT_FALSE(widget->toolTip().isEmpty());
    ASSERT_FALSE(widget->findChildren<QScrollBar*>().isEmpty());
    ASSERT_FALSE(widget->findChildren<QMenuBar*>().isEmpty());
    ASSERT_EQ(widget->maximumSize(), QSize(200, 150 + widget->findChild<QMenuBar*>()->height()));
    const QPointer<QWidget> kept(widget);
    first.DestroyWindow();
    qttest::PumpFor(20);  // the owner is active again
    ASSERT_FALSE(kept.isNull());
    ASSERT_FALSE(widget->isVisible());

    qttest::RecordingWindow second;
    ASSERT_TRUE(CreateOwned(second, owner.Handle(), {30, 40, 330, 290}, "second", true, WindowKind::Overlapped));
    qttest::PumpFor(20);
    ASSERT_EQ(host.WidgetOf(second.Handle()), widget);
    EXPECT_EQ(widget->windowTitle(), QStringLiteral("second"));
    EXPECT_EQ(widget->geometry(), QRect(30, 40, 300, 250));
    EXPECT_EQ(widget->cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(widget->toolTip().isEmpty());
    EXPECT_TRUE(widget->findChildren<QScrollBar*>().isEmpty());
    EXPECT_TRUE(widget->findChildren<QMenuBar*>().isEmpty());
    EXPECT_EQ(dynamic_cast<QtWindowWidget&>(*widget).ClientMargins(), QMargins());
    EXPECT_FALSE(widget->testAttribute(Qt::WA_SetFont));
    // The second is resizable: the first one's fixed size does not hold it.
    EXPECT_EQ(widget->minimumSize(), QSize(0, 0));
    EXPECT_EQ(widget->maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    EXPECT_TRUE(widget->isVisible());
}

// Only a window of the same kind takes a kept widget: another owner or other window flags get a
// widget of their own.
TEST_F(QtWindowPoolKinds, OnlyTheSameKindTakesAKeptWidget) {
    qttest::RecordingWindow otherOwner;
    ASSERT_TRUE(qttest::CreateWindowOf(otherOwner, WindowKind::Overlapped, {500, 0, 900, 300}));
    qttest::RecordingWindow first;
    ASSERT_TRUE(CreateOwned(first, owner.Handle(), {10, 10, 210, 160}, "first", false));
    QPointer<QWidget> kept = host.WidgetOf(first.Handle());
    first.DestroyWindow();
    ASSERT_FALSE(kept.isNull());

    qttest::RecordingWindow elsewhere;
    ASSERT_TRUE(CreateOwned(elsewhere, otherOwner.Handle(), {10, 10, 210, 160}, "elsewhere", false));
    EXPECT_NE(host.WidgetOf(elsewhere.Handle()), kept.data());
    qttest::RecordingWindow side;
    ASSERT_TRUE(CreateOwned(side, owner.Handle(), {10, 10, 210, 160}, "side", false, WindowKind::Overlapped));
    EXPECT_NE(host.WidgetOf(side.Handle()), kept.data());
    EXPECT_FALSE(kept.isNull());
    EXPECT_EQ(host.WindowOf(kept), nullptr) << "still kept";
}

// A kept widget stays above its owner when shown: when the owner goes, so does the widget.
TEST_F(QtWindowPoolKinds, AKeptWidgetGoesWithItsOwner) {
    qttest::RecordingWindow dialog;
    ASSERT_TRUE(CreateOwned(dialog, owner.Handle(), {10, 10, 210, 160}, "owned", false));
    QPointer<QWidget> kept = host.WidgetOf(dialog.Handle());
    dialog.DestroyWindow();
    ASSERT_FALSE(kept.isNull());
    owner.DestroyWindow();
    EXPECT_TRUE(kept.isNull());
}

// Nothing kept outlives the host: at the program's end its windows go, and the kept widgets with them.
TEST(QtWindowPool, AKeptWidgetGoesWithTheHost) {
    QPointer<QWidget> kept;
    {
        QtHost host;
        qttest::RecordingWindow owner;
        qttest::RecordingWindow owned;
        ASSERT_TRUE(qttest::CreateWindowOf(owner, WindowKind::Overlapped, {0, 0, 400, 300}));
        CreateParams params;
        params.kind = WindowKind::Popup;
        params.owner = owner.Handle();
        params.rect = {10, 10, 210, 160};
        params.visible = true;
        ASSERT_TRUE(owned.Create(params));
        kept = host.WidgetOf(owned.Handle());
        owned.DestroyWindow();
        ASSERT_FALSE(kept.isNull());
    }
    EXPECT_TRUE(kept.isNull());
}

}  // namespace
