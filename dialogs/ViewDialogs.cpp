#include "dialogs/ViewDialogs.h"

#include <cstdio>

#include "dialogs/SettingsIds.h"
#include "model/Settings.h"
#include "platform/core/IconList.h"
#include "platform/core/Resources.h"
#include "tavlo/CardDeckApi.h"

namespace {

constexpr int kDeckNames = 41501;
constexpr int kStandardBack = 10;
constexpr int kStandardFace = 0;

}  // namespace

// ---------------------------------------------------------------------------------------------
// The design choosers.

CDesignChooserDialog::CDesignChooserDialog(int templateId, std::string topic, int* designSetting, int standardDesign)
    : CSettingsDialogBase(templateId, std::move(topic)), setting(designSetting), standard(standardDesign) {}

void CDesignChooserDialog::SelectDesign(int index) {
    auto* list = GetControlAs<platform::IconList>(kList);
    if (!list) return;
    // A stored design outside the list selects the nearest end of it.
    if (index >= list->Count()) index = list->Count() - 1;
    if (index < 0) index = 0;
    list->Select(index);
    list->EnsureVisible(index);
}

bool CDesignChooserDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    Changed = 0;
    FillList();
    SelectDesign(*setting);
    if (HWND list = GetDlgItem(kList)) GotoDlgCtrl(list);
    return false;
}

void CDesignChooserDialog::OnStandard() { SelectDesign(standard); }

void CDesignChooserDialog::OnOK() {
    const auto* list = GetControlAs<platform::IconList>(kList);
    const int chosen = list ? list->Selection() : -1;
    if (chosen >= 0 && chosen != *setting) {
        *setting = chosen;
        Changed = 1;
    }
    CSettingsDialogBase::OnOK();
}

CCardBackDialog::CCardBackDialog()
    : CDesignChooserDialog(IDD_CARD_BACK, "::/Bedienung/Ansicht.htm#back", &g_Settings.View.CardBack, kStandardBack) {}

void CCardBackDialog::FillList() {
    auto* list = GetControlAs<platform::IconList>(kList);
    if (!list) return;
    for (int design = 0; design < kDesigns; ++design) list->Add(std::to_string(design + 1), WC_Bitmap(design));
}

CCardFaceDialog::CCardFaceDialog()
    : CDesignChooserDialog(IDD_CARD_FACE, "::/Bedienung/Ansicht.htm#face", &g_Settings.View.CardFace, kStandardFace) {}

void CCardFaceDialog::FillList() {
    auto* list = GetControlAs<platform::IconList>(kList);
    if (!list) return;
    for (int deck = 0; deck < kDecks; ++deck)
        list->Add(std::to_string(deck + 1) + ": " + platform::LoadString(kDeckNames + deck), WC_Bitmap(PictureOfDeck(deck)));
}

// ---------------------------------------------------------------------------------------------
// The sorting order.

CSortDialog::CSortDialog() : CSettingsDialogBase(IDD_SORT, "::/Bedienung/Ansicht.htm#sort") {}

bool CSortDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    Confirmed = 0;
    const int mode = g_Settings.View.SortMode;
    CheckDlgButton((mode & 1) ? kSpadesFirst : kHeartsFirst, 1);
    CheckDlgButton((mode & 0x200) ? kNormal : (mode & 0x400) ? kNull : kAdjusted, 1);
    return true;
}

void CSortDialog::OnOK() {
    const int suits = IsDlgButtonChecked(kSpadesFirst) ? 1 : 2;
    const int values = IsDlgButtonChecked(kNormal) ? 0x200 : IsDlgButtonChecked(kNull) ? 0x400 : 0x100;
    g_Settings.View.SortMode = suits + values;
    Confirmed = 1;
    CSettingsDialogBase::OnOK();
}

// ---------------------------------------------------------------------------------------------
// The swaps.

CSwapHandsDialog::CSwapHandsDialog() : CSettingsDialogBase(IDD_SWAP_HANDS, "::/Bedienung/Spiel.htm#swap1") {}

bool CSwapHandsDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    CheckRadioButton(kLeft, kLeftWithRight, kLeft);
    Code = 0;
    return true;
}

void CSwapHandsDialog::OnOK() {
    Code = IsDlgButtonChecked(kLeft) ? 1 : IsDlgButtonChecked(kRight) ? 2 : 3;
    CSettingsDialogBase::OnOK();
}

CSwapSuitsDialog::CSwapSuitsDialog() : CSettingsDialogBase(IDD_SWAP_SUITS, "::/Bedienung/Spiel.htm#swap2") {}

bool CSwapSuitsDialog::OnInitDialog() {
    CSettingsDialogBase::OnInitDialog();
    CheckRadioButton(kFirstPair, kLastPair, kFirstPair);
    CheckRadioButton(kExclude, kInclude, kExclude);
    Code = 0;
    return true;
}

void CSwapSuitsDialog::OnOK() {
    int pair = 6;
    for (int id = kFirstPair; id < kLastPair; ++id) {
        if (IsDlgButtonChecked(id)) {
            pair = id - kFirstPair + 1;
            break;
        }
    }
    Code = pair + (IsDlgButtonChecked(kExclude) ? 0 : 8);
    CSettingsDialogBase::OnOK();
}
