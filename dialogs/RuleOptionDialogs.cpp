#include "dialogs/RuleOptionDialogs.h"

#include "dialogs/DialogServices.h"
#include "dialogs/RtfControls.h"
#include "dialogs/SettingsFields.h"
#include "dialogs/SettingsIds.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Rounds.h"
#include "model/Settings.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/ListBox.h"
#include "platform/core/Resources.h"

namespace {

constexpr std::array<int, 5> kBoxes{CConfigurationDialog::kKontra, CConfigurationDialog::kRamsch,
                                    CConfigurationDialog::kPassOn, CConfigurationDialog::kGrandHand,
                                    CConfigurationDialog::kRevolution};
constexpr std::array<int, 6> kLists{CConfigurationDialog::kSchneider, CConfigurationDialog::kOuvert,
                                    CConfigurationDialog::kRamschStock, CConfigurationDialog::kNullOuvert,
                                    CConfigurationDialog::kHand, CConfigurationDialog::kExtra};
// The items of the drop lists: the edition's texts, by list.
constexpr int kItemCounts[6] = {2, 4, 2, 2, 2, 4};
constexpr const char* kItems[2][6][4] = {
    {{"auch ohne Handspiel möglich", "nach Skat-Regel"},
     {"nicht möglich", "kein Zwang zu Schwarz", "kein Zwang zu Hand und Schwarz", "nach Skat-Regel"},
     {"meiste Augen", "letzter Stich"},
     {"offen", "verdeckt"},
     {"einfach", "doppelt"},
     {"normal weiterspielen", "Bockrunde (3 Bock)", "Ramschrunde (3 Ramsch)", "Bock- und Ramschrunde"}},
    {{"also possible without hand game", "by skat-rule"},
     {"not possible", "Schwarz not forced", "Hand and Schwarz not forced", "by skat-rule"},
     {"most card points", "last trick"},
     {"face up", "face down"},
     {"simply", "twice"},
     {"continue normal", "Bock round (3 Bock)", "Ramsch round (3 Ramsch)", "Bock and Ramsch round"}},
};
constexpr int kIfExtraItems = 6;
constexpr int kIfExtraStrings = 42001;

int Edition() {
    const platform::ResourceSet* resources = platform::CurrentResources();
    return resources && std::string(resources->language) == "en" ? 1 : 0;
}

int* BoxSetting(int index) {
    auto& v = g_Settings.Variants;
    int* settings[5] = {&v.Kontra, &v.Ramsch, &v.PassOn, &v.GrandHand, &v.Revolution};
    return settings[index];
}

int* ListSetting(int index) {
    auto& v = g_Settings.Variants;
    int* settings[6] = {&v.Schneider, &v.Ouvert, &v.RamschStock, &v.NullOuvert, &v.Hand, &v.Extra};
    return settings[index];
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// The rule configuration.

CConfigurationDialog::CConfigurationDialog() : CSettingsDialogBase(IDD_CONFIGURATION, "::/Bedienung/Konfiguration.htm#back") {}

bool CConfigurationDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    SetArrowPictures(std::array<int, 2>{kBockDown, kRamschDown}, std::array<int, 2>{kBockUp, kRamschUp});
    // The drop lists and the list of the extra-round causes, in the edition's words.
    const int edition = Edition();
    for (std::size_t list = 0; list < kLists.size(); ++list) {
        if (auto* combo = GetControlAs<platform::ComboBox>(kLists[list])) {
            for (int item = 0; item < kItemCounts[list]; ++item) combo->Items().Add(kItems[edition][list][item]);
        }
    }
    if (auto* causes = GetControlAs<platform::ListBox>(kIfExtra)) {
        for (int item = 0; item < kIfExtraItems; ++item)
            causes->Items().Add(StripRtfControls(platform::LoadString(kIfExtraStrings + item)));
    }
    // The settings as they stand.
    for (std::size_t box = 0; box < kBoxes.size(); ++box)
        CheckDlgButton(kBoxes[box], *BoxSetting(static_cast<int>(box)) ? 1 : 0);
    for (std::size_t list = 0; list < kLists.size(); ++list) {
        if (auto* combo = GetControlAs<platform::ComboBox>(kLists[list])) {
            // A stored value the list does not hold selects its first item.
            const int value = *ListSetting(static_cast<int>(list));
            combo->Items().Select(combo->Items().Valid(value) ? value : 0);
        }
    }
    if (auto* causes = GetControlAs<platform::ListBox>(kIfExtra)) {
        for (int item = 0; item < kIfExtraItems; ++item) causes->SetSel(item, (g_Settings.Variants.IfExtra >> item) & 1);
    }
    SetDlgItemText(kBock, std::to_string(g_Game.BockRounds));
    SetDlgItemText(kRamschRounds, std::to_string(g_Game.RamschRounds));
    return true;
}

void CConfigurationDialog::ShowChoices(const std::array<int, 5>& boxes, const std::array<int, 6>& lists, bool allRounds) {
    for (std::size_t box = 0; box < kBoxes.size(); ++box) CheckDlgButton(kBoxes[box], boxes[box]);
    for (std::size_t list = 0; list < kLists.size(); ++list) {
        if (auto* combo = GetControlAs<platform::ComboBox>(kLists[list])) combo->Items().Select(lists[list]);
    }
    if (auto* causes = GetControlAs<platform::ListBox>(kIfExtra)) causes->SetSel(-1, allRounds);
}

void CConfigurationDialog::OnRule() { ShowChoices({0, 0, 0, 0, 0}, {1, 3, 0, 0, 1, 0}, false); }

void CConfigurationDialog::OnStandard() { ShowChoices({1, 1, 1, 1, 1}, {0, 2, 0, 0, 1, 3}, true); }

bool CConfigurationDialog::ValidateNumber(int id, int* value) { return ReadUnsignedField(*this, id, value, kRoundsRange); }

void CConfigurationDialog::StepRounds(bool bock, int step) {
    // The setting itself moves, at once; the field only shows it.
    int bockRounds = g_Game.BockRounds;
    int ramschRounds = g_Game.RamschRounds;
    int& rounds = bock ? bockRounds : ramschRounds;
    if (!StepNumber(rounds, step, kRoundsRange)) return;
    SetRoundLimits(bockRounds, ramschRounds);
    SetDlgItemText(bock ? kBock : kRamschRounds, std::to_string(rounds));
}

bool CConfigurationDialog::OnCommand(int id, unsigned code, HWND control) {
    switch (id) {
        case kBockDown: StepRounds(true, -1); return true;
        case kBockUp: StepRounds(true, 1); return true;
        case kRamschDown: StepRounds(false, -1); return true;
        case kRamschUp: StepRounds(false, 1); return true;
        case kRule: OnRule(); return true;
        default: return CSettingsDialogBase::OnCommand(id, code, control);
    }
}

void CConfigurationDialog::OnOK() {
    // Step 1: both round numbers must pass before anything is stored.
    int bockRounds = g_Game.BockRounds;
    int ramschRounds = g_Game.RamschRounds;
    const bool bockTaken = ValidateNumber(kBock, &bockRounds);
    const bool ramschTaken = ValidateNumber(kRamschRounds, &ramschRounds);
    if (!bockTaken || !ramschTaken) return;
    // Step 2: the check boxes.
    for (std::size_t box = 0; box < kBoxes.size(); ++box)
        *BoxSetting(static_cast<int>(box)) = IsDlgButtonChecked(kBoxes[box]) ? 1 : 0;
    // Step 3: the drop lists.
    auto selected = [this](int id) {
        const auto* combo = GetControlAs<platform::ComboBox>(id);
        return combo ? combo->Items().Selection() : -1;
    };
    auto& v = g_Settings.Variants;
    v.Schneider = selected(kSchneider) > 0 ? 1 : 0;
    v.RamschStock = selected(kRamschStock) > 0 ? 1 : 0;
    v.NullOuvert = selected(kNullOuvert) > 0 ? 1 : 0;
    v.Hand = selected(kHand) > 0 ? 1 : 0;
    const int ouvert = selected(kOuvert);
    v.Ouvert = ouvert >= 0 && ouvert <= 2 ? ouvert : 3;
    const int extra = selected(kExtra);
    v.Extra = extra >= 1 && extra <= 3 ? extra : 0;
    // Step 4: the causes of extra rounds, one bit per item.
    int causes = 0;
    if (const auto* list = GetControlAs<platform::ListBox>(kIfExtra)) {
        for (int item = 0; item < kIfExtraItems; ++item)
            if (list->IsSelected(item)) causes |= 1 << item;
    }
    v.IfExtra = causes;
    // Step 5: the round limits, then the status bar's variant text.
    SetRoundLimits(bockRounds, ramschRounds);
    PostFrameCommand(CM_CONFIGURATION_CHANGED);
    CSettingsDialogBase::OnOK();
}

// ---------------------------------------------------------------------------------------------
// The scoring of Ramsch.

CRamschEvalModeDialog::CRamschEvalModeDialog() : CSettingsDialogBase(IDD_RAMSCH_EVAL_MODE, "::/Bedienung/RamschWertung.htm") {}

bool CRamschEvalModeDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    const auto& r = g_Settings.Ramsch;
    CheckDlgButton(kByGamePoints, r.EvalMode != 0 ? 0 : 1);
    CheckDlgButton(kByFixedPoints, r.EvalMode != 0 ? 1 : 0);
    const int scale = r.Scale == 1 ? kMultiply : r.Scale == 2 ? kAddFixed : kDouble;
    for (int id : {kDouble, kMultiply, kAddFixed}) CheckDlgButton(id, id == scale ? 1 : 0);
    SetDlgItemText(kGame, std::to_string(r.Game));
    SetDlgItemText(kDurchmarsch, std::to_string(r.Durchmarsch));
    SetDlgItemText(kPassOn, std::to_string(r.PassOn));
    SetDlgItemText(kJungfrau, std::to_string(r.Jungfrau));
    return true;
}

void CRamschEvalModeDialog::OnStandard() {
    CheckDlgButton(kByGamePoints, 1);
    CheckDlgButton(kByFixedPoints, 0);
    CheckDlgButton(kDouble, 1);
    CheckDlgButton(kMultiply, 0);
    CheckDlgButton(kAddFixed, 0);
    for (int id : {kGame, kDurchmarsch, kPassOn, kJungfrau}) SetDlgItemText(id, "50");
}

void CRamschEvalModeDialog::OnOK() {
    // Step 1: every field must pass; a refused one shows "?" where it stands.
    auto& r = g_Settings.Ramsch;
    int game = r.Game, passOn = r.PassOn, jungfrau = r.Jungfrau, durchmarsch = r.Durchmarsch;
    bool taken = true;
    for (auto [id, value] : {std::pair{kGame, &game}, std::pair{kPassOn, &passOn}, std::pair{kJungfrau, &jungfrau},
                             std::pair{kDurchmarsch, &durchmarsch}}) {
        if (!ReadUnsignedField(*this, id, value, kRamschPointsRange)) taken = false;
    }
    if (!taken) return;
    // Step 2: all of it at once.
    r.EvalMode = IsDlgButtonChecked(kByFixedPoints) ? 1 : 0;
    r.Scale = IsDlgButtonChecked(kDouble) ? 0 : IsDlgButtonChecked(kMultiply) ? 1 : 2;
    r.Game = game;
    r.PassOn = passOn;
    r.Jungfrau = jungfrau;
    r.Durchmarsch = durchmarsch;
    CSettingsDialogBase::OnOK();
}
