#include "platform/qt/QtHost.h"

#include "platform/core/ControlMessages.h"

#include <algorithm>
#include <limits>
#include <utility>

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QIcon>
#include <QPixmap>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPalette>
#include <QWidget>
#include <QWindow>

#include "platform/core/Control.h"
#include "platform/core/Cursor.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Dialog.h"
#include "platform/core/DialogUnits.h"
#include "platform/core/WindowSystem.h"
#include "platform/qt/QtControl.h"
#include "platform/qt/QtControlRelay.h"
#include "platform/qt/QtDialogFont.h"
#include "platform/qt/QtDialogPictures.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtInput.h"
#include "platform/qt/QtWindowIcon.h"
#include "platform/qt/QtWindowMenuBar.h"
#include "platform/qt/QtWindowSurface.h"
#include "platform/qt/QtWindowWidget.h"

namespace platform {

namespace {

QtHost* g_current = nullptr;

WindowSystem& System() { return WindowSystem::Instance(); }

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
Rect FromQRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

// Guards our own changes to widgets, whose echoes (resize, move, focus events) are not the person's.
struct Applying {
    explicit Applying(int& depth) : m_depth(depth) { ++m_depth; }
    ~Applying() { --m_depth; }
    int& m_depth;
};

// Brings a top-level widget forward and asks for the activation (raising is the window manager's
// business; the offscreen platform has none and says so on every call).
void BringForward(QWidget& widget) {
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) widget.raise();
    widget.activateWindow();
}

bool IsModifierKey(int key) { return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU; }

Qt::KeyboardModifier QtModifierOf(int key) {
    switch (key) {
        case VK_SHIFT: return Qt::ShiftModifier;
        case VK_CONTROL: return Qt::ControlModifier;
        default: return Qt::AltModifier;
    }
}

}  // namespace

QtHost::QtHost() {
    m_wakeTimer.setSingleShot(true);
    m_wakeTimer.setTimerType(Qt::PreciseTimer);
    m_wakeCount = QtWakeCount::FromEnvironment(&m_wakeTimer);
    g_current = this;
    SetCurrentClock(&m_clock);
    SetDialogFontMeasure(&MeasureDialogFontWithQt);
    SetDialogTextMeasure(&MeasureDialogTextWithQt);
    System().AttachHost(this);
    m_lastProcessedMs = m_clock.NowMs();
}

QtHost::~QtHost() {
    System().AttachHost(nullptr);  // destroys every window; their widgets go with them
    m_relay.reset();
    m_mirrors.clear();
    m_retiredSurfaces.clear();
    SetDialogFontMeasure(nullptr);
    SetDialogTextMeasure(nullptr);
    SetCurrentClock(nullptr);
    if (g_current == this) g_current = nullptr;
}

QtHost* QtHost::Current() { return g_current; }

int QtHost::Run() { return System().RunMessageLoop(); }

// --- Time and waiting ------------------------------------------------------------------------------

void QtHost::ProcessQtEvents(std::optional<std::int64_t> waitMs, QtWakeCount::Kind kind) {
    // What waited for the screen is drawn now, before Qt paints.
    System().DrawDeferred();
    AskForActivation();
    if (m_wakeCount) m_wakeCount->Begin();
    const bool busy = waitMs && *waitMs <= 0;
    if (busy) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    } else {
        // One single-shot timer ends the wait at the due time; any Qt event ends it sooner.
        if (waitMs) m_wakeTimer.start(static_cast<int>(std::min<std::int64_t>(*waitMs, std::numeric_limits<int>::max())));
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        m_wakeTimer.stop();
    }
    m_lastProcessedMs = m_clock.NowMs();
    if (m_wakeCount) {
        const std::optional<std::int64_t> due = System().NextTimerDue();
        m_wakeCount->End(kind, due && *due <= m_lastProcessedMs, !m_recorded.empty());
    }
}

void QtHost::FetchInput(WindowSystem& system) {
    (void)system;
    // A busy engine still lets Qt repaint and read input now and then.
    if (m_clock.NowMs() - m_lastProcessedMs >= kBusyProcessMs) {
        SyncToQt(false);
        ProcessQtEvents(0, QtWakeCount::Kind::Busy);
    }
    DrainRecorded();
}

void QtHost::DrainRecorded() {
    // Each is taken off before it runs: it may start a nested wait that drains the rest.
    while (!m_recorded.empty()) {
        std::function<void()> action = std::move(m_recorded.front());
        m_recorded.pop_front();
        action();
    }
}

void QtHost::IdlePoll(std::optional<std::int64_t> nextDueMs) {
    if (!m_recorded.empty()) return;  // the next retrieval takes it
    RunIdleHandlers();
    SyncToQt(false);
    // Until our next timer is due or Qt brings something: every wait of the program ends by one of
    // them (the wait between deal packets arms a timer at its end). At least a millisecond: a timer
    // due now that the poll does not take (a filtered one) must not make it spin.
    std::optional<std::int64_t> wait;
    if (nextDueMs) wait = std::max<std::int64_t>(*nextDueMs - m_clock.NowMs(), 1);
    ProcessQtEvents(wait, QtWakeCount::Kind::Poll);
}

void QtHost::WaitForWork(std::optional<std::int64_t> nextDueMs) {
    if (!m_recorded.empty()) return;
    RunIdleHandlers();
    SyncToQt(true);
    std::optional<std::int64_t> wait;
    if (nextDueMs) wait = std::max<std::int64_t>(*nextDueMs - m_clock.NowMs(), 1);
    ProcessQtEvents(wait, QtWakeCount::Kind::Wait);
}

int QtHost::AddIdleHandler(std::function<void()> handler) {
    const int id = ++m_nextIdleHandler;
    m_idleHandlers.emplace(id, std::move(handler));
    return id;
}

void QtHost::RemoveIdleHandler(int id) { m_idleHandlers.erase(id); }

void QtHost::RunIdleHandlers() {
    // A handler may remove itself or another one while it runs.
    std::vector<int> ids;
    for (const auto& [id, handler] : m_idleHandlers) ids.push_back(id);
    for (int id : ids) {
        auto it = m_idleHandlers.find(id);
        if (it == m_idleHandlers.end()) continue;
        std::function<void()> handler = it->second;
        handler();
    }
}

void QtHost::Sleep(std::int64_t ms) {
    // Nothing of ours is dispatched; Qt still repaints, and what the person does is only recorded.
    const std::int64_t end = m_clock.NowMs() + ms;
    for (std::int64_t left = ms; left > 0; left = end - m_clock.NowMs()) ProcessQtEvents(left, QtWakeCount::Kind::Sleep);
}

void QtHost::Beep(unsigned type) {
    (void)type;  // one warning sound serves every kind
    QApplication::beep();
}

FileDialogAnswer QtHost::ShowFileDialog(const FileDialogRequest& request) {
    HWND owner = request.owner;
    if (Window* window = System().FromHandle(owner)) owner = window->GetTopLevel();
    return RunQtFileDialog(request, WidgetOf(owner));
}

// --- Recording what Qt delivers ----------------------------------------------------------------------

void QtHost::RunAtNextRetrieval(std::function<void()> action) { m_recorded.push_back(std::move(action)); }

void QtHost::PostToLoop(std::function<void()> action) {
    if (!m_relay) m_relay = std::make_unique<QtControlRelay>();
    m_relay->Post(std::move(action));
}

void QtHost::QueueMouse(HWND hwnd, UINT message, QPoint local, int wheelDelta) {
    InputEvent event;
    event.message = message;
    event.screenPoint = System().ClientToScreen(hwnd, {local.x(), local.y()});
    event.wheelDelta = wheelDelta;
    event.time = m_clock.NowMs();
    m_recorded.push_back([event] { System().QueueInput(event); });
}

void QtHost::QueueKey(const QKeyEvent& key) {
    const bool down = key.type() == QEvent::KeyPress;
    // A held key repeats as presses only, as our programs expect.
    if (!down && key.isAutoRepeat()) return;
    const std::optional<int> virtualKey = VirtualKeyFromQt(key.key(), key.modifiers());
    if (!virtualKey) return;
    ForgetModifiersReleasedElsewhere(*virtualKey, key.modifiers());
    if (IsModifierKey(*virtualKey)) {
        std::erase(m_modifiersDown, *virtualKey);
        if (down) m_modifiersDown.push_back(*virtualKey);
    }
    InputEvent event;
    event.message = down ? WM_KEYDOWN : WM_KEYUP;
    event.key = *virtualKey;
    event.time = m_clock.NowMs();
    m_recorded.push_back([event] { System().QueueInput(event); });
}

void QtHost::ForgetModifiersReleasedElsewhere(int key, Qt::KeyboardModifiers held) {
    // A modifier let go while another widget had the keyboard (Alt released inside a menu opened
    // with Alt+letter) never reached us: every key says which modifiers are really held, and one we
    // still count as down is let go first, or each later Ctrl+N would read as Ctrl+Alt+N.
    std::vector<int> released;
    for (int down : m_modifiersDown)
        if (down != key && !held.testFlag(QtModifierOf(down))) released.push_back(down);
    for (int up : released) {
        std::erase(m_modifiersDown, up);
        InputEvent event;
        event.message = WM_KEYUP;
        event.key = up;
        event.time = m_clock.NowMs();
        m_recorded.push_back([event] { System().QueueInput(event); });
    }
}

void QtHost::QueueScroll(HWND hwnd, bool vertical, unsigned code, int position) {
    m_recorded.push_back([hwnd, vertical, code, position] {
        const auto word = static_cast<unsigned>(static_cast<std::uint16_t>(position));
        System().PostMessage(hwnd, vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, word), 0);
    });
}

void QtHost::RequestClose(HWND hwnd) {
    m_recorded.push_back([hwnd] {
        if (!System().IsWindow(hwnd)) return;
        if (System().IsWindowEnabled(hwnd)) {
            System().PostMessage(hwnd, WM_CLOSE, 0, 0);
            return;
        }
        // A window disabled under a modal dialog does not close; its popup comes forward instead.
        const HWND popup = System().GetLastActivePopup(hwnd);
        if (popup != hwnd && System().IsWindow(popup)) System().SetActiveWindow(popup);
    });
}

void QtHost::ReportGeometry(HWND hwnd) {
    if (m_applying > 0) return;
    FollowWidgetGeometry(hwnd);
}

void QtHost::FollowWidgetGeometry(HWND hwnd) {
    // Read when taken, not when reported: a maximise arrives as a resize still at the old place and
    // then a move, and handing the first back to the widget would put it where it no longer is.
    m_recorded.push_back([this, hwnd] {
        const QWidget* widget = WidgetOf(hwnd);
        Window* window = System().FromHandle(hwnd);
        if (!widget || !window) return;
        const Rect rect = FromQRect(widget->geometry().marginsRemoved(ClientMarginsOf(hwnd)));
        if (window->WindowRect() != rect) System().MoveWindow(hwnd, rect, true);
    });
}

void QtHost::ReportWindowState(HWND hwnd, Qt::WindowStates states) {
    // Never an echo to drop: our side changes no widget's state while it applies its own changes,
    // and a state the window already has changes nothing.
    const WPARAM type = states.testFlag(Qt::WindowMinimized)                                          ? SIZE_MINIMIZED
                        : states.testFlag(Qt::WindowMaximized) || states.testFlag(Qt::WindowFullScreen) ? SIZE_MAXIMIZED
                                                                                                         : SIZE_RESTORED;
    m_recorded.push_back([hwnd, type] {
        if (System().IsWindow(hwnd)) System().ChangeSizeType(hwnd, type);
    });
}

void QtHost::StretchFillingChildren(HWND hwnd, QSize before, QSize after) {
    if (m_applying > 0) return;
    Window* window = System().FromHandle(hwnd);
    if (!window) return;
    const QMargins bars = ClientMarginsOf(hwnd);
    const QRect filled(QPoint(bars.left(), bars.top()), before);
    Applying applying(m_applying);
    for (HWND child : window->Children()) {
        Mirror* mirror = Find(child);
        if (!mirror || mirror->control || !mirror->widget || mirror->widget->geometry() != filled) continue;
        mirror->widget->setGeometry(QRect(filled.topLeft(), after));
    }
}

void QtHost::BringToFront(HWND mainWindow) {
    WindowSystem& system = System();
    if (!system.IsWindow(mainWindow)) return;
    if (Mirror* frame = Find(mainWindow); frame && frame->widget && frame->widget->isMinimized())
        frame->widget->setWindowState(frame->widget->windowState() & ~Qt::WindowMinimized);
    HWND target = system.GetLastActivePopup(mainWindow);
    if (!system.IsWindow(target) || !system.IsWindowVisible(target)) target = mainWindow;
    system.SetActiveWindow(target);
    // The window system may hold it active already while the desktop has another program in front.
    if (Mirror* mirror = Find(target); mirror && mirror->widget && mirror->widget->isWindow())
        BringForward(*mirror->widget);
}

void QtHost::ReportActivated(HWND hwnd) {
    if (m_applying > 0) return;
    // The echo of an activation we asked for and have asked another one since: the desktop is still
    // catching up, and the later one's echo follows.
    auto asked = std::find(m_activationsAsked.begin(), m_activationsAsked.end(), hwnd);
    if (asked != m_activationsAsked.end()) {
        const bool overtaken = std::next(asked) != m_activationsAsked.end();
        m_activationsAsked.erase(m_activationsAsked.begin(), std::next(asked));
        if (overtaken) return;
    }
    // Otherwise the desktop's word stands (our last wish granted, a click, the window manager's own
    // choice): ours follows it and asks nothing back. Asking again would answer each report with a
    // new one, and windows that open together (the side windows and panels reopened at the start)
    // would take the activation from each other for ever. A window that cannot take input hands it
    // to its open popup, which is asked for: that one does not pass it on.
    m_recorded.push_back([this, hwnd] {
        // A step of the program has moved the activation since, and its request is on its way.
        if (!System().IsWindow(hwnd) || m_activationToAsk) return;
        HWND target = hwnd;
        if (!System().IsWindowEnabled(hwnd)) target = System().GetLastActivePopup(hwnd);
        if (!System().IsWindow(target) || System().GetActiveWindow() == target) return;
        const HWND before = m_desktopActivated;
        m_desktopActivated = hwnd;
        System().SetActiveWindow(target);
        m_desktopActivated = before;
    });
}

void QtHost::AskForActivation() {
    // Only the window active when Qt runs next is asked for: the windows a step opens one after
    // another (the side windows and panels reopened at the start, each giving the keyboard back to
    // the table) would otherwise reach the desktop as a burst of activations, answered in an order
    // of its own.
    const HWND hwnd = std::exchange(m_activationToAsk, nullptr);
    if (!hwnd || System().GetActiveWindow() != hwnd) return;
    Mirror* mirror = Find(hwnd);
    if (!mirror || !mirror->widget || !mirror->widget->isWindow() || !mirror->widget->isVisible()) return;
    // Kept short: an activation Qt never reports must not pile up.
    if (m_activationsAsked.size() >= 8) m_activationsAsked.erase(m_activationsAsked.begin());
    m_activationsAsked.push_back(hwnd);
    Applying applying(m_applying);
    BringForward(*mirror->widget);
}

void QtHost::ReportDeactivated() {
    m_recorded.push_back([this] {
        // The program lost the keyboard: keys held now are released where we cannot see it.
        if (QApplication::activeWindow() == nullptr) ReleaseHeldModifiers();
    });
}

void QtHost::ReleaseHeldModifiers() {
    for (int key : m_modifiersDown) {
        InputEvent event;
        event.message = WM_KEYUP;
        event.key = key;
        event.time = m_clock.NowMs();
        System().QueueInput(event);
    }
    m_modifiersDown.clear();
}

void QtHost::ReportFocus(HWND hwnd) {
    if (m_applying > 0) return;
    m_recorded.push_back([hwnd] {
        if (System().IsWindow(hwnd) && System().GetFocus() != hwnd) System().SetFocus(hwnd);
    });
}

void QtHost::ReportControlAction(HWND hwnd, std::function<void(Control&)> action) {
    Mirror* mirror = Find(hwnd);
    if (!mirror) return;
    ++mirror->pendingUserActions;
    m_recorded.push_back([this, hwnd, action = std::move(action)]() mutable {
        PostToLoop([this, hwnd, action = std::move(action)] {
            if (Mirror* m = Find(hwnd)) {
                --m->pendingUserActions;
                m->dirty = true;
            }
            if (Control* control = ControlFromHandle(hwnd)) action(*control);
        });
    });
}

// --- Windows on screen -------------------------------------------------------------------------------

QtHost::Mirror* QtHost::Find(HWND hwnd) {
    auto it = m_mirrors.find(hwnd);
    return it == m_mirrors.end() ? nullptr : &it->second;
}

const QtHost::Mirror* QtHost::Find(HWND hwnd) const {
    auto it = m_mirrors.find(hwnd);
    return it == m_mirrors.end() ? nullptr : &it->second;
}

QWidget* QtHost::WidgetOf(HWND hwnd) const {
    const Mirror* mirror = Find(hwnd);
    return mirror ? mirror->widget.data() : nullptr;
}

HWND QtHost::WindowOf(const QWidget* widget) const {
    if (!widget) return nullptr;
    for (const auto& [hwnd, mirror] : m_mirrors)
        if (mirror.widget == widget) return hwnd;
    return nullptr;
}

const QImage* QtHost::SurfaceImage(HWND hwnd) const {
    const Mirror* mirror = Find(hwnd);
    return mirror && mirror->surface ? &mirror->surface->Image() : nullptr;
}

void QtHost::SetImageSource(ImageSource source) {
    m_imageSource = std::move(source);
    for (auto& [hwnd, mirror] : m_mirrors)
        if (mirror.control) mirror.dirty = true;
}

double QtHost::ScreenPixelRatio() const { return qApp->devicePixelRatio(); }

qreal QtHost::RatioOf(HWND hwnd) const {
    const Mirror* mirror = Find(hwnd);
    return mirror && mirror->widget ? mirror->widget->devicePixelRatioF() : qApp->devicePixelRatio();
}

DeviceContext* QtHost::WindowSurface(HWND hwnd) {
    Mirror* mirror = Find(hwnd);
    Window* window = System().FromHandle(hwnd);
    if (!mirror || mirror->control || !window) return nullptr;
    const Rect client = window->ClientRect();
    const Size size{client.Width(), client.Height()};
    if (!mirror->surface) {
        mirror->surface = std::make_unique<QtWindowSurface>(size, RatioOf(hwnd), QApplication::palette().color(QPalette::Window));
    } else if (mirror->resizePending && !mirror->surface->IsHeld()) {
        mirror->surface->Resize(size, RatioOf(hwnd));
        mirror->resizePending = false;
    }
    return &mirror->surface->Context();
}

void QtHost::ApplySurfaceSize(HWND hwnd, Mirror& mirror) {
    Window* window = System().FromHandle(hwnd);
    if (!mirror.surface || !window) return;
    const Rect client = window->ClientRect();
    const Size size{client.Width(), client.Height()};
    const qreal ratio = RatioOf(hwnd);
    if (size == mirror.surface->LogicalSize() && ratio == mirror.surface->Ratio()) {
        mirror.resizePending = false;
        return;
    }
    // A context the program holds stays the object it holds; it grows when released.
    if (mirror.surface->IsHeld()) {
        mirror.resizePending = true;
        return;
    }
    mirror.surface->Resize(size, ratio);
    mirror.resizePending = false;
}

QMargins QtHost::ClientMarginsOf(HWND hwnd) const {
    const Mirror* mirror = Find(hwnd);
    const auto* widget = mirror ? dynamic_cast<const QtWindowWidget*>(mirror->widget.data()) : nullptr;
    return widget ? widget->ClientMargins() : QMargins();
}

QPoint QtHost::ClientOffsetOf(HWND hwnd) const {
    const QMargins margins = ClientMarginsOf(hwnd);
    return {margins.left(), margins.top()};
}

void QtHost::SetClientMargins(HWND hwnd, const QMargins& margins) {
    Mirror* mirror = Find(hwnd);
    auto* widget = mirror ? dynamic_cast<QtWindowWidget*>(mirror->widget.data()) : nullptr;
    Window* window = System().FromHandle(hwnd);
    if (!widget || !window || !widget->isWindow() || widget->ClientMargins() == margins) return;
    widget->SetClientMargins(margins);
    ApplyGeometry(hwnd, *mirror);
    for (HWND child : window->Children())
        if (Mirror* childMirror = Find(child)) ApplyGeometry(child, *childMirror);
    widget->update();
}

void QtHost::SetMinimumClientSize(HWND hwnd, QSize size) {
    Mirror* mirror = Find(hwnd);
    if (!mirror || !mirror->widget || !mirror->widget->isWindow()) return;
    mirror->minimumClient = size;
    ApplyGeometry(hwnd, *mirror);
}

void QtHost::ApplyGeometry(HWND hwnd, Mirror& mirror) {
    Window* window = System().FromHandle(hwnd);
    if (!window || !mirror.widget) return;
    QRect geometry = ToQRect(window->WindowRect());
    if (window->Kind() == WindowKind::Child) {
        geometry.translate(ClientOffsetOf(window->GetParent()));
        // A drop-down list's rectangle includes the dropped list; on the screen it is one line.
        if (auto* combo = qobject_cast<QComboBox*>(mirror.widget))
            geometry.setHeight(std::min(geometry.height(), combo->sizeHint().height()));
    } else {
        geometry = geometry.marginsAdded(ClientMarginsOf(hwnd));
    }
    Applying applying(m_applying);
    if (window->Kind() == WindowKind::Popup || (!window->IsResizable() && window->Kind() != WindowKind::Child))
        mirror.widget->setFixedSize(geometry.size());
    if (!mirror.minimumClient.isEmpty()) {
        const QMargins bars = ClientMarginsOf(hwnd);
        mirror.widget->setMinimumSize(mirror.minimumClient.grownBy(bars));
    }
    if (mirror.widget->geometry() == geometry) return;
    // A maximised or full-screen window's place is the window manager's, and Qt would quietly drop
    // the state on a new geometry: the widget keeps it until restored, and our rectangle follows.
    if (mirror.widget->isWindow() && (mirror.widget->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        FollowWidgetGeometry(hwnd);
        return;
    }
    mirror.widget->setGeometry(geometry);
}

void QtHost::CreateMirror(HWND hwnd) {
    Window* window = System().FromHandle(hwnd);
    if (!window || window == m_relay.get()) return;
    Applying applying(m_applying);
    Mirror mirror;
    if (window->Kind() == WindowKind::Child) {
        QWidget* parent = WidgetOf(window->GetParent());
        if (!parent) return;  // under a window we do not show
        if (auto* control = dynamic_cast<Control*>(window)) {
            mirror.control = std::make_unique<QtControl>(*this, *control, parent, &m_imageSource);
            mirror.widget = mirror.control->Widget();
            mirror.dirty = true;
        } else {
            mirror.widget = new QtWindowWidget(*this, hwnd, parent, {});
            // A dialog inside a window (a statistics window's panel) lays its controls out in its
            // own font: they must show their texts in it too.
            if (const auto* dialog = dynamic_cast<const Dialog*>(window); dialog && dialog->Template())
                mirror.widget->setFont(DialogQFont(dialog->Template()->font));
        }
        // A child made hidden (a dialog's hidden button or picture) stays hidden when its parent
        // shows, until it is shown itself: Qt would show every child not hidden explicitly.
        if (!window->IsVisibleFlag()) mirror.widget->setVisible(false);
    } else {
        const auto* dialog = dynamic_cast<const Dialog*>(window);
        const DialogTemplate* dialogTemplate = dialog ? dialog->Template() : nullptr;
        // As on the desktop the program was made for, a window made without an owner belongs to the
        // main window; an owned window stays above its owner on the screen.
        HWND owner = window->GetOwner();
        if (!owner && hwnd != Dialog::DefaultOwner()) owner = Dialog::DefaultOwner();
        QWidget* ownerWidget = WidgetOf(owner);
        // A prompt strip: no caption, a thin border. An owned overlapped window (a side window)
        // keeps its caption and buttons but is a dialog to the window manager, the kind it keeps
        // above the window it belongs to.
        const bool strip = dialogTemplate && (dialogTemplate->style & DLG_STRIP) != 0;
        Qt::WindowFlags flags = window->Kind() == WindowKind::Popup ? Qt::Dialog : Qt::Window;
        if (window->Kind() == WindowKind::Overlapped && ownerWidget)
            flags = Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                    Qt::WindowCloseButtonHint;
        if (strip) flags = Qt::Tool | Qt::FramelessWindowHint;
        // An owned window takes the kept widget of one of its kind gone before, when there is one.
        bool reused = false;
        QtWindowWidget* widget = ownerWidget ? m_pool.Obtain(*this, hwnd, {flags, ownerWidget, strip}, reused)
                                             : new QtWindowWidget(*this, hwnd, nullptr, flags);
        widget->setWindowTitle(QString::fromStdString(window->Title()));
        if (dialog) widget->setFont(DialogQFont(dialogTemplate ? dialogTemplate->font : DialogFont{}));
        if (strip) {
            widget->SetClientMargins(QMargins(1, 1, 1, 1));
            widget->SetThinBorder(true);
        }
        // Qt gives the window manager every size of a window's icon with each window it makes, and
        // a game opens many bars and dialogs. A window the main window owns shows the icon in a
        // caption or a task list at most, never as large as the main window's: it carries the
        // program's sizes up to 64 pixels, a window of its own all of them; each is sent once.
        if (ownerWidget && m_ownedIcon.isNull()) m_ownedIcon = IconUpTo(QApplication::windowIcon(), kOwnedIconSide);
        // A kept widget shows the icon it was made with; it is sent none again.
        if (reused)
            ShowIcon(*widget, m_ownedIcon);
        else
            GiveIconBeforeCreation(*widget, ownerWidget ? m_ownedIcon : QIcon());
        if (ownerWidget) {
            widget->winId();
            ownerWidget->winId();
            if (widget->windowHandle() && ownerWidget->windowHandle())
                widget->windowHandle()->setTransientParent(ownerWidget->windowHandle());
        }
        mirror.widget = widget;
    }
    mirror.widget->setEnabled(window->IsEnabledFlag());
    auto [it, inserted] = m_mirrors.insert_or_assign(hwnd, std::move(mirror));
    (void)inserted;
    ApplyGeometry(hwnd, it->second);
}

void QtHost::DestroyMirror(HWND hwnd) {
    auto it = m_mirrors.find(hwnd);
    if (it == m_mirrors.end()) return;
    Mirror mirror = std::move(it->second);
    m_mirrors.erase(it);
    std::erase(m_activationsAsked, hwnd);
    if (m_activationToAsk == hwnd) m_activationToAsk = nullptr;
    if (m_focusShown == hwnd) m_focusShown = nullptr;
    // The surface stays, drawing nothing, while the program still holds a context on it.
    if (mirror.surface) {
        mirror.surface->Context().Retire();
        m_retiredSurfaces[hwnd] = std::move(mirror.surface);
    }
    Applying applying(m_applying);
    if (mirror.control) {
        mirror.control.reset();  // deletes its widget
    } else {
        m_pool.Release(mirror.widget.data());  // kept for a window of its kind, or deleted
    }
}

void QtHost::ReleaseSurface(HWND hwnd) { m_retiredSurfaces.erase(hwnd); }

void QtHost::OnWindowEvent(HWND hwnd, WindowEvent event) {
    if (event == WindowEvent::Created) {
        CreateMirror(hwnd);
        return;
    }
    if (event == WindowEvent::Destroyed) {
        DestroyMirror(hwnd);
        return;
    }
    Mirror* mirror = Find(hwnd);
    Window* window = System().FromHandle(hwnd);
    if (!mirror || !mirror->widget || !window) return;
    QWidget* widget = mirror->widget;
    Applying applying(m_applying);
    switch (event) {
        case WindowEvent::Shown:
            widget->setVisible(true);
            if (mirror->control) mirror->dirty = true;
            if (widget->isWindow() && !mirror->control) AttachWindowMenuBar(hwnd);
            if (widget->isWindow() && System().GetActiveWindow() == hwnd) m_activationToAsk = hwnd;
            break;
        case WindowEvent::Hidden:
            widget->setVisible(false);
            break;
        case WindowEvent::Moved:
            ApplyGeometry(hwnd, *mirror);
            ApplySurfaceSize(hwnd, *mirror);
            if (auto* own = dynamic_cast<QtWindowWidget*>(widget)) own->SyncScrollBars(*window);
            widget->update();
            break;
        case WindowEvent::ScrollBarsChanged:
            if (auto* own = dynamic_cast<QtWindowWidget*>(widget)) own->SyncScrollBars(*window);
            break;
        case WindowEvent::ToolTipChanged:
            widget->setToolTip(QString::fromStdString(window->ToolTip()));
            break;
        case WindowEvent::Retitled:
            if (widget->isWindow()) widget->setWindowTitle(QString::fromStdString(window->Title()));
            if (mirror->control) mirror->dirty = true;
            break;
        case WindowEvent::Enabled:
        case WindowEvent::Disabled:
            widget->setEnabled(event == WindowEvent::Enabled);
            break;
        case WindowEvent::Activated:
            // Already the desktop's active window: it made it so.
            if (hwnd == m_desktopActivated) break;
            if (widget->isWindow()) m_activationToAsk = hwnd;
            break;
        case WindowEvent::Painted:
            if (mirror->control) {
                mirror->dirty = true;
                break;
            }
            ShowDrawn(hwnd, *mirror);
            break;
        case WindowEvent::CursorChanged:
            widget->setCursor(window->CursorId() == SYSTEM_CURSOR_HAND ? Qt::PointingHandCursor : Qt::ArrowCursor);
            break;
        case WindowEvent::IconChanged:
            if (widget->isWindow()) {
                const QImage icon = window->SmallIconId() != 0 ? DialogPictureImage(window->SmallIconId(), QSize(16, 16)) : QImage();
                // Without a picture of its own a window shows the program's icon at the sizes it was
                // made with (an owned one is transient for its owner), sent again only after another.
                const bool owned = widget->windowHandle() && widget->windowHandle()->transientParent();
                if (icon.isNull()) ShowIcon(*widget, owned ? m_ownedIcon : QIcon());
                else widget->setWindowIcon(QIcon(QPixmap::fromImage(icon)));
            }
            break;
        case WindowEvent::Created:
        case WindowEvent::Destroyed:
            break;
    }
}

void QtHost::ShowDrawn(HWND hwnd, Mirror& mirror) {
    // Only what was drawn is shown anew; a surface made larger meanwhile is shown whole.
    const std::optional<Rect> touched = mirror.surface ? mirror.surface->TakeTouched() : std::nullopt;
    if (!mirror.surface || mirror.resizePending) {
        if (mirror.resizePending) ApplySurfaceSize(hwnd, mirror);
        mirror.widget->update();
        return;
    }
    if (!touched) return;
    // A pixel more on each side: on a scaled screen an edge drawn between two device pixels
    // colours both.
    const QRect area = ToQRect(*touched).adjusted(-1, -1, 1, 1).translated(ClientOffsetOf(hwnd));
    mirror.widget->update(area);
}

void QtHost::SyncToQt(bool everything) {
    const HWND focus = System().GetFocus();
    if (focus != m_focusShown) {
        const Mirror* mirror = Find(focus);
        if (!focus || !mirror) {
            m_focusShown = focus;
        } else if (mirror->widget && mirror->widget->isVisible()) {
            Applying applying(m_applying);
            mirror->widget->setFocus(Qt::OtherFocusReason);
            // The keyboard's place is always shown, however it came there (our Tab, a step of the
            // game, a click): the style draws the focus only in a window told so.
            if (mirror->control) mirror->widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
            m_focusShown = focus;
        }
        // The push button Enter presses is marked, and it follows the focus.
        for (auto& [hwnd, other] : m_mirrors)
            if (other.control && other.control->Kind() == ControlKind::PushButton) other.dirty = true;
    }
    for (auto& [hwnd, mirror] : m_mirrors) {
        if (!mirror.control || mirror.pendingUserActions > 0 || !(mirror.dirty || everything)) continue;
        SyncControl(hwnd, mirror);
    }
}

void QtHost::SyncControl(HWND hwnd, Mirror& mirror) {
    mirror.dirty = false;
    if (Control* control = ControlFromHandle(hwnd)) {
        Applying applying(m_applying);
        mirror.control->Sync(*control);
    }
}

}  // namespace platform
