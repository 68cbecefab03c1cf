#include "dialogs/ResultDialog.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

CResultDialog::CResultDialog(std::string messageText) : CGameMessageDialog(kTemplateId, std::move(messageText), 0) {}

bool CResultDialog::OnInitDialog() {
    ShowCaptionAndText();
    // The caption names the rules first.
    int rules = IDS_RULE_SKAT;
    if (g_Game.VariantMode == VARIANT_SKAT) rules = IDS_VARIANT_SKAT;
    else if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY) rules = g_Settings.Variants.PassOn ? IDS_SCHIEBERAMSCH : IDS_RAMSCH;
    SetWindowText(platform::LoadString(rules) + ": " + platform::LoadString(IDS_CAPTION_GAME) + " " +
                  g_DialogFrame.GameNumberText());
    CheckDlgButton(IDC_REPEAT_BOX, 0);
    GrowWithText();
    result = 1;
    ArmDemoTimer(TM_DEMO_OK);
    return true;
}

bool CResultDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_COURSE) {
        Close(8, true);
        return true;
    }
    if (code == BN_CLICKED && id == IDC_REPEAT_BOX) {
        DialogSound();
        g_DialogFrame.RequestCourse();
        return true;
    }
    return CGameMessageDialog::OnCommand(id, code, control);
}

void CResultDialog::Close(int answer, bool markEnd) {
    DialogSound();
    if (markEnd) g_DialogFrame.RequestCourse();
    result = answer + (IsDlgButtonChecked(IDC_REPEAT_BOX) ? 16 : 0);
    EndDialog(IDOK);
}

void CResultDialog::OnOK() { Close(4, false); }
void CResultDialog::OnCancel() { Close(1, true); }
