#include "platform/qt/QtWindowWidget.h"

#include <vector>

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <QWindow>

#include "platform/core/ControlMessages.h"
#include "platform/core/Window.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtInput.h"

namespace platform {

QtWindowWidget::QtWindowWidget(QtHost& host, HWND hwnd, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), m_host(host), m_hwnd(hwnd) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void QtWindowWidget::Retire() {
    m_hwnd = nullptr;
    hide();
    // Qt takes a hidden window for its focus window until the window manager's word that the focus
    // moved comes: meanwhile the window it is transient for would count as active, and the owner's
    // activation would never be asked for. A kept widget belongs to no window.
    if (QWindow* window = windowHandle()) window->setTransientParent(nullptr);
    // Whatever the window put on its widget (a menu bar, scroll bars, a frame's bars) goes as it
    // would with the widget; one may take another with it.
    std::vector<QPointer<QObject>> children;
    for (QObject* child : QObject::children()) children.emplace_back(child);
    for (const QPointer<QObject>& child : children) delete child.data();
    m_syncingBars = false;
    m_thinBorder = false;
    m_margins = QMargins();
    setFont(QFont());
    unsetCursor();
    setToolTip(QString());
    setAcceptDrops(false);
    setEnabled(true);
    if (windowState() != Qt::WindowNoState) setWindowState(Qt::WindowNoState);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

bool QtWindowWidget::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease: {
            // Taken before QWidget's own handling, which would move the focus on Tab.
            m_host.QueueKey(*static_cast<QKeyEvent*>(event));
            return true;
        }
        case QEvent::WindowActivate:
        case QEvent::WindowDeactivate:
            if (isWindow()) {
                if (event->type() == QEvent::WindowActivate) m_host.ReportActivated(m_hwnd);
                else m_host.ReportDeactivated();
            }
            // The surface looks the same in an active window and an inactive one: each dialog
            // the game opens and closes need not paint the whole table again. The controls and
            // windows inside are told as Qt tells them.
            if (LooksTheSameIn(QPalette::Active, QPalette::Inactive)) {
                const QObjectList children = this->children();
                for (QObject* child : children) {
                    auto* widget = qobject_cast<QWidget*>(child);
                    if (widget && widget->isVisible() && !widget->isWindow())
                        QCoreApplication::sendEvent(widget, event);
                }
                return true;
            }
            break;
        default:
            break;
    }
    return QWidget::event(event);
}

void QtWindowWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage* image = m_host.SurfaceImage(m_hwnd);
    if (!image) {
        painter.fillRect(event->rect(), palette().color(QPalette::Window));
        return;
    }
    const QPoint origin(m_margins.left(), m_margins.top());
    if (image->devicePixelRatio() == 1.0) {
        // Each changed rectangle is copied alone, clipped to itself: a blit clipped to a region of
        // many rectangles goes through the painter's blending, which hands a tall one to a pool of
        // threads and waits for them, costing more than the copy.
        const QRect shownArea(origin, image->size());
        for (const QRect& changed : event->region()) {
            const QRect target = changed & shownArea;
            if (target.isEmpty()) continue;
            painter.setClipRect(target);
            painter.drawImage(target.topLeft(), *image, target.translated(-origin));
        }
        painter.setClipping(false);
    } else {
        painter.drawImage(QPointF(origin), *image);
    }
    // Beyond the surface (a resize the program has not caught up with yet): the colour of the
    // surface's far corner, the window's own background (the table's green), never a grey band.
    const QSizeF shown = image->deviceIndependentSize();
    const QRegion rest = QRegion(rect()) - QRegion(m_margins.left(), m_margins.top(), static_cast<int>(shown.width()),
                                                   static_cast<int>(shown.height()));
    const QColor fill = image->isNull() ? palette().color(QPalette::Window)
                                        : image->pixelColor(image->width() - 1, image->height() - 1);
    for (const QRect& r : rest) painter.fillRect(r, fill);
    if (m_thinBorder) {
        painter.setPen(palette().color(QPalette::Dark));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

bool QtWindowWidget::LooksTheSameIn(QPalette::ColorGroup one, QPalette::ColorGroup other) const {
    const QPalette& colours = palette();
    if (colours.color(one, QPalette::Window) != colours.color(other, QPalette::Window)) return false;
    // The border is drawn darker while enabled.
    return !m_thinBorder || colours.color(one, QPalette::Dark) == colours.color(other, QPalette::Dark);
}

QPoint QtWindowWidget::ToClient(QPointF position) const {
    return position.toPoint() - QPoint(m_margins.left(), m_margins.top());
}

void QtWindowWidget::Mouse(QMouseEvent* event) {
    if (std::optional<UINT> message = MouseMessageFromQt(event->type(), event->button()))
        m_host.QueueMouse(m_hwnd, *message, ToClient(event->position()));
    event->accept();
}

void QtWindowWidget::mousePressEvent(QMouseEvent* event) { Mouse(event); }
void QtWindowWidget::mouseReleaseEvent(QMouseEvent* event) { Mouse(event); }
void QtWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) { Mouse(event); }

void QtWindowWidget::mouseMoveEvent(QMouseEvent* event) {
    m_host.QueueMouse(m_hwnd, WM_MOUSEMOVE, ToClient(event->position()));
    event->accept();
}

void QtWindowWidget::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta != 0) m_host.QueueMouse(m_hwnd, WM_MOUSEWHEEL, ToClient(event->position()), delta);
    event->accept();
}

void QtWindowWidget::closeEvent(QCloseEvent* event) {
    // Our window decides: WM_CLOSE goes through the queue, and the widget goes when the window does.
    event->ignore();
    m_host.RequestClose(m_hwnd);
}

void QtWindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isWindow()) return;
    m_host.ReportGeometry(m_hwnd);
    // The view that fills the client area grows with it at once, showing its own background over
    // the new part until the program has laid out and painted the larger table.
    const QSize before = event->oldSize().shrunkBy(m_margins);
    const QSize after = size().shrunkBy(m_margins);
    if (before.isValid() && !before.isEmpty()) m_host.StretchFillingChildren(m_hwnd, before, after);
}

void QtWindowWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (isWindow()) m_host.ReportGeometry(m_hwnd);
}

void QtWindowWidget::changeEvent(QEvent* event) {
    // The widget shows the window's surface whether enabled or not: a modal dialog disabling the
    // frame, and enabling it again, need not paint the whole table twice. Only the colours the
    // widget paints beside its surface could tell the two states apart.
    if (event->type() == QEvent::EnabledChange && LooksTheSameIn(QPalette::Active, QPalette::Disabled) &&
        LooksTheSameIn(QPalette::Inactive, QPalette::Disabled)) {
#if QT_CONFIG(accessibility)
        QAccessible::State state;
        state.disabled = true;
        QAccessibleStateChangeEvent changed(this, state);
        QAccessible::updateAccessibility(&changed);
#endif
        return;
    }
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isWindow()) m_host.ReportWindowState(m_hwnd, windowState());
}

// Nothing the widget paints shows the keyboard focus: the table need not be painted again each time
// the focus comes to it or leaves it for a dialog's control.
void QtWindowWidget::focusInEvent(QFocusEvent* event) { event->accept(); }
void QtWindowWidget::focusOutEvent(QFocusEvent* event) { event->accept(); }

bool QtWindowWidget::focusNextPrevChild(bool next) {
    (void)next;
    return false;
}

QScrollBar* QtWindowWidget::OwnBar(bool vertical) {
    QPointer<QScrollBar>& bar = m_bars[vertical ? 1 : 0];
    if (bar) return bar;
    bar = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, this);
    bar->setFocusPolicy(Qt::NoFocus);
    // The bar does not move on its own terms: the window is told and sets the position itself.
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, vertical, bar = bar.data()](int action) {
        if (m_syncingBars) return;
        unsigned code = SB_ENDSCROLL;
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
            case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
            case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
            case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
            case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
            case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
            case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
            default: return;
        }
        m_host.QueueScroll(m_hwnd, vertical, code, bar->sliderPosition());
    });
    connect(bar, &QAbstractSlider::sliderReleased, this, [this, vertical, bar = bar.data()] {
        if (!m_syncingBars) m_host.QueueScroll(m_hwnd, vertical, SB_THUMBPOSITION, bar->sliderPosition());
    });
    return bar;
}

void QtWindowWidget::SyncScrollBars(const Window& window) {
    m_syncingBars = true;
    const Rect client = window.ClientRect();
    for (int index : {SB_HORZ, SB_VERT}) {
        const OwnScrollBar& state = window.ScrollBarState(index);
        const bool vertical = index == SB_VERT;
        if (!state.shown && !m_bars[index]) continue;
        QScrollBar* bar = OwnBar(vertical);
        bar->setVisible(state.shown);
        if (!state.shown) continue;
        bar->setRange(state.minimum, state.maximum);
        bar->setPageStep(std::max(1, vertical ? client.Height() : client.Width()));
        if (!bar->isSliderDown()) bar->setValue(state.position);
        if (vertical) {
            bar->setGeometry(m_margins.left() + client.Width(), m_margins.top(), kOwnScrollBarWidth, client.Height());
        } else {
            bar->setGeometry(m_margins.left(), m_margins.top() + client.Height(), client.Width(), kOwnScrollBarWidth);
        }
    }
    m_syncingBars = false;
}

}  // namespace platform
