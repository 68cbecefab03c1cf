// The log window (CLog), the frame's CM_LOG_WINDOW handler that makes it follow LogList, the
// logging dialog's command and the deletion of the log before a game or a match.
#include "shell/LogWindow.h"

#include <algorithm>
#include <string_view>

#include "flow/FrameGlobals.h"
#include "resources/FlowIds.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "model/Trace.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/WindowApi.h"
#include "platform/core/WindowScrollBars.h"
#include "shell/ShellGlobals.h"
#include "shell/SideWindows.h"
#include "shell/SkatApp.h"
#include "windows/WindowFrameServices.h"

namespace {

CSkatApp& App() { return *g_pApp; }

// The position a bar's drawing starts at: its scroll position while shown, else its minimum.
int Origin(HWND hwnd, int bar, bool shown) {
    if (shown) return GetScrollPos(hwnd, bar);
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(hwnd, bar, &minimum, &maximum);
    return minimum;
}

}  // namespace

CLog::~CLog() {
    if (IsAlive()) DestroyWindow();
}

platform::Window* CreateLogWindow(CMainFrame& frame, const platform::CreateParams& params) {
    (void)frame;
    auto* log = new CLog;
    if (!log->Create(params)) return nullptr;  // an engine-owned object is gone after a failure
    // Every trace line from now on reaches the window.
    App().LogWindowSink = [hwnd = log->Handle()](const std::string& text) {
        if (auto* window = dynamic_cast<CLog*>(WindowFromHandle(hwnd))) window->AppendText(text);
    };
    log->UpdateScrollBars(false);
    return log;
}

void CLog::AppendText(const std::string& text) {
    CSkatApp& app = App();
    app.LogText += text;
    app.LogTextLength += static_cast<int>(text.size());
    app.CountLogLines(text);
    // The bars may be needed now; the end of the text shows.
    OnSize();
    UpdateScrollBars(true);
}

void CLog::UpdateScrollBars(bool toEnd) {
    const CSkatApp& app = App();
    const platform::Rect client = ClientRect();
    const int horizontal = app.LogLongestLine * kCharWidth - client.Width();
    if (horizontal > 0) SetScrollRange(Handle(), SB_HORZ, 0, horizontal, true);
    const int visibleLines = (client.Height() - 1 + kLineHeight) / kLineHeight;
    const int vertical = (app.LogLineCount - visibleLines + 1) * kLineHeight;
    if (vertical > 0) {
        SetScrollRange(Handle(), SB_VERT, 0, vertical, true);
        SetScrollPos(Handle(), SB_VERT, vertical, true);
    }
    if (toEnd || app.LogText.empty()) {
        RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        g_SideWindowFrame.FocusFrame();
    }
}

LRESULT CLog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            HelpOpen = false;
            return 0;
        case WM_SIZE:
            OnSize();
            UpdateScrollBars(false);
            return 0;
        case WM_ERASEBKGND:
            // The lines are drawn transparent: what a scroll or a new size uncovers is cleared to the
            // window's white first, or the lines shown before would show through.
            if (auto* dc = reinterpret_cast<platform::DeviceContext*>(wParam))
                dc->FillRect(ClientRect(), platform::Brush::Solid(platform::Rgb(255, 255, 255)));
            return 1;
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            OnScroll(message == WM_VSCROLL ? SB_VERT : SB_HORZ, LOWORD(wParam),
                     static_cast<std::int16_t>(HIWORD(wParam)));
            return 0;
        case WM_MOUSEWHEEL: {
            const int delta = static_cast<std::int16_t>(HIWORD(wParam));
            // Turned towards the person: the text moves up, later lines come into view.
            PostMessage(WM_VSCROLL, delta < 0 ? SB_LINEDOWN : SB_LINEUP, 0);
            return DefWindowProc(message, wParam, lParam);
        }
        case WM_LBUTTONDOWN:
            OnLeftClick();
            return 0;
        case WM_RBUTTONDOWN:
            OnRightClick();
            return 0;
        case WM_CLOSE:
            return OnClose();
        case WM_DESTROY:
            if (g_pApp) App().LogWindowSink = nullptr;
            return 0;
        default:
            return DefWindowProc(message, wParam, lParam);
    }
}

void CLog::OnSize() {
    // Showing or hiding a bar changes the client and sends WM_SIZE again: this call decides, until
    // the bars agree with the client they leave (at most a few rounds, as bars only shrink it).
    if (m_sizing) return;
    m_sizing = true;
    const CSkatApp& app = App();
    for (int round = 0; round < 3; ++round) {
        const platform::Rect client = ClientRect();
        const bool horizontal = client.Width() < app.LogLongestLine * kCharWidth;
        const bool vertical = client.Height() < app.LogLineCount * kLineHeight;
        if (horizontal == HorzBar && vertical == VertBar) break;
        HorzBar = horizontal;
        VertBar = vertical;
        ShowScrollBar(Handle(), SB_HORZ, horizontal);
        ShowScrollBar(Handle(), SB_VERT, vertical);
        if (!IsAlive()) break;
    }
    m_sizing = false;
}

void CLog::OnPaint() {
    PAINTSTRUCT paint;
    platform::DeviceContext* dc = BeginPaint(Handle(), &paint);
    const std::string& text = App().LogText;
    if (dc && !text.empty()) {
        const int originX = Origin(Handle(), SB_HORZ, HorzBar);
        const int originY = Origin(Handle(), SB_VERT, VertBar);
        const platform::LogFont oldFont = dc->SelectFont(App().Font(12));
        const platform::BkMode oldMode = dc->SetBkMode(platform::BkMode::Transparent);
        const platform::Color oldColor = dc->SetTextColor(platform::Rgb(0, 0, 0));
        // Only the lines that meet the part being painted: a long log repaints in the same time as
        // a short one.
        const int first = std::max(0, (paint.paintRect.top + originY) / kLineHeight);
        const int last = (paint.paintRect.bottom + originY) / kLineHeight;
        std::string_view rest(text);
        int line = 0;
        for (std::size_t position = 0; position <= rest.size() && line <= last; ++line) {
            std::size_t end = rest.find("\r\n", position);
            const bool final = end == std::string_view::npos;
            if (final && position == rest.size()) break;  // nothing after the last CR LF
            if (final) end = rest.size();
            if (line >= first) {
                dc->TextOut(-originX, line * kLineHeight - originY, rest.substr(position, end - position));
            }
            if (final) break;
            position = end + 2;
        }
        dc->SetTextColor(oldColor);
        dc->SetBkMode(oldMode);
        dc->SelectFont(oldFont);
    }
    EndPaint(Handle(), &paint);
}

void CLog::OnScroll(int bar, unsigned code, int track) {
    int minimum = 0;
    int maximum = 0;
    GetScrollRange(Handle(), bar, &minimum, &maximum);
    const int position = GetScrollPos(Handle(), bar);
    const platform::Rect client = ClientRect();
    int target = position;
    switch (code) {
        case SB_LINEUP: target = position - (bar == SB_VERT ? kLineHeight : kHorizontalStep); break;
        case SB_LINEDOWN: target = position + (bar == SB_VERT ? kLineHeight : kHorizontalStep); break;
        case SB_PAGEUP:
        case SB_PAGEDOWN: {
            int page = 0;
            if (bar == SB_HORZ) {
                page = client.Width() - (VertBar ? 22 : 0);
            } else {
                page = (client.Height() - (HorzBar ? 22 : 0)) / kLineHeight * kLineHeight;
            }
            target = code == SB_PAGEUP ? position - page : position + page;
            break;
        }
        case SB_THUMBTRACK: target = track; break;
        case SB_THUMBPOSITION:
            // The final thumb position only sets the position: tracking has scrolled already.
            SetScrollPos(Handle(), bar, track, true);
            return;
        case SB_TOP: target = minimum; break;
        case SB_BOTTOM: target = maximum; break;
        default: return;
    }
    target = std::clamp(target, minimum, maximum);
    if (target == position) return;  // at the end of the range nothing happens
    SetScrollPos(Handle(), bar, target, true);
    const int moved = position - target;
    if (bar == SB_HORZ) {
        ScrollWindow(Handle(), moved, 0);
    } else {
        ScrollWindow(Handle(), 0, moved);
    }
}

void CLog::OnLeftClick() {
    if (!HelpOpen) {
        platform::ShowHelpTopic(g_Frame.hTableWnd, g_Shell.HelpFile + "::/Bedienung/Protokoll.htm");
        g_SideWindowFrame.FocusFrame();
    } else {
        platform::CloseAllHelpWindows();
    }
    HelpOpen = !HelpOpen;
}

void CLog::OnRightClick() {
    CSkatApp& app = App();
    // A log that cannot be deleted stays; the window is emptied all the same.
    g_SideWindowFrame.DeleteFileUnasked(app.LogFilePath);
    app.LogLineCount = 0;
    app.LogLongestLine = 0;
    app.LogText.clear();
    app.LogTextLength = 0;
    SendMessage(WM_SIZE, 0, 0);
}

LRESULT CLog::OnClose() {
    // The close box turns the log window off; the frame stores its place and closes it.
    if (App().LogList == 1) {
        App().LogList = 0;
        g_SideWindowFrame.SendCommand(CM_LOG_WINDOW);
        if (IsAlive()) DestroyWindow();  // no frame, or the frame did not close it
        return 0;
    }
    return DefWindowProc(WM_CLOSE, 0, 0);
}

// --- The frame's side ------------------------------------------------------------------------------

void CMainFrame::OnListLog() {
    const CSideWindowRow* row = FindSideWindowRow(CM_LOG_WINDOW);
    if (!row || !g_pApp) return;
    const bool open = FramePanels().SideWindow(CM_LOG_WINDOW) != nullptr;
    // Step 1: the window goes, storing its place.
    if (open && g_pApp->LogList == 0) {
        FramePanels().CloseSideWindow(*row);
        return;
    }
    // Step 2: the window comes with the whole file.
    if (!open && g_pApp->LogList == 1) {
        g_pApp->ReadLogFile();
        FramePanels().OpenSideWindow(*row);
    }
    // Step 3: otherwise nothing happens.
}
