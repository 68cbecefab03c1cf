#include "computer/evaluation/BidEvaluation.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "model/GameState.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"

#include <cstdlib>

int CGameEvaluation::AnalyseAndEvaluate(int mode) {
    // A new deal (mode 0) is judged on its own cards: the option records start cleared, so no
    // field of the previous deal (the Grand Schwarz that the Grand trick count reads, a bidding
    // level) carries over. Within the deal, the later modes build on these records.
    if (mode == 0)
        for (auto& record : me.gameOptions) ClearGameOption(record);
    me.AnalyseHand(mode);
    return EvaluateBid(mode, -1);
}

int CGameEvaluation::EvaluateBid(int mode, int option) {
    auto& options = me.gameOptions;
    // Step 1: the current bid counts only after the skat.
    const int B = mode != 0 ? BidValue(-1) : 0;
    // Step 2: an evaluation of every option leaves Ramsch and Durchmarsch out.
    if (option == -1) options[GAME_RAMSCH][OPT_BASE] = options[GAME_DURCHMARSCH][OPT_BASE] = 0;
    // Steps 3 to 5: the evaluators.
    if (option == -1 || (option >= 0 && option <= 3)) EvaluateSuit(mode, option);
    if (option == -1 || option == GAME_NULL) {
        EvaluateNull(mode);
        options[GAME_NULL][OPT_VALUE] = options[GAME_NULL][OPT_BASE];
        options[GAME_REVOLUTION][OPT_VALUE] = options[GAME_REVOLUTION][OPT_BASE];
    }
    if (option == -1 || option == GAME_GRAND) {
        EvaluateGrand(mode);
        int* grand = options[GAME_GRAND];
        const int m = std::abs(me.handInfo.MatadorRun);
        const int a = grand[OPT_OUVERT] + 2 * (grand[OPT_SCHNEIDER] + grand[OPT_SCHWARZ]);
        grand[OPT_VALUE_NO_HAND] = (m + 1 + a) * grand[OPT_BASE];
        grand[OPT_VALUE] = (grand[OPT_HAND] + m + 1 + a) * grand[OPT_BASE];
    }
    // Step 6: the suit values, Diamonds first so that an equal lower suit index wins.
    int best = GAME_DIAMONDS;
    for (int t = 3; t >= 0; --t) {
        int* opt = options[t];
        if (opt[OPT_BASE] == 0 || (option != -1 && option != t)) continue;
        int level = GetMatadors(me, t);
        if (mode == 0 && IsRejectCode(opt[OPT_RULE])) level = level >= 1 ? 2 : -2;
        if (level < 0) level = mode != 0 ? -level : GetBiddingLevel(t, level);
        const int a = opt[OPT_OUVERT] + 2 * (opt[OPT_SCHNEIDER] + opt[OPT_SCHWARZ]);
        opt[OPT_VALUE_NO_HAND] = (level + a) * opt[OPT_BASE];
        opt[OPT_VALUE] = (opt[OPT_HAND] + level + a) * opt[OPT_BASE];
        if (opt[OPT_VALUE] >= B && opt[OPT_VALUE] >= options[best][OPT_VALUE]) best = t;
    }
    // Step 7: the highest value of Null, Revolution, the best suit and Grand.
    int V = options[GAME_NULL][OPT_VALUE];
    if (options[GAME_REVOLUTION][OPT_VALUE] > V) V = options[GAME_REVOLUTION][OPT_VALUE];
    if (options[best][OPT_VALUE] > V) V = options[best][OPT_VALUE];
    if (options[GAME_GRAND][OPT_VALUE] > V) V = options[GAME_GRAND][OPT_VALUE];
    // Step 8: one option asked: its value.
    if (option != -1) return V;
    // Step 9: the deciding option; a rejected one bids only the lowest rung.
    const int order[4] = {GAME_GRAND, best, GAME_NULL, GAME_REVOLUTION};
    for (int t : order) {
        if (options[t][OPT_VALUE] != V) continue;
        return IsRejectCode(options[t][OPT_RULE]) ? BidLadder[0].value : V;
    }
    return V;
}
