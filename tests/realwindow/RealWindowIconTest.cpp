// The program's icon as the X server hands it to the window manager: the main window carries every
// size, each bar, dialog and panel a dealt game opens the sizes up to 64 pixels, and every window is
// given its icon in one send (each send converts and copies every size it holds, and a game opens many
// windows). The sends are counted from the X server's own reports of the property's changes, the
// sizes read back with xprop.

#include <algorithm>
#include "flow/FramePanels.h"
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QProcess>
#include <QRegularExpression>
#include <QWidget>

#include <xcb/xproto.h>

#include <gtest/gtest.h>

#include "platform/qt/QtHost.h"
#include "platform/qt/QtPictures.h"
#include "qt/AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "qt/QtTestSupport.h"
#include "resources/CommandIds.h"
#include "resources/FlowIds.h"

namespace {

// The X server's number for a property name ("280\t_NET_WM_ICON"), 0 when unknown.
std::uint32_t AtomOf(const char* name) {
    const std::string answer = qttest::RunTool(QStringLiteral("xlsatoms"), {QStringLiteral("-n"), QString::fromLatin1(name)});
    return answer.empty() ? 0 : static_cast<std::uint32_t>(std::stoul(answer));
}

// The sides of the pictures a window's icon property holds, in order, as xprop lists them.
std::vector<int> IconSides(WId window) {
    const QString answer = QString::fromStdString(qttest::RunTool(
        QStringLiteral("xprop"), {QStringLiteral("-len"), QStringLiteral("4000000"), QStringLiteral("-notype"),
                                  QStringLiteral("-id"), QString::number(window), QStringLiteral("_NET_WM_ICON")}));
    std::vector<int> sides;
    const QRegularExpression picture(QStringLiteral("Icon \\((\\d+) x (\\d+)\\)"));
    for (auto it = picture.globalMatch(answer); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        sides.push_back(std::max(match.captured(1).toInt(), match.captured(2).toInt()));
    }
    return sides;
}

// Counts, per window, the values the X server reports given to one property.
class PropertySends : public QAbstractNativeEventFilter {
public:
    explicit PropertySends(std::uint32_t atom) : m_atom(atom) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~PropertySends() override { QCoreApplication::instance()->removeNativeEventFilter(this); }
    PropertySends(const PropertySends&) = delete;
    PropertySends& operator=(const PropertySends&) = delete;

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
        const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
        if (notify->atom == m_atom && notify->state == XCB_PROPERTY_NEW_VALUE) ++m_sends[notify->window];
        return false;
    }

    int Sends(WId window) const {
        const auto it = m_sends.find(static_cast<std::uint32_t>(window));
        return it == m_sends.end() ? 0 : it->second;
    }

private:
    std::uint32_t m_atom;
    std::map<std::uint32_t, int> m_sends;
};

TEST(RealWindowIcon, EachWindowOfADealtGameIsSentItsIconOnceAtItsSizes) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    const std::uint32_t atom = AtomOf("_NET_WM_ICON");
    ASSERT_NE(atom, 0u);
    std::vector<int> all;
    for (const QSize& size : platform::ProgramIcon().availableSizes()) all.push_back(size.width());
    std::vector<int> upTo64;
    std::copy_if(all.begin(), all.end(), std::back_inserter(upTo64), [](int side) { return side <= 64; });
    ASSERT_GT(all.size(), upTo64.size());
    ASSERT_FALSE(upTo64.empty());

    PropertySends sends(atom);
    qttest::AppOnQtHost app(false);
    app.Start(1024, 768);
    if (::testing::Test::HasFatalFailure()) return;
    app.Deal();
    if (::testing::Test::HasFatalFailure()) return;
    // A panel from the View menu: it takes the frame's small icon, which is none.
    app.Frame().SendMessage(WM_COMMAND, ID_LIST_GAME_VALUE);
    ASSERT_NE(app.Frame().FramePanels().PanelWindow(CM_CLOSE_GAME_VALUE), nullptr);
    QWidget* panel = app.Host().WidgetOf(app.Frame().FramePanels().PanelWindow(CM_CLOSE_GAME_VALUE));
    ASSERT_NE(panel, nullptr);
    // Every change the program asked for has reached the X server and come back as a report.
    QGuiApplication::sync();
    qttest::PumpFor(100);
    int owned = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (!widget->isVisible()) continue;
        const WId id = widget->winId();
        const bool main = widget == app.Widget();
        owned += main ? 0 : 1;
        const std::string name = main ? "the main window" : "\"" + widget->windowTitle().toStdString() + "\"";
        EXPECT_EQ(sends.Sends(id), 1) << name;
        EXPECT_EQ(IconSides(id), main ? all : upTo64) << name;
    }
    // The auction's bar and the panel at least.
    EXPECT_TRUE(panel->isVisible());
    EXPECT_GE(owned, 2);
}

}  // namespace
