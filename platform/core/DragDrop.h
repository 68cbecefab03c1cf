#pragma once
// Files dropped onto a window, in the classic style: a window that accepts files (DragAcceptFiles)
// gets WM_DROPFILES with a drop handle in wParam; its handler reads the names with DragQueryFile.
// The handle lives while the handler runs: DeliverDroppedFiles sends the message and frees the
// drop when the handler returns, so a handle kept beyond that only answers "no files".
//
// Names come from another program (a file manager), so they are checked on the way in: absolute
// paths of at most kMaxDropNameBytes bytes without control characters, at most kMaxDropFiles names
// per drop; other names are left out, and a drop with no name left is refused.

#include <cstddef>
#include <string>
#include <vector>

#include "platform/core/Message.h"
#include "platform/core/Geometry.h"

struct DropHandleTag;
using HDROP = DropHandleTag*;

namespace platform {

constexpr std::size_t kMaxDropNameBytes = 4096;
constexpr std::size_t kMaxDropFiles = 256;
// DragQueryFile's index asking for the number of files.
constexpr UINT kDropFileCount = 0xFFFFFFFFu;

// Lets the window take dropped files (or stops it). Tells the installed desktop services, so that
// the host shows the window as a drop target.
void DragAcceptFiles(HWND hwnd, bool accept);
// Whether the window takes dropped files now (false for a window that no longer exists).
bool AcceptsDroppedFiles(HWND hwnd);

// Whether a dropped name passes the checks above.
bool IsAcceptableDropName(const std::string& name);

// Delivers a drop: the acceptable names in their order, at a client point of the window. Sends
// WM_DROPFILES (wParam: the drop handle) and frees the drop after the handler. Returns false, and
// sends nothing, when the window does not accept files or no name is acceptable.
bool DeliverDroppedFiles(HWND hwnd, const std::vector<std::string>& names, Point clientPoint);

// Tells a window that takes files that a drag of files entered it, at a client point: sends
// WM_DRAGENTER. False, and nothing sent, when the window does not take files.
bool DeliverDragEnter(HWND hwnd, Point clientPoint, WPARAM keyState = 0);

// The drop handle of a WM_DROPFILES message.
inline HDROP DropHandleOf(WPARAM wParam) { return reinterpret_cast<HDROP>(wParam); }
// With kDropFileCount: the number of names. Otherwise the byte length of name `index` and, when
// `name` is given, the name itself; 0 for no such name or a drop that was freed.
UINT DragQueryFile(HDROP drop, UINT index, std::string* name);
// The client point the files were dropped at; false for a drop that was freed.
bool DragQueryPoint(HDROP drop, Point* point);

// Forgets every accepting window and live drop (tests start from here).
void ResetDragDrop();

}  // namespace platform
