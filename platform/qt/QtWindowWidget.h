#pragma once
// platform::QtWindowWidget: the widget of one of our windows that is no dialog control (a frame, a
// dialog, the table view). It shows the window's retained surface and hands what the person does
// with it (mouse, keys, closing, resizing, activating) to the host, which passes it on to our queue.

#include <QMargins>
#include <QPalette>
#include <QPointer>
#include <QScrollBar>
#include <QWidget>

#include "platform/core/Message.h"

namespace platform {

class QtHost;
class Window;

class QtWindowWidget final : public QWidget {
public:
    QtWindowWidget(QtHost& host, HWND hwnd, QWidget* parent, Qt::WindowFlags flags);

    HWND Handle() const { return m_hwnd; }

    // A top-level widget kept for a later window (QtWindowPool): hidden, naming no window, with
    // nothing left of the window it showed (its bars, scroll bars, font, cursor, tool tip, size
    // limits, state and margins).
    void Retire();
    // A kept widget shows `hwnd` from now on.
    void Rebind(HWND hwnd) { m_hwnd = hwnd; }

    // Room around the window's client area for a frame's bars (menu bar, tool bar, status bar): the
    // widget is that much larger than its window, and the window's client area and its children sit
    // inside the margins. Set through QtHost::SetClientMargins.
    void SetClientMargins(const QMargins& margins) { m_margins = margins; }
    const QMargins& ClientMargins() const { return m_margins; }
    // A one-pixel border drawn in the margins (the prompt strips, which have no caption).
    void SetThinBorder(bool on) { m_thinBorder = on; }
    bool HasThinBorder() const { return m_thinBorder; }
    // Shows the window's own scroll bars as native ones in their strips beside the client area, with
    // their ranges and positions.
    void SyncScrollBars(const Window& window);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab belongs to our dialogs' navigation, never to Qt's focus chain.
    bool focusNextPrevChild(bool next) override;

private:
    // Whether what the widget paints beside the window's surface (the colour beyond it, a strip's
    // border) is the same in the two colour groups (active, inactive, disabled).
    bool LooksTheSameIn(QPalette::ColorGroup one, QPalette::ColorGroup other) const;
    void Mouse(QMouseEvent* event);
    QPoint ToClient(QPointF position) const;

    // The native bar for SB_HORZ or SB_VERT, made on first use; what the person does with it goes to
    // the host as scroll codes.
    QScrollBar* OwnBar(bool vertical);

    QtHost& m_host;
    QPointer<QScrollBar> m_bars[2];
    bool m_syncingBars = false;
    bool m_thinBorder = false;
    HWND m_hwnd;
    QMargins m_margins;
};

}  // namespace platform
