#pragma once
// The dialogs of how a match is run and recorded: its end condition (CTerminationDialog), the trace
// log (CLoggingDialog), the general settings of the lists and the table (CSettingsDialog) and the
// confirmation before the settings are exported (CSaveInitValuesDialog).

#include <array>
#include <cstdint>
#include <string>

#include "dialogs/SettingsDialogBase.h"

class CTerminationDialog : public CSettingsDialogBase {
public:
    static constexpr int kSeries = 1040, kDuration = 1009, kBierlachs = 1049, kUnlimited = 1051;
    static constexpr int kRounds = 1050, kMinutes = 1010, kCredit = 1011;

    // `extraRoundsPending`: switching to Bierlachs asks first. `balances`: the seats' Bierlachs
    // balances a raised credit raises too (null entries are skipped).
    CTerminationDialog(bool extraRoundsPending, std::array<int*, 3> balances = {});

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnStandard() override;

private:
    void EnableFields(bool rounds, bool minutes, bool credit);

    bool extraRoundsPending;
    std::array<int*, 3> balances;
};

class CLoggingDialog : public CSettingsDialogBase {
public:
    static constexpr int kLogOn = 1280, kLogOff = 1279;
    static constexpr std::array<int, 4> kDelete{1285, 1283, 1284, 1289};  // never, new game, new match, both
    static constexpr std::array<int, 4> kNormal{1281, 1282, 1022, 1014};  // view, frame, game, player
    static constexpr std::array<int, 4> kAdvanced{1286, 1287, 1023, 1288};
    static constexpr int kDisplay = 1010;

    CLoggingDialog();

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnStandard() override;
};

class CSettingsDialog : public CSettingsDialogBase {
public:
    static constexpr int kListTitleShowsMatch = 1076, kListTitle = 1008;
    static constexpr int kSubtitleShowsVariant = 1077, kSubtitle = 1009, kStoreTitle = 1010;
    static constexpr int kByGame = 1022, kByRound = 1068;
    static constexpr int kGamePoints = 1011, kWeighted = 1023, kBoth = 1024;
    static constexpr int kAnnotate = 1075, kDeal = 1047, kZoom = 1052, kLast = 1049, kSafe = 1048;
    static constexpr int kAbandon = 1051, kBalloon = 1050, kScore = 1134, kRule = 1133, kSuggest = 1184;
    static constexpr std::size_t kListTitleLimit = 27, kSubtitleLimit = 25, kStoreTitleLimit = 25;

    CSettingsDialog();

    bool OnInitDialog() override;
    void OnOK() override;
    void OnStandard() override;

    // What the creator fills before and reads after the dialog.
    std::string ListTitle, Subtitle, StoreTitle;
    int TitleFlags = 0;   // bit 0: the list title shows the match name; bit 1: the subtitle the variant
    int Counting = 1;     // 1 by game, 0 by round
    int Calculation = 0;  // 0 weighted, 1 game points, 2 both
    int Balloon = 1;
    std::uint8_t Changed = 0;
};

class CSaveInitValuesDialog : public CSettingsDialogBase {
public:
    CSaveInitValuesDialog();
    bool OnInitDialog() override;
    void OnOK() override;

    std::uint8_t Confirmed = 0;
};

// The edition's half of a stored "German\nEnglish" text (a text without a line break is the same in
// both), and the pair with this edition's half replaced.
std::string EditionHalf(const std::string& pair, bool english);
std::string WithEditionHalf(const std::string& pair, const std::string& half, bool english);
