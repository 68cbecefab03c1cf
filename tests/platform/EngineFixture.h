#pragma once
// Test windows and a small world of them (frame, view, side window, prompt) on the headless host,
// for the window-system tests.

#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"

namespace enginetest {

// A window whose handlers tests plug in per message; WM_COMMAND and WM_TIMER handlers per id.
class TestWindow : public platform::Window {
public:
    using Handler = std::function<LRESULT(WPARAM, LPARAM)>;

    // key: the command or timer id for WM_COMMAND/WM_TIMER, ignored (0) otherwise.
    void On(UINT message, WPARAM key, Handler handler) { m_handlers[{message, key}] = std::move(handler); }
    void OnCommand(int id, std::function<void()> action) {
        On(WM_COMMAND, static_cast<WPARAM>(id), [action = std::move(action)](WPARAM, LPARAM) {
            action();
            return LRESULT{0};
        });
    }
    void OnTimer(UINT id, std::function<void()> action) {
        On(WM_TIMER, id, [action = std::move(action)](WPARAM, LPARAM) {
            action();
            return LRESULT{0};
        });
    }
    std::function<bool(platform::Message&)> preTranslate;
    int* destructions = nullptr;  // counts the object's destruction

    ~TestWindow() override {
        if (destructions) ++*destructions;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        WPARAM key = 0;
        if (message == WM_COMMAND) key = LOWORD(wParam);
        if (message == WM_TIMER) key = wParam;
        auto it = m_handlers.find({message, key});
        if (it != m_handlers.end()) {
            Handler handler = it->second;  // a copy: the handler may replace itself
            return handler(wParam, lParam);
        }
        return DefWindowProc(message, wParam, lParam);
    }
    bool PreTranslateMessage(platform::Message& message) override {
        return preTranslate ? preTranslate(message) : false;
    }

private:
    std::map<std::pair<UINT, WPARAM>, Handler> m_handlers;
};

inline platform::CreateParams TopLevel(platform::WindowKind kind, const char* title, platform::Rect rect,
                                       HWND owner = nullptr) {
    platform::CreateParams params;
    params.kind = kind;
    params.title = title;
    params.rect = rect;
    params.owner = owner;
    params.visible = true;
    return params;
}

inline platform::CreateParams ChildOf(HWND parent, int id, platform::Rect rect) {
    platform::CreateParams params;
    params.kind = platform::WindowKind::Child;
    params.parent = parent;
    params.controlId = id;
    params.rect = rect;
    params.visible = true;
    return params;
}

// The shape of the program: a frame with a view, a side window owned by the frame, and a parentless
// engine-owned prompt. Everything is created, shown and painted before a test starts, with the trace
// emptied and keeping only the messages the tests pin down.
struct World {
    platform::HeadlessHost host;
    TestWindow frame;
    TestWindow view;
    TestWindow side;
    TestWindow* prompt = nullptr;  // engine-owned
    int promptDestructions = 0;

    World() {
        frame.Create(TopLevel(platform::WindowKind::Overlapped, "Frame", {0, 0, 800, 600}));
        view.Create(ChildOf(frame.Handle(), 0, {0, 0, 800, 600}));
        side.Create(TopLevel(platform::WindowKind::Overlapped, "Side", {820, 0, 1020, 300}, frame.Handle()));
        prompt = new TestWindow;
        prompt->destructions = &promptDestructions;
        platform::CreateParams params = TopLevel(platform::WindowKind::Popup, "Prompt", {100, 400, 500, 460});
        params.lifetime = platform::Lifetime::Engine;
        prompt->Create(params);
        host.Trace().Name(frame.Handle(), "frame");
        host.Trace().Name(view.Handle(), "view");
        host.Trace().Name(side.Handle(), "side");
        host.Trace().Name(prompt->Handle(), "prompt");
        host.PumpUntilIdle();
        host.Trace().Clear();
        host.Trace().KeepOnly({WM_COMMAND, WM_TIMER, WM_PAINT, WM_ERASEBKGND, WM_DESTROY, WM_COPYDATA, WM_CLOSE});
    }

    HWND Frame() const { return frame.Handle(); }
    std::string Trace() const { return host.Trace().Text(); }
};

inline WPARAM Command(int id) { return MAKEWPARAM(static_cast<unsigned>(id), 0); }

}  // namespace enginetest
