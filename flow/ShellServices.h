#pragma once
// What the frame's steps ask of the shell above them: the application's fonts, its trace log and
// about box, the side windows of the View menu, and the windows' places when the screens change.
// The shell installs them at start-up (InstallProgramHooks); empty, each does nothing, as without
// an application.

#include "platform/core/Message.h"

#include <functional>
#include <optional>
#include <string>

class CMainFrame;
namespace platform {
struct LogFont;
}

struct FrameShellServices {
    // The application font of the drawing with this index (0 to 14); nullptr without an application.
    std::function<const platform::LogFont*(int index)> Font;
    // Help > About: the about box, modal, with the game paused meanwhile.
    std::function<void()> ShowAbout;
    // The trace log's file when the log is written and its delete setting names this event (a bit
    // of LogDelete); nothing otherwise.
    std::function<std::optional<std::string>(int event)> LogFileToDelete;
    // After the log's file went: its text, its line count and its longest line start empty.
    std::function<void()> ForgetLogText;
    // Whether the log window is wanted open (its View flag is the application's).
    std::function<void(bool wanted)> WantLogWindow;
    // A View menu command of a side window: toggles it on the frame and answers true; false for a
    // command that is no side window's, or whose window cannot be made yet.
    std::function<bool(CMainFrame& frame, int command)> ToggleSideWindow;
    // The screens changed: every open window of the program is moved into the new work area.
    std::function<void(HWND frame, bool frameMaximised)> FollowScreenChange;

    void Reset() { *this = FrameShellServices(); }
};

extern FrameShellServices g_FrameShell;
