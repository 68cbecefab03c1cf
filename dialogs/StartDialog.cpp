#include "dialogs/StartDialog.h"

#include <algorithm>
#include <optional>

#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "platform/core/ButtonCaption.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Random.h"
#include "platform/core/WindowApi.h"

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
    WidenSeatButtons();
    started = 0;
    ArmDemoTimer(TM_DEMO_RANDOM_STARTER);
    return true;
}

void CStartDialog::WidenSeatButtons() {
    // Left to right as they stand.
    platform::Window* seats[3] = {::WindowFromHandle(GetDlgItem(IDC_START_SEAT0)),
                                  ::WindowFromHandle(GetDlgItem(IDC_START_SEAT1)),
                                  ::WindowFromHandle(GetDlgItem(IDC_START_SEAT2))};
    int growth = 0;
    for (platform::Window* seat : seats) {
        if (!seat) return;
        if (const std::optional<int> needed = platform::ButtonWidthForCaption(seat->Handle()))
            growth = std::max(growth, *needed - seat->WindowRect().Width());
    }
    if (growth <= 0) return;
    const int rowLeft = seats[0]->WindowRect().left;
    const int rowRight = seats[2]->WindowRect().right;
    // What spans the row above it (the standings, the question who starts) spans the wider row.
    for (HWND child : Children()) {
        platform::Window* control = ::WindowFromHandle(child);
        if (!control) continue;
        platform::Rect rect = control->WindowRect();
        if (rect.left > rowLeft || rect.right < rowRight) continue;
        rect.right += 3 * growth;
        control->MoveWindow(rect, true);
    }
    // Each seat button moves right by what the ones left of it grew.
    for (int place = 0; place < 3; ++place) {
        platform::Rect rect = seats[place]->WindowRect();
        rect.left += place * growth;
        rect.right += (place + 1) * growth;
        seats[place]->MoveWindow(rect, true);
    }
    // The window grows about its middle, where it was placed.
    platform::Rect window = WindowRect();
    window.left -= 3 * growth / 2;
    window.right += 3 * growth - 3 * growth / 2;
    MoveWindow(window, true);
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
