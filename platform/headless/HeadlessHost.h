#pragma once
// platform::HeadlessHost: the host for tests and tools. No display, a virtual clock, scripted input
// and answers, and a trace of every window procedure call. Constructing one installs its clock and
// attaches it to the window system (which starts from a clean state); destroying it detaches again.
// One at a time.
//
// Idle policy.
//  - A blocking retrieval with nothing to do (main loop, modal loop, the pump helpers) jumps the
//    clock to the next due timer or scripted input.
//  - An empty non-blocking poll (PeekMessage, as the program's nested waits use it) waits as a
//    screen's does: the clock jumps to the next due timer or scripted input, but at least a fixed
//    virtual time, kPollCostMs = 1 ms by default. So a nested wait for a timer costs one poll, and
//    a wait for something that comes without one (which no program wait does) a poll per virtual ms.
//  - A wait that nothing can end throws IdleStall, a clear failure instead of a hung test: a blocking
//    retrieval with no timer and no scripted input left, or non-blocking polls that ran for the stall
//    limit (default 10 virtual minutes) with no timer and no scripted input, or the clock passing the
//    time limit (default 24 virtual hours, for a wait whose timers fire but never end it).
//
// Scripted input becomes available at its virtual time and reaches the engine as raw input: the
// engine sends mouse events to the capture window or the window under the point, keys to the focus
// window.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <unordered_map>
#include <string>
#include <vector>

#include "platform/core/Host.h"
#include "platform/core/Message.h"
#include "platform/core/WindowGeometry.h"
#include "platform/headless/DispatchTrace.h"
#include "platform/headless/RecordingDC.h"
#include "platform/headless/ScriptedAnswers.h"
#include "platform/headless/VirtualClock.h"

namespace platform {

// Thrown by the headless host when a wait can never end.
class IdleStall : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class HeadlessHost final : public Host {
public:
    static constexpr std::int64_t kPollCostMs = 1;
    static constexpr std::size_t kKeptSurfaces = 4;
    static constexpr std::int64_t kDefaultStallLimitMs = 10 * 60 * 1000;
    static constexpr std::int64_t kDefaultTimeLimitMs = 24LL * 60 * 60 * 1000;

    HeadlessHost();
    ~HeadlessHost() override;
    HeadlessHost(const HeadlessHost&) = delete;
    HeadlessHost& operator=(const HeadlessHost&) = delete;

    // --- Host ------------------------------------------------------------------------------------
    Clock& HostClock() override { return m_clock; }
    void FetchInput(WindowSystem& system) override;
    void IdlePoll(std::optional<std::int64_t> nextDueMs) override;
    void WaitForWork(std::optional<std::int64_t> nextDueMs) override;
    void Sleep(std::int64_t ms) override;
    DeviceContext* WindowSurface(HWND hwnd) override;
    void OnWindowEvent(HWND hwnd, WindowEvent event) override;
    void ReleaseSurface(HWND hwnd) override;
    void OnDispatch(const DispatchRecord& record) override;
    std::optional<int> TakeMessageBoxAnswer() override { return m_answers.TakeMessageBoxAnswer(); }
    std::optional<FileDialogAnswer> TakeFileDialogAnswer() override { return m_answers.TakeFileDialogAnswer(); }
    std::optional<DialogActions> TakeDialogAnswer(int templateId) override { return m_answers.TakeDialogAnswer(templateId); }
    // Beeps are recorded, with their type, in order.
    void Beep(unsigned type) override { m_beeps.push_back(type); }
    const std::vector<unsigned>& Beeps() const { return m_beeps; }
    void ClearBeeps() { m_beeps.clear(); }
    // A file dialog takes the next scripted answer; with none lined up it throws IdleStall, as nobody
    // could ever answer it. The requests are kept for tests.
    FileDialogAnswer ShowFileDialog(const FileDialogRequest& request) override;
    const std::vector<FileDialogRequest>& FileDialogRequests() const { return m_fileDialogRequests; }

    // --- Clock -----------------------------------------------------------------------------------
    VirtualClock& GetVirtualClock() { return m_clock; }
    std::int64_t NowMs() const { return m_clock.NowMs(); }
    void SetPollCostMs(std::int64_t ms) { m_pollCostMs = ms; }
    void SetStallLimitMs(std::int64_t ms) { m_stallLimitMs = ms; }
    void SetTimeLimitMs(std::int64_t ms) { m_timeLimitMs = ms; }

    // The screen changes now (another resolution, a screen removed): its new desktop and work area
    // are told, and every top-level window hears of it.
    void ChangeScreen(const Rect& desktop, const Rect& workArea);

    // --- Scripted input (at virtual times; screen coordinates) -----------------------------------
    void Click(std::int64_t atMs, Point screen, UINT downMessage = WM_LBUTTONDOWN);
    // Press at `from`, `steps` moves spread over `durationMs`, release at `to`.
    void Drag(std::int64_t atMs, Point from, Point to, std::int64_t durationMs, int steps = 4);
    // Press and release of a key; with modifiers (VK_SHIFT, VK_CONTROL, VK_MENU) held around it.
    void Key(std::int64_t atMs, int virtualKey, std::vector<int> modifiers = {});
    // A single raw event (move, press, release, key down/up).
    void Input(std::int64_t atMs, const InputEvent& event);
    // The screen point of a client point of a window (for scripting clicks on windows).
    static Point ScreenPoint(HWND hwnd, Point client);
    bool HasScriptedInput() const { return !m_script.empty(); }
    std::optional<std::int64_t> NextScriptedTime() const;

    // --- Scripted answers for message boxes and file dialogs -------------------------------------
    ScriptedAnswers& Answers() { return m_answers; }

    // --- Trace -----------------------------------------------------------------------------------
    DispatchTrace& Trace() { return m_trace; }
    const DispatchTrace& Trace() const { return m_trace; }

    // --- Windows seen by the host ----------------------------------------------------------------
    // Retained surfaces: every window draws into a recording context the size of its client area,
    // made on first use and resized with the window. A destroyed window's surface, once let go, is
    // kept for the next window that draws (up to kKeptSurfaces of each kind: recording or
    // discarding), as a game opens and closes its bars and dialogs many times; it serves the new
    // window's handle only. A test may install its own factory instead.
    void SetSurfaceFactory(std::function<DeviceContext*(HWND)> factory) { m_surfaceFactory = std::move(factory); }
    // Off: surfaces made from now on measure text alike but keep no records (long self-play runs),
    // and no window is painted any more. A test's own surface factory keeps what is drawn.
    void SetKeepDrawing(bool keep) { m_keepDrawing = keep; }
    bool KeepsPixels() const override { return m_keepDrawing || m_surfaceFactory; }
    // On: the host shows surfaces as a screen does, later: drawing that only shows waits for the
    // host's next wait or poll (or the next drawing on its window), as on the Qt host.
    void SetDefersDrawing(bool defers) { m_defersDrawing = defers; }
    bool DefersDrawing() const override { return m_defersDrawing; }
    // The window's recording surface, or nullptr when it has drawn nothing yet.
    RecordingDC* Surface(HWND hwnd) const;
    // The surface of a destroyed window that is still kept (a context on it is held or a handler of
    // the window still runs), or nullptr.
    const RecordingDC* RetiredSurface(HWND hwnd) const;
    // How often each window was painted (EndPaint or ReleaseDC), for tests; 0 once it is destroyed.
    int PaintCount(HWND hwnd) const;
    // The cursor changes of each window in order (system ids), for tests.
    const std::vector<int>& CursorChanges(HWND hwnd) const;

    // --- Pump helpers for tests ------------------------------------------------------------------
    // Dispatches (as the main loop does) everything that is ready now, without moving the clock.
    // Returns the number of messages dispatched. A WM_QUIT taken ends it and is remembered.
    int PumpUntilIdle();
    // Runs the main loop's work for `ms` of virtual time, jumping from one due time to the next; the
    // clock ends at now + ms (later when a handler slept past it).
    void PumpFor(std::int64_t ms);
    // Pumps until the predicate holds (tested after every dispatched message and before waiting) or
    // `limitMs` of virtual time passed. Returns whether it held.
    bool PumpUntil(const std::function<bool()>& predicate, std::int64_t limitMs = 60 * 60 * 1000);
    // The exit code of a WM_QUIT a pump helper took, if any.
    std::optional<int> QuitCode() const { return m_quitCode; }

private:
    struct ScriptedEvent {
        std::int64_t time = 0;
        std::uint64_t sequence = 0;
        InputEvent event;
    };

    void CheckTimeLimit();
    enum class PumpResult { Dispatched, Empty, Quit };
    PumpResult PumpOne();

    VirtualClock m_clock;
    std::deque<ScriptedEvent> m_script;  // ordered by time, then insertion
    std::uint64_t m_scriptSequence = 0;
    ScriptedAnswers m_answers;
    std::vector<unsigned> m_beeps;
    DispatchTrace m_trace;
    std::function<DeviceContext*(HWND)> m_surfaceFactory;
    bool m_keepDrawing = true;
    bool m_defersDrawing = false;
    std::unordered_map<HWND, std::unique_ptr<RecordingDC>> m_surfaces;
    HWND m_lastSurfaceWindow = nullptr;  // the window WindowSurface found last, and its surface
    RecordingDC* m_lastSurface = nullptr;
    std::map<HWND, std::unique_ptr<RecordingDC>> m_retiredSurfaces;  // of destroyed windows, still held
    // Let go by destroyed windows, for new ones: [0] surfaces that keep records, [1] that keep nothing.
    std::vector<std::unique_ptr<RecordingDC>> m_keptSurfaces[2];
    // Paints per living window, found by handle: a long run makes a window per prompt.
    std::map<HWND, int> m_paints;
    std::map<HWND, std::vector<int>> m_cursorChanges;
    std::vector<FileDialogRequest> m_fileDialogRequests;
    std::int64_t m_pollCostMs = kPollCostMs;
    std::int64_t m_stallLimitMs = kDefaultStallLimitMs;
    std::int64_t m_timeLimitMs = kDefaultTimeLimitMs;
    std::int64_t m_stalledMs = 0;
    std::optional<int> m_quitCode;
};

}  // namespace platform
