#include "dialogs/AnswerDialogs.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Trace.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"

// --- Rekontra --------------------------------------------------------------------------------------

CRekontraDialog::CRekontraDialog(std::string messageText, int rule, int rekontraRule)
    : CGameMessageDialog(kTemplateId, std::move(messageText), rule), rekontraRuleNumber(rekontraRule) {}

bool CRekontraDialog::OnInitDialog() {
    help.Reset();
    ShowCaptionAndText();
    // The text box keeps its template height and grows where the text as laid out needs more.
    GrowTextBy(LaidOutGrowth());
    ::SendMessage(GetDlgItem(IDC_PICTURE_LEFT), STM_SETIMAGE, IDB_MESSAGE_KONTRA, 0);
    // With the computer's rule shown, the button names the rule that advises Rekontra too.
    if (ShowRuleButton(kMarkRuleShown) && rekontraRuleNumber != 0)
        SetButtonInAppFont(IDC_REKONTRA, "Re " + std::to_string(rekontraRuleNumber), kRuleNumberFont);
    // Only the soloist answers a Kontra.
    EnableDlgItem(IDC_REKONTRA, g_Game.Soloist == 2);
    // A demonstration must not wait for the person: the timer closes with "&OK".
    ArmDemoTimer(TM_DEMO_OK);
    return true;
}

bool CRekontraDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code == BN_CLICKED && id == IDC_REKONTRA) {
        OnRekontra();
        return true;
    }
    if (code == BN_CLICKED && id == IDC_HELP) {
        OnRule();
        return true;
    }
    return CGameMessageDialog::OnCommand(id, code, control);
}

void CRekontraDialog::OnRekontra() {
    // A press that reaches a disabled button (a posted command) changes nothing.
    if (g_Game.Soloist != 2) return;
    DialogSound();
    g_DialogFrame.SayRekontra();
    TraceDialog("CRekontraDialog::OnRekontra(" + g_DialogFrame.PlayerName(2) + ")", LOG_PLAYER);
    EndDialog(IDOK);
}

void CRekontraDialog::OnOK() {
    DialogSound();
    EndDialog(IDOK);
}

// --- Accepting a give-up ----------------------------------------------------------------------------

CResignDialog::CResignDialog(std::string messageText) : CGameMessageDialog(kTemplateId, std::move(messageText), 0) {}

bool CResignDialog::OnInitDialog() {
    ShowCaptionAndText();
    GrowTextBy(LaidOutGrowth());
    accepted = 0;
    ArmDemoTimer(TM_DEMO_OK);
    return true;
}

void CResignDialog::OnOK() {
    DialogSound();
    accepted = 1;
    EndDialog(IDOK);
}

void CResignDialog::OnCancel() {
    DialogSound();
    EndDialog(IDCANCEL);
}

// --- All passed, variant Skat -------------------------------------------------------------------------

CPassedVariantDialog::CPassedVariantDialog(std::string messageText)
    : CGameMessageDialog(kTemplateId, std::move(messageText), 0) {}

bool CPassedVariantDialog::OnInitDialog() {
    ShowCaptionAndText();
    GrowTextBy(LaidOutGrowth());
    accepted = 0;
    ArmDemoTimer(TM_DEMO_OK);
    return true;
}

void CPassedVariantDialog::OnOK() {
    DialogSound();
    accepted = 1;
    EndDialog(IDOK);
}
