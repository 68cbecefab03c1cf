#include "dialogs/RamschBars.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "platform/core/ControlMessages.h"

namespace {

constexpr int kGrandRecord = 6;
constexpr int kRamschRecord = 8;
constexpr int kGrandRuleDefault = 100;
constexpr int kRamschRuleDefault = 110;

}  // namespace

// --- Grand Hand ------------------------------------------------------------------------------

CGrandHandDialog::CGrandHandDialog() : CModelessDialog(kTemplateId, kCut) {}

bool CGrandHandDialog::OnInitDialog() {
    PlaceInitially();
    help.Reset();
    ArmDemoTimer(TM_DEMO_GRAND_HAND);
    return true;
}

bool CGrandHandDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CModelessDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_RAMSCH:
            DialogSound();
            PostFrameCommand(CM_RAMSCH);
            return true;
        case IDC_GRAND_HAND:
            DialogSound();
            PostFrameCommand(CM_GRAND_HAND);
            return true;
        case IDC_RULE: OnRule(); return true;
        default: return CModelessDialog::OnCommand(id, code, control);
    }
}

// The rule of the Grand record is read with the game set to Grand, then the game is put back.
void CGrandHandDialog::OnRule() {
    DialogSound();
    int topicNumber = 0;
    if (!help.IsOpen()) {
        const int kept = g_Game.GameType;
        g_DialogFrame.ChangeGameType(6);
        topicNumber = RuleHelpNumber(kGrandRecord, kGrandRuleDefault);
        g_DialogFrame.ChangeGameType(kept);
    }
    help.Toggle(RuleHelpTopic(topicNumber));
}

// --- The Ramsch bars ---------------------------------------------------------------------------

bool CRamschBar::OnInitDialog() {
    PlaceInitially();
    help.Reset();
    CheckDlgButton(IDC_DURCHMARSCH, g_Game.SchwarzAnnounced ? 1 : 0);
    ArmDemoTimer(DemoTimer());
    return true;
}

void CRamschBar::OnDurchmarsch(HWND control) {
    DialogSound();
    // A press by a timer comes without the control and leaves the box as it was: check it first.
    if (!control) CheckDlgButton(IDC_DURCHMARSCH, 1);
    g_DialogFrame.AnnounceDurchmarsch(IsDlgButtonChecked(IDC_DURCHMARSCH) != 0);
    PostFrameCommand(CM_DURCHMARSCH);
}

void CRamschBar::OnRule() {
    DialogSound();
    help.Toggle(RuleHelpTopic(help.IsOpen() ? 0 : RuleHelpNumber(kRamschRecord, kRamschRuleDefault)));
}

CSkatRamschDialog::CSkatRamschDialog() : CRamschBar(kTemplateId, kCut) {}
unsigned CSkatRamschDialog::DemoTimer() const { return TM_DEMO_RAMSCH_SKAT; }

bool CSkatRamschDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CModelessDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_PICKUP:
            DialogSound();
            PostFrameCommand(CM_PICKUP_RAMSCH);
            return true;
        case IDC_PASS_ON:
            DialogSound();
            PostFrameCommand(CM_PASS_ON_RAMSCH);
            return true;
        case IDC_DURCHMARSCH: OnDurchmarsch(control); return true;
        case IDC_RULE: OnRule(); return true;
        default: return CModelessDialog::OnCommand(id, code, control);
    }
}

CEndSwapRamschDialog::CEndSwapRamschDialog() : CRamschBar(kTemplateId, kCut) {}
unsigned CEndSwapRamschDialog::DemoTimer() const { return TM_DEMO_END_SWAP_RAMSCH; }

bool CEndSwapRamschDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CModelessDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_SUGGEST:
            // The skat suggestion for the pass-on plays no sound; Enter then finishes.
            g_DialogFrame.ChangeGameType(GAME_RAMSCH);
            SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(IDC_FINISH_SWAP)), 1);
            PostFrameCommand(CM_SUGGEST_SKAT);
            return true;
        case IDC_FINISH_SWAP:
            DialogSound();
            PostFrameCommand(CM_PUSH_SKAT);
            return true;
        case IDC_DURCHMARSCH: OnDurchmarsch(control); return true;
        case IDC_RULE: OnRule(); return true;
        default: return CModelessDialog::OnCommand(id, code, control);
    }
}
