#pragma once
// The dialogs of the variant rules: the rule configuration (CConfigurationDialog) and the scoring of
// Ramsch (CRamschEvalModeDialog). Both read the settings at opening and write them at OK; the arrow
// buttons of the round numbers change them at once.

#include <array>

#include "dialogs/SettingsDialogBase.h"

class CConfigurationDialog : public CSettingsDialogBase {
public:
    static constexpr int kKontra = 1046, kRamsch = 1266, kPassOn = 1027, kGrandHand = 1200, kRevolution = 1025;
    static constexpr int kSchneider = 1045, kOuvert = 1044, kRamschStock = 1029, kNullOuvert = 1021;
    static constexpr int kHand = 1068, kExtra = 1035, kIfExtra = 1032;
    static constexpr int kBock = 1024, kRamschRounds = 1026;
    static constexpr int kBockDown = 1136, kBockUp = 1134, kRamschDown = 1137, kRamschUp = 1135;
    static constexpr int kRule = 1133;

    CConfigurationDialog();

    bool OnInitDialog() override;
    bool OnCommand(int id, unsigned code, HWND control) override;
    void OnOK() override;
    void OnStandard() override;
    void OnRule();
    // Reads a round number field (0..9999): a refused field shows "?" and beeps.
    bool ValidateNumber(int id, int* value);

private:
    void ShowChoices(const std::array<int, 5>& boxes, const std::array<int, 6>& lists, bool allRounds);
    void StepRounds(bool bock, int step);
};

class CRamschEvalModeDialog : public CSettingsDialogBase {
public:
    static constexpr int kByGamePoints = 1135, kByFixedPoints = 1140;
    static constexpr int kGame = 1022, kDurchmarsch = 1058, kPassOn = 1137, kJungfrau = 1138;
    static constexpr int kDouble = 1139, kMultiply = 1136, kAddFixed = 1141;

    CRamschEvalModeDialog();

    bool OnInitDialog() override;
    void OnOK() override;
    void OnStandard() override;
};
