#include "platform/core/DragDrop.h"

#include <algorithm>
#include <cstdint>

#include "platform/core/DesktopServices.h"
#include "platform/core/WindowSystem.h"

namespace platform {

namespace {

struct Drop {
    std::uintptr_t id = 0;
    std::vector<std::string> names;
    Point point;
};

// The drag-and-drop state of the process: the windows that take files and the drops whose
// handlers run now (several when a handler pumps and another drop comes in).
struct DragDropState {
    std::vector<HWND> accepting;
    std::vector<Drop> live;
    std::uintptr_t nextId = 1;  // never reused, so a kept handle cannot reach a later drop
};

DragDropState g_dragDrop;

const Drop* FindDrop(HDROP drop) {
    const auto id = reinterpret_cast<std::uintptr_t>(drop);
    for (const Drop& live : g_dragDrop.live)
        if (live.id == id) return &live;
    return nullptr;
}

}  // namespace

void DragAcceptFiles(HWND hwnd, bool accept) {
    WindowSystem& system = WindowSystem::Instance();
    if (!system.IsWindow(hwnd)) return;
    auto& accepting = g_dragDrop.accepting;
    // Windows that are gone leave the list here, so it never grows beyond the live ones.
    std::erase_if(accepting, [&](HWND w) { return w == hwnd || !system.IsWindow(w); });
    if (accept) accepting.push_back(hwnd);
    if (DesktopServices* services = InstalledDesktopServices()) services->AcceptFiles(hwnd, accept);
}

bool AcceptsDroppedFiles(HWND hwnd) {
    if (!WindowSystem::Instance().IsWindow(hwnd)) return false;
    const auto& accepting = g_dragDrop.accepting;
    return std::find(accepting.begin(), accepting.end(), hwnd) != accepting.end();
}

bool IsAcceptableDropName(const std::string& name) {
    if (name.empty() || name.size() > kMaxDropNameBytes || name.front() != '/') return false;
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

bool DeliverDroppedFiles(HWND hwnd, const std::vector<std::string>& names, Point clientPoint) {
    if (!AcceptsDroppedFiles(hwnd)) return false;
    Drop drop;
    drop.id = g_dragDrop.nextId++;
    drop.point = clientPoint;
    for (const std::string& name : names) {
        if (drop.names.size() == kMaxDropFiles) break;
        if (IsAcceptableDropName(name)) drop.names.push_back(name);
    }
    if (drop.names.empty()) return false;
    const std::uintptr_t id = drop.id;
    g_dragDrop.live.push_back(std::move(drop));
    WindowSystem::Instance().SendMessage(hwnd, WM_DROPFILES, static_cast<WPARAM>(id), 0);
    std::erase_if(g_dragDrop.live, [id](const Drop& d) { return d.id == id; });
    return true;
}

bool DeliverDragEnter(HWND hwnd, Point clientPoint, WPARAM keyState) {
    if (!AcceptsDroppedFiles(hwnd)) return false;
    WindowSystem::Instance().SendMessage(hwnd, WM_DRAGENTER, keyState, MAKELPARAM(clientPoint.x, clientPoint.y));
    return true;
}

UINT DragQueryFile(HDROP drop, UINT index, std::string* name) {
    const Drop* found = FindDrop(drop);
    if (!found) return 0;
    if (index == kDropFileCount) return static_cast<UINT>(found->names.size());
    if (index >= found->names.size()) return 0;
    const std::string& chosen = found->names[index];
    if (name) *name = chosen;
    return static_cast<UINT>(chosen.size());
}

bool DragQueryPoint(HDROP drop, Point* point) {
    const Drop* found = FindDrop(drop);
    if (!found) return false;
    if (point) *point = found->point;
    return true;
}

void ResetDragDrop() { g_dragDrop = DragDropState{}; }

}  // namespace platform
