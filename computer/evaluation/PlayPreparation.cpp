#include "computer/evaluation/PlayPreparation.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/EstimationSheetLayout.h"
#include "computer/evaluation/GameOption.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"

void CPlayer::EvaluateSuitStatus() {
    HandInfo& info = handInfo;
    for (int s = 0; s < 4; ++s) {
        const int n = IsNullGame() ? info.SuitCountWithJack[s] : info.SuitCount[s];
        const int m = CountInSuit(s);
        auto held = [&](int rank) { return info.RankTable[s][rank] >= 0; };
        const bool c7 = held(SEVEN), c8 = held(EIGHT), c9 = held(NINE), c10 = held(TEN);
        const bool cQ = held(QUEEN), cK = held(KING), cA = held(ACE);
        int code = STATUS_UNFIT;
        if (n == 0 || n == 7 || (n == 6 && c7)) {
            code = STATUS_SAFE_NO_FH;
        } else if ((n == 1 && c7) || (n == 2 && c7 && c8) || (n >= 3 && c8 && c7 && (c9 || cQ || cK))) {
            code = STATUS_OK;
        } else if (n >= 3 && ((cQ && c9 && c7) || (cK && c9 && c7))) {
            code = STATUS_SAFE_NO_FH;
        } else if (m == 4 && ((c8 && c7) || (c9 && c7))) {
            code = (cQ || cK) ? STATUS_SAFE_NO_FH : STATUS_RISK;
        } else if (m == 1) {
            code = c8 ? STATUS_RISK : c9 ? STATUS_VENTURE : cA ? STATUS_UNFIT : STATUS_VENTURE_DROP_1;
        } else if (m == 2) {
            if (c7) code = STATUS_SAFE_DROP_1;
            else if (c8) code = (cA || c10) ? STATUS_VENTURE : STATUS_RISK;
            else if (c9) code = STATUS_VENTURE;
            else if (cQ || cK) code = (cA || c10) ? STATUS_VENTURE_DROP_2 : STATUS_VENTURE_DROP_1;
            else code = STATUS_UNFIT;
        } else if (m >= 3 && seat == g_Game.Forehand && !c7 && c8 && c9 && !cA) {
            code = STATUS_VENTURE;
        } else if (m == 4 && cQ && c7) {
            code = STATUS_VENTURE;
        } else if (m == 3) {
            if (c7) code = (c9 && c8) ? STATUS_OK : STATUS_RISK;
            else if (!c8) code = c9 ? STATUS_VENTURE : STATUS_UNFIT;
            else code = STATUS_VENTURE;
            if (code == STATUS_VENTURE && (cA || c10)) code = STATUS_UNFIT;
        }
        info.PlayStatus[s] = code;
    }
    // The Jacks.
    auto jack = [&](int suit) { return info.RankTable[suit][JACK] >= 0; };
    int summary = STATUS_UNFIT;
    switch (info.JackCount) {
    case 0: summary = STATUS_OK; break;
    case 1: summary = jack(DIAMONDS) ? STATUS_OK : STATUS_VENTURE; break;
    case 2:
        if (jack(DIAMONDS)) summary = (jack(HEARTS) || jack(SPADES)) ? STATUS_OK : STATUS_RISK;
        else summary = (jack(HEARTS) && jack(SPADES)) ? STATUS_VENTURE : STATUS_UNFIT;
        break;
    case 3: summary = jack(DIAMONDS) ? STATUS_VENTURE : STATUS_UNFIT; break;
    default: summary = STATUS_UNFIT; break;
    }
    info.PlayStatusSummary = summary;
    // Correction 1: with one suit OK, every safe suit counts as OK.
    bool anyOk = false;
    for (int s = 0; s < 4; ++s) anyOk = anyOk || info.PlayStatus[s] == STATUS_OK;
    if (!anyOk) return;
    for (int s = 0; s < 4; ++s)
        if (info.PlayStatus[s] == STATUS_SAFE_NO_FH) info.PlayStatus[s] = STATUS_OK;
    // Correction 2: with three good suits, an unfit suit holding Eight and Nine is only a risk.
    int good = 0;
    bool anyRisk = false;
    for (int s = 0; s < 4; ++s) {
        if (info.PlayStatus[s] == STATUS_OK || info.PlayStatus[s] == STATUS_SAFE_NO_FH) ++good;
        anyRisk = anyRisk || info.PlayStatus[s] == STATUS_RISK;
    }
    if (good == 2 && anyRisk) good = 3;
    if (good != 3) return;
    for (int s = 0; s < 4; ++s)
        if (info.PlayStatus[s] == STATUS_UNFIT && info.RankTable[s][EIGHT] >= 0 && info.RankTable[s][NINE] >= 0)
            info.PlayStatus[s] = STATUS_RISK;
}

namespace {

using PlayRows = std::int32_t[SHEET_ROWS][SHEET_FIELDS];

PlayRows& PlayBlock(const CPlayer& player) { return SheetBlock(player, SHEET_PLAY); }

}  // namespace

bool CPlayer::PreparePlay() {
    EvaluateSuitStatus();
    SheetAt(PlayBlock(*this), PlaySheet::ShortSuitCount) = handInfo.ShortSuitCount;
    AnalysePlayRisk();
    PlanPlay(false);
    return InitPlayEstimate();
}

bool CPlayer::PlanPlay(bool skatTaken) {
    const HandInfo& info = handInfo;
    PlayRows& rows = PlayBlock(*this);
    int* ramsch = gameOptions[GAME_RAMSCH];
    // Step 1: the Ramsch option afresh (its trick field stays).
    for (int k = 0; k < OPT_FIELD_COUNT; ++k)
        if (k != OPT_TRICKS) ramsch[k] = 0;
    SheetAt(rows, PlaySheet::JacksWeakCode) = 101;
    int L = 0;
    if (info.MatadorRun < 1 || info.JackCount < 2) {
        // Step 2: without the Clubs Jack and a second one, no Durchmarsch.
        for (int s = 0; s < 4; ++s) rows[s][PlaySheet::WeakCodeWord] = 0;
        SheetAt(rows, PlaySheet::JacksWeakCode) = 109;
        L = 4;
        SheetAt(rows, PlaySheet::JacksWeakCount) = SheetAt(rows, PlaySheet::JacksWeakValue) = 4;
    } else {
        // Step 3: the tricks each suit would lose.
        for (int s = 0; s < 4; ++s) {
            const int n = IsNullGame() ? info.SuitCountWithJack[s] : info.SuitCount[s];
            auto known = [&](int rank) { return IsHeldOrGone(s, rank, 3); };
            auto own = [&](int rank) { return IsHeldOrGone(s, rank, seat); };
            int x = 4, c = 109;
            if (n == 0) {
                x = 0, c = 101;
            } else if (n == 1) {
                if (known(ACE)) x = 0, c = 101;
                else if (known(TEN)) x = 1, c = 106;
                else if (known(KING)) x = 2, c = 107;
            } else if (n == 2) {
                if (!known(ACE)) x = 4, c = 109;
                else if (known(TEN)) x = 0, c = 101;
                else if (known(KING)) x = 1, c = 104;
                else if (known(QUEEN)) x = 2, c = 105;
            } else if (own(ACE)) {
                if (own(TEN)) {
                    x = !own(KING) && !own(QUEEN) && n == 3 && !own(NINE) ? 1 : 0;
                    c = x == 1 ? 102 : 101;
                } else if (own(KING)) {
                    x = 2, c = n == 3 ? 103 : 109;
                }
            }
            L += x;
            rows[s][PlaySheet::WeakCodeWord] = c;
            rows[s][PlaySheet::WeakCountWord] = n;
            rows[s][PlaySheet::WeakLostWord] = x;
            rows[s][PlaySheet::RunningLostWord] = L;
        }
        // The Jacks: two of them with the Hearts or Diamonds Jack lose one trick.
        const bool lowJack = info.RankTable[HEARTS][JACK] >= 0 || info.RankTable[DIAMONDS][JACK] >= 0;
        if (info.JackCount == 2 && lowJack) {
            SheetAt(rows, PlaySheet::JacksWeakCode) = 108;
            SheetAt(rows, PlaySheet::JacksWeakCount) = 1;
            L += 1;
        } else {
            SheetAt(rows, PlaySheet::JacksWeakCode) = 101;
            SheetAt(rows, PlaySheet::JacksWeakCount) = 0;
        }
        SheetAt(rows, PlaySheet::JacksWeakValue) = L;
    }
    // Step 4: fewer than four lost tricks: Durchmarsch is aimed at (Hand when the skat is not taken).
    const bool aimed = L < 4;
    if (aimed) {
        ramsch[OPT_SCHWARZ] = 1;
        ramsch[OPT_VALUE] = 120;
        ramsch[OPT_RULE] = L + 1;
        if (!skatTaken) {
            ramsch[OPT_HAND] = 1;
            ramsch[OPT_VALUE] = 240;
        }
    }
    // Step 5: the pass-on verdict of an almost sure Durchmarsch.
    if (L < 2) {
        SheetAt(rows, PlaySheet::PassOnRule) = 110;
        SheetAt(rows, PlaySheet::PassOnRisk) = 25;
    }
    SheetAt(rows, PlaySheet::DurchmarschRisk) = aimed ? 25 * L : 100;
    SheetAt(rows, PlaySheet::DurchmarschRule) = gameOptions[GAME_DURCHMARSCH][OPT_RULE] = aimed ? L + 10 : 0;
    return aimed;
}

bool CPlayer::InitPlayEstimate() {
    PlayRows& rows = PlayBlock(*this);
    const int* grand = gameOptions[GAME_GRAND];
    if (grand[OPT_VALUE] >= 1 && grand[OPT_HAND] == 1 && g_Settings.Variants.GrandHand) {
        SheetAt(rows, PlaySheet::GrandHandRule) = grand[OPT_RULE];
        SheetAt(rows, PlaySheet::GrandHandRisk) = 100 - grand[OPT_PROBABILITY];
        return true;
    }
    SheetAt(rows, PlaySheet::GrandHandRule) = 0;
    SheetAt(rows, PlaySheet::GrandHandRisk) = 100;
    return false;
}
