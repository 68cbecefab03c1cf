// The language menu: hands the table over to the other edition of the program.

#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"
#include "flow/MatchFiles.h"
#include "flow/TableState.h"
#include "match/Profile.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/FileIo.h"
#include "platform/core/MessageBox.h"
#include "platform/core/RegistryFile.h"
#include "platform/core/Resources.h"
#include "platform/core/ShellRequests.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"

#include <cerrno>
#include <string>

namespace {

// A desktop entry is a few hundred bytes; anything far larger at its path is no shortcut of ours.
constexpr std::size_t kMaxShortcutBytes = 1 << 20;

// Copies one shortcut over its target. Only a source that exists and a target folder that is set
// take part (an installation may lay down no shortcuts at all); a failed copy of an existing source
// is shown and the switch goes on.
void CopyShortcut(HWND owner, const std::string& source, const std::string& targetFolder, const std::string& target) {
    if (targetFolder.empty() || !platform::FileExists(source)) return;
    const std::string targetPath = targetFolder + target;
    const platform::FileContent content = platform::ReadRegularFile(source, kMaxShortcutBytes);
    platform::FileStatus written;
    if (!content.ok || content.tooLarge) {
        written = platform::FileStatus{false, content.error.empty() ? "not a shortcut" : content.error};
    } else {
        written = platform::WriteFileAtomic(targetPath, content.bytes);
    }
    if (written.ok) return;
    const std::string details = written.error + "\n'" + source + "'\n'" + targetPath + "'";
    ::MessageBox(owner, platform::LoadString(IDS_COPY_FAILED), {"OnLanguage", details},
                 platform::LoadString(IDS_PRODUCT_NAME), platform::MB_OK | platform::MB_ICONEXCLAMATION);
}

}  // namespace

void CMainFrame::OnLanguage() {
    // Step 1: the other edition and the product name.
    const std::string other = platform::LoadString(IDS_OTHER_LANGUAGE);
    const std::string product = platform::LoadString(IDS_PRODUCT_NAME);
    const platform::Edition otherEdition = other == "ge" ? platform::Edition::German : platform::Edition::English;
    WriteTrace(":OnLanguage(" + other + ")", LOG_MAINFRAME);

    // Step 2: a game under way is given up only when the person agrees, before anything starts;
    // No leaves both the game and the edition as they are.
    const int pause = SetPause(0);
    if (CloseNeedsQuestion() && !Run().CloseConfirmed) {
        if (::MessageBox(Handle(), platform::LoadString(IDS_QUERY_EXIT), Texts().FrameTitle,
                         platform::MB_YESNO | platform::MB_ICONQUESTION) != IDYES) {
            SetPause(pause);
            return;
        }
    }

    // Step 3: everything the other edition reads at its start is written first: the settings
    // (both editions share them) down to their file, the match list, the stored deals, the
    // statistics and the temporary game. Otherwise it would start from stale files, and this
    // edition's later saving would overwrite the games played there.
    KeepMainRect();
    g_Profile.RectMain.Left = Table().MainRect.left;
    g_Profile.RectMain.Top = Table().MainRect.top;
    g_Profile.RectMain.Right = Table().MainRect.right;
    g_Profile.RectMain.Bottom = Table().MainRect.bottom;
    g_Profile.RectMain.Stored = Table().MainRect.right != 0 ? 1 : 0;
    ForgetClosedHelp();
    WriteProfileInt("Help", "Topic", g_Profile.HelpTopic);
    WriteProfile();
    (void)platform::SaveCurrentUserRegistry();
    MatchFiles().SaveRunningMatch();
    MatchFiles().SaveStatistics(Files().StatisticsPath);
    MatchFiles().KeepReadGame();

    // Step 4: start the other edition's program; when it cannot start, nothing else changes. It
    // waits for this one to close before it reads any file: one program writes them at a time.
    const std::string program = g_Profile.Inst + "kartovan-" + other;
    const platform::ShellResult started =
        platform::StartEdition(otherEdition, {std::string(platform::kLanguageSwitchArgument)});
    if (!started.done) {
        WriteTrace(":OnLanguage(" + started.error + ")", LOG_MAINFRAME);
        ::MessageBox(Handle(), platform::LoadString(IDS_LANGUAGE_FAILED), {program}, product,
                     platform::MB_OK | platform::MB_ICONEXCLAMATION);
        SetPause(pause);
        return;
    }

    // Step 5: the person's shortcuts start the other edition from now on.
    const std::string programShortcut = g_Profile.Work + "kartovan-" + other + ".desktop";
    CopyShortcut(Handle(), programShortcut, g_Profile.Desk, product + ".desktop");
    CopyShortcut(Handle(), programShortcut, g_Profile.Start, "Skat.desktop");
    CopyShortcut(Handle(), g_Profile.Work + "readme-" + other + ".desktop", g_Profile.Start, "Readme.desktop");

    // Step 6: so do the desktop's registrations of the program and its files.
    MatchFiles().RegisterFileType(0, "Applications\\skat.exe\\shell\\open\\command", other);
    MatchFiles().RegisterFileType(1, "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\skat.exe", other);
    MatchFiles().RegisterFileType(2, "Software\\Classes\\skm_auto_file\\shell\\open\\command", other);
    MatchFiles().RegisterFileType(2, "Software\\Classes\\skt_auto_file\\shell\\open\\command", other);

    // Step 7: this edition closes; the person has already agreed to give up a game under way.
    SetPause(pause);
    run_.CloseConfirmed = 1;
    OnClose();
}
