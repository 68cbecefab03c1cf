#include "dialogs/StateDialog.h"

#include <cstring>

#include "computer/evaluation/GameStatus.h"
#include "dialogs/DialogIds.h"
#include "dialogs/DialogServices.h"
#include "resources/FlowIds.h"
#include "dialogs/GameNames.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/TextFormat.h"
#include "resources/ids.h"

namespace {

// The program's snapshot: what the panel shows, also while it is closed.
GameStatusSnapshot g_Snapshot = EmptyGameStatusSnapshot();

constexpr int kCardsOf = 40000, kSoloistText = 40001, kLeftOpponent = 40002, kRightOpponent = 40003, kPartner = 40004;
constexpr int kOutside = 40009, kLowestWithin = 40010, kHighestWithin = 40011, kTenOutside = 40012, kSuitSafe = 40013;
constexpr int kRevealQuestion = 40110, kGameStatus = 40930;
constexpr int kYes = 41140, kNo = 41141, kDot = 41330;

bool Inactive() {
    switch (g_Game.FlowState) {
        case STATE_ASK:
        case STATE_PASS:
        case STATE_QUERY:
        case STATE_PICKUP:
        case STATE_PLAY: return false;
        default: return true;
    }
}

std::string PlayerName(int seat) { return g_DialogFrame.PlayerName(seat); }

}  // namespace

GameStatusSnapshot EmptyGameStatusSnapshot() {
    GameStatusSnapshot snapshot;
    snapshot.fill(-1);
    return snapshot;
}

GameStatusSnapshot ToSnapshot(const GameStatusRecord& record) {
    GameStatusSnapshot snapshot;
    std::memcpy(snapshot.data(), &record, sizeof snapshot);
    return snapshot;
}

CStateDialog::CStateDialog() : CModelessDialog(kTemplateId, -1) {}

void CStateDialog::StoreSnapshot(const GameStatusSnapshot& snapshot) { g_Snapshot = snapshot; }

int CStateDialog::ChosenSeat() {
    const int seat = g_Settings.View.Player & 0x0F;
    return seat <= 2 ? seat : 2;
}

void CStateDialog::UpdateFields() {
    // 1. What the chosen seat is in this game.
    const int seat = ChosenSeat();
    const bool inactive = Inactive();
    const int type = g_Game.GameType;
    const bool soloSide = type == 7 || seat == g_Game.Soloist;
    const bool nullLike = type == 4 || type == 5 || type == 7;
    auto text = [&](int id) { return inactive ? platform::LoadString(kDot) : platform::LoadString(id); };
    // 2. The title: his role.
    int role = kRightOpponent;
    if (soloSide) role = kSoloistText;
    else if (seat == (g_Game.Soloist + 1) % 3) role = kLeftOpponent;
    SetDlgItemText(kTitle, text(role));
    // 3. The three names, the chosen one selected.
    if (auto* players = GetControlAs<platform::ComboBox>(kPlayer)) {
        players->Items().Clear();
        for (int s = 0; s < 3; ++s) players->Items().Add(PlayerName(s));
        players->SetCurSel(seat);
    }
    // 4. The game.
    SetDlgItemText(kGame, inactive || type < 0 || type > 7 ? std::string() : platform::LoadString(GameNameId(type)));
    // 5. The column heads.
    const std::string cards = inactive ? std::string() : platform::LoadString(kCardsOf);
    SetDlgItemText(kHeads[0], text(kOutside));
    SetDlgItemText(kHeads[1], text(nullLike ? kLowestWithin : kHighestWithin));
    SetDlgItemText(kHeads[2], inactive ? text(kDot) : cards + platform::LoadString(soloSide ? kLeftOpponent : kPartner));
    SetDlgItemText(kHeads[3], inactive ? text(kDot) : cards + platform::LoadString(soloSide ? kRightOpponent : kSoloistText));
    SetDlgItemText(kHeads[4], text(nullLike ? kSuitSafe : kTenOutside));
    // 6. The grid: the count, then yes or no; a negative word is unknown and stays empty.
    for (std::size_t row = 0; row < 5; ++row) {
        for (std::size_t column = 0; column < 5; ++column) {
            const int value = g_Snapshot[row * 5 + column];
            std::string shown;
            if (column == 0) shown = value < 0 ? std::string() : std::to_string(value);
            else if (value > 0) shown = platform::LoadString(kYes);
            else if (value == 0) shown = platform::LoadString(kNo);
            SetDlgItemText(kGrid[row][column], shown);
        }
    }
}

bool CStateDialog::AskReveal(int seat) {
    const std::string question =
        platform::FormatText(platform::LoadString(kRevealQuestion), {platform::LoadString(kGameStatus), PlayerName(seat)});
    return ::MessageBox(Handle(), question, platform::LoadString(IDS_PRODUCT_NAME),
                        platform::MB_YESNO | platform::MB_ICONQUESTION) == IDYES;
}

void CStateDialog::OnSelchangePlayer() {
    auto* players = GetControlAs<platform::ComboBox>(kPlayer);
    if (!players || !g_DialogFrame.FrameWindow()) return;
    const int choice = players->GetCurSel();
    if (choice < 0 || choice > 2) return;
    // 1. Whether an opponent is revealed already, and whether this choice needs the mark.
    const bool revealed = g_DialogFrame.LockFlag(1, -1);
    const bool needsMark = g_DialogFrame.LockFlag(1, choice);
    // 2. The person himself, or an opponent already revealed: show him.
    if (!needsMark || revealed || AskReveal(choice)) {
        g_Settings.View.Player = (g_Settings.View.Player & ~0x0F) | choice;
        SendFrameCommand(CM_SHOW_STATE);
        return;
    }
    // 3. Not revealed: the person again, nothing sent.
    g_DialogFrame.LockFlag(1, 2);
    players->SetCurSel(2);
}

bool CStateDialog::OnInitDialog() {
    CModelessDialog::OnInitDialog();
    help.Reset();
    // A stored opponent is asked for again unless a reveal mark is set already.
    const int seat = ChosenSeat();
    if (g_DialogFrame.FrameWindow() && seat != 2 && !g_DialogFrame.LockFlag(1, -1)) {
        if (AskReveal(seat)) {
            g_DialogFrame.LockFlag(1, seat);
        } else {
            g_DialogFrame.LockFlag(1, 2);
            g_Settings.View.Player = (g_Settings.View.Player & ~0x0F) | 2;
        }
    }
    UpdateFields();
    return true;
}

bool CStateDialog::OnCommand(int id, unsigned code, HWND control) {
    if (id == kPlayer) {
        if (code == CBN_SELCHANGE) OnSelchangePlayer();
        return true;
    }
    if (id == IDC_HELP) {
        help.Toggle("::/Bedienung/Spielstatus.htm");
        return true;
    }
    return CModelessDialog::OnCommand(id, code, control);
}

void CStateDialog::OnOK() { SendFrameCommand(CM_CLOSE_STATE); }
