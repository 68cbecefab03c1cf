#pragma once
// The dialogs of the players' settings: how boldly each seat bids (CRiskDispositionDialog), the
// delays and glide steps (CDelayDialog) and the players' names (CNameDialog).

#include <array>
#include <string>

#include "dialogs/SettingsDialogBase.h"

class CRiskDispositionDialog : public CSettingsDialogBase {
public:
    static constexpr std::array<int, 3> kLabels{1064, 1065, 1066};
    static constexpr std::array<int, 3> kGrand{1184, 1198, 1186};
    static constexpr std::array<int, 3> kSuit{1187, 1188, 1189};
    static constexpr std::array<int, 3> kSuitRisk{1178, 1179, 1180};
    static constexpr std::array<int, 3> kNull{1181, 1182, 1183};
    static constexpr int kRiskItems = 12;  // "0" to "100" and "X"

    CRiskDispositionDialog(std::string seat0Name, std::string seat1Name, std::string seat2Name);

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnStandard() override;

    // The working copies of the three suit-risk words (one risk index per suit byte).
    const std::array<int, 3>& SuitRiskWords() const { return suitRisk; }

private:
    int Selected(int id) const;
    void Select(int id, int item);
    void ShowSuitRisk(int seat);

    std::array<std::string, 3> names;
    std::array<int, 3> suitRisk{};
};

// The byte of `word` for a suit (0..3), and the word with that byte replaced.
int SuitRiskOf(int word, int suit);
int WithSuitRisk(int word, int suit, int risk);

class CDelayDialog : public CSettingsDialogBase {
public:
    static constexpr int kFieldCount = 10;
    static constexpr std::array<int, kFieldCount> kFields{1001, 1074, 1073, 1012, 1002, 1047, 1008, 1010, 1009, 1011};
    static constexpr std::array<int, kFieldCount> kDown{1278, 1137, 1138, 1139, 1140, 1146, 1147, 1148, 1149, 1150};
    static constexpr std::array<int, kFieldCount> kUp{1141, 1142, 1143, 1144, 1145, 1151, 1152, 1153, 1154, 1155};
    static constexpr std::array<int, kFieldCount> kSteps{100, 100, 100, 100, 100, 10, 10, 10, 10, 10};
    static constexpr std::array<const char*, kFieldCount> kStandard{"1000", "10000", "1000", "500", "1000",
                                                                   "100", "100", "100", "100", "100"};

    // The ten integers the dialog works on, in field order (Bid, Answer, Show, Continue, Demo, Deal,
    // Play, Order, Swap, Switch); the creator takes them over after OK and after Cancel.
    explicit CDelayDialog(std::array<int*, kFieldCount> values);

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnStandard() override;

private:
    void Step(std::size_t field, bool up);

    std::array<int*, kFieldCount> values;
};

class CNameDialog : public CSettingsDialogBase {
public:
    static constexpr int kSeat0 = 1007, kSeat1 = 1008, kSeat2 = 1006;
    static constexpr std::size_t kNameLimit = 20;  // cp1252 bytes in the files

    CNameDialog(std::string* seat0Name, std::string* seat1Name, std::string* seat2Name);

    bool OnInitDialog() override;
    void OnOK() override;

    bool Confirmed = false;

private:
    std::array<std::string*, 3> names;
};
