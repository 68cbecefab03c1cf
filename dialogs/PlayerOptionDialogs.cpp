#include "dialogs/PlayerOptionDialogs.h"

#include "computer/evaluation/ComputerState.h"
#include "dialogs/SettingsFields.h"
#include "dialogs/SettingsIds.h"
#include "model/Settings.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Edit.h"
#include "platform/core/Resources.h"

namespace {

constexpr std::array<int, 3> kSeatFieldIds{CNameDialog::kSeat0, CNameDialog::kSeat1, CNameDialog::kSeat2};

bool EnglishEdition() {
    const platform::ResourceSet* resources = platform::CurrentResources();
    return resources && std::string(resources->language) == "en";
}

constexpr const char* kSuitNames[2][4] = {{"Kreuz", "Pik", "Herz", "Karo"}, {"Clubs", "Spades", "Hearts", "Diamonds"}};
constexpr const char* kRiskNames[CRiskDispositionDialog::kRiskItems] = {"0",  "10", "20", "30", "40",  "50",
                                                                        "60", "70", "80", "90", "100", "X"};
// The risk "&Standard" gives every game.
constexpr int kStandardRisk = 4;

int ClampRisk(int value) { return value < 0 ? 0 : value >= CRiskDispositionDialog::kRiskItems ? CRiskDispositionDialog::kRiskItems - 1 : value; }

}  // namespace

int SuitRiskOf(int word, int suit) { return (static_cast<unsigned>(word) >> (8 * suit)) & 0xFF; }

int WithSuitRisk(int word, int suit, int risk) {
    const unsigned mask = 0xFFu << (8 * suit);
    return static_cast<int>((static_cast<unsigned>(word) & ~mask) | ((static_cast<unsigned>(risk) & 0xFFu) << (8 * suit)));
}

// ---------------------------------------------------------------------------------------------
// Bidding risk.

CRiskDispositionDialog::CRiskDispositionDialog(std::string seat0Name, std::string seat1Name, std::string seat2Name)
    : CSettingsDialogBase(IDD_RISK_DISPOSITION, "::/Bedienung/Optionen.htm#riskDisposition"),
      names{std::move(seat0Name), std::move(seat1Name), std::move(seat2Name)} {}

int CRiskDispositionDialog::Selected(int id) const {
    const auto* combo = GetControlAs<platform::ComboBox>(id);
    return combo ? combo->Items().Selection() : -1;
}

void CRiskDispositionDialog::Select(int id, int item) {
    if (auto* combo = GetControlAs<platform::ComboBox>(id)) combo->Items().Select(item);
}

void CRiskDispositionDialog::ShowSuitRisk(int seat) {
    const auto row = static_cast<std::size_t>(seat);
    const int suit = Selected(kSuit[row]);
    if (suit < 0) return;
    Select(kSuitRisk[row], ClampRisk(SuitRiskOf(suitRisk[row], suit)));
}

bool CRiskDispositionDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    const int edition = EnglishEdition() ? 1 : 0;
    for (std::size_t seat = 0; seat < 3; ++seat) {
        SetDlgItemText(kLabels[seat], names[seat] + ":");
        for (int id : {kGrand[seat], kSuitRisk[seat], kNull[seat]}) {
            if (auto* combo = GetControlAs<platform::ComboBox>(id))
                for (const char* item : kRiskNames) combo->Items().Add(item);
        }
        if (auto* combo = GetControlAs<platform::ComboBox>(kSuit[seat]))
            for (const char* item : kSuitNames[edition]) combo->Items().Add(item);
    }
    for (std::size_t seat = 0; seat < 3; ++seat) {
        // A stored suit outside 0..3 shows Clubs; a stored risk outside the list its nearest end.
        const int suit = SuitRiskOf(g_Settings.RiskSuit.Suit, static_cast<int>(seat));
        Select(kSuit[seat], suit <= 3 ? suit : 0);
        Select(kGrand[seat], ClampRisk(g_Risk.RiskGrand[seat]));
        Select(kNull[seat], ClampRisk(g_Risk.RiskNull[seat]));
        suitRisk[seat] = g_Risk.RiskSuit[seat];
        ShowSuitRisk(static_cast<int>(seat));
    }
    return true;
}

bool CRiskDispositionDialog::OnCommand(int id, unsigned code, HWND control) {
    for (std::size_t seat = 0; seat < 3; ++seat) {
        if (id == kSuit[seat] && code == CBN_SELCHANGE) {
            ShowSuitRisk(static_cast<int>(seat));
            return true;
        }
        if (id == kSuitRisk[seat] && code == CBN_SELCHANGE) {
            const int suit = Selected(kSuit[seat]);
            const int risk = Selected(kSuitRisk[seat]);
            if (suit >= 0 && risk >= 0) suitRisk[seat] = WithSuitRisk(suitRisk[seat], suit, risk);
            return true;
        }
    }
    return CSettingsDialogBase::OnCommand(id, code, control);
}

void CRiskDispositionDialog::OnStandard() {
    for (std::size_t seat = 0; seat < 3; ++seat) {
        Select(kSuit[seat], 0);
        Select(kGrand[seat], kStandardRisk);
        Select(kSuitRisk[seat], kStandardRisk);
        Select(kNull[seat], kStandardRisk);
        suitRisk[seat] = kStandardRisk * 0x01010101;
    }
}

void CRiskDispositionDialog::OnOK() {
    int shownSuits = 0;
    for (std::size_t seat = 0; seat < 3; ++seat) {
        const int suit = Selected(kSuit[seat]);
        shownSuits |= (suit < 0 ? 0 : suit) << (8 * seat);
        if (Selected(kGrand[seat]) >= 0) g_Risk.RiskGrand[seat] = Selected(kGrand[seat]);
        if (Selected(kNull[seat]) >= 0) g_Risk.RiskNull[seat] = Selected(kNull[seat]);
        g_Risk.RiskSuit[seat] = suitRisk[seat];
    }
    g_Settings.RiskSuit.Suit = shownSuits;
    CSettingsDialogBase::OnOK();
}

// ---------------------------------------------------------------------------------------------
// Delays and glide steps.

CDelayDialog::CDelayDialog(std::array<int*, kFieldCount> fieldValues)
    : CSettingsDialogBase(IDD_DELAY, "::/Bedienung/Optionen.htm#delay"), values(fieldValues) {}

bool CDelayDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    SetArrowPictures(kDown, kUp);
    for (std::size_t field = 0; field < kFieldCount; ++field)
        SetDlgItemText(kFields[field], values[field] ? FormatNumberOrEmpty(*values[field]) : std::string());
    return true;
}

void CDelayDialog::Step(std::size_t field, bool up) {
    int* value = values[field];
    if (!value) return;
    // A typed value counts; a refused one stays refused and moves nothing.
    if (!ReadUnsignedField(*this, kFields[field], value, kDelayRange)) return;
    StepNumber(*value, up ? kSteps[field] : -kSteps[field], kDelayRange);
    SetDlgItemText(kFields[field], std::to_string(*value));
}

bool CDelayDialog::OnCommand(int id, unsigned code, HWND control) {
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        if (id == kDown[field] || id == kUp[field]) {
            Step(field, id == kUp[field]);
            return true;
        }
    }
    return CSettingsDialogBase::OnCommand(id, code, control);
}

void CDelayDialog::OnStandard() {
    for (std::size_t field = 0; field < kFieldCount; ++field) SetDlgItemText(kFields[field], kStandard[field]);
}

void CDelayDialog::OnOK() {
    // Every field must pass before any integer takes its value.
    std::array<int, kFieldCount> read{};
    bool taken = true;
    for (std::size_t field = 0; field < kFieldCount; ++field) {
        read[field] = values[field] ? *values[field] : 0;
        if (!ReadUnsignedField(*this, kFields[field], &read[field], kDelayRange)) taken = false;
    }
    if (!taken) return;
    for (std::size_t field = 0; field < kFieldCount; ++field)
        if (values[field]) *values[field] = read[field];
    CSettingsDialogBase::OnOK();
}

// ---------------------------------------------------------------------------------------------
// The players' names.

CNameDialog::CNameDialog(std::string* seat0Name, std::string* seat1Name, std::string* seat2Name)
    : CSettingsDialogBase(IDD_NAMES, "::/Bedienung/Optionen.htm#name"), names{seat0Name, seat1Name, seat2Name} {}

bool CNameDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    Confirmed = false;
    for (std::size_t seat = 0; seat < 3; ++seat) {
        if (auto* field = GetControlAs<platform::Edit>(kSeatFieldIds[seat])) field->SetLimit(kNameLimit);
        SetDlgItemText(kSeatFieldIds[seat], names[seat] ? *names[seat] : std::string());
    }
    return true;
}

void CNameDialog::OnOK() {
    // What the person sees is what the files keep: an empty name, a control character or one the
    // files' code page lacks is refused.
    for (int id : kSeatFieldIds)
        if (!CheckTextField(*this, id, kNameLimit, false)) return;
    for (std::size_t seat = 0; seat < 3; ++seat) {
        const std::string text = GetDlgItemText(kSeatFieldIds[seat]);
        if (names[seat] && *names[seat] != text) *names[seat] = text;
    }
    Confirmed = true;
    CSettingsDialogBase::OnOK();
}
