#include "platform/qt/QtWindowIcon.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

namespace platform {

namespace {

// An icon with no pictures that is not null: a native window made with it gets no icon property,
// where a window with a null icon would be sent every size of the application's icon.
class NoPicturesIconEngine final : public QIconEngine {
public:
    void paint(QPainter*, const QRect&, QIcon::Mode, QIcon::State) override {}
    QIconEngine* clone() const override { return new NoPicturesIconEngine; }
    QPixmap pixmap(const QSize&, QIcon::Mode, QIcon::State) override { return {}; }
    QPixmap scaledPixmap(const QSize&, QIcon::Mode, QIcon::State, qreal) override { return {}; }
    QList<QSize> availableSizes(QIcon::Mode = QIcon::Normal, QIcon::State = QIcon::Off) override { return {}; }
    bool isNull() override { return false; }
};

}  // namespace

QIcon IconUpTo(const QIcon& icon, int side) {
    QIcon small;
    for (const QSize& size : icon.availableSizes())
        if (size.width() <= side && size.height() <= side) small.addPixmap(icon.pixmap(size));
    if (small.isNull() && !icon.isNull()) small.addPixmap(icon.pixmap(QSize(side, side)));
    return small;
}

void GiveIconBeforeCreation(QWidget& widget, const QIcon& icon) {
    if (!icon.isNull()) widget.setWindowIcon(icon);
    if (!widget.isWindow() || widget.testAttribute(Qt::WA_WState_Created)) return;
    // The window is made now, its native window later: until then the window holds an icon without
    // pictures, so that making the native window sends nothing and the widget's icon follows once.
    widget.setAttribute(Qt::WA_NativeWindow);
    if (QWindow* window = widget.windowHandle()) window->setIcon(QIcon(new NoPicturesIconEngine));
}

void ShowIcon(QWidget& widget, const QIcon& icon) {
    // Given a null icon, a widget that had one of its own would show none, not the application's.
    const QIcon wanted = icon.isNull() ? QGuiApplication::windowIcon() : icon;
    if (widget.windowIcon().cacheKey() != wanted.cacheKey()) widget.setWindowIcon(wanted);
}

}  // namespace platform
