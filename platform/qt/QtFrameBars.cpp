#include "platform/qt/QtFrameBars.h"

#include <QKeyEvent>
#include <QWidget>

#include "platform/qt/QtHost.h"
#include "platform/qt/QtInput.h"

namespace platform {

namespace {

unsigned AcceleratorModifiersOf(Qt::KeyboardModifiers modifiers) {
    unsigned result = 0;
    if (modifiers & Qt::ControlModifier) result |= ACCEL_CTRL;
    if (modifiers & Qt::ShiftModifier) result |= ACCEL_SHIFT;
    if (modifiers & Qt::AltModifier) result |= ACCEL_ALT;
    return result;
}

}  // namespace

QtFrameBars::QtFrameBars(QtHost& host, HWND frame, QWidget& frameWidget, const FrameBarsSpec& bars)
    : QObject(&frameWidget),
      m_host(host),
      m_frame(frame),
      m_widget(frameWidget),
      m_updater(bars.updater),
      m_accelerators(bars.accelerators) {
    if (bars.menu) {
        m_menuBar = new QtMenuBar(frame, m_updater, &m_widget);
        m_menuBar->Rebuild(*bars.menu);
        m_menuBar->show();
    }
    if (!bars.toolbarIds.empty()) {
        // Buttons are named after the menu's items for the same commands.
        auto label = [this](int id) -> std::string {
            const MenuItem* item = m_menuBar ? m_menuBar->Model().FindCommand(id) : nullptr;
            return item ? item->text : std::string();
        };
        m_toolBar = new QtToolBar(frame, bars.toolbarIds, m_updater, label, &m_widget, bars.pictures);
        m_toolBar->show();
        m_toolBarWake.setSingleShot(true);
        connect(&m_toolBarWake, &QTimer::timeout, this, [] {});
        m_idleHandler = m_host.AddIdleHandler([this] { OnIdle(); });
    }
    if (bars.statusBar) {
        m_statusBar = new QtStatusBar(*bars.statusBar, bars.fonts, &m_widget);
        m_statusBar->show();
    }
    m_widget.installEventFilter(this);
    Relayout();
    UpdateToolBar();
}

QtFrameBars::~QtFrameBars() {
    if (m_idleHandler) m_host.RemoveIdleHandler(m_idleHandler);
    // Gone with the frame's widget, or alone when replaced: the bars go with this object.
    delete m_menuBar.data();
    delete m_toolBar.data();
    delete m_statusBar.data();
}

void QtFrameBars::RebuildMenu(const MenuTemplate& menu) {
    if (!m_menuBar) {
        m_menuBar = new QtMenuBar(m_frame, m_updater, &m_widget);
        m_menuBar->show();
    }
    m_menuBar->Rebuild(menu);
    Relayout();
}

void QtFrameBars::UpdateToolBar() {
    if (!m_toolBar) return;
    m_toolBar->Update();
    m_lastToolBarUpdate = m_host.HostClock().NowMs();
}

void QtFrameBars::OnIdle() {
    const std::int64_t since = m_host.HostClock().NowMs() - m_lastToolBarUpdate;
    if (since >= kToolBarRefreshMs) {
        UpdateToolBar();
    } else if (!m_toolBarWake.isActive()) {
        // Held back: wake the loop when it is due, or a long idle wait would keep a stale state.
        m_toolBarWake.start(static_cast<int>(kToolBarRefreshMs - since));
    }
}

void QtFrameBars::Relayout() {
    const int top = (m_menuBar ? m_menuBar->sizeHint().height() : 0) + (m_toolBar ? m_toolBar->sizeHint().height() : 0);
    const int bottom = m_statusBar ? m_statusBar->sizeHint().height() : 0;
    m_host.SetClientMargins(m_frame, QMargins(0, top, 0, bottom));
    PlaceBars();
}

void QtFrameBars::PlaceBars() {
    const int width = m_widget.width();
    int y = 0;
    if (m_menuBar) {
        const int height = m_menuBar->sizeHint().height();
        m_menuBar->setGeometry(0, y, width, height);
        y += height;
    }
    if (m_toolBar) m_toolBar->setGeometry(0, y, width, m_toolBar->sizeHint().height());
    if (m_statusBar) {
        const int height = m_statusBar->sizeHint().height();
        m_statusBar->setGeometry(0, m_widget.height() - height, width, height);
    }
}

bool QtFrameBars::IsAccelerator(const QKeyEvent& key) const {
    if (!m_accelerators) return false;
    const std::optional<int> virtualKey = VirtualKeyFromQt(key.key(), key.modifiers());
    return virtualKey && FindAccelerator(*m_accelerators, *virtualKey, AcceleratorModifiersOf(key.modifiers()));
}

bool QtFrameBars::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_widget) {
        if (event->type() == QEvent::Resize) PlaceBars();
        // Accepting the override makes Qt deliver the key as a key press (to our loop) instead of
        // running the menu bar's mnemonic shortcut.
        if (event->type() == QEvent::ShortcutOverride && IsAccelerator(*static_cast<QKeyEvent*>(event))) {
            event->accept();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QtFrameBars* FrameBarsOf(HWND frame) {
    QtHost* host = QtHost::Current();
    QWidget* widget = host ? host->WidgetOf(frame) : nullptr;
    if (!widget) return nullptr;
    for (QObject* child : widget->children())
        if (auto* bars = dynamic_cast<QtFrameBars*>(child)) return bars;
    return nullptr;
}

bool AttachFrameBars(HWND frame, const FrameBarsSpec& bars) {
    QtHost* host = QtHost::Current();
    QWidget* widget = host ? host->WidgetOf(frame) : nullptr;
    if (!widget || !widget->isWindow()) return false;
    delete FrameBarsOf(frame);
    new QtFrameBars(*host, frame, *widget, bars);
    return true;
}

bool AttachFrameBars(HWND frame, const MenuTemplate* menu, std::span<const int> toolbarIds, StatusBar* statusBar,
                     CommandUpdater updater) {
    FrameBarsSpec bars;
    bars.menu = menu;
    bars.toolbarIds = toolbarIds;
    bars.statusBar = statusBar;
    bars.updater = std::move(updater);
    return AttachFrameBars(frame, bars);
}

}  // namespace platform
