#include "platform/headless/HeadlessHost.h"

#include <algorithm>

#include "platform/core/Screen.h"
#include "platform/core/WindowSystem.h"
#include "platform/headless/DiscardingDC.h"

namespace platform {

namespace {
WindowSystem& System() { return WindowSystem::Instance(); }

std::optional<std::int64_t> Earliest(std::optional<std::int64_t> a, std::optional<std::int64_t> b) {
    if (!a) return b;
    if (!b) return a;
    return std::min(*a, *b);
}
}  // namespace

HeadlessHost::HeadlessHost() {
    ForgetScreenAreas();
    SetCurrentClock(&m_clock);
    System().AttachHost(this);
}

HeadlessHost::~HeadlessHost() {
    ForgetScreenAreas();
    System().AttachHost(nullptr);
    SetCurrentClock(nullptr);
}

void HeadlessHost::ChangeScreen(const Rect& desktop, const Rect& workArea) {
    TellScreenAreas({desktop, workArea});
    AnnounceScreenChange();
}

void HeadlessHost::FetchInput(WindowSystem& system) {
    while (!m_script.empty() && m_script.front().time <= m_clock.NowMs()) {
        system.QueueInput(m_script.front().event);
        m_script.pop_front();
    }
}

void HeadlessHost::IdlePoll(std::optional<std::int64_t> nextDueMs) {
    if (m_defersDrawing) WindowSystem::Instance().DrawDeferred();
    // The poll waits, as a screen's poll does, until the next timer or scripted input is due; a
    // wait for something nearer costs the poll's time.
    const std::optional<std::int64_t> next = Earliest(nextDueMs, NextScriptedTime());
    m_clock.AdvanceTo(std::max(next.value_or(0), m_clock.NowMs() + m_pollCostMs));
    if (!nextDueMs && m_script.empty()) {
        m_stalledMs += m_pollCostMs;
        if (m_stalledMs >= m_stallLimitMs)
            throw IdleStall("headless host: a nested wait keeps polling with no timer and no scripted input "
                            "left, so nothing can end it");
    } else {
        m_stalledMs = 0;
    }
    CheckTimeLimit();
}

void HeadlessHost::WaitForWork(std::optional<std::int64_t> nextDueMs) {
    if (m_defersDrawing) WindowSystem::Instance().DrawDeferred();
    const std::optional<std::int64_t> next = Earliest(nextDueMs, NextScriptedTime());
    if (!next)
        throw IdleStall("headless host: a loop waits for work with no timer and no scripted input left, "
                        "so nothing can end the wait");
    m_stalledMs = 0;
    // A due time already reached that the waiting loop does not take (a filtered retrieval) must not
    // stop the clock.
    m_clock.AdvanceTo(std::max(*next, m_clock.NowMs() + 1));
    CheckTimeLimit();
}

void HeadlessHost::Sleep(std::int64_t ms) {
    m_clock.Advance(ms);
    CheckTimeLimit();
}

void HeadlessHost::CheckTimeLimit() {
    if (m_clock.NowMs() > m_timeLimitMs)
        throw IdleStall("headless host: the virtual time limit of " + std::to_string(m_timeLimitMs) +
                        " ms passed; a wait seems never to end");
}

DeviceContext* HeadlessHost::WindowSurface(HWND hwnd) {
    if (m_surfaceFactory) return m_surfaceFactory(hwnd);
    // The table asks for its own surface at nearly every step: the last one found is remembered
    // until its window goes.
    if (hwnd == m_lastSurfaceWindow) return m_lastSurface;
    Window* window = WindowSystem::Instance().FromHandle(hwnd);
    if (!window) return nullptr;
    std::unique_ptr<RecordingDC>& surface = m_surfaces[hwnd];
    if (!surface) {
        const Rect client = window->ClientRect();
        const Size size{client.Width(), client.Height()};
        std::vector<std::unique_ptr<RecordingDC>>& kept = m_keptSurfaces[m_keepDrawing ? 0 : 1];
        if (!kept.empty()) {
            surface = std::move(kept.back());
            kept.pop_back();
            surface->StartAfresh(size);
        } else if (m_keepDrawing) {
            surface = std::make_unique<RecordingDC>(size);
        } else {
            surface = std::make_unique<DiscardingDC>(size);
        }
    }
    m_lastSurfaceWindow = hwnd;
    m_lastSurface = surface.get();
    return surface.get();
}

FileDialogAnswer HeadlessHost::ShowFileDialog(const FileDialogRequest& request) {
    m_fileDialogRequests.push_back(request);
    if (std::optional<FileDialogAnswer> answer = m_answers.TakeFileDialogAnswer()) return *answer;
    throw IdleStall("headless host: a file dialog opened with no scripted answer lined up");
}

void HeadlessHost::ReleaseSurface(HWND hwnd) {
    auto it = m_retiredSurfaces.find(hwnd);
    if (it == m_retiredSurfaces.end()) return;
    std::unique_ptr<RecordingDC> surface = std::move(it->second);
    m_retiredSurfaces.erase(it);
    std::vector<std::unique_ptr<RecordingDC>>& kept = m_keptSurfaces[surface->KeepsPixels() ? 0 : 1];
    if (kept.size() < kKeptSurfaces) kept.push_back(std::move(surface));
}

const RecordingDC* HeadlessHost::RetiredSurface(HWND hwnd) const {
    auto it = m_retiredSurfaces.find(hwnd);
    return it == m_retiredSurfaces.end() ? nullptr : it->second.get();
}

RecordingDC* HeadlessHost::Surface(HWND hwnd) const {
    auto it = m_surfaces.find(hwnd);
    return it == m_surfaces.end() ? nullptr : it->second.get();
}

void HeadlessHost::OnWindowEvent(HWND hwnd, WindowEvent event) {
    if (event == WindowEvent::Destroyed) {
        // A long run makes a window per prompt and never names a destroyed one again.
        m_cursorChanges.erase(hwnd);
        m_paints.erase(hwnd);
        if (hwnd == m_lastSurfaceWindow) {
            m_lastSurfaceWindow = nullptr;
            m_lastSurface = nullptr;
        }
        // Kept, drawing nothing, until the engine says nobody draws on it any more.
        auto it = m_surfaces.find(hwnd);
        if (it != m_surfaces.end()) {
            it->second->Retire();
            m_retiredSurfaces[hwnd] = std::move(it->second);
            m_surfaces.erase(it);
        }
    }
    if (event == WindowEvent::Moved) {
        auto it = m_surfaces.find(hwnd);
        Window* window = WindowSystem::Instance().FromHandle(hwnd);
        // Resized in place: a caller may hold the surface across a move.
        if (it != m_surfaces.end() && window) {
            const Rect client = window->ClientRect();
            it->second->Resize(Size{client.Width(), client.Height()});
        }
    }
    if (event == WindowEvent::CursorChanged) {
        if (Window* window = WindowSystem::Instance().FromHandle(hwnd)) m_cursorChanges[hwnd].push_back(window->CursorId());
    }
    if (event != WindowEvent::Painted) return;
    ++m_paints[hwnd];
}

const std::vector<int>& HeadlessHost::CursorChanges(HWND hwnd) const {
    static const std::vector<int> kNone;
    auto it = m_cursorChanges.find(hwnd);
    return it == m_cursorChanges.end() ? kNone : it->second;
}

int HeadlessHost::PaintCount(HWND hwnd) const {
    auto it = m_paints.find(hwnd);
    return it == m_paints.end() ? 0 : it->second;
}

void HeadlessHost::OnDispatch(const DispatchRecord& record) { m_trace.Record(record); }

// --- Scripted input ------------------------------------------------------------------------------

void HeadlessHost::Input(std::int64_t atMs, const InputEvent& event) {
    ScriptedEvent scripted{atMs, ++m_scriptSequence, event};
    scripted.event.time = atMs;
    auto it = std::upper_bound(m_script.begin(), m_script.end(), atMs,
                               [](std::int64_t t, const ScriptedEvent& e) { return t < e.time; });
    m_script.insert(it, scripted);
}

void HeadlessHost::Click(std::int64_t atMs, Point screen, UINT downMessage) {
    InputEvent down;
    down.message = downMessage;
    down.screenPoint = screen;
    Input(atMs, down);
    InputEvent up = down;
    up.message = downMessage + 1;  // every button's release follows its press
    Input(atMs, up);
}

void HeadlessHost::Drag(std::int64_t atMs, Point from, Point to, std::int64_t durationMs, int steps) {
    InputEvent event;
    event.message = WM_LBUTTONDOWN;
    event.screenPoint = from;
    Input(atMs, event);
    steps = std::max(steps, 1);
    for (int i = 1; i <= steps; ++i) {
        event.message = WM_MOUSEMOVE;
        event.screenPoint = {from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        event.buttons = MK_LBUTTON;
        Input(atMs + durationMs * i / steps, event);
    }
    event.message = WM_LBUTTONUP;
    event.screenPoint = to;
    event.buttons = 0;
    Input(atMs + durationMs, event);
}

void HeadlessHost::Key(std::int64_t atMs, int virtualKey, std::vector<int> modifiers) {
    InputEvent event;
    for (int modifier : modifiers) {
        event.message = WM_KEYDOWN;
        event.key = modifier;
        Input(atMs, event);
    }
    event.key = virtualKey;
    event.message = WM_KEYDOWN;
    Input(atMs, event);
    event.message = WM_KEYUP;
    Input(atMs, event);
    for (auto it = modifiers.rbegin(); it != modifiers.rend(); ++it) {
        event.key = *it;
        Input(atMs, event);
    }
}

Point HeadlessHost::ScreenPoint(HWND hwnd, Point client) { return System().ClientToScreen(hwnd, client); }

std::optional<std::int64_t> HeadlessHost::NextScriptedTime() const {
    if (m_script.empty()) return std::nullopt;
    return m_script.front().time;
}

// --- Pump helpers --------------------------------------------------------------------------------

HeadlessHost::PumpResult HeadlessHost::PumpOne() {
    Message message;
    if (!System().TakeMessage(message, nullptr, 0, 0, true)) return PumpResult::Empty;
    if (message.message == WM_QUIT) {
        m_quitCode = static_cast<int>(message.wParam);
        return PumpResult::Quit;
    }
    System().ProcessMessage(message);
    return PumpResult::Dispatched;
}

int HeadlessHost::PumpUntilIdle() {
    int count = 0;
    while (PumpOne() == PumpResult::Dispatched) ++count;
    return count;
}

void HeadlessHost::PumpFor(std::int64_t ms) {
    const std::int64_t end = m_clock.NowMs() + ms;
    for (;;) {
        PumpResult result;
        while ((result = PumpOne()) == PumpResult::Dispatched) {}
        if (result == PumpResult::Quit) return;
        const std::optional<std::int64_t> next = Earliest(System().NextTimerDue(), NextScriptedTime());
        if (!next || *next > end) break;
        m_clock.AdvanceTo(std::max(*next, m_clock.NowMs() + 1));
        CheckTimeLimit();
    }
    m_clock.AdvanceTo(end);
}

bool HeadlessHost::PumpUntil(const std::function<bool()>& predicate, std::int64_t limitMs) {
    const std::int64_t end = m_clock.NowMs() + limitMs;
    for (;;) {
        if (predicate()) return true;
        const PumpResult result = PumpOne();
        if (result == PumpResult::Dispatched) continue;
        if (result == PumpResult::Quit) return predicate();
        const std::optional<std::int64_t> next = Earliest(System().NextTimerDue(), NextScriptedTime());
        if (!next || *next > end) {
            m_clock.AdvanceTo(end);
            return predicate();
        }
        m_clock.AdvanceTo(std::max(*next, m_clock.NowMs() + 1));
        CheckTimeLimit();
    }
}

}  // namespace platform
