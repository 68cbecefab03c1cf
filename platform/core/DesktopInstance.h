#pragma once
// A file name handed over by a second instance of the program: the second instance sends the name
// to the running one and ends; the running one gets it as WM_COPYDATA to its main window, as a
// message from another process. The record's bytes are the name in double quotes followed by a
// NUL, the form the main frame's handler reads (it drops the first and the last character).
//
// The name comes from another process, so it is checked before it gets anywhere: an absolute path
// of at most kMaxHandedOverNameBytes bytes, valid UTF-8, without control characters.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/core/Message.h"

namespace platform {

constexpr std::size_t kMaxHandedOverNameBytes = 4096;
// COPYDATASTRUCT::dwData of a handed-over file name.
constexpr std::uintptr_t kHandedOverFileTag = 1;

bool IsAcceptableHandedOverName(std::string_view name);

// The WM_COPYDATA bytes of a name: '"' + name + '"' + NUL.
std::string HandedOverFileBytes(std::string_view name);

// Queues the name for `mainWindow` (WindowSystem::DeliverCopyData, no sending window): the next
// retrieval of any pump delivers it. False, and nothing queued, for an unacceptable name or no
// window.
bool DeliverHandedOverFile(HWND mainWindow, std::string_view name);

}  // namespace platform
