#include "platform/qt/QtWindowMenuBar.h"

#include <QAction>
#include <QEvent>
#include <QMenu>

#include "platform/core/MessageBox.h"
#include "platform/core/SystemMenu.h"
#include "platform/core/WindowSystem.h"
#include "platform/qt/QtFrameBars.h"
#include "platform/qt/QtHost.h"

namespace platform {

namespace {

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The window manager's frame moves and sizes the window.
bool LeftToTheFrame(int id) { return id == SC_MOVE || id == SC_SIZE; }

// Whether a standard item can do anything in the window's present state.
bool StandardItemApplies(int id, Qt::WindowStates states) {
    const bool minimised = states.testFlag(Qt::WindowMinimized);
    const bool maximised = states.testFlag(Qt::WindowMaximized);
    switch (id) {
        case SC_RESTORE: return minimised || maximised;
        case SC_MINIMIZE: return !minimised;
        case SC_MAXIMIZE: return !maximised;
        default: return true;
    }
}

}  // namespace

QtWindowMenuBar::QtWindowMenuBar(HWND hwnd, QWidget& windowWidget)
    : QMenuBar(&windowWidget), m_hwnd(hwnd), m_widget(windowWidget) {
    // Drawn in the window: a global menu elsewhere would leave the window's margin empty.
    setNativeMenuBar(false);
    m_menu = addMenu(ToQt(MessageBoxLanguage() == "ge" ? "Fenster" : "Window"));
    connect(m_menu, &QMenu::aboutToShow, this, [this] { Fill(); });
    Fill();
    m_widget.installEventFilter(this);
    show();
    Place();
}

void QtWindowMenuBar::Fill() {
    m_menu->clear();
    m_shown.clear();
    const Menu* model = FindSystemMenu(m_hwnd);
    if (!model) return;
    const Qt::WindowStates states = m_widget.windowState();
    const std::vector<MenuItem>& items = model->Items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItem& item = items[i];
        const int index = static_cast<int>(i);
        if (item.IsSeparator()) {
            // A separator right after another, or first, would come from a left-out item.
            if (!m_menu->actions().isEmpty() && !m_menu->actions().back()->isSeparator()) {
                m_menu->addSeparator();
                m_shown.push_back(index);
            }
            continue;
        }
        if (item.IsPopup() || LeftToTheFrame(item.id)) continue;
        QAction* action = m_menu->addAction(ToQt(item.text));
        action->setEnabled(item.IsEnabled() && StandardItemApplies(item.id, states));
        // Only a checked item is checkable, so that unchecked ones show no empty box.
        action->setCheckable(item.IsChecked());
        action->setChecked(item.IsChecked());
        connect(action, &QAction::triggered, this, [hwnd = m_hwnd, index] {
            QtHost* host = QtHost::Current();
            if (!host) return;
            // Qt handlers only record; the choice runs from our loop, in queue order.
            host->RunAtNextRetrieval([host, hwnd, index] { host->PostToLoop([hwnd, index] { Run(hwnd, index); }); });
        });
        m_shown.push_back(index);
    }
    if (!m_menu->actions().isEmpty() && m_menu->actions().back()->isSeparator()) {
        QAction* last = m_menu->actions().back();
        m_menu->removeAction(last);
        delete last;
        m_shown.pop_back();
    }
}

void QtWindowMenuBar::Run(HWND hwnd, int index) {
    WindowSystem& system = WindowSystem::Instance();
    // A window that went meanwhile, or waits for a modal dialog, takes no choice.
    if (!system.IsWindow(hwnd) || !system.IsWindowEnabled(hwnd)) return;
    const Menu* menu = FindSystemMenu(hwnd);
    const std::optional<int> id = menu ? menu->Choose(index) : std::nullopt;
    if (!id) return;
    ChooseSystemMenuItem(hwnd, index);
    // The window's state on screen follows the standard items the window let pass.
    QtHost* host = QtHost::Current();
    QWidget* widget = host && system.IsWindow(hwnd) ? host->WidgetOf(hwnd) : nullptr;
    if (!widget) return;
    switch (*id) {
        case SC_RESTORE: widget->showNormal(); break;
        case SC_MINIMIZE: widget->showMinimized(); break;
        case SC_MAXIMIZE: widget->showMaximized(); break;
        default: break;
    }
}

void QtWindowMenuBar::Place() {
    const int height = sizeHint().height();
    setGeometry(0, 0, m_widget.width(), height);
    if (QtHost* host = QtHost::Current()) host->SetClientMargins(m_hwnd, QMargins(0, height, 0, 0));
}

bool QtWindowMenuBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_widget && event->type() == QEvent::Resize) setGeometry(0, 0, m_widget.width(), height());
    return QMenuBar::eventFilter(watched, event);
}

QtWindowMenuBar* WindowMenuBarOf(HWND hwnd) {
    QtHost* host = QtHost::Current();
    QWidget* widget = host ? host->WidgetOf(hwnd) : nullptr;
    if (!widget) return nullptr;
    for (QObject* child : widget->children())
        if (auto* bar = dynamic_cast<QtWindowMenuBar*>(child)) return bar;
    return nullptr;
}

bool AttachWindowMenuBar(HWND hwnd) {
    if (WindowMenuBarOf(hwnd)) return true;
    QtHost* host = QtHost::Current();
    QWidget* widget = host ? host->WidgetOf(hwnd) : nullptr;
    if (!widget || !widget->isWindow() || !FindSystemMenu(hwnd) || FrameBarsOf(hwnd)) return false;
    new QtWindowMenuBar(hwnd, *widget);
    return true;
}

}  // namespace platform
