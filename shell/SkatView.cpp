#include "shell/SkatView.h"

#include "platform/core/DragDrop.h"

#include "flow/GameState.h"
#include "flow/MainFrame.h"
#include "model/Trace.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "shell/TableColours.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

constexpr unsigned kViewVerbose = LOG_VIEW | LOG_VERBOSE;

bool IsGameFileName(const std::string& name) {
    if (name.size() < 4) return false;
    std::string tail = name.substr(name.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".skt" || tail == ".sks" || tail == ".skm";
}

std::string PointText(LPARAM lParam) {
    char text[48];
    std::snprintf(text, sizeof text, "x:%d:y:%d", GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    return text;
}

}  // namespace

CSkatView::~CSkatView() {
    if (g_Shell.pView == this) {
        g_Shell.pView = nullptr;
        g_Shell.hTableWnd = nullptr;
    }
    if (IsAlive()) DestroyWindow();
}

bool CSkatView::CreateView(CMainFrame& frame) {
    WriteTrace(":PreCreateWindow()", LOG_VIEW);
    Frame = &frame;
    platform::CreateParams params;
    params.kind = platform::WindowKind::Child;
    params.parent = frame.Handle();
    params.visible = true;
    if (!Create(params)) return false;
    platform::DragAcceptFiles(Handle(), true);
    frame.SetView(this);
    frame.ArrangeChildren();
    WriteTrace(":OnInitialUpdate()", LOG_VIEW);
    return true;
}

bool CSkatView::OnEraseBackground() {
    // The first erase brings the table to life; it fills nothing.
    if (!g_Shell.pMainFrame) {
        WriteTrace(":OnEraseBkgnd(0)", kViewVerbose);
        g_Shell.pView = this;
        g_Shell.hTableWnd = Handle();
        g_Shell.pMainFrame = Frame;
        Frame->LayoutFrame();
        Frame->Startup();
        return true;
    }
    platform::DeviceContext* dc = GetDC(Handle());
    if (dc) {
        dc->FillRect(ClientRect(), TableBrush());
        ReleaseDC(Handle(), dc);
    }
    return true;
}

void CSkatView::OnPaint() {
    PAINTSTRUCT paint;
    BeginPaint(Handle(), &paint);
    if (g_Shell.pMainFrame) {
        const platform::Rect& r = paint.paintRect;
        char text[96];
        std::snprintf(text, sizeof text, "top:%d:bottom:%d:left:%d:right:%d", r.top, r.bottom, r.left, r.right);
        std::string line = ":OnPaint(";
        line += text;
        line += ")";
        WriteTrace(line, kViewVerbose);
        Frame->Paint(r);
    }
    EndPaint(Handle(), &paint);
}

LRESULT CSkatView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ERASEBKGND) return OnEraseBackground() ? 1 : 0;
    if (message == WM_PAINT) {
        OnPaint();
        return 0;
    }
    if (message == WM_LBUTTONDBLCLK) {
        WriteTrace(":OnLButtonDblClk()", kViewVerbose);
        DoubleClickFlag = true;
        return 0;
    }
    if (!g_Shell.pMainFrame) return platform::Window::WindowProc(message, wParam, lParam);
    switch (message) {
        case WM_KEYDOWN: {
            std::string line = ":OnKeyDown(";
            line += std::to_string(wParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            switch (static_cast<int>(wParam)) {
                case 'B': Frame->SetCardBack(-1); break;
                case 'R': Frame->SetCardBack(+1); break;
                case 'F': Frame->SetCardFace(-1); break;
                case 'V': Frame->SetCardFace(+1); break;
                // A and S (voices and sound effects) and the keys of the card play come with the
                // frame's keyboard step.
                default: break;
            }
            return 0;
        }
        case WM_KEYUP: {
            std::string line = ":OnKeyUp(";
            line += std::to_string(wParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            return 0;
        }
        case WM_LBUTTONDOWN: {
            std::string line = ":OnLButtonDown(";
            line += PointText(lParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            return 0;
        }
        case WM_LBUTTONUP: {
            std::string line = ":OnLButtonUp(";
            line += PointText(lParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            FileDragFlag = 0;
            // The second release of a double click is swallowed.
            if (DoubleClickFlag) DoubleClickFlag = false;
            return 0;
        }
        case WM_RBUTTONDOWN: WriteTrace(":OnRButtonDown()", kViewVerbose); return 0;
        case WM_DROPFILES: {
            const HDROP drop = platform::DropHandleOf(wParam);
            std::vector<std::string> names;
            const UINT count = platform::DragQueryFile(drop, platform::kDropFileCount, nullptr);
            for (UINT i = 0; i < count; ++i) {
                std::string name;
                platform::DragQueryFile(drop, i, &name);
                names.push_back(std::move(name));
            }
            OnDrop(names);
            return 0;
        }
        default: return platform::Window::WindowProc(message, wParam, lParam);
    }
}

void CSkatView::OnDrop(const std::vector<std::string>& names) {
    std::string line = ":OnDrop(filesDragDrop:";
    line += std::to_string(FileDragFlag);
    line += ")";
    WriteTrace(line, kViewVerbose);
    // The view's own drag coming back.
    if (FileDragFlag) {
        FileDragFlag = 0;
        return;
    }
    // Nothing is opened while a step waits, or runs, underneath.
    if (g_Shell.ModalPumpActive || Frame->StepDepth > 0) {
        MessageBox(GetTopLevel(), platform::LoadString(IDS_WAIT_ACTIVE), platform::LoadString(IDS_PRODUCT_NAME),
                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    WriteTrace(":DataObjectToList()", kViewVerbose);
    FileNamesToList(names);
}

bool CSkatView::FileNamesToList(const std::vector<std::string>& names) {
    // Step 1.
    if (names.empty()) return false;
    // Step 2.
    g_Game.StopFlag = 0;
    // Step 3.
    bool anyValid = false;
    for (const std::string& name : names) {
        std::string line = ":FileNamesToList(";
        line += name;
        line += ")";
        WriteTrace(line, kViewVerbose);
        if (!IsGameFileName(name)) continue;
        anyValid = true;
        Frame->Start(name);
        if (g_Game.StopFlag) break;
    }
    // Step 4.
    if (!anyValid)
        MessageBox(GetTopLevel(), platform::LoadString(IDS_NO_GAME_FILE), {names.back()},
                   platform::LoadString(IDS_PRODUCT_NAME), platform::MB_OK | platform::MB_ICONEXCLAMATION);
    return true;
}
