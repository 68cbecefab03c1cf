#include "dialogs/GameValueDialog.h"

#include <algorithm>

#include "dialogs/DialogIds.h"
#include "dialogs/DialogServices.h"
#include "dialogs/GameValueTable.h"
#include "resources/FlowIds.h"
#include "model/BidLadder.h"
#include "model/GameState.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/RichText.h"
#include "platform/core/WindowApi.h"

namespace {

// A child's rectangle moved down (or up) by `delta` pixels.
void MoveChildBy(HWND child, int delta) {
    if (!child) return;
    platform::Window* window = ::WindowFromHandle(child);
    if (!window) return;
    platform::Rect rect = window->WindowRect();
    rect.top += delta;
    rect.bottom += delta;
    window->MoveWindow(rect, true);
}

}  // namespace

CGameValueDialog::CGameValueDialog() : CModelessDialog(kTemplateId, -1) {}

bool CGameValueDialog::OnInitDialog() {
    CModelessDialog::OnInitDialog();
    // 1. The help flag, the 64 values, the box's ground.
    help.Reset();
    if (auto* values = GetControlAs<platform::ComboBox>(kValue)) {
        values->Items().Clear();
        for (int index = 0; index < BID_LADDER_SIZE; ++index) values->Items().Add(std::to_string(BidLadder[index].value));
    }
    ::SendMessage(GetDlgItem(kText), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(kGround));
    // 2. The box's template height is one row and the margin around the rows.
    if (const platform::Window* box = ::WindowFromHandle(GetDlgItem(kText))) {
        const int height = box->WindowRect().Height();
        rowHeight = (height + 1) / 2;
        margin = height / 2;
        templateWidth = box->WindowRect().Width();
    }
    // 3. The current bid's row.
    int current = g_Game.BidIndex + g_Game.PendingRaise;
    if (current < 0 || current >= BID_LADDER_SIZE) current = 0;
    if (auto* values = GetControlAs<platform::ComboBox>(kValue)) values->SetCurSel(current);
    FillValueTable(current);
    return true;
}

void CGameValueDialog::OnSelchangeGame() {
    const auto* values = GetControlAs<platform::ComboBox>(kValue);
    const int index = values ? values->GetCurSel() : -1;
    if (index >= 0 && index < BID_LADDER_SIZE) FillValueTable(index);
}

void CGameValueDialog::FillValueTable(int ladderIndex) {
    platform::Window* box = ::WindowFromHandle(GetDlgItem(kText));
    if (!box) return;
    // 1. The rows as rich text.
    SetDlgItemText(kText, GameValueRichText(ladderIndex));
    // 2. Where the host lays the rows out in its own fonts, the box is as wide as its widest row so
    //    that none wraps (never narrower than its template), and the window with it.
    platform::Rect boxRect = box->WindowRect();
    const int wanted = std::max(templateWidth, platform::RichTextWidth(GetDlgItem(kText)).value_or(0));
    if (wanted != boxRect.Width()) {
        const int widen = wanted - boxRect.Width();
        boxRect.right += widen;
        box->MoveWindow(boxRect, true);
        platform::Rect window = WindowRect();
        window.right += widen;
        MoveWindow(window, true);
    }
    // 3. The box holds the rows and its margin, or the rows as the host lays them out where they
    //    take more; the window and the buttons below follow.
    const int rows = static_cast<int>(GameValueRows(ladderIndex).size());
    const int height = std::max(margin + rows * rowHeight, platform::RichTextHeight(GetDlgItem(kText)).value_or(0));
    const int delta = height - boxRect.Height();
    if (delta != 0) {
        boxRect.bottom += delta;
        box->MoveWindow(boxRect, true);
        MoveChildBy(GetDlgItem(IDOK), delta);
        MoveChildBy(GetDlgItem(IDC_HELP), delta);
        platform::Rect window = WindowRect();
        window.bottom += delta;
        MoveWindow(window, true);
    }
}

bool CGameValueDialog::OnCommand(int id, unsigned code, HWND control) {
    switch (id) {
        case kValue:
            if (code == CBN_SELCHANGE) OnSelchangeGame();
            return true;
        case kTable: help.Toggle("::/Anleitung/Spielbewertung.htm#gameValues"); return true;
        case IDC_HELP: help.Toggle("::/Bedienung/Ansicht.htm#gameValue"); return true;
        default: return CModelessDialog::OnCommand(id, code, control);
    }
}

void CGameValueDialog::OnOK() { SendFrameCommand(CM_CLOSE_GAME_VALUE); }
