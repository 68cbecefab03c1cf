#include "windows/TrickEstimationDialog.h"

#include "resources/FlowIds.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Button.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/EstimationTemplates.h"
#include "resources/ids.h"
#include "windows/TrickEstimation.h"
#include "windows/WindowFrameServices.h"

namespace {

// A panel whose edition lacks its template is built from this one.
const platform::DialogTemplate kNoTemplate{};

const platform::DialogTemplate& PanelTemplate() {
    const platform::DialogTemplate* found = platform::FindDialog(IDD_TRICK_ESTIMATION);
    return found ? *found : kNoTemplate;
}

constexpr int kRevealMark = 0x200;

}  // namespace

CTrickEstimationDialog::CTrickEstimationDialog(CTrickEstimation& owner, const CPlayer** shownPlayer, int* autoAddress,
                                               int* viewAddress)
    : platform::Dialog(PanelTemplate()), window(owner), player(shownPlayer), autoFlag(autoAddress), view(viewAddress) {}

// A child of the estimation window: it sits in the window's client, under its title bar.
bool CTrickEstimationDialog::CreatePanel() { return CreateChild(window.Handle(), platform::Lifetime::Caller); }

int CTrickEstimationDialog::RememberedSeat() {
    const int seat = (g_Settings.View.Player >> 4) & 15;
    return seat <= 2 ? seat : 2;
}

void CTrickEstimationDialog::RememberSeat(int seat) {
    g_Settings.View.Player = (g_Settings.View.Player & ~0xF0) | ((seat & 15) << 4);
}

bool CTrickEstimationDialog::AskReveal(int seat) {
    const std::string name = g_SideWindowFrame.GetPlayerName(seat);
    // The question heads with this window's own name, as the status panel's heads with its own.
    const std::string caption = platform::LoadString(IDS_CAPTION_TRICK_ESTIMATION);
    // The estimation window owns the question: it waits, disabled, while the panel inside asks.
    return ::MessageBox(window.Handle(), platform::LoadString(IDS_STATUS_REVEAL), {caption, name}, caption,
                        platform::MB_YESNO | platform::MB_ICONQUESTION) == IDYES;
}

void CTrickEstimationDialog::ShowPlayer(int seat) { *player = g_SideWindowFrame.GamePlayer(seat); }

bool CTrickEstimationDialog::OnInitDialog() {
    // Step 1: the remembered seat; whether a window shows an opponent's data already.
    int seat = RememberedSeat();
    const bool lockedBefore = g_SideWindowFrame.LockFlag(2, -1);
    // Step 2: this window's choice joins the lock; the first opponent's data asks.
    if (g_SideWindowFrame.LockFlag(2, seat) && !lockedBefore) {
        if (AskReveal(seat)) {
            g_SideWindowFrame.CheckCheat(kRevealMark, 1);
            if (window.IsAlive()) InvalidateRect(window.Handle(), nullptr, true);
        } else {
            seat = 2;
            g_SideWindowFrame.LockFlag(2, 2);
            RememberSeat(2);
        }
    }
    // Step 3: Auto, the view, the players.
    if (auto* box = GetControlAs<platform::Button>(IDC_ESTIMATION_AUTO)) box->SetCheck(*autoFlag ? 1 : 0);
    if (auto* games = GetControlAs<platform::ComboBox>(IDC_ESTIMATION_GAME)) {
        // The seven games come with the template, one a line.
        const std::string items = GetWindowText(games->Handle());
        games->Items().Clear();
        std::size_t at = 0;
        while (at <= items.size() && !items.empty()) {
            const std::size_t end = items.find('\n', at);
            games->Items().Add(items.substr(at, end == std::string::npos ? std::string::npos : end - at));
            if (end == std::string::npos) break;
            at = end + 1;
        }
        games->SetCurSel(*view);
    }
    FillPlayerCombo();
    if (auto* players = GetControlAs<platform::ComboBox>(IDC_ESTIMATION_PLAYER)) players->SetCurSel(seat);
    // Step 4: the size buttons' pictures, as the template pairs them: the compact button shows
    // picture 384, the full-size button 383.
    if (auto* compact = GetControlAs<platform::Button>(IDC_ESTIMATION_COMPACT)) compact->SetImage(IDB_SIZE_FULL);
    if (auto* full = GetControlAs<platform::Button>(IDC_ESTIMATION_FULL)) full->SetImage(IDB_SIZE_COMPACT);
    // Step 5: the window shows the chosen seat's player.
    ShowPlayer(seat);
    initialised = true;
    return true;
}

void CTrickEstimationDialog::FillPlayerCombo() {
    auto* players = GetControlAs<platform::ComboBox>(IDC_ESTIMATION_PLAYER);
    if (!players) return;
    const int seat = RememberedSeat();
    players->Items().Clear();
    for (int s = 0; s < 3; ++s) players->Items().Insert(s, g_SideWindowFrame.GetPlayerName(s));
    players->SetCurSel(seat);
    SetDlgItemText(IDC_ESTIMATION_CONTEXT, platform::LoadString(g_Game.PlayerPhaseText[seat]));
}

void CTrickEstimationDialog::MoveTo(int x, int y, int width, int height) {
    const platform::Rect target{x, y, x + width, y + height};
    const platform::Rect& now = WindowRect();
    if (now.left != target.left || now.top != target.top || now.Width() != width || now.Height() != height)
        MoveWindow(target, true);
}

void CTrickEstimationDialog::SetPhaseText(const std::string& text) { SetDlgItemText(IDC_ESTIMATION_PHASE, text); }

bool CTrickEstimationDialog::OnCommand(int id, unsigned code, HWND) {
    switch (id) {
        case IDC_ESTIMATION_GAME:
            if (code == CBN_SELCHANGE) OnSelchangeGame();
            return true;
        case IDC_ESTIMATION_PLAYER:
            if (code == CBN_SELCHANGE) OnSelchangePlayer();
            return true;
        case IDC_ESTIMATION_AUTO:
            if (code == BN_CLICKED) OnAuto();
            return true;
        case IDC_ESTIMATION_LEGEND:
            if (code == BN_CLICKED) OnLegend();
            return true;
        case IDC_ESTIMATION_COMPACT:
            if (code == BN_CLICKED) OnCompact();
            return true;
        case IDC_ESTIMATION_FULL:
            if (code == BN_CLICKED) OnFullSize();
            return true;
        default: return platform::Dialog::OnCommand(id, code, nullptr);
    }
}

void CTrickEstimationDialog::OnSelchangeGame() {
    const int selected = SelectedView();
    if (selected >= 0) *view = selected;
    window.Redraw();
}

void CTrickEstimationDialog::OnSelchangePlayer() {
    // Step 1: the chosen seat joins the lock.
    int seat = SelectedSeat();
    if (seat < 0 || seat > 2) seat = 2;
    // Step 2: an opponent's data asks first, unless the game carries the mark already. The
    // person's own seat reveals nothing and is never asked about.
    if (g_SideWindowFrame.LockFlag(2, seat) && seat != 2 && (g_Game.CheatMask & kRevealMark) == 0) {
        if (!AskReveal(seat)) {
            seat = 2;
            g_SideWindowFrame.LockFlag(2, 2);
            if (auto* players = GetControlAs<platform::ComboBox>(IDC_ESTIMATION_PLAYER)) players->SetCurSel(2);
        }
    }
    RememberSeat(seat);
    // Step 3: the seat's phase text, and the window shows the seat's player.
    SetDlgItemText(IDC_ESTIMATION_CONTEXT, platform::LoadString(g_Game.PlayerPhaseText[seat]));
    ShowPlayer(seat);
    // Step 4: looking at an opponent's data marks the game.
    if (seat != 2) g_SideWindowFrame.CheckCheat(kRevealMark, 1);
    // Step 5: the sheet anew: estimated again when Auto is on, else drawn again.
    if (*autoFlag) {
        if (g_Game.FlowState == STATE_PLAY || !g_SideWindowFrame.SelectEstimatedGame()) window.UpdateEstimation(-1);
    } else {
        window.Redraw();
    }
}

void CTrickEstimationDialog::OnAuto() {
    *autoFlag = AutoChecked() ? 1 : 0;
    if (!*autoFlag) return;
    if (g_Game.FlowState == STATE_PLAY || !g_SideWindowFrame.SelectEstimatedGame()) window.UpdateEstimation(-1);
}

void CTrickEstimationDialog::OnLegend() { g_SideWindowFrame.SendCommand(ID_LIST_LEGEND); }

void CTrickEstimationDialog::OnCompact() { window.SetCompactSize(); }

void CTrickEstimationDialog::OnFullSize() { window.SetFullSize(); }

bool CTrickEstimationDialog::AutoChecked() const {
    const auto* box = GetControlAs<platform::Button>(IDC_ESTIMATION_AUTO);
    return box && box->GetCheck() == 1;
}

int CTrickEstimationDialog::SelectedView() const {
    const auto* games = GetControlAs<platform::ComboBox>(IDC_ESTIMATION_GAME);
    return games ? games->GetCurSel() : -1;
}

void CTrickEstimationDialog::SelectView(int selection) {
    if (auto* games = GetControlAs<platform::ComboBox>(IDC_ESTIMATION_GAME)) games->SetCurSel(selection);
}

int CTrickEstimationDialog::SelectedSeat() const {
    const auto* players = GetControlAs<platform::ComboBox>(IDC_ESTIMATION_PLAYER);
    return players ? players->GetCurSel() : -1;
}
