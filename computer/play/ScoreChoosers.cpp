// The score choosers: each walks the plain suits the player holds and, in each, the ranks Ace,
// Ten, King, Queen, 9, 8, 7, asks its group's scorer for every held card and keeps the best (an
// equal score replaces it on the coin flip). Trumps are never scored here.
#include "computer/play/CardQueries.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
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
    return !p.IsTopCard(HeldCard(p, suit, TEN), -1, -1);
}

bool HighestIsTop(const CPlayer& p, int suit) { return p.IsTopCard(p.PickHighestInSuit(suit, true), -1, -1); }

}  // namespace

int CPlayer::ChooseDefenderLead(bool F) {
    Best best;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(*this, s, -1)) continue;
        const int n = handInfo.SuitCount[s] + handInfo.PlayedSuitCount[s];
        const int f = F ? 1 : 0;
        best.Offer(ScoreAce1(s, n, f, 0), HeldCard(*this, s, ACE));
        best.Offer(ScoreTen1(s, n, f, 0), HeldCard(*this, s, TEN));
        best.Offer(ScoreKing1(s, n, f, 0), HeldCard(*this, s, KING));
        best.Offer(ScoreQueen1(s, n, f, 0), HeldCard(*this, s, QUEEN));
        best.Offer(ScoreNine1(s, n, f, 0), HeldCard(*this, s, NINE));
        best.Offer(ScoreEight1(s, n, f, 0), HeldCard(*this, s, EIGHT));
        best.Offer(ScoreSeven1(s, n, f, 0), HeldCard(*this, s, SEVEN));
    }
    int card = best.card;
    if (card != NO_CARD) {
        // A 7 or 8 gives way to the card above its run when that is close.
        if (GetCardOrder(card) < 2) {
            const int h = NextHigherInSuit(GetNextHigherHeld(card));
            if (h != NO_CARD && GetCardOrder(h) - GetCardOrder(card) < 4) card = h;
        }
        return card;
    }
    const int t = PickHighestInSuit(-1, true);
    return IsTopCard(t, -1, -1) ? t : ChooseCardWithRandomJack(-1, true);
}

int CPlayer::ChooseOpponentFollow(int excluded) {
    if (excluded < 0 || excluded > 3) return NO_CARD;
    Best best;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(*this, s, excluded) || IsUnguardedTenDoubleton(*this, s)) continue;
        const int c = PlainCount(*this, s);
        const int a = (c == 1 || !SoloistMayHold(*this, s)) ? 1 : 0;
        const int b = c == 1 ? 10 : a;
        best.Offer(ScoreAce2(s, c, a), HeldCard(*this, s, ACE));
        best.Offer(ScoreTen2(s, c, a), HeldCard(*this, s, TEN));
        best.Offer(ScoreKing2(s, c, a), HeldCard(*this, s, KING));
        best.Offer(ScoreQueen2(s, c, a), HeldCard(*this, s, QUEEN));
        best.Offer(ScoreNine2(s, c, b), HeldCard(*this, s, NINE));
        best.Offer(ScoreEight2(s, c, b), HeldCard(*this, s, EIGHT));
        best.Offer(ScoreSeven2(s, c, b), HeldCard(*this, s, SEVEN));
    }
    return best.card;
}

int CPlayer::ChooseCardByRunScore(bool flag) {
    Best best;
    int freeSuitCard = NO_CARD;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(*this, s, -1)) continue;
        const int c = PlainCount(*this, s);
        const int a = (c == 1 || !SoloistMayHold(*this, s)) ? 1 : 0;
        best.Offer(ScoreAce2(s, c, a), HeldCard(*this, s, ACE));
        best.Offer(ScoreTen2(s, c, a), HeldCard(*this, s, TEN));
        best.Offer(ScoreKing2(s, c, a), HeldCard(*this, s, KING));
        best.Offer(ScoreQueen2(s, c, a), HeldCard(*this, s, QUEEN));
        best.Offer(ScoreNine2(s, c, a), HeldCard(*this, s, NINE));
        best.Offer(ScoreEight2(s, c, a), HeldCard(*this, s, EIGHT));
        best.Offer(ScoreSeven2(s, c, a), HeldCard(*this, s, SEVEN));
        if (flag || best.card == NO_CARD) continue;
        // The best card of a suit the soloist is known free of is kept aside, the highest first.
        const int bestSuit = GetCardSuit(best.card, false);
        if (!SoloistMayHold(*this, bestSuit) &&
            (freeSuitCard == NO_CARD || GetCardOrder(best.card) > GetCardOrder(freeSuitCard)))
            freeSuitCard = best.card;
        // A Ten that is not top, in a suit of more cards, loses a point.
        if (c > 1 && best.card == HeldCard(*this, s, TEN) && !IsTopCard(best.card, -1, -1)) --best.score;
    }
    return freeSuitCard != NO_CARD ? freeSuitCard : best.card;
}

int CPlayer::ChooseCardByScore(int maxPoints, int fallback, bool noLimit) {
    Best best;
    const bool grand = g_Game.GameType == GAME_GRAND;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(*this, s, -1)) continue;
        const int c = PlainCount(*this, s);
        const bool soloistMay = SoloistMayHold(*this, s);
        const int a = (c == 1 && soloistMay) ? 0 : 1;
        const int b = (c < 3 && soloistMay && grand) ? 11 : (c != 1 && soloistMay) ? 0 : 10;
        const bool top = HighestIsTop(*this, s);
        const int t = (c == 1 && top) ? 3 : (c == 2 && top) ? 5 : 0;
        best.Offer(ScoreAce3(s, c, a, t), HeldCard(*this, s, ACE));
        best.Offer(ScoreTen3(s, c, a, t), HeldCard(*this, s, TEN));
        best.Offer(ScoreKing3(s, c, a, t), HeldCard(*this, s, KING));
        best.Offer(ScoreQueen3(s, c, a, t), HeldCard(*this, s, QUEEN));
        best.Offer(ScoreNine3(s, c, b, t), HeldCard(*this, s, NINE));
        best.Offer(ScoreEight3(s, c, b, t), HeldCard(*this, s, EIGHT));
        best.Offer(ScoreSeven3(s, c, b, t), HeldCard(*this, s, SEVEN));
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
            const int held = PlainCount(*this, e);
            const bool keep = held == 2 || (held == 3 && !IsDefender(*this) && CountOutstanding(e) > 5);
            if (keep && handInfo.GetTopRank(e) == TEN && !IsTopCard(HeldCard(*this, e, TEN), -1, -1)) card = instead;
        }
        // 3. Too many points for the trick.
        if (card == NO_CARD ||
            (GetCardPoints(card) > maxPoints && j != NO_CARD && GetCardPoints(card) > GetCardPoints(j)))
            card = instead;
    }
    if (card != NO_CARD && GetCardPoints(card) > maxPoints) return NO_CARD;
    return card;
}

int CPlayer::ChooseCardByScore2(int excluded) {
    if (excluded < 0 || excluded > 3) return NO_CARD;
    Best best;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(*this, s, excluded) || IsUnguardedTenDoubleton(*this, s)) continue;
        const int c = PlainCount(*this, s);
        const int a = (c == 1 || !SoloistMayHold(*this, s)) ? 1 : 0;
        const int b = c == 1 ? 10 : a;
        best.Offer(ScoreAce3(s, c, a, 0), HeldCard(*this, s, ACE));
        best.Offer(ScoreTen3(s, c, a, 0), HeldCard(*this, s, TEN));
        best.Offer(ScoreKing3(s, c, a, 0), HeldCard(*this, s, KING));
        best.Offer(ScoreQueen3(s, c, a, 0), HeldCard(*this, s, QUEEN));
        best.Offer(ScoreNine3(s, c, b, 0), HeldCard(*this, s, NINE));
        best.Offer(ScoreEight3(s, c, b, 0), HeldCard(*this, s, EIGHT));
        best.Offer(ScoreSeven3(s, c, b, 0), HeldCard(*this, s, SEVEN));
    }
    return best.card;
}

int CPlayer::ChooseCardByScore3(int a, bool flag) {
    Best best;
    for (int s = 0; s < 4; ++s) {
        if (SkipSuit(*this, s, -1)) continue;
        const int c = PlainCount(*this, s);
        const int t = HighestIsTop(*this, s) ? (c < 4 ? 10 : 0) : (flag ? 0 : -1);
        best.Offer(ScoreAce4(s, c, a, t), HeldCard(*this, s, ACE));
        best.Offer(ScoreTen4(s, c, a, t), HeldCard(*this, s, TEN));
        best.Offer(ScoreKing4(s, c, a, t), HeldCard(*this, s, KING));
        best.Offer(ScoreQueen4(s, c, a, t), HeldCard(*this, s, QUEEN));
        best.Offer(ScoreNine4(s, c, a, t), HeldCard(*this, s, NINE));
        best.Offer(ScoreEight4(s, c, a, t), HeldCard(*this, s, EIGHT));
        best.Offer(ScoreSeven4(s, c, a, t), HeldCard(*this, s, SEVEN));
    }
    int card = best.card;
    // 1. Nothing to add: a trump to play low.
    if (card == NO_CARD) {
        card = PickCardBelowWinner(false);
        if (IsTopCard(card, -1, -1)) card = ChooseCardWithRandomJack(-1, true);
    }
    // 2. A defender's Ace the soloist could still take is better spent in a suit he lacks.
    if (IsDefender(*this) && card != NO_CARD && GetCardRank(card) == ACE &&
        SoloistMayHold(*this, GetCardSuit(card, false))) {
        Best ace;
        for (int s = 0; s < 4; ++s) {
            if (SkipSuit(*this, s, -1) || SoloistMayHold(*this, s) || handInfo.GetTopRank(s) != ACE) continue;
            ace.Offer(ScoreAce4(s, PlainCount(*this, s), a, 0), HeldCard(*this, s, ACE));
        }
        if (ace.card != NO_CARD) card = ace.card;
    }
    // 3. The highest of the held run above it.
    return GetNextHigherHeld(card);
}
