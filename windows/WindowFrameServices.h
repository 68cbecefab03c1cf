#pragma once
// What the side windows ask of the main frame and the shell: the players' names, the match list's
// file name and the soloists' tally for the sheets, the focus given back to the table, the frame's
// steps the windows' buttons and clicks start, and the work area a window is kept inside. The shell
// installs the record at start-up and connects the frame's own while the frame's table lives; the
// defaults answer as if there were no frame, so that a window works on its own.

#include "platform/core/WindowGeometry.h"

#include <array>
#include <functional>
#include <string>

class CPlayer;

struct SideWindowFrameServices {
    // CMainFrame::GetPlayerName (seat). Default: no name.
    std::function<std::string(int seat)> GetPlayerName = [](int) { return std::string(); };
    // CMainFrame::UserFileName: the stem of the match list's file, empty while it has none.
    std::function<std::string()> UserFileName = [] { return std::string(); };
    // The games the seat won and lost as soloist in this series (the frame's series record).
    // Default: none.
    std::function<int(int seat)> SoloistWon = [](int) { return 0; };
    std::function<int(int seat)> SoloistLost = [](int) { return 0; };
    // Gives the keyboard focus back to the main frame, after a window's scroll bars changed.
    std::function<void()> FocusFrame = [] {};
    // The card statistics' test deal: one random deal latched into the test table and counted.
    std::function<void()> DealStatisticsTest = [] {};
    // CFramePanels::RouteSideWindowClose (toggle command): true when the frame's toggle closed the
    // window. Default: false, the window closes itself.
    std::function<bool(int command)> RouteSideWindowClose = [](int) { return false; };
    // CMainFrame::LoadFromStore (numbering mode, deal): the stored deal clicked in the store window
    // is dealt again.
    std::function<void(int numberingMode, const std::array<int, 40>& deal)> LoadFromStore =
        [](int, const std::array<int, 40>&) {};
    // The player of the frame's game at the seat, whom the trick estimation window shows. Default:
    // none.
    std::function<const CPlayer*(int seat)> GamePlayer = [](int) { return static_cast<const CPlayer*>(nullptr); };
    // CFramePanels::LockFlag (which, mode) and CCardExchange::CheckCheat (code, argument): the lock on
    // an opponent's data and the mark that the game saw it. Default: unlocked, unmarked.
    std::function<bool(int which, int mode)> LockFlag = [](int, int) { return false; };
    std::function<void(int code, int argument)> CheckCheat = [](int, int) {};
    // CFramePanels::SelectEstimatedGame: true when a frame took the request. Default: false.
    std::function<bool()> SelectEstimatedGame = [] { return false; };
    // Sends a command to the main frame window; its handler runs inside the call.
    std::function<void(int command)> SendCommand = [](int) {};
    // CMainFrame::DeleteFile (path) without asking: the log window's right click deletes the log.
    // Default: the file stays.
    std::function<void(const std::string& path)> DeleteFileUnasked = [](const std::string&) {};
    // The rectangle moved (and shrunk where it must be) into the desktop's work area. Default: as
    // it is.
    std::function<platform::Rect(const platform::Rect&)> KeptInWorkArea = [](const platform::Rect& rect) {
        return rect;
    };
};

extern SideWindowFrameServices g_SideWindowFrame;
