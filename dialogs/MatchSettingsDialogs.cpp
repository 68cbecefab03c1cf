#include "dialogs/MatchSettingsDialogs.h"

#include "dialogs/DialogServices.h"
#include "dialogs/SettingsFields.h"
#include "dialogs/SettingsIds.h"
#include "model/GameState.h"
#include "resources/FlowIds.h"
#include "model/Settings.h"
#include "platform/core/Edit.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"

namespace {

constexpr int kBierlachsQuestion = 40112;
constexpr int kStandardTexts[3] = {40501, 40502, 40503};
// The other edition's language code tells which edition this is.
bool EnglishEdition() { return platform::LoadString(IDS_OTHER_LANGUAGE) == "ge"; }

}  // namespace

std::string EditionHalf(const std::string& pair, bool english) {
    const std::size_t cut = pair.find('\n');
    if (cut == std::string::npos) return pair;
    return english ? pair.substr(cut + 1) : pair.substr(0, cut);
}

std::string WithEditionHalf(const std::string& pair, const std::string& half, bool english) {
    const std::size_t cut = pair.find('\n');
    // A text that was the same in both editions keeps the other edition's view of it.
    const std::string german = english ? (cut == std::string::npos ? pair : pair.substr(0, cut)) : half;
    const std::string other = english ? half : (cut == std::string::npos ? pair : pair.substr(cut + 1));
    return german + "\n" + other;
}

// ---------------------------------------------------------------------------------------------
// The match end.

CTerminationDialog::CTerminationDialog(bool pending, std::array<int*, 3> seatBalances)
    : CSettingsDialogBase(IDD_TERMINATION, "::/Bedienung/Serie.htm#termination"),
      extraRoundsPending(pending),
      balances(seatBalances) {}

void CTerminationDialog::EnableFields(bool rounds, bool minutes, bool credit) {
    EnableDlgItem(kRounds, rounds);
    EnableDlgItem(kMinutes, minutes);
    EnableDlgItem(kCredit, credit);
}

bool CTerminationDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    const auto& game = g_Settings.Game;
    SetDlgItemText(kRounds, std::to_string(game.MaxRounds));
    SetDlgItemText(kMinutes, std::to_string(game.MaxTime / 60));
    SetDlgItemText(kCredit, std::to_string(game.MaxCredit));
    switch (g_Game.MatchMode) {
        case 0: CheckDlgButton(kSeries, 1); EnableFields(true, false, false); break;
        case 1: CheckDlgButton(kDuration, 1); EnableFields(false, true, false); break;
        case 2: CheckDlgButton(kBierlachs, 1); EnableFields(false, false, true); break;
        case 3: CheckDlgButton(kUnlimited, 1); EnableFields(false, false, false); break;
        default: break;
    }
    return true;
}

bool CTerminationDialog::OnCommand(int id, unsigned code, HWND control) {
    switch (id) {
        case kSeries:
            EnableFields(IsDlgButtonChecked(kSeries) != 0, false, false);
            return true;
        case kDuration:
            EnableFields(false, IsDlgButtonChecked(kDuration) != 0, false);
            return true;
        case kBierlachs:
            // Bierlachs ends the match at once although extra rounds are still to come: ask first.
            if (extraRoundsPending &&
                ::MessageBox(Handle(), platform::LoadString(kBierlachsQuestion), platform::LoadString(IDS_PRODUCT_NAME),
                             platform::MB_YESNO | platform::MB_ICONQUESTION) != IDYES)
                return true;
            EnableFields(false, false, IsDlgButtonChecked(kBierlachs) != 0);
            return true;
        case kUnlimited:
            EnableFields(false, false, false);
            return true;
        default:
            return CSettingsDialogBase::OnCommand(id, code, control);
    }
}

void CTerminationDialog::OnStandard() {
    SetDlgItemText(kRounds, "12");
    SetDlgItemText(kMinutes, "30");
    SetDlgItemText(kCredit, "501");
    CheckRadioButton(kSeries, kSeries, kSeries);
    for (int id : {kDuration, kBierlachs, kUnlimited}) CheckDlgButton(id, 0);
    EnableFields(true, false, false);
}

void CTerminationDialog::OnOK() {
    // Steps 1 to 3: every field must pass, whatever the mode, before anything is stored.
    auto& game = g_Settings.Game;
    int rounds = game.MaxRounds, minutes = game.MaxTime / 60, credit = game.MaxCredit;
    bool taken = ReadUnsignedField(*this, kRounds, &rounds, kMatchRoundsRange);
    taken = ReadUnsignedField(*this, kMinutes, &minutes, kMinutesRange) && taken;
    taken = ReadUnsignedField(*this, kCredit, &credit, kCreditRange) && taken;
    if (!taken) return;
    game.MaxRounds = rounds;
    game.MaxTime = game.CountDown = 60 * minutes;
    for (int* balance : balances)
        if (balance) *balance += credit - game.MaxCredit;
    game.MaxCredit = credit;
    // Step 4: the mode by the checked radio.
    g_DialogFrame.SetMatchMode(IsDlgButtonChecked(kSeries)      ? 0
                               : IsDlgButtonChecked(kDuration)  ? 1
                               : IsDlgButtonChecked(kBierlachs) ? 2
                                                                : 3);
    // Step 5: the dialog closes and the frame shows the start view.
    CSettingsDialogBase::OnOK();
    SendFrameCommand(CM_START_VIEW);
}

// ---------------------------------------------------------------------------------------------
// The trace log.

CLoggingDialog::CLoggingDialog() : CSettingsDialogBase(IDD_LOGGING, "::/Bedienung/Serie.htm#logging") {}

bool CLoggingDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    LogSettings logs;
    if (!g_DialogFrame.ReadLogSettings(logs)) return true;
    CheckDlgButton(logs.log ? kLogOn : kLogOff, 1);
    const int mode = logs.deleteMode >= 0 && logs.deleteMode <= 3 ? logs.deleteMode : 3;
    CheckDlgButton(kDelete[static_cast<std::size_t>(mode)], 1);
    for (std::size_t row = 0; row < 4; ++row) {
        CheckDlgButton(kNormal[row], (logs.level >> row) & 1);
        CheckDlgButton(kAdvanced[row], (logs.advanced >> row) & 1);
    }
    CheckDlgButton(kDisplay, logs.list ? 1 : 0);
    return true;
}

bool CLoggingDialog::OnCommand(int id, unsigned code, HWND control) {
    // A row is traced normally or in detail, not both.
    for (std::size_t row = 0; row < 4; ++row) {
        if (id == kNormal[row] && IsDlgButtonChecked(id)) CheckDlgButton(kAdvanced[row], 0);
        if (id == kAdvanced[row] && IsDlgButtonChecked(id)) CheckDlgButton(kNormal[row], 0);
        if (id == kNormal[row] || id == kAdvanced[row]) return true;
    }
    return CSettingsDialogBase::OnCommand(id, code, control);
}

void CLoggingDialog::OnStandard() {
    CheckDlgButton(kLogOn, 0);
    CheckDlgButton(kLogOff, 1);
    for (std::size_t mode = 0; mode < 4; ++mode) CheckDlgButton(kDelete[mode], mode == 3 ? 1 : 0);
    for (std::size_t row = 0; row < 4; ++row) {
        CheckDlgButton(kNormal[row], 1);
        CheckDlgButton(kAdvanced[row], 0);
    }
}

void CLoggingDialog::OnOK() {
    int level = 0, advanced = 0;
    for (std::size_t row = 0; row < 4; ++row) {
        if (IsDlgButtonChecked(kNormal[row])) level |= 1 << row;
        if (IsDlgButtonChecked(kAdvanced[row])) advanced |= 1 << row;
    }
    const int log = IsDlgButtonChecked(kLogOn) ? 1 : 0;
    const int deleteMode = IsDlgButtonChecked(kDelete[0]) ? 0 : IsDlgButtonChecked(kDelete[1]) ? 1 : IsDlgButtonChecked(kDelete[2]) ? 2 : 3;
    const int display = IsDlgButtonChecked(kDisplay) ? 1 : 0;
    g_DialogFrame.TakeLogSettings({log, deleteMode, level, advanced, display});
    WriteProfileInt("View", "Log", log);
    WriteProfileInt("View", "LogDelete", deleteMode);
    WriteProfileInt("View", "LogLevel", level);
    WriteProfileInt("View", "LogLevelV", advanced);
    WriteProfileInt("View", "LogList", display);
    PostFrameCommand(CM_LOG_WINDOW);
    CSettingsDialogBase::OnOK();
}

// ---------------------------------------------------------------------------------------------
// The general settings.

CSettingsDialog::CSettingsDialog() : CSettingsDialogBase(IDD_SETTINGS, "::/Bedienung/Einstellungen.htm") {}

namespace {

struct BoxSetting {
    int id;
    int CSettings::SettingsSection::*setting;
};
constexpr BoxSetting kBoxes[] = {
    {CSettingsDialog::kAnnotate, &CSettings::SettingsSection::Annotate},
    {CSettingsDialog::kDeal, &CSettings::SettingsSection::Deal},
    {CSettingsDialog::kZoom, &CSettings::SettingsSection::Zoom},
    {CSettingsDialog::kLast, &CSettings::SettingsSection::Last},
    {CSettingsDialog::kSafe, &CSettings::SettingsSection::Safe},
    {CSettingsDialog::kAbandon, &CSettings::SettingsSection::Abandon},
    {CSettingsDialog::kScore, &CSettings::SettingsSection::Score},
    {CSettingsDialog::kRule, &CSettings::SettingsSection::Rule},
    {CSettingsDialog::kSuggest, &CSettings::SettingsSection::Suggest},
};

}  // namespace

bool CSettingsDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    Changed = 0;
    const std::pair<int, std::size_t> limits[] = {{kListTitle, kListTitleLimit}, {kSubtitle, kSubtitleLimit}, {kStoreTitle, kStoreTitleLimit}};
    for (auto [id, limit] : limits)
        if (auto* edit = GetControlAs<platform::Edit>(id)) edit->SetLimit(limit);
    SetDlgItemText(kListTitle, ListTitle);
    SetDlgItemText(kSubtitle, Subtitle);
    SetDlgItemText(kStoreTitle, StoreTitle);
    CheckDlgButton(kListTitleShowsMatch, TitleFlags & 1);
    CheckDlgButton(kSubtitleShowsVariant, (TitleFlags >> 1) & 1);
    CheckDlgButton(Counting == 1 ? kByGame : kByRound, 1);
    CheckDlgButton(Calculation == 2 ? kBoth : Calculation == 1 ? kGamePoints : kWeighted, 1);
    for (const BoxSetting& box : kBoxes) CheckDlgButton(box.id, g_Settings.Settings.*box.setting ? 1 : 0);
    CheckDlgButton(kBalloon, Balloon ? 1 : 0);
    return true;
}

void CSettingsDialog::OnStandard() {
    const bool english = EnglishEdition();
    const int fields[3] = {kListTitle, kSubtitle, kStoreTitle};
    for (int i = 0; i < 3; ++i) SetDlgItemText(fields[i], EditionHalf(platform::LoadString(kStandardTexts[i]), english));
    if (auto* edit = GetControlAs<platform::Edit>(kListTitle)) edit->SetModified(true);
    CheckDlgButton(kListTitleShowsMatch, 1);
    CheckDlgButton(kSubtitleShowsVariant, 1);
    CheckDlgButton(kByGame, 1);
    CheckDlgButton(kByRound, 0);
    CheckDlgButton(kGamePoints, 1);
    CheckDlgButton(kWeighted, 0);
    CheckDlgButton(kBoth, 0);
    const std::pair<int, int> standard[] = {{kAnnotate, 1}, {kDeal, 0},    {kZoom, 1},  {kLast, 1},   {kSafe, 1},
                                            {kAbandon, 1},  {kBalloon, 1}, {kScore, 0}, {kRule, 0},   {kSuggest, 0}};
    for (auto [id, check] : standard) CheckDlgButton(id, check);
}

void CSettingsDialog::OnOK() {
    // What the person sees is what the files keep.
    const std::pair<int, std::size_t> texts[] = {{kListTitle, kListTitleLimit}, {kSubtitle, kSubtitleLimit}, {kStoreTitle, kStoreTitleLimit}};
    for (auto [id, limit] : texts)
        if (!CheckTextField(*this, id, limit, true)) return;
    // Step 1: the score setting as it was, to see below whether it changed.
    const int score = g_Settings.Settings.Score;
    // Step 2: the title flags, the counting and the calculation as checked.
    const int flags = (IsDlgButtonChecked(kSubtitleShowsVariant) ? 2 : 0) + (IsDlgButtonChecked(kListTitleShowsMatch) ? 1 : 0);
    const int counting = IsDlgButtonChecked(kByGame) ? 1 : 0;
    const int calculation = IsDlgButtonChecked(kBoth) ? 2 : IsDlgButtonChecked(kGamePoints) ? 1 : 0;
    // Step 3: changed when a title was edited or a choice differs; the new choices kept.
    bool modified = false;
    for (int id : {kListTitle, kStoreTitle, kSubtitle})
        if (const auto* edit = GetControlAs<platform::Edit>(id); edit && edit->IsModified()) modified = true;
    Changed = modified || flags != TitleFlags || counting != Counting || calculation != Calculation ? 1 : 0;
    TitleFlags = flags;
    Counting = counting;
    Calculation = calculation;
    // Step 4: the check boxes into the settings.
    for (const BoxSetting& box : kBoxes) g_Settings.Settings.*box.setting = IsDlgButtonChecked(box.id) ? 1 : 0;
    Balloon = IsDlgButtonChecked(kBalloon) ? 1 : 0;
    // Step 5: the texts into the members.
    ListTitle = GetDlgItemText(kListTitle);
    Subtitle = GetDlgItemText(kSubtitle);
    StoreTitle = GetDlgItemText(kStoreTitle);
    CSettingsDialogBase::OnOK();
    // Step 6: a changed score setting draws the main window anew.
    if (g_Settings.Settings.Score != score) {
        if (HWND main = platform::Dialog::DefaultOwner()) ::RedrawWindow(main, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

// ---------------------------------------------------------------------------------------------
// The export confirmation.

CSaveInitValuesDialog::CSaveInitValuesDialog() : CSettingsDialogBase(IDD_SAVE_INIT_VALUES, "::/Bedienung/Serie.htm#initialization") {}

bool CSaveInitValuesDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    Confirmed = 0;
    return true;
}

void CSaveInitValuesDialog::OnOK() {
    Confirmed = 1;
    CSettingsDialogBase::OnOK();
}
