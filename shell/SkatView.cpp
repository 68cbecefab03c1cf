#include "shell/SkatView.h"
#include "flow/FrameGlobals.h"
#include "match/Profile.h"

#include "platform/core/DragDrop.h"

#include "model/GameState.h"
#include "flow/MainFrame.h"
#include "flow/FrameAudio.h"
#include "flow/FrameTable.h"
#include "flow/MatchFiles.h"
#include "model/Trace.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/FileIo.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/ProgramHooks.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "shell/TableColours.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

// The hit-test code of a window's client area.
constexpr int kHitClient = 1;

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
    ToRemove();
    if (g_Shell.pView == this) {
        g_Shell.pView = nullptr;
        g_Frame.hTableWnd = nullptr;
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
    if (!Frame->Run().TableAlive) {
        WriteTrace(":OnEraseBkgnd(0)", kViewVerbose);
        g_Shell.pView = this;
        g_Frame.hTableWnd = Handle();
        ConnectFrameHooks(*Frame);
        Frame->FrameTable().LayoutFrame();
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
    if (Frame->Run().TableAlive) {
        const platform::Rect& r = paint.paintRect;
        char text[96];
        std::snprintf(text, sizeof text, "top:%d:bottom:%d:left:%d:right:%d", r.top, r.bottom, r.left, r.right);
        std::string line = ":OnPaint(";
        line += text;
        line += ")";
        if (Frame->IsPersonHandInvalid(r)) {
            WriteTrace(line, kViewVerbose);
            Frame->FrameTable().Paint(r);
        }
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
    if (!Frame->Run().TableAlive) return platform::Window::WindowProc(message, wParam, lParam);
    const platform::Point point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_KEYDOWN: {
            std::string line = ":OnKeyDown(";
            line += std::to_string(wParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            const int key = static_cast<int>(wParam);
            switch (key) {
                case 'A': Frame->FrameAudio().ToggleAudio(0); break;  // voices
                case 'S': Frame->FrameAudio().ToggleAudio(1); break;  // sound effects
                case 'B': Frame->FrameTable().SetCardBack(-1); break;
                case 'R': Frame->FrameTable().SetCardBack(+1); break;
                case 'F': Frame->FrameTable().SetCardFace(-1); break;
                case 'V': Frame->FrameTable().SetCardFace(+1); break;
                default: Frame->KeyDown(key, static_cast<unsigned>(lParam)); break;
            }
            return 0;
        }
        case WM_KEYUP: {
            std::string line = ":OnKeyUp(";
            line += std::to_string(wParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            Frame->KeyUp(static_cast<int>(wParam), static_cast<unsigned>(lParam));
            return 0;
        }
        case WM_LBUTTONDOWN: {
            std::string line = ":OnLButtonDown(";
            line += PointText(lParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            if (Frame->LButtonDown(point)) FileDragFlag = (wParam & MK_CONTROL) ? 2 : 1;
            return 0;
        }
        case WM_LBUTTONUP: {
            std::string line = ":OnLButtonUp(";
            line += PointText(lParam);
            line += ")";
            WriteTrace(line, kViewVerbose);
            FileDragFlag = 0;
            // The second release of a double click is swallowed.
            if (DoubleClickFlag) {
                DoubleClickFlag = false;
                return 0;
            }
            Frame->LButtonUp(point);
            return 0;
        }
        case WM_MOUSEMOVE:
            Frame->OnSetCursor(kHitClient);
            if (FileDragFlag) BeginDrag();
            else Frame->MouseMove(point);
            return 0;
        case WM_RBUTTONDOWN:
            WriteTrace(":OnRButtonDown()", kViewVerbose);
            Frame->RButtonDown(point, 0);
            return 0;
        case WM_DRAGENTER: OnDragEnter(point); return 0;
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

void CSkatView::OnDragEnter(platform::Point point) {
    WriteTrace(":OnDragEnter()", kViewVerbose);
    DragEnterFlag = true;
    Frame->RButtonDown(point, 1);
}

void CSkatView::OnDrop(const std::vector<std::string>& names) {
    std::string line = ":OnDrop(filesDragDrop:";
    line += std::to_string(FileDragFlag);
    line += ")";
    WriteTrace(line, kViewVerbose);
    DragEnterFlag = false;
    // The view's own drag coming back.
    if (FileDragFlag) {
        FileDragFlag = 0;
        return;
    }
    // Nothing is opened while a step waits, or runs, underneath.
    if (g_Frame.ModalPumpActive || Frame->Run().StepDepth > 0) {
        MessageBox(GetTopLevel(), platform::LoadString(IDS_WAIT_ACTIVE), platform::LoadString(IDS_PRODUCT_NAME),
                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    WriteTrace(":DataObjectToList()", kViewVerbose);
    FileNamesToList(names);
}

bool CSkatView::FileNamesToList(const std::vector<std::string>& names) {
    // Step 1: nothing dropped, nothing to do.
    if (names.empty()) return false;
    // Step 2: the files run until a stop request.
    g_Game.StopFlag = StopState::Running;
    // Step 3: each game file among the names starts in turn; a stop request ends the list.
    bool anyValid = false;
    for (const std::string& name : names) {
        std::string line = ":FileNamesToList(";
        line += name;
        line += ")";
        WriteTrace(line, kViewVerbose);
        if (!IsGameFileName(name)) continue;
        anyValid = true;
        Frame->Start(name);
        if (g_Game.StopFlag != StopState::Running) break;
    }
    // Step 4: without a single game file the person is told so.
    if (!anyValid)
        MessageBox(GetTopLevel(), platform::LoadString(IDS_NO_GAME_FILE), {names.back()},
                   platform::LoadString(IDS_PRODUCT_NAME), platform::MB_OK | platform::MB_ICONEXCLAMATION);
    return true;
}

void CSkatView::BeginDrag() {
    // Step 1: the files of an earlier drag go.
    WriteTrace(":BeginDrag()", kViewVerbose);
    ToRemove();
    // Steps 2 and 3: the frame writes the drag-out files into the work folder. A write can fail (a
    // full or read-only folder), so a file may not be there: only the files that exist are
    // dragged, and without any there is no drag.
    std::vector<std::string> paths;
    const int first = FileDragFlag == 2 ? 1 : 0;
    const int count = FileDragFlag == 2 ? 2 : 1;
    for (int i = 0; i < count; ++i) {
        DragFileNames[i] = g_Profile.Work + Frame->MatchFiles().SaveTempFile(first + i);
        if (platform::FileExists(DragFileNames[i])) paths.push_back(DragFileNames[i]);
    }
    // Step 4: the drag runs until the person drops or cancels; a drop onto this view meanwhile sees
    // the flag still set and is ignored.
    if (!paths.empty()) platform::DragFilesOut(Handle(), paths);
    // Step 5: the drag is over.
    FileDragFlag = 0;
}

void CSkatView::ToRemove() {
    for (std::string& name : DragFileNames) {
        if (name.empty()) continue;
        std::string line = ":ToRemove(";
        line += name;
        line += ")";
        WriteTrace(line, kViewVerbose);
        // The program's own temporary files stay.
        const std::size_t slash = name.find_last_of('/');
        std::string title = slash == std::string::npos ? name : name.substr(slash + 1);
        const std::size_t dot = title.find_last_of('.');
        if (dot != std::string::npos) title.erase(dot);
        std::transform(title.begin(), title.end(), title.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (title == "cards~") continue;
        // A file that cannot be deleted stays, and so does its name.
        if (platform::RemoveFile(name).ok) name.clear();
    }
}
