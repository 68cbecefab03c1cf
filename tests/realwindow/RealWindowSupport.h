#pragma once
// What the real-window tests share: the window manager's view of the windows (stacking, the active
// window, transient owners, read with xprop), clicks and keys typed through the X server (xdotool),
// a window captured from the screen by its id, and pixel measures of a capture.

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

#include "dialogs/DialogIds.h"
#include "model/GameState.h"
#include "platform/core/Geometry.h"
#include "platform/core/WindowApi.h"
#include "resources/FlowIds.h"
#include "resources/ids.h"
#include "qt/QtTestImages.h"
#include "qt/QtTestSupport.h"

namespace realwindow {

// Share of the pixels in a rectangle of the image that satisfy `test`.
template <typename Test>
double Share(const QImage& image, const QRect& area, Test test) {
    const QRect inside = area.intersected(image.rect());
    if (inside.isEmpty()) return 0;
    int hits = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) hits += test(qttest::At(image, x, y)) ? 1 : 0;
    return double(hits) / double(inside.width() * inside.height());
}

// Share of the pixels of `a` inside `inA` equal to those of `b` inside `inB` (same size).
inline double Alike(const QImage& a, const QRect& inA, const QImage& b, const QRect& inB) {
    if (inA.size() != inB.size() || !a.rect().contains(inA) || !b.rect().contains(inB)) return 0;
    int same = 0;
    for (int y = 0; y < inA.height(); ++y)
        for (int x = 0; x < inA.width(); ++x)
            same += a.pixel(inA.left() + x, inA.top() + y) == b.pixel(inB.left() + x, inB.top() + y) ? 1 : 0;
    return double(same) / double(inA.width() * inA.height());
}

// Saved as app-<name>.png where KARTOVAN_TEST_PNG_DIR points.
inline void Keep(const QImage& shot, const std::string& name) {
    if (const char* folder = std::getenv("KARTOVAN_TEST_PNG_DIR"))
        shot.save(QString::fromStdString(std::string(folder) + "/app-" + name + ".png"));
}

// The widget as Qt paints it.
inline QImage Grab(QWidget* widget, const std::string& name) {
    QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    Keep(shot, name);
    return shot;
}

// The window as the X server shows it on the screen, captured by its id.
inline QImage Capture(unsigned long window, const std::string& name) {
    QScreen* screen = QGuiApplication::primaryScreen();
    QImage shot = screen ? screen->grabWindow(window).toImage().convertToFormat(QImage::Format_RGB32) : QImage();
    Keep(shot, name);
    return shot;
}

// The style's focus and default marks are drawn in the highlight's blue.
inline bool IsHighlight(platform::Color c) { return c.blue >= c.red + 60 && c.blue >= c.green + 20; }

// Where a widget lies in a capture of its top-level window, in the capture's device pixels (twice the
// widget's own at a scale factor of 2).
inline QRect AreaInCapture(QWidget* widget, QWidget* top) {
    const qreal ratio = top->devicePixelRatioF();
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    return QRect(qRound(at.x() * ratio), qRound(at.y() * ratio), qRound(widget->width() * ratio),
                 qRound(widget->height() * ratio));
}

// The window ids of an xprop answer ("NAME(WINDOW): window id # 0x200003, 0x400007"), in order.
inline std::vector<unsigned long> WindowIds(const std::string& answer) {
    std::vector<unsigned long> ids;
    const std::size_t hash = answer.find('#');
    if (hash == std::string::npos) return ids;
    std::size_t at = hash + 1;
    while ((at = answer.find("0x", at)) != std::string::npos) {
        std::size_t end = at;
        ids.push_back(std::stoul(answer.substr(at), &end, 16));
        at += end;
    }
    return ids;
}

// The client windows from bottom to top, as the window manager stacks them.
inline std::vector<unsigned long> Stacking() {
    return WindowIds(qttest::RunTool(QStringLiteral("xprop"),
                                     {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")}));
}

// The window the window manager has made active, 0 for none.
inline unsigned long ActiveWindow() {
    const std::vector<unsigned long> ids = WindowIds(
        qttest::RunTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_ACTIVE_WINDOW")}));
    return ids.empty() ? 0 : ids.front();
}

// The window a window is transient for, 0 for none.
inline unsigned long TransientFor(unsigned long window) {
    const std::vector<unsigned long> ids = WindowIds(qttest::RunTool(
        QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), QStringLiteral("WM_TRANSIENT_FOR")}));
    return ids.empty() ? 0 : ids.front();
}

// Position in the stacking, -1 when the window is not in it.
inline int StackIndex(const std::vector<unsigned long>& stacking, unsigned long window) {
    for (std::size_t i = 0; i < stacking.size(); ++i)
        if (stacking[i] == window) return static_cast<int>(i);
    return -1;
}

// A press and release of the first button at a point of a widget, through the X server.
inline void RealClick(QWidget* widget, QPoint at) {
    const QPoint screen = widget->mapToGlobal(at);
    qttest::RunTool(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(screen.x()),
                     QString::number(screen.y()), QStringLiteral("click"), QStringLiteral("1")});
    qttest::PumpFor(300);
}

// A key (an X key name: Return, Right, Escape, ctrl+n) typed through the X server, to whichever
// window has the X server's keyboard focus; nothing is pumped.
inline void TypeKey(const char* name) {
    qttest::RunTool(QStringLiteral("xdotool"), {QStringLiteral("key"), QString::fromLatin1(name)});
}

// A key typed and a little time to take it in.
inline void RealKey(const char* name) {
    TypeKey(name);
    qttest::PumpFor(300);
}

}  // namespace realwindow
