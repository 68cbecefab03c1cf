// The person's suggestions: which game his hand would play best with the skat, and which two
// cards to lay away for the game he chose. Both work on the person's own player object.

#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/Discard.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/SkatExchange.h"
#include "computer/evaluation/Suggestions.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/KeptValues.h"
#include "model/PlayerData.h"
#include "model/Settings.h"

#include <cstring>

namespace {

using Options = int[GAME_OPTION_COUNT][OPT_FIELD_COUNT];

constexpr int SKAT_FINE = 1000;
constexpr int SKAT_NOT_RECOMMENDED = 2000;
constexpr int SKAT_OVERBID = 3000;

void SkatIntoSlots(CPlayer& player, const CCards& skat) {
    player.cards[10] = skat.cards[0];
    player.cards[11] = skat.cards[1];
}

// A suit rule code that advises against the game (the variants' override flag left out).
bool IsRejected(int code) {
    if (g_Game.VariantMode == VARIANT_SKAT) code &= ~RULE_OVERRIDE_FLAG;
    return IsRejectCode(code);
}

void RedrawRow(CCards& row) {
    row.RemoveCards(false);
    row.Sort();
    row.PaintCards();
}

}  // namespace

void KeepOptionSpoiledBySkat(int type, int* before) {
    if (type == GAME_GRAND) {
        before[OPT_BASE] = 0;
        return;
    }
    before[OPT_HAND] = 0;
    if (!CheckSchneiderRule(0)) before[OPT_SCHNEIDER] = before[OPT_SCHWARZ] = 0;
    const int ouvert = g_Settings.Variants.Ouvert;
    const bool keepOuvert = before[OPT_OUVERT] != 0 && g_Game.VariantMode == VARIANT_SKAT &&
                            g_Game.RoundStatus != ROUND_RAMSCH && (ouvert == 2 || (ouvert == 1 && before[OPT_SCHWARZ] != 0));
    if (!keepOuvert) before[OPT_OUVERT] = 0;
}

int PruneWeakSuitOptions(int (*options)[13]) {
    int n = 0;
    for (int t = 0; t < GAME_OPTION_COUNT; ++t) n += options[t][OPT_BASE] != 0 ? 1 : 0;
    // m: the best chance among the suit games that are not weak ones, whether offered or not: a
    // weak game gives way to a better suit game even when the pick-up took that one off.
    int m = 0;
    for (int t = 0; t < 4; ++t) {
        const int* o = options[t];
        if ((o[OPT_PROBABILITY] > 40 || !IsRejected(o[OPT_RULE])) && o[OPT_PROBABILITY] > m) m = o[OPT_PROBABILITY];
    }
    for (int t = 0; t < 4 && n > 1; ++t) {
        int* o = options[t];
        if (o[OPT_BASE] == 0 || o[OPT_PROBABILITY] > 40 || !IsRejected(o[OPT_RULE])) continue;
        if (o[OPT_PROBABILITY] <= m) {
            o[OPT_BASE] = 0;
            --n;
        }
    }
    return n;
}

int (*CPlayer::SuggestGame(int mode, CCards& skat))[13] {
    if (mode == 0) return ChooseGame(0);
    auto& options = gameOptions;
    // The trial game types below leave the declared one as it was.
    CKeptValues kept(g_Game.GameType, g_Game.TrumpCount);
    // Step 1: S, the records and the twelve cards as they are now.
    SkatIntoSlots(*this, skat);
    AnalyseHand(mode);
    CGameEvaluation(*this).EvaluateBid(mode, -1);
    Options S;
    std::memcpy(S, options, sizeof(S));
    int hand[10], skatCards[2] = {skat.cards[0], skat.cards[1]};
    for (int slot = 0; slot < 10; ++slot) hand[slot] = cards[slot];
    // Step 2: each game type as if laid away for it.
    for (int t = 0; t < GAME_OPTION_COUNT; ++t) {
        SkatIntoSlots(*this, skat);
        AnalyseHand(1);
        g_Game.SetGameType(t);
        PlanAndChooseDiscard(*this, t);
        ExchangeDiscardResult(*this, skat, false);
        g_Computer.Discard.ClearCounts();
        SkatIntoSlots(*this, skat);
        AnalyseHand(2);
        CGameEvaluation(*this).EvaluateBid(2, t);
        int* now = options[t];
        int* before = S[t];
        if (now[OPT_BASE] == 0 && before[OPT_BASE] != 0) KeepOptionSpoiledBySkat(t, before);
        if (now[OPT_BASE] != 0) {
            if (t < 4) now[OPT_SUIT_COUNT] = handInfo.SuitCount[t];
            now[OPT_JACK_COUNT] = handInfo.JackCount;
            std::memcpy(before, now, sizeof(S[t]));
        }
    }
    // Step 3: the hand and the skat as they were.
    for (int slot = 0; slot < 10; ++slot) cards[slot] = hand[slot];
    for (int place = 0; place < 2; ++place) {
        ClearCardLocation(skat.cards[place]);
        skat.cards[place] = skatCards[place];
        SetCardLocation(skatCards[place], CARD_IN_SKAT);
        cards[10 + place] = skatCards[place];
    }
    // Steps 4 and 5: the records with the skat; weak suit games switched off.
    std::memcpy(options, S, sizeof(S));
    PruneWeakSuitOptions(options);
    // Step 6: the declared option chosen and the hand analysed as it stands.
    SelectDeclaredOption();
    AnalyseHand(0);
    return options;
}

int CPlayer::SuggestSkat(CCards& skat, bool carryOut) {
    // Step 1: with Durchmarsch announced the lay-away is planned for it.
    int t = g_Game.GameType;
    if (t < 0 || t >= GAME_OPTION_COUNT) return 0;
    g_Computer.Discard.ClearCounts();
    gameOptions[t][OPT_SCHNEIDER] = gameOptions[t][OPT_SCHWARZ] = g_Game.SchwarzAnnounced;
    if (g_Game.SchwarzAnnounced == 1) t = GAME_DURCHMARSCH;
    // Steps 2 and 3: the skat taken into the hand, the lay-away planned and carried out.
    SkatIntoSlots(*this, skat);
    AnalyseHand(1);
    PlanAndChooseDiscard(*this, t);
    const DiscardEntry chosen[2] = {g_Computer.Discard.DiscardResult[0], g_Computer.Discard.DiscardResult[1]};
    ExchangeDiscardResult(*this, skat, carryOut);
    // Step 4: carried out: the rows drawn anew after a pause.
    if (carryOut) {
        if (g_ComputerFrame.SetPause) g_ComputerFrame.SetPause(1);
        RedrawRow(*this);
        RedrawRow(skat);
    }
    // Step 5: how the game fares with the cards laid away.
    if (g_Game.GameType == GAME_RAMSCH) {
        SortIntoTable(*this, 2);
        EvaluateSuitStatus();
        SheetBlock(*this, SHEET_PLAY)[4][0] = handInfo.ShortSuitCount;
        AnalysePlayRisk();
        PlanPlay(false);
        InitPlayEstimate();
        gameOptions[t][OPT_BASE] = 18;
    } else {
        SkatIntoSlots(*this, skat);
        AnalyseHand(2);
        CGameEvaluation(*this).EvaluateBid(2, t);
    }
    // Step 6: only asked: the cards go back.
    if (!carryOut) {
        const int value = gameOptions[t][OPT_VALUE];
        g_Computer.Discard.DiscardResult[0] = chosen[0];
        g_Computer.Discard.DiscardResult[1] = chosen[1];
        ExchangeDiscardResult(*this, skat, false);
        return value;
    }
    // Step 7: the verdict: fine, not recommended, or overbid.
    if (t == GAME_NULL) g_Game.OuvertAnnounced = 0;
    if (t == GAME_RAMSCH) return SKAT_FINE;
    if (gameOptions[t][OPT_VALUE] == 0) return SKAT_NOT_RECOMMENDED;
    if (gameOptions[t][OPT_VALUE] < BidValue(-1)) return SKAT_OVERBID;
    return SKAT_FINE;
}
