#pragma once
// A person at the keyboard, in real windows under openbox: before each key the control that holds
// the keys is read from Qt, from the window manager (the active window) and from a capture of its
// window by id (the focus drawn on that control and on no other); the key is typed through the X
// server; then what it ran is read from the program's trace lines and checked against what that
// control does with that key. Every step is written out: key, window, control, what ran.
//
// The keys are typed from a timer, so that they also reach the boxes that run a loop of their own
// (the Kontra message, the result box), in which a test's own pumping would not come back.

#include <cstdint>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include <gtest/gtest.h>

#include "dialogs/DialogIds.h"
#include "model/Trace.h"
#include "platform/core/Control.h"
#include "platform/core/DialogNavigation.h"
#include "platform/core/Window.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowSystem.h"
#include "platform/qt/QtHost.h"
#include "realwindow/RealWindowSupport.h"
#include "resources/FlowIds.h"
#include "support/TraceLines.h"

namespace realwindow {

using ::TraceLines;  // the trace lines a key's steps are read from

// Who holds the keys: the table (the main window) or a control of a bar or a box.
struct KeyHolder {
    HWND window = nullptr;   // the top-level window
    HWND control = nullptr;  // the control with the focus; the main window for the table
    bool table = false;
    int id = 0;  // the control's id
    bool operator==(const KeyHolder&) const = default;
};

inline std::string Plain(std::string text) {
    std::string out;
    for (char c : text)
        if (c != '&') out += c;
    return out;
}

inline std::string Describe(const KeyHolder& holder) {
    if (!holder.control) return "nobody";
    if (holder.table) return "the table (main window)";
    const std::string bar = Plain(::GetWindowText(holder.window));
    return "\"" + Plain(::GetWindowText(holder.control)) + "\" (id " + std::to_string(holder.id) + ") in " +
           (bar.empty() ? std::string("the bar") : "\"" + bar + "\"");
}

// The controls of a bar or box that Tab stops at.
inline std::vector<HWND> TabStops(HWND window) {
    std::vector<HWND> stops;
    for (HWND child : ::GetChildWindows(window)) {
        const platform::Control* control = platform::ControlFromHandle(child);
        if (control && (control->Style() & platform::CTL_TABSTOP) && ::IsWindowVisible(child) &&
            ::IsWindowEnabled(child))
            stops.push_back(child);
    }
    return stops;
}

// What a key did, read from the trace and the focus after it.
struct KeyEffect {
    std::string expected;                          // in words, for the log
    std::function<bool(const TraceLines&)> seen;  // the key's work is done (asked once the key is through)
};

// Counts the keys let go that reached the program: once a key's release is through, so is what its
// press ran.
class KeyReleases : public QObject {
public:
    KeyReleases() { qApp->installEventFilter(this); }
    ~KeyReleases() override { qApp->removeEventFilter(this); }
    int Count() const { return count_; }
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A release reaches the window and then its parents: counted once by its time stamp.
        if (event->type() == QEvent::KeyRelease && watched->isWidgetType()) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat() && key->timestamp() != last_) {
                last_ = key->timestamp();
                ++count_;
            }
        }
        return false;
    }

private:
    int count_ = 0;
    unsigned long long last_ = 0;
};

// One key of the person and what it must do with the control that holds the keys.
struct KeyStep {
    const char* key = nullptr;  // an X key name; nullptr: nothing to press yet (wait), or done
    bool done = false;
    KeyEffect effect;
};

class KeyboardPlayer : public platform::Window {
public:
    // Chooses the next key from who holds the keys now; a step without a key waits.
    using Chooser = std::function<KeyStep(const KeyHolder&)>;

    KeyboardPlayer(HWND frame, TraceLines& trace, std::string name) : frame_(frame), trace_(trace), name_(name) {}

    void Start(Chooser chooser) {
        chooser_ = std::move(chooser);
        since_ = platform::WindowSystem::Instance().Now();
        Create(platform::CreateParams{});
        SetTimer(1, 40);
    }
    bool Finished() const { return finished_; }
    int Keys() const { return keys_; }

    // Who holds the keys now.
    KeyHolder Holder() const {
        KeyHolder holder;
        const HWND focus = ::GetFocus();
        if (!focus) return holder;
        if (focus == frame_ || ::IsChild(frame_, focus)) {
            holder.window = holder.control = frame_;
            holder.table = true;
            return holder;
        }
        HWND top = focus;
        while (::GetParent(top) && ::GetParent(top) != top) top = ::GetParent(top);
        holder.window = top;
        holder.control = focus;
        holder.id = ::GetDlgCtrlID(focus);
        return holder;
    }

    // The holder is the one Qt, the window manager and the screen show with the focus.
    bool Shown(const KeyHolder& holder, std::string& why) {
        auto* host = platform::QtHost::Current();
        QWidget* top = host->WidgetOf(holder.window);
        QWidget* focused = host->WidgetOf(holder.control);
        if (!top || !focused) return why = "no widget", false;
        if (QApplication::activeWindow() != top) return why = "Qt's active window is another", false;
        if (ActiveWindow() != top->winId()) return why = "openbox's active window is another", false;
        if (!holder.table && QApplication::focusWidget() != focused) return why = "Qt's focus is elsewhere", false;
        if (holder.table) return true;
        // On the screen: the blue of the focus on the control that has it, on no other stop but
        // the button Enter presses.
        const QImage shot = Capture(top->winId(), name_ + "-key" + std::to_string(keys_ + 1));
        const HWND entered = platform::ButtonEnterPresses(holder.window);
        for (HWND stop : TabStops(holder.window)) {
            QWidget* widget = host->WidgetOf(stop);
            if (!widget) continue;
            const QRect area = AreaInCapture(widget, top);
            const double blue = Share(shot, area, IsHighlight);
            if (stop == holder.control && blue <= 0.02) return why = "the capture shows no focus on it", false;
            if (stop != holder.control && stop != entered && blue >= 0.005)
                return why = "the capture shows focus on \"" + Plain(::GetWindowText(stop)) + "\" too", false;
        }
        return true;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_TIMER || finished_ || busy_) return platform::Window::WindowProc(message, wParam, lParam);
        busy_ = true;
        Tick();
        busy_ = false;
        return 0;
    }

private:
    void Fail(const std::string& text) {
        ADD_FAILURE() << name_ << " key " << keys_ << ": " << text;
        finished_ = true;
        KillTimer(1);
    }

    void Tick() {
        const std::int64_t now = platform::WindowSystem::Instance().Now();
        if (pressed_) {
            // The key's work.
            if (releases_.Count() <= releasesBefore_ || !step_.effect.seen(trace_)) {
                if (now - since_ > 15000)
                    Fail("after " + std::string(step_.key) + " on " + Describe(before_) + " no sign of: " +
                         step_.effect.expected + Ran());
                return;
            }
            std::cout << "    ran:" << Ran() << "\n";
            pressed_ = false;
            since_ = now;
            return;
        }
        const KeyHolder holder = Holder();
        std::string why;
        if (!holder.control || !Shown(holder, why)) {
            if (now - since_ > 20000) Fail("the keys' place is not shown: " + Describe(holder) + ": " + why);
            settled_ = {};
            return;
        }
        // A person reads the screen before the next key: the same place shown for a moment (the
        // window manager's last word on a window just shown has come in by then).
        if (!(settled_ == holder)) {
            settled_ = holder;
            settledAt_ = now;
        }
        if (now - settledAt_ < 200) return;
        step_ = chooser_(holder);
        if (step_.done) {
            finished_ = true;
            KillTimer(1);
            return;
        }
        if (!step_.key) {
            if (now - since_ > 60000) Fail("waited a minute at " + Describe(holder));
            return;
        }
        ++keys_;
        before_ = holder;
        settled_ = {};
        std::cout << "[" << name_ << "] key " << keys_ << ": " << step_.key << " on " << Describe(holder)
                  << ", shown by Qt, openbox and the capture; expected: " << step_.effect.expected << "\n";
        trace_.Mark();
        pressed_ = true;
        since_ = now;
        releasesBefore_ = releases_.Count();
        TypeKey(step_.key);
    }

    // The lines of the flow the key ran (the table's key lines and the steps).
    std::string Ran() const {
        std::string text;
        int shown = 0;
        for (const std::string& line : trace_.SinceMark()) {
            if (line.rfind(":KeyUp(", 0) == 0 || line.rfind(":Paint", 0) == 0 || line.rfind(":OnTimer", 0) == 0)
                continue;
            if (++shown > 8) {
                text += " ...";
                break;
            }
            text += " " + line.substr(0, 90) + ";";
        }
        return text.empty() ? " (no step of the flow)" : text;
    }

    HWND frame_;
    TraceLines& trace_;
    std::string name_;
    Chooser chooser_;
    KeyStep step_;
    KeyHolder before_;
    KeyHolder settled_;
    std::int64_t settledAt_ = 0;
    KeyReleases releases_;
    int releasesBefore_ = 0;
    bool pressed_ = false;
    bool finished_ = false;
    bool busy_ = false;
    int keys_ = 0;
    std::int64_t since_ = 0;
};

}  // namespace realwindow
