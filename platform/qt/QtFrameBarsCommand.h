#pragma once
// How a frame's menu bar and tool bar run a command: the person's choice is only recorded while Qt
// delivers it; from our loop the command is asked about once more and, when it may still run, sent
// to the frame as WM_COMMAND, the way a menu choice reaches a frame.

#include "platform/core/CommandState.h"
#include "platform/core/Message.h"

namespace platform {

// For Qt handlers: hands the command to our loop (through the current QtHost), which runs it with
// RunFrameCommand.
void ChooseFrameCommand(HWND frame, int id, CommandUpdater updater);

// From our loop: sends WM_COMMAND (id, notification 0) to the frame, unless the frame is gone or
// disabled (a modal dialog or message box is open) or the update function disables the command by
// now. True when it was sent.
bool RunFrameCommand(HWND frame, int id, const CommandUpdater& updater);

}  // namespace platform
