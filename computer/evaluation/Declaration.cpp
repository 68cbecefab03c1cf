#include "computer/evaluation/Declaration.h"

#include "computer/evaluation/BidEvaluation.h"
#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/Discard.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "computer/evaluation/SkatExchange.h"
#include "computer/evaluation/VoidTable.h"
#include "computer/play/CardQueries.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Random.h"

#include <cstring>

namespace {

using Options = int[GAME_OPTION_COUNT][OPT_FIELD_COUNT];

constexpr int PHASE_HAND = 202;
constexpr int PHASE_PICKED_UP = 201;
constexpr int PHASE_LAID_AWAY = 203;

void SetPhaseText(const CPlayer& player, int text) {
    if (g_Game.Soloist == NO_SEAT) {
        for (int& t : g_Game.PlayerPhaseText) t = text;
    } else if (player.seat >= 0 && player.seat < 3) {
        g_Game.PlayerPhaseText[player.seat] = text;
    }
}

void CopySkatIntoHand(CPlayer& player, const CCards& skat) {
    player.cards[10] = skat.cards[0];
    player.cards[11] = skat.cards[1];
}

// The exchange rule, animated when asked and the cards lie open.
void LayAway(CPlayer& player, CCards& skat, bool animated) {
    ExchangeDiscardResult(player, skat, animated && g_ComputerFrame.OpenCardsFlag);
}

// Step 8.1 and 8.2: the twelve cards analysed for game type t and two cards chosen.
void PlanLayAway(CPlayer& player, const CCards& skat, int t) {
    CopySkatIntoHand(player, skat);
    player.AnalyseHand(1);
    g_Game.SetGameType(t);
    PlanAndChooseDiscard(player, t);
}

void CopyOptions(Options& to, const Options& from) { std::memcpy(to, from, sizeof(Options)); }

}  // namespace

int (*CPlayer::ChooseGame(int mode))[13] {
    auto& options = gameOptions;
    // Step 1: a mode given, the hand analysed and the bid evaluated for it.
    if (mode != -1) {
        AnalyseHand(mode);
        CGameEvaluation(*this).EvaluateBid(mode, -1);
    }
    // Step 2: without suggestions nothing is pre-selected.
    if (!g_Settings.Options.Suggest) {
        g_Game.SetGameType(GAME_NONE);
        g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        return options;
    }
    // Step 3: the most probable option that reaches the bid; Revolution and Grand at 60 percent
    // or more take over from any earlier type.
    const int bid = BidValue(-1);
    int c = -1, p = 0;
    for (int t = 0; t < GAME_OPTION_COUNT; ++t) {
        const int* o = options[t];
        if (o[OPT_BASE] < 1 || o[OPT_VALUE] < bid) continue;
        if (o[OPT_PROBABILITY] > p || (o[OPT_PROBABILITY] >= 60 && (t == GAME_REVOLUTION || t == GAME_GRAND))) {
            c = t;
            p = o[OPT_PROBABILITY];
        }
    }
    // Step 4: a Ramsch round keeps its game type.
    if (g_Game.RoundStatus != ROUND_RAMSCH && g_Game.VariantMode != VARIANT_RAMSCH_ONLY) {
        g_Game.SetGameType(c);
    }
    // Step 5: no game: nothing announced and the all-passed evaluation; else the chosen game's
    // announcements.
    if (c == -1) {
        g_Game.OuvertAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        EvaluateAllPassed();
        return options;
    }
    g_Game.OuvertAnnounced = options[c][OPT_OUVERT];
    g_Game.SchneiderAnnounced = options[c][OPT_SCHNEIDER];
    g_Game.SchwarzAnnounced = options[c][OPT_SCHWARZ];
    return options;
}

void CPlayer::SelectDeclaredOption() {
    auto& options = gameOptions;
    // Step 1: the highest suit probability and how many suits share it.
    int top = -1;
    for (int s = 0; s < 4; ++s)
        if (options[s][OPT_BASE] != 0 && (top < 0 || options[s][OPT_PROBABILITY] > options[top][OPT_PROBABILITY])) top = s;
    if (top < 0) return;
    int tied = 0;
    for (int s = 0; s < 4; ++s)
        if (options[s][OPT_BASE] != 0 && options[s][OPT_PROBABILITY] == options[top][OPT_PROBABILITY]) ++tied;
    if (tied <= 1) return;
    // Step 2: the longer suit over the twelve slots; on equal length the one without its Ace.
    int kept = -1, keptCount = 0;
    bool keptAce = false;
    for (int s = 0; s < 4; ++s) {
        if (options[s][OPT_BASE] == 0 || options[s][OPT_PROBABILITY] != options[top][OPT_PROBABILITY]) continue;
        int length = 0;
        bool ace = false;
        for (int slot = 0; slot < 12 && slot < static_cast<int>(cards.size()); ++slot) {
            const int card = cards[slot];
            if (!IsCardCode(card) || (slot < capacity && !present[slot])) continue;
            if (GetCardSuit(card, true) != s || GetCardRank(card) == JACK) continue;
            ++length;
            ace = ace || GetCardRank(card) == ACE;
        }
        if (kept < 0 || length > keptCount || (length == keptCount && keptAce && !ace)) {
            kept = s;
            keptCount = length;
            keptAce = ace;
        }
    }
    // Step 3: the kept suit's probability goes up by 5.
    options[kept][OPT_PROBABILITY] += 5;
}

std::string DeclarationText(const CPlayer& player, int type) {
    const int* o = type >= 0 && type < GAME_OPTION_COUNT ? player.gameOptions[type] : nullptr;
    std::string text = player.name + ":" + GetAbbreviation(2 * type);
    if (!o) return text;
    const std::string hand = o[OPT_HAND] ? GetAbbreviation(18) : "";
    const std::string ouvert = o[OPT_OUVERT] ? GetAbbreviation(16) : "";
    if (type == GAME_NULL) text += ouvert + hand;
    else if (type != GAME_REVOLUTION) text += hand + ouvert;
    if (o[OPT_SCHNEIDER]) text += GetAbbreviation(22);
    if (o[OPT_SCHWARZ]) text += GetAbbreviation(26);
    return text;
}

namespace {

bool ReachesBid(const Options& options, int b, int t) { return options[t][OPT_BASE] > 0 && options[t][OPT_VALUE] >= b; }

// The probability correction: any option more probable than the choice that reaches the bid.
int MostProbableReachingBid(const Options& options, int b, int c) {
    for (int t = 0; t < GAME_OPTION_COUNT; ++t)
        if (ReachesBid(options, b, t) && options[t][OPT_PROBABILITY] > options[c][OPT_PROBABILITY]) c = t;
    return c;
}

// Steps 4 to 6: whether the soloist plays the chosen game from the hand, the skat left lying.
bool DecideHand(CPlayer& player, int c, int b) {
    g_Computer.SkatTaken = 1;
    int* chosen = player.gameOptions[c];
    const int d = chosen[OPT_PROBABILITY] <= 60 ? 5 : chosen[OPT_PROBABILITY] <= 70 ? 3 : 2;
    bool hand = false;
    if (player.handInfo.MatadorRun <= -2 && 2 * chosen[OPT_BASE] < b && chosen[OPT_PROBABILITY] >= 60) {
        // Step 5: without two, the skat could only spoil the level.
        chosen[OPT_HAND] = 1;
        hand = true;
    } else if (chosen[OPT_HAND] == 1) {
        // Step 6: a Hand option stays Hand when sure or needed; otherwise one draw decides.
        hand = chosen[OPT_PROBABILITY] > 80 || chosen[OPT_VALUE_NO_HAND] < b || Rand() % d == 0;
    }
    SetPhaseText(player, hand ? PHASE_HAND : PHASE_PICKED_UP);
    return hand;
}

// Step 7 (copy B) and step 8: every playable game laid away and evaluated on its own, B keeping
// the best record per game with the skat.
void EvaluateEveryLayAway(CPlayer& player, CCards& skat, Options& B) {
    auto& options = player.gameOptions;
    g_Computer.Discard.ClearCounts();
    CopySkatIntoHand(player, skat);
    player.AnalyseHand(1);
    CGameEvaluation(player).EvaluateBid(1, -1);
    for (int t = 0; t < GAME_OPTION_COUNT; ++t)
        if (options[t][OPT_PROBABILITY] != 0 && options[t][OPT_PROBABILITY] >= B[t][OPT_PROBABILITY])
            std::memcpy(B[t], options[t], sizeof(B[t]));
    for (int t = 0; t < GAME_OPTION_COUNT; ++t) {
        if (B[t][OPT_BASE] == 0 || B[t][OPT_HAND] != 0) continue;
        PlanLayAway(player, skat, t);
        LayAway(player, skat, true);
        SetPhaseText(player, PHASE_LAID_AWAY);
        g_Computer.Discard.ClearCounts();
        CopySkatIntoHand(player, skat);
        player.AnalyseHand(2);
        CGameEvaluation(player).EvaluateBid(2, t);
        if (t < 4) options[t][OPT_SUIT_COUNT] = player.handInfo.SuitCount[t];
        std::memcpy(B[t], options[t], sizeof(B[t]));
    }
}

// Step 10: the final choice by probability (suit games: plus the announcements of a long trump
// holding); on equal scores a suit whose low card is not an Ace wins. Returns the best score.
int ChooseByProbability(CPlayer& player, int b, int& c) {
    auto& options = player.gameOptions;
    int best = 0;
    int k = c;
    for (int t = 0; t < GAME_OPTION_COUNT; ++t) {
        int* o = options[t];
        if (o[OPT_BASE] <= 0) continue;
        if (o[OPT_HAND]) {
            o[OPT_VALUE] = o[OPT_VALUE_NO_HAND];
            o[OPT_HAND] = 0;
        }
        int score = o[OPT_PROBABILITY];
        if (t < 4 && o[OPT_SUIT_COUNT] + o[OPT_JACK_COUNT] > 5)
            score += o[OPT_OUVERT] + o[OPT_SCHNEIDER] + o[OPT_SCHWARZ] + 1;
        if (score < best || o[OPT_VALUE] < b) continue;
        if (score > best) {
            best = score;
            k = t;
        } else if (GetCardRank(PickLowCardOfSuit(player, k)) == ACE &&
                   GetCardRank(PickLowCardOfSuit(player, t)) != ACE) {
            k = t;
        }
    }
    c = k;
    return best;
}

// Step 11, no game scored: the suit whose next multiple of its base value lies nearest above the
// bid, from the records as dealt (A), or that suit at a loss when none was playable.
int NearestSuitAboveBid(CPlayer& player, const Options& A, int b) {
    auto& options = player.gameOptions;
    const int base[4] = {12, 11, 10, 9};
    int nearest = 0, distance = -1;
    for (int s = 0; s < 4; ++s) {
        const int dist = (b + base[s] - 1) / base[s] * base[s] - b;
        if (distance < 0 || dist < distance) nearest = s, distance = dist;
    }
    int pick = -1;
    for (int s = 0; s <= nearest; ++s)
        if (A[s][OPT_BASE] > 0 && (pick < 0 || A[s][OPT_PROBABILITY] >= A[pick][OPT_PROBABILITY])) pick = s;
    if (pick >= 0) {
        std::memcpy(options[pick], A[pick], sizeof(A[pick]));
        return pick;
    }
    int* o = options[nearest];
    o[OPT_HAND] = o[OPT_OUVERT] = o[OPT_SCHNEIDER] = o[OPT_SCHWARZ] = 0;
    o[OPT_BASE] = 2 * o[OPT_VALUE_NO_HAND];
    o[OPT_VALUE] = -2 * o[OPT_VALUE_NO_HAND];
    o[OPT_PROBABILITY] = 1;
    return nearest;
}

// Step 11: fallbacks when no game scored, else Grand at 60 percent or the probability correction.
int ChooseFallback(CPlayer& player, const Options& A, int b, int best, int c) {
    auto& options = player.gameOptions;
    if (best <= 0) {
        for (int t = 0; t < 4; ++t) {
            int* o = options[t];
            if (o[OPT_BASE] > 0 && o[OPT_PROBABILITY] >= 70) {
                o[OPT_VALUE] += o[OPT_BASE];
                if (o[OPT_VALUE] >= b) best = o[OPT_PROBABILITY];
            }
        }
    }
    if (best <= 0 && c == GAME_NULL && options[GAME_NULL][OPT_PROBABILITY] < 100) {
        int* o = options[GAME_NULL];
        if (o[OPT_VALUE] < b) {
            const bool ouvert = b > 23;
            o[OPT_BASE] = o[OPT_VALUE] = ouvert ? 46 : 23;
            o[OPT_OUVERT] = ouvert ? 1 : 0;
        }
        return c;
    }
    if (best <= 0) return NearestSuitAboveBid(player, A, b);
    if (options[GAME_GRAND][OPT_BASE] >= 1 && options[GAME_GRAND][OPT_PROBABILITY] >= 60) return GAME_GRAND;
    if (options[c][OPT_PROBABILITY] <= 60) return MostProbableReachingBid(options, b, c);
    return c;
}

// Steps 7 to 11: the game chosen again with the skat picked up.
int ChooseWithSkat(CPlayer& player, CCards& skat, int c, int b) {
    auto& options = player.gameOptions;
    // Step 7: copy A as dealt, copy B the best record per game with the skat.
    options[c][OPT_HAND] = 0;
    Options A, B;
    CopyOptions(A, options);
    CopyOptions(B, A);
    EvaluateEveryLayAway(player, skat, B);
    // Step 9: a game without the hand keeps the record with the skat; the declared option chosen, then
    // the game by probability or the fallback.
    for (int t = 0; t < GAME_OPTION_COUNT; ++t)
        if (options[t][OPT_HAND] == 0) std::memcpy(options[t], B[t], sizeof(B[t]));
    player.SelectDeclaredOption();
    const int best = ChooseByProbability(player, b, c);
    return ChooseFallback(player, A, b, best, c);
}

// Step 12: the final lay-away for the declared game, without animation.
void FinalLayAway(CPlayer& player, CCards& skat, int c, int b) {
    auto& options = player.gameOptions;
    PlanLayAway(player, skat, c);
    LayAway(player, skat, false);
    if (c == GAME_NULL) {
        player.AnalyseHand(0);
    } else if (options[c][OPT_SCHNEIDER] || options[c][OPT_SCHWARZ]) {
        player.AnalyseHand(0);
        CGameEvaluation(player).EvaluateBid(1, c);
    }
    skat.RemoveCards(false);
    skat.Sort();
    skat.PaintCards();
    options[c][OPT_HAND] = 0;
    if (c == GAME_NULL && options[GAME_NULL][OPT_PROBABILITY] != 100 && b <= 23 && player.seat != g_Game.Forehand)
        options[GAME_NULL][OPT_OUVERT] = 0;
}

}  // namespace

bool CPlayer::Declare(CCards& skat) {
    auto& options = gameOptions;
    const int b = BidValue(-1);
    // Step 1: the highest value that reaches the bid; Diamonds when none does.
    int c = -1;
    for (int t = 0; t < GAME_OPTION_COUNT; ++t)
        if (ReachesBid(options, b, t) && (c < 0 || options[t][OPT_VALUE] > options[c][OPT_VALUE])) c = t;
    if (c < 0) c = GAME_DIAMONDS;
    bool pickedUp = false;
    // Step 2: a Ramsch-only series or a Ramsch round of the variants declares as it stands.
    const bool direct = g_Game.VariantMode == VARIANT_RAMSCH_ONLY || (g_Game.VariantMode != VARIANT_OFFICIAL && g_Game.RoundStatus == ROUND_RAMSCH);
    if (!direct) {
        // Step 3: an unlikely game gives way to the likeliest that reaches the bid; without a hand game
        // the skat is picked up.
        const int p = options[c][OPT_PROBABILITY];
        if (p < 60 || (p == 60 && c != GAME_GRAND)) c = MostProbableReachingBid(options, b, c);
        if (!DecideHand(*this, c, b)) {
            pickedUp = true;
            c = ChooseWithSkat(*this, skat, c, b);
        }
    }
    if (pickedUp) FinalLayAway(*this, skat, c, b);
    // Step 13: the game record.
    g_Game.HandAnnounced = options[c][OPT_HAND];
    g_Game.OuvertAnnounced = options[c][OPT_OUVERT];
    g_Game.SchneiderAnnounced = options[c][OPT_SCHNEIDER];
    g_Game.SchwarzAnnounced = options[c][OPT_SCHWARZ];
    g_Game.SetGameType(c);
    RemoveCards(false);
    Sort();
    // Step 14: the trace line.
    WriteTrace("CPlayer::Declare(" + DeclarationText(*this, c) + ")", 8);
    // Step 15: true when the declared game's value falls short of the bid.
    return options[c][OPT_VALUE] < b;
}

int CPlayer::EvaluateAllPassed() {
    // Step 1: only forehand, with no bid made, under the variants with Ramsch.
    if (seat != g_Game.Forehand || g_Game.BidIndex != 0 || g_Game.VariantMode != VARIANT_SKAT || !g_Settings.Variants.Ramsch)
        return 0;
    // Step 2: evaluated again: the value without the hand of the first game that has a base.
    ReevaluateAllPassed();
    for (int t = 0; t <= GAME_NULL; ++t)
        if (gameOptions[t][OPT_BASE] >= 1) return gameOptions[t][OPT_VALUE_NO_HAND];
    return 0;
}

void CPlayer::ReevaluateAllPassed() {
    const HandInfo& info = handInfo;
    int T = 0, S = 0;
    auto plainSuit = [](int card) { return GetCardSuit(card, true); };
    // Step 1: the Jacks.
    switch (info.JackCount) {
    case 1: {
        const int j = plainSuit(PickJack(*this, 0));
        T = j != DIAMONDS ? 1 : 0;
        S = 3 - j;
        break;
    }
    case 2: {
        const int high = PickHighestInSuit(*this, -1, true);
        const int j1 = plainSuit(high), j2 = plainSuit(PickTrumpBelow(*this, high));
        if (j1 != CLUBS) T = 1, S = (j1 == SPADES && j2 == HEARTS) ? 1 : 0;
        else if (j2 == SPADES) T = 2, S = 3;
        else if (j2 == HEARTS) T = 2, S = 1;
        else T = 1, S = 0;
        break;
    }
    case 3: {
        const int j = plainSuit(PickRandomJack(*this, 0));
        if (j == DIAMONDS) T = 3, S = 0;
        else T = 4, S = 3;
        break;
    }
    case 4: T = 4, S = 3; break;
    default: break;
    }
    // Step 2: the plain suits.
    const bool null = IsNullGame();
    for (int s = 0; s < 4; ++s) {
        const int n = null ? info.SuitCountWithJack[s] : info.SuitCount[s];
        if (n == 0) continue;
        const int q = GetCardOrder(PickLowCardAnySuit(*this, s));
        int p = GetCardOrder(PickLowCardOfSuit(*this, s));
        if (n == 1) {
            if (q > 1) ++T, ++S;
        } else if (n == 2) {
            if (q < 1) T += p > 2 ? 1 : 0;
            else {
                const int k = p < 3 ? 1 : 2;
                T += k, S += k;
            }
        } else if (n == 3) {
            if (p > 3) T += q < 1 ? 2 : 1, S += 1;
        } else if (q > 0) {
            int card = PickLowCardOfSuit(*this, s);
            for (int step = 0; step < n - 4 && card != NO_CARD; ++step) card = NextLowerInSuit(*this, card, false);
            p = GetCardOrder(card);
            if (p > 4) T += 4, S += 3;
            else T += 1, S += 1;
        }
    }
    // Step 3: a strong hand looks again at its games, relaxed, and keeps only the best.
    if (T > 6 || (T == 6 && S > 3)) {
        g_Computer.AllPassedQuery = 1;
        CGameEvaluation(*this).EvaluateBid(0, -1);
        g_Computer.AllPassedQuery = 0;
        auto& options = gameOptions;
        int kept = -1;
        for (int t = 0; t <= GAME_NULL; ++t) {
            if (options[t][OPT_BASE] <= 0 || (t == 0 && options[t][OPT_PROBABILITY] < 0)) continue;
            if (kept < 0 || options[t][OPT_PROBABILITY] >= options[kept][OPT_PROBABILITY]) kept = t;
        }
        if (kept >= 0 && options[kept][OPT_PROBABILITY] > 0)
            for (int t = 0; t <= GAME_NULL; ++t)
                if (t != kept) options[t][OPT_BASE] = 0;
    }
}
