// The game data and game status panels follow the game: the frame collects what they show at
// every step of the flow and refreshes them when they are open.
#include <cstdio>
#include <cstring>
#include <string>

#include "computer/evaluation/GameStatus.h"
#include "dialogs/DataDialog.h"
#include "dialogs/StateDialog.h"
#include "model/FlowGlobals.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "dialogs/GameNames.h"
#include "flow/FramePanels.h"
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/PanelObject.h"
#include "flow/RamschState.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

namespace {

constexpr int kTimes = 41224, kPassOn = 41217, kSchwarzText = 41216;

std::string Formatted(int id, int first, int second) {
    char text[160];
    std::snprintf(text, sizeof text, platform::LoadString(id).c_str(), first, second);
    return text;
}

// The rule set, and in a Bock or Ramsch round of the variants which round and game it is.
std::string RuleSetText() {
    switch (g_Game.VariantMode) {
        case 0: return platform::LoadString(IDS_RULES_SKAT);
        case 2: return platform::LoadString(IDS_PASS_ON_RAMSCH);
        default: break;
    }
    if (g_Settings.Variants.Extra != 0) {
        if (g_Game.RoundStatus == ROUND_RAMSCH) return Formatted(IDS_RAMSCH_ROUND_GAME, g_Game.RamschRound, g_Game.BockCounter + 1);
        if (g_Game.RoundStatus == ROUND_BOCK) return Formatted(IDS_BOCK_ROUND_GAME, g_Game.BockRound, g_Game.BockCounter + 1);
    }
    return platform::LoadString(IDS_VARIANTS_SKAT);
}

bool BetweenGames() { return g_Game.FlowState == STATE_NEW || g_Game.FlowState == STATE_IDLE; }

}  // namespace

void CFramePanels::ShowDataDialog(int reset, int collect) {
    const std::string names[3] = {frame_.GetPlayerName(0), frame_.GetPlayerName(1), frame_.GetPlayerName(2)};
    // 1. The rule set.
    const std::string rule = RuleSetText();
    if (reset && collect) {
        // 2. Only the rule text: the game's own texts are empty.
        CDataDialog::CollectGameData("", "", rule, "", "", "", names[0], names[1], names[2]);
        return;
    }
    if (collect) {
        // 3. The game: soloist, its name with what was announced, Kontra, the announcement and the bid.
        const int type = g_Game.GameType;
        std::string soloist, game = type >= 0 && type <= 7 ? platform::LoadString(GameNameId(type)) : std::string();
        if (type == GAME_RAMSCH) {
            if (frame_.Ramsch().RamschPushCount > 0)
                game += " (" + std::to_string(frame_.Ramsch().RamschPushCount) + " " + platform::LoadString(kTimes) +
                        " " + platform::LoadString(kPassOn) + ")";
        } else {
            if (g_Game.Soloist >= 0 && g_Game.Soloist < 3) soloist = names[g_Game.Soloist];
            if (type != GAME_REVOLUTION) {
                if (g_Game.OuvertAnnounced) game += platform::LoadString(IDS_SUFFIX_OUVERT);
                if (g_Game.HandAnnounced) game += platform::LoadString(IDS_SUFFIX_HAND);
            }
        }
        std::string kontra;
        if (!BetweenGames()) {
            if (g_Game.KontraState == KONTRA_SAID) kontra = platform::LoadString(IDS_KONTRA);
            if (g_Game.KontraState == KONTRA_REKONTRA) kontra = platform::LoadString(IDS_REKONTRA);
            if (g_Game.KontraState != KONTRA_NONE && g_Game.KontraSeat >= 0 && g_Game.KontraSeat < 3)
                kontra += " (" + names[g_Game.KontraSeat] + ")";
        }
        std::string announcement, bid;
        if (g_Game.VariantMode != 2) {
            if (g_Game.SchwarzAnnounced) announcement = platform::LoadString(kSchwarzText);
            else if (g_Game.SchneiderAnnounced) announcement = platform::LoadString(IDS_BALLOON_SCHNEIDER);
            if (!BetweenGames() && type != GAME_NULL && type != GAME_REVOLUTION) bid = std::to_string(BidValue(-1));
        }
        if (g_Game.FlowState != STATE_PLAY) soloist.clear(), game.clear();
        CDataDialog::CollectGameData(soloist, game, rule, announcement, kontra, bid, names[0], names[1], names[2]);
        // Between games no trick has a winner to show.
        if (BetweenGames()) g_DataPanelTexts.TrickWinner = " ";
    }
    // 4. An open panel shows the texts; a closed one opens unless only the texts were collected.
    if (auto* panel = PanelAs<CDataDialog>(PanelWindow(CM_CLOSE_DATA))) {
        panel->UpdateFields();
        return;
    }
    if (reset || !collect) OpenPanel(CreatePanel<CDataDialog>(frame_.Handle()), CM_CLOSE_DATA);
}

void CFramePanels::ShowTrickWinner() {
    if (auto* panel = PanelAs<CDataDialog>(PanelWindow(CM_CLOSE_DATA))) panel->ShowTrickWinner();
}

void CFramePanels::ShowGameStatusDialog(int reset, int collect) {
    const int seat = CStateDialog::ChosenSeat();
    // 1. Unknown, or the chosen seat's view of the game.
    if (reset) {
        CStateDialog::StoreSnapshot(EmptyGameStatusSnapshot());
        if (collect) return;
    } else if (collect && g_Game.FlowState != STATE_IDLE) {
        GameStatusRecord record;
        const GameStatusSnapshot empty = EmptyGameStatusSnapshot();
        std::memcpy(&record, empty.data(), sizeof record);
        if (const CPlayer* player = frame_.GameObject().Player(seat)) player->AnalyseGameStatus(record);
        CStateDialog::StoreSnapshot(ToSnapshot(record));
    }
    // 2. An open panel follows; a closed one opens when neither flag is set.
    auto* panel = PanelAs<CStateDialog>(PanelWindow(CM_CLOSE_STATE));
    if (panel) {
        panel->UpdateFields();
    } else if (!reset && !collect) {
        OpenPanel(CreatePanel<CStateDialog>(frame_.Handle()), CM_CLOSE_STATE);
        panel = PanelAs<CStateDialog>(PanelWindow(CM_CLOSE_STATE));
        panels_.StateWindowUsed = 1;
    }
    if (!panel) return;
    // 3. A computer's status shown marks the game; outside play the person's own takes the mark back.
    const int shown = CStateDialog::ChosenSeat();
    g_Flow.ShownSeats = (g_Flow.ShownSeats & ~0x0F) | shown;
    if (shown != 2) {
        if (!(g_Game.CheatMask & 0x100)) frame_.CardExchange().CheckCheat(0x100, 1);
    } else if (g_Game.FlowState != STATE_PLAY) {
        const int mask = g_Game.CheatMask & ~0x100;
        if (mask != g_Game.CheatMask) {
            g_Game.CheatMask = mask;
            g_Game.CheatMaskChanged = 1;
            if (mask == 0) frame_.CardExchange().CheckCheat(0, 1);
        }
    }
    // 4. The title by the kind of game.
    int title = IDS_STATUS_TITLE_SUIT;
    if (g_Game.GameType == GAME_NULL || g_Game.GameType == GAME_REVOLUTION) title = IDS_STATUS_TITLE_NULL;
    else if (g_Game.GameType == GAME_GRAND) title = IDS_STATUS_TITLE_GRAND;
    else if (g_Game.GameType == GAME_RAMSCH) title = IDS_STATUS_TITLE_RAMSCH;
    panel->SetWindowText(platform::LoadString(title));
}

void CFramePanels::ShowDataPanelClock() {
    if (auto* panel = PanelAs<CDataDialog>(PanelWindow(CM_CLOSE_DATA))) panel->ShowRemainingTime();
}

bool CFramePanels::GameStatusWindowOpen() const { return PanelWindow(CM_CLOSE_STATE) != nullptr; }

void CFramePanels::ForgetStateWindowUse() { panels_.StateWindowUsed = 0; }
