// Options > Settings and the two renames: the general settings of the match list, the stored deals
// and the table, and the names of the current game and match files.
#include "dialogs/AnnotationDialog.h"
#include "dialogs/MatchSettingsDialogs.h"
#include "dialogs/RenameDialog.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameSettings.h"
#include "flow/MatchFiles.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "match/StoreRows.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Beep.h"
#include "platform/core/Codepage.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

namespace {

// The running edition edits the English half of a stored pair.
bool EnglishHalf() { return platform::LoadString(IDS_OTHER_LANGUAGE) == "ge"; }

// The subtitle's four pieces (20, 11, 11, 11 bytes) hold one text: a full piece runs on into the
// next, a NUL ends it, so at most 52 bytes are kept.
constexpr int kSubtitlePieces[4][2] = {{LIST_SUBTITLE_1, 20},
                                       {LIST_SUBTITLE_2, 11},
                                       {LIST_SUBTITLE_2 + kListSeatStride, 11},
                                       {LIST_SUBTITLE_2 + 2 * kListSeatStride, 11}};
constexpr std::size_t kSubtitleBytes = 52;

void WriteSubtitle(ListHeader& header, std::string bytes) {
    if (bytes.size() > kSubtitleBytes) bytes.resize(kSubtitleBytes);
    std::size_t at = 0;
    for (const auto& piece : kSubtitlePieces) {
        for (int i = 0; i < piece[1]; ++i, ++at)
            header.Bytes[static_cast<std::size_t>(piece[0] + i)] = at < bytes.size() ? static_cast<std::uint8_t>(bytes[at]) : 0;
    }
}

}  // namespace

void CFrameSettings::OnSettings() {
    ListHeader& header = g_GameList.Header;
    const bool english = EnglishHalf();
    // 1. The stored pairs, each shown in the running edition's half.
    const std::string listPair = platform::Cp1252ToUtf8(header.Text(LIST_TITLE, 56));
    const std::string subtitlePair = platform::Cp1252ToUtf8(header.Subtitle());
    const std::string storePair = platform::Cp1252ToUtf8(g_StoreRows.Title());
    CSettingsDialog dialog;
    dialog.ListTitle = EditionHalf(listPair, english);
    dialog.Subtitle = EditionHalf(subtitlePair, english);
    dialog.StoreTitle = EditionHalf(storePair, english);
    dialog.TitleFlags = header.Int(LIST_TITLE_OPTIONS);
    dialog.Counting = header.Int(LIST_COUNTING);
    dialog.Calculation = header.Int(LIST_SETTLEMENT);
    dialog.Balloon = g_Settings.Settings.Balloon;
    // 2. The dialog with the game paused.
    const int previous = frame_.SetPause(0);
    const int result = dialog.DoModal();
    frame_.SetPause(previous);
    if (result != IDOK) return;
    // 3. The edited halves joined back with the other edition's and stored.
    header.SetText(LIST_TITLE, 56, platform::Utf8ToCp1252(WithEditionHalf(listPair, dialog.ListTitle, english)));
    WriteSubtitle(header, platform::Utf8ToCp1252(WithEditionHalf(subtitlePair, dialog.Subtitle, english)));
    g_StoreRows.SetTitle(platform::Utf8ToCp1252(WithEditionHalf(storePair, dialog.StoreTitle, english)));
    // 4. The options: the list's words, and the counting the stored deals number by as well.
    header.SetInt(LIST_TITLE_OPTIONS, dialog.TitleFlags);
    header.SetInt(LIST_COUNTING, dialog.Counting);
    header.SetInt(LIST_SETTLEMENT, dialog.Calculation);
    g_StoreRows.SetDealWord(1, DEAL_NUMBERING, dialog.Counting);
    g_Settings.Settings.Balloon = dialog.Balloon != 0 ? 1 : 0;
    // 5. What shows them follows.
    if (!dialog.Changed) return;
    frame_.ShowMatchState();
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.RefreshListWindows();
}

void CFrameSettings::OnRenameGame() {
    const std::string oldTitle = g_Profile.SktName;
    // A name is taken only when it can be the game file's name in its folder.
    CRenameDialog dialog(0, g_Profile.SktName, frame_.GameObject().CourseRow(0).count == 10,
                         [this](int kind, std::string& name) {
                             if (frame_.MatchFiles().TakeNewName(kind, name)) return true;
                             ::MessageBeep();
                             return false;
                         });
    const int previous = frame_.SetPause(0);
    const int result = dialog.DoModal();
    frame_.SetPause(previous);
    if (result != IDOK) return;
    // The open note names its game anew.
    if (HWND panel = frame_.FramePanels().PanelWindow(CM_CLOSE_ANNOTATION); panel && g_Profile.SktName != oldTitle) {
        const platform::Window* window = ::WindowFromHandle(panel);
        std::string caption = window ? window->Title() : std::string();
        const std::size_t colon = caption.find(": ");
        caption = (colon == std::string::npos ? caption : caption.substr(0, colon + 2)) + g_Profile.SktName;
        ::SetWindowText(panel, caption);
    }
}

void CFrameSettings::OnRenameSeries() {
    CRenameDialog dialog(1, g_Profile.SkmName, false, [this](int kind, std::string& name) {
        if (frame_.MatchFiles().TakeNewName(kind, name)) return true;
        ::MessageBeep();
        return false;
    });
    const int previous = frame_.SetPause(0);
    const int result = dialog.DoModal();
    frame_.SetPause(previous);
    if (result == IDOK) frame_.RefreshListWindows();
}
