#include "dialogs/StartDialog.h"

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Random.h"

namespace {

// The seat buttons' captions: the number, then the name in the application's bold Arial 14.
constexpr int kSeatNameFont = 8;

// A name shows as itself on a button: an ampersand is no mnemonic.
std::string LiteralCaption(const std::string& name) {
    std::string caption;
    for (char c : name) {
        if (c == '&') caption += '&';
        caption += c;
    }
    return caption;
}

}  // namespace

CStartDialog::CStartDialog(std::string messageText, std::array<std::string, 3> seatNames)
    : CGameMessageDialog(kTemplateId, std::move(messageText), 0), names(std::move(seatNames)) {}

bool CStartDialog::OnInitDialog() {
    help.Reset();
    ShowText();
    // The standings keep the box's size unless the host's fonts need more room for them.
    GrowTextBy(LaidOutGrowth());
    SetButtonInAppFont(IDC_START_SEAT0, "&1 " + LiteralCaption(names[0]), kSeatNameFont);
    SetButtonInAppFont(IDC_START_SEAT1, "&2 " + LiteralCaption(names[1]), kSeatNameFont);
    SetButtonInAppFont(IDC_START_SEAT2, "&3 " + LiteralCaption(names[2]), kSeatNameFont);
    started = 0;
    ArmDemoTimer(TM_DEMO_RANDOM_STARTER);
    return true;
}

bool CStartDialog::OnCommand(int id, unsigned code, HWND control) {
    if (code != BN_CLICKED) return CGameMessageDialog::OnCommand(id, code, control);
    switch (id) {
        case IDC_START_SEAT0: Start(0); return true;
        case IDC_START_SEAT1: Start(1); return true;
        case IDC_START_SEAT2: Start(2); return true;
        case IDC_START_RANDOM: Start(Rand() % 3); return true;
        // The help plays no click.
        case IDC_HELP: help.Toggle("::/Bedienung/Serienstart.htm#match"); return true;
        default: return CGameMessageDialog::OnCommand(id, code, control);
    }
}

// The chosen seat leads the first game of the new match; the start buttons play no sound.
void CStartDialog::Start(int seat) {
    started = 1;
    g_DialogFrame.ChooseFirstLeader(seat);
    PostFrameCommand(CM_START);
    EndDialog(IDOK);
}
