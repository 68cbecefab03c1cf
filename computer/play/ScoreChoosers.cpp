// The score choosers: each walks the plain suits the player holds and, in each, the ranks Ace,
// Ten, King, Queen, 9, 8, 7, asks its group's scorer for every held card and keeps the best (an
// equal score replaces it on the coin flip). Trumps are never scored here.
#include "computer/play/CardChoosers.h"
#include "computer/play/CardQueries.h"
#include "computer/play/CardScorers.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "platform/core/Random.h"

namespace {

constexpr int kRanks[7] = {ACE, TEN, KING, QUEEN, NINE, EIGHT, SEVEN};

// The running best of a chooser: every score but -1 (the card is not held) counts, a scorer's
// value lowered below zero included.
struct Best {
    int score = -1;
    int card = NO_CARD;
    void Offer(int value, int candidate) {
        if (value == -1 || candidate == NO_CARD) return;
        if (card == NO_CARD || value > score || (value == score && CoinHeads())) {
            score = value;
            card = candidate;
        }
    }
};

// The suits a chooser walks: held plain suits, not the trump suit, not the excluded one.
bool SkipSuit(const CPlayer& p, int suit, int excluded) {
    if (IsSuitGame(g_Game.GameType) && suit == g_Game.GameType) return true;
    if (suit == excluded) return true;
    return PlainCount(p, suit) == 0;
}

// A two-card suit whose top card is a Ten that is not top: kept, never thrown.
bool IsUnguardedTenDoubleton(const CPlayer& p, int suit) {
    if (PlainCount(p, suit) != 2 || p.handInfo.GetTopRank(suit) != TEN) return false;
    return !IsTopCard(p, HeldCard(p, suit, TEN), -1, -1);
}

bool HighestIsTop(const CPlayer& p, int suit) { return IsTopCard(p, PickHighestInSuit(p, suit, true), -1, -1); }

// The scorers of one rank in its four groups; group 2 takes no top bonus.
using Scorer = int (CCardScorers::*)(int s, int c, int a, int t) const;
using ScorerNoTop = int (CCardScorers::*)(int s, int c, int a) const;
struct RankScorers {
    Scorer group1;
    ScorerNoTop group2;
    Scorer group3;
    Scorer group4;
};
// In the order of kRanks.
constexpr RankScorers kScorers[7] = {
    {&CCardScorers::ScoreAce1, &CCardScorers::ScoreAce2, &CCardScorers::ScoreAce3, &CCardScorers::ScoreAce4},
    {&CCardScorers::ScoreTen1, &CCardScorers::ScoreTen2, &CCardScorers::ScoreTen3, &CCardScorers::ScoreTen4},
    {&CCardScorers::ScoreKing1, &CCardScorers::ScoreKing2, &CCardScorers::ScoreKing3, &CCardScorers::ScoreKing4},
    {&CCardScorers::ScoreQueen1, &CCardScorers::ScoreQueen2, &CCardScorers::ScoreQueen3, &CCardScorers::ScoreQueen4},
    {&CCardScorers::ScoreNine1, &CCardScorers::ScoreNine2, &CCardScorers::ScoreNine3, &CCardScorers::ScoreNine4},
    {&CCardScorers::ScoreEight1, &CCardScorers::ScoreEight2, &CCardScorers::ScoreEight3, &CCardScorers::ScoreEight4},
    {&CCardScorers::ScoreSeven1, &CCardScorers::ScoreSeven2, &CCardScorers::ScoreSeven3, &CCardScorers::ScoreSeven4},
};

// Offers every rank of the suit, Ace down to Seven, with its group's score: the Ace, Ten, King and
// Queen with the modifier high, the Nine, Eight and Seven with low; top is the group's top bonus.
template <class GroupScorer, class... Top>
void OfferSuit(Best& best, const CPlayer& p, int s, GroupScorer RankScorers::*group, int c, int high, int low,
               Top... top) {
    const CCardScorers scorers(p);
    for (int i = 0; i < 7; ++i)
        best.Offer((scorers.*(kScorers[i].*group))(s, c, i < 4 ? high : low, top...), HeldCard(p, s, kRanks[i]));
}

// The card to throw of the plain suits but the excluded one, a Ten that is not top kept beside one
// other card: a single card or a suit the soloist is known free of scores as free, a single small
// card as very free.
template <class GroupScorer, class... Top>
int ChooseThrow(const CPlayer& p, int excluded, GroupScorer RankScorers::*group, Top... top) {
    if (excluded < 0 || excluded > 3) return NO_CARD;
    Best best;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(p, s, excluded) || IsUnguardedTenDoubleton(p, s)) continue;
        const int c = PlainCount(p, s);
        const int a = (c == 1 || !SoloistMayHold(p, s)) ? 1 : 0;
        const int b = c == 1 ? 10 : a;
        OfferSuit(best, p, s, group, c, a, b, top...);
    }
    return best.card;
}

}  // namespace

int CCardChoosers::ChooseDefenderLead(bool F) {
    Best best;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(me, s, -1)) continue;
        const int n = me.handInfo.SuitCount[s] + me.handInfo.PlayedSuitCount[s];
        const int f = F ? 1 : 0;
        OfferSuit(best, me, s, &RankScorers::group1, n, f, f, 0);
    }
    int card = best.card;
    if (card != NO_CARD) {
        // A 7 or 8 gives way to the card above its run when that is close.
        if (GetCardOrder(card) < 2) {
            const int h = NextHigherInSuit(me, GetNextHigherHeld(me, card));
            if (h != NO_CARD && GetCardOrder(h) - GetCardOrder(card) < 4) card = h;
        }
        return card;
    }
    const int t = PickHighestInSuit(me, -1, true);
    return IsTopCard(me, t, -1, -1) ? t : ChooseCardWithRandomJack(-1, true);
}

int CCardChoosers::ChooseOpponentFollow(int excluded) { return ChooseThrow(me, excluded, &RankScorers::group2); }

int CCardChoosers::ChooseCardByRunScore(bool flag) {
    Best best;
    int freeSuitCard = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(me, s, -1)) continue;
        const int c = PlainCount(me, s);
        const int a = (c == 1 || !SoloistMayHold(me, s)) ? 1 : 0;
        OfferSuit(best, me, s, &RankScorers::group2, c, a, a);
        if (flag || best.card == NO_CARD) continue;
        // The best card of a suit the soloist is known free of is kept aside, the highest first.
        const int bestSuit = GetCardSuit(best.card, false);
        if (!SoloistMayHold(me, bestSuit) &&
            (freeSuitCard == NO_CARD || GetCardOrder(best.card) > GetCardOrder(freeSuitCard)))
            freeSuitCard = best.card;
        // A Ten that is not top, in a suit of more cards, loses a point.
        if (c > 1 && best.card == HeldCard(me, s, TEN) && !IsTopCard(me, best.card, -1, -1)) --best.score;
    }
    return freeSuitCard != NO_CARD ? freeSuitCard : best.card;
}

int CCardChoosers::ChooseCardByScore(int maxPoints, int fallback, bool noLimit) {
    Best best;
    const bool grand = g_Game.GameType == GAME_GRAND;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(me, s, -1)) continue;
        const int c = PlainCount(me, s);
        const bool soloistMay = SoloistMayHold(me, s);
        const int a = (c == 1 && soloistMay) ? 0 : 1;
        const int b = (c < 3 && soloistMay && grand) ? 11 : (c != 1 && soloistMay) ? 0 : 10;
        const bool top = HighestIsTop(me, s);
        const int t = (c == 1 && top) ? 3 : (c == 2 && top) ? 5 : 0;
        OfferSuit(best, me, s, &RankScorers::group3, c, a, b, t);
    }
    int card = best.card;
    if (!noLimit) {
        // 1. A low trump instead, when cheap enough.
        int j = ChooseCardWithRandomJack(-1, true);
        if (GetCardPoints(j) > maxPoints) j = NO_CARD;
        const int instead = fallback != NO_CARD ? fallback : j;
        // 2. Nothing scored: the fallback. A Ten that is not top keeps its guard.
        if (card == NO_CARD) {
            card = fallback;
        } else if (instead != NO_CARD) {
            const int e = GetCardSuit(card, false);
            const int held = PlainCount(me, e);
            const bool keep = held == 2 || (held == 3 && !IsDefender(me) && CountOutstanding(me, e) > 5);
            if (keep && me.handInfo.GetTopRank(e) == TEN && !IsTopCard(me, HeldCard(me, e, TEN), -1, -1))
                card = instead;
        }
        // 3. Too many points for the trick.
        if (card == NO_CARD ||
            (GetCardPoints(card) > maxPoints && j != NO_CARD && GetCardPoints(card) > GetCardPoints(j)))
            card = instead;
    }
    if (card != NO_CARD && GetCardPoints(card) > maxPoints) return NO_CARD;
    return card;
}

int CCardChoosers::ChooseCardByScore2(int excluded) { return ChooseThrow(me, excluded, &RankScorers::group3, 0); }

int CCardChoosers::ChooseCardByScore3(int a, bool flag) {
    Best best;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(me, s, -1)) continue;
        const int c = PlainCount(me, s);
        const int t = HighestIsTop(me, s) ? (c < 4 ? 10 : 0) : (flag ? 0 : -1);
        OfferSuit(best, me, s, &RankScorers::group4, c, a, a, t);
    }
    int card = best.card;
    // 1. Nothing to add: a trump to play low.
    if (card == NO_CARD) {
        card = PickCardBelowWinner(me, false);
        if (IsTopCard(me, card, -1, -1)) card = ChooseCardWithRandomJack(-1, true);
    }
    // 2. A defender's Ace the soloist could still take is better spent in a suit he lacks.
    if (IsDefender(me) && card != NO_CARD && GetCardRank(card) == ACE && SoloistMayHold(me, GetCardSuit(card, false))) {
        Best ace;
        for (int s = 0; s < 4; ++s) {
            if (SkipSuit(me, s, -1) || SoloistMayHold(me, s) || me.handInfo.GetTopRank(s) != ACE) continue;
            ace.Offer(CCardScorers(me).ScoreAce4(s, PlainCount(me, s), a, 0), HeldCard(me, s, ACE));
        }
        if (ace.card != NO_CARD) card = ace.card;
    }
    // 3. The highest of the held run above it.
    return GetNextHigherHeld(me, card);
}
