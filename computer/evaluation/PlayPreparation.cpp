#include "computer/evaluation/PlayPreparation.h"

#include "flow/GameState.h"
#include "model/CardCodes.h"
#include "model/Player.h"

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
