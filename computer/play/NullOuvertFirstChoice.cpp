// The Null defenders' first choices while the soloist's cards lie open: they read his hand, may
// give the game up, and at the first trick note (or announce) Kontra for the Null option.

#include "computer/evaluation/GameOption.h"
#include "computer/play/NullPlay.h"
#include "computer/play/StrategyHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Player.h"
#include "model/Settings.h"

namespace {

// The k-th lowest card of a suit in a hand: the lowest, then k - 1 steps to the next card above.
int KthLowest(const CPlayer& player, int suit, int k) {
    int card = LowestHeld(player, suit);
    for (int step = 1; step < k && card != NO_CARD; ++step) card = NextHigherInSuit(player, card);
    return card;
}

}  // namespace

bool CNullPlay::NullFirstChoiceActive() const {
    if (me.partner == nullptr || g_Game.OuvertAnnounced == 0) return false;
    const int tricks = g_Game.PartyTricks[0] + g_Game.PartyTricks[1] + g_Game.PartyTricks[2];
    if (g_Game.VariantMode == VARIANT_OFFICIAL) return true;
    return g_Game.VariantMode == VARIANT_SKAT && (g_Settings.Variants.NullOuvert == 0 || tricks >= 1);
}

bool CNullPlay::NullKontraBookkeeping(bool notPerson) const {
    if (notPerson && me.seat == 2) return false;
    return me.count == 10 && g_Game.KontraState == KONTRA_NONE && me.seat != g_Game.Soloist &&
           g_Game.VariantMode == VARIANT_SKAT && me.seat >= 0 && me.seat < 3 && g_Game.HasBid[me.seat] &&
           g_Settings.Variants.Kontra;
}

void CNullPlay::NoteNullKontra(int code, bool announce) {
    me.gameOptions[GAME_NULL][OPT_RULE] = code;
    if (!announce) return;
    g_Game.KontraState = KONTRA_SAID;
    g_Game.KontraSeat = me.seat;
}

int CNullPlay::NullOpponentSecondFirstChoice(bool soloistFollows, int firstCard, bool& abort) {
    abort = false;
    if (!NullFirstChoiceActive()) return NO_CARD;
    const CPlayer& S = *me.partner;
    const bool F = soloistFollows;
    const int c1 = firstCard;
    const int s = PlainSuitOf(c1);
    const int n = me.CountInSuit(s);
    // 1. The first trick resets the game's rule option.
    if (me.count == 10 && g_Game.GameType >= 0 && g_Game.GameType < 9) me.gameOptions[g_Game.GameType][OPT_RULE] = 0;
    // 2. The give-up test.
    if (n > 0 && (me.seat == 2 || F || NextLowerInSuit(me, c1, false) == NO_CARD)) {
        abort = me.CheckSoloist(c1);
        if (abort) return NO_CARD;
    }
    // 3. A Kontra noted when the soloist must go under the lead.
    if (NullKontraBookkeeping(true) && F) {
        const int x = PickLowCardAnySuit(S, s);
        if (x != NO_CARD && RanksBelow(c1, x) && RanksBelow(PickLowCardAnySuit(me, s), x)) NoteNullKontra(6243, false);
    }
    // 4. Following.
    if (n > 0) {
        const bool anyLow = g_Game.KontraState == 0 || (g_Game.KontraSeat != me.seat && g_Game.HasBid[me.seat]);
        const int t = anyLow ? PickLowCardAnySuit(me, s) : PickLowCardOfSuit(me, s);
        int result = NO_CARD;
        if (F) {
            const int z = PickLowCardAnySuit(S, s);
            const int w = NextLowerInSuit(me, z, false);
            result = S.CountInSuit(s) > 0 && OrderOf(z) > OrderOf(c1) && w != NO_CARD ? w : t;
        } else {
            const int b = NextLowerInSuit(me, c1, false);
            if (b == NO_CARD) result = t;
            else if (n >= 5) result = b;
            else if (IsSuitSafe(me, c1, b, -1) && MayHoldSuit(me, PartnerSeat(), s)) result = t;
            else result = b;
            if (NullKontraBookkeeping(false) && result == b && b != t) NoteNullKontra(6242, false);
        }
        if (result != NO_CARD) return result;
    } else if (NullKontraBookkeeping(true)) {
        // 5. A Kontra noted when the soloist's lowest cannot stay under.
        const int l = LowestHeld(S, s);
        if (l != NO_CARD && (F ? RanksBelow(c1, l) : !IsSuitSafe(me, l, -1, -1))) NoteNullKontra(6241, false);
    }
    // 6. The discard: the suit of the soloist's weakest structure, unless he can stay under it.
    RunningBest best;
    for (int i = 0; i < 4; ++i)
        if (me.CountInSuit(i) > 0 && S.CountInSuit(i) > 0)
            best.Offer(PickLowCardOfSuit(me, i), S.handInfo.StructureCode[i]);
    if (best.card == NO_CARD || best.score <= 3) return best.card;
    const int s2 = PlainSuitOf(best.card);
    const int mine = me.CountInSuit(s2), his = S.CountInSuit(s2);
    const int k = mine < his ? mine : his;
    const int a = KthLowest(me, s2, k), b = KthLowest(S, s2, k);
    if (!RanksBelow(a, b)) return best.card;
    RunningBest high;
    for (int i = 0; i < 4; ++i)
        if (i != s2 && me.CountInSuit(i) > 0) high.Offer(PickHighestInSuit(me, i, true), S.handInfo.StructureCode[i]);
    return high.card;
}

int CNullPlay::NullOpponentThirdFirstChoice(bool soloistFollows, int firstCard, int secondCard, bool& abort) {
    abort = false;
    if (!NullFirstChoiceActive()) return NO_CARD;
    const CPlayer& Sh = *me.partner;
    const bool F = soloistFollows;
    const int S = F ? firstCard : secondCard;
    const int P = F ? secondCard : firstCard;
    const int sSuit = PlainSuitOf(S);
    const bool pWithS = PlainSuitOf(P) == sSuit;
    const int x = me.CountInSuit(sSuit) > 0 ? PickLowCardAnySuit(me, sSuit) : NO_CARD;
    // 1. The give-up test.
    const bool soloistUnder = x != NO_CARD ? RanksBelow(S, x) : !IsRank(S, ACE);
    if (soloistUnder && !(pWithS && OrderOf(P) <= OrderOf(S))) {
        abort = me.CheckSoloist(NO_CARD);
        if (abort) return NO_CARD;
    }
    // 2. A Kontra noted when the partner's card or the first card leaves the soloist under.
    if (NullKontraBookkeeping(true) && ((pWithS && RanksBelow(P, S)) || (F && !pWithS)) &&
        (x == NO_CARD || RanksBelow(x, S)))
        NoteNullKontra(6230, false);
    const int s = PlainSuitOf(firstCard);
    if (me.CountInSuit(s) > 0) {
        // 3. Following.
        const int t = PickLowCardOfSuit(me, s);
        const int pb = F && !pWithS ? NO_CARD : NextLowerInSuit(me, P, false);
        const int sb = !F && !pWithS ? NO_CARD : NextLowerInSuit(me, S, false);
        int c;
        if (g_Game.KontraSeat == me.seat && me.forcedCard != -1) c = pb;
        else if (sb != NO_CARD && (!pWithS || RanksBelow(P, S))) c = sb;
        else if (F) c = t;
        else c = pb != NO_CARD ? pb : t;
        if (F) return c;
        if (c != NO_CARD && OrderOf(c) >= OrderOf(P)) return c;
        if (RanksBelow(LowestHeld(me, s), PickHighestInSuit(Sh, s, true))) return t;
        const int mine = me.CountInSuit(s), his = Sh.CountInSuit(s);
        const int k = mine < his ? mine : his;
        return OrderOf(KthLowest(me, s, k)) >= OrderOf(KthLowest(Sh, s, k)) ? c : t;
    }
    // 4. Discarding. First pass: the soloist's weakest suit with his low card under ours.
    RunningBest first;
    for (int i = 0; i < 4; ++i)
        if (me.CountInSuit(i) > 0 && Sh.CountInSuit(i) > 0)
            first.Offer(PickLowCardOfSuit(me, i), Sh.handInfo.StructureCode[i]);
    const int s2 = PlainSuitOf(first.card);
    if (s2 >= 0 && Sh.handInfo.StructureCode[s2] >= 7 && RanksBelow(LowestHeld(Sh, s2), LowestHeld(me, s2)))
        return PickHighestInSuit(me, s2, true);
    // Second pass.
    RunningBest second;
    for (int i = 0; i < 4; ++i) {
        if (i == s2 || me.CountInSuit(i) == 0 || Sh.CountInSuit(i) == 0) continue;
        const int his = LowestHeld(Sh, i);
        if (!RanksBelow(his, LowestHeld(me, i))) continue;
        const int unsafeKey = IsSuitSafe(me, his, -1, -1) ? 0 : 13;
        const int key = Sh.handInfo.StructureCode[i] > unsafeKey ? Sh.handInfo.StructureCode[i] : unsafeKey;
        second.Offer(PickLowCardOfSuit(me, i), key);
    }
    const int s3 = PlainSuitOf(second.card);
    const bool soloistWinning = F ? (!pWithS || RanksBelow(P, S)) : (pWithS && RanksBelow(P, S));
    if (soloistWinning || (second.card != NO_CARD && second.score >= 6)) {
        int y = NextLowerInSuit(me, S, false);
        if (y == NO_CARD) y = PickHighestInSuit(me, sSuit, true);
        if (y == NO_CARD) y = PickHighestInSuit(me, s3, true);
        if (y != NO_CARD && !IsSuitSafe(me, y, -1, -1)) return y;
    }
    if (s3 >= 0) return IsSuitSafe(me, second.card, -1, -1) ? NO_CARD : second.card;
    return NO_CARD;
}

// The two hands the open-hand lead compares suit by suit: this defender's and the soloist's.
struct CNullPlay::NullLeadHands {
    const CPlayer& own;
    const CPlayer& soloist;
    int partnerSeat;
    int Mine(int s) const { return own.CountInSuit(s); }
    int His(int s) const { return soloist.CountInSuit(s); }
    bool Shared(int s) const { return Mine(s) > 0 && His(s) > 0; }
    bool PartnerMayHold(int s) const { return partnerSeat != NO_SEAT && MayHoldSuit(own, partnerSeat, s); }
    int MyLowest(int s) const { return LowestHeld(own, s); }
    int HisLowest(int s) const { return LowestHeld(soloist, s); }
};

int CNullPlay::NullOpponentLeadFirstChoice(bool soloistFollows, bool& abort) {
    abort = false;
    if (!NullFirstChoiceActive()) return NO_CARD;
    abort = me.CheckSoloist(NO_CARD);
    if (abort) return NO_CARD;
    const NullLeadHands hands{me, *me.partner, PartnerSeat()};
    // The rules in their order; the first that decides gives the card.
    int dropped = NO_CARD;
    int card = NO_CARD;
    if (NullLeadUnderSoloist(hands, dropped, card) || NullLeadWhereOnlySoloistAbove(hands, card) ||
        NullLeadIntoShortAceSuit(hands, card) || NullLeadUnderUnsafeLow(hands, card) ||
        NullLeadUnderHisLowest(hands, dropped, card) || NullLeadWithoutDraw(hands, card) ||
        NullLeadIntoWeakStructure(hands, soloistFollows, card) || NullLeadOpeningForPartner(hands, card))
        return card;
    return NO_CARD;
}

// First rule: lead under the soloist's lowest card where he must take.
bool CNullPlay::NullLeadUnderSoloist(const NullLeadHands& hands, int& dropped, int& card) {
    const CPlayer& S = hands.soloist;
    const int P = hands.partnerSeat;
    int reachedStep2 = 0;
    for (int s = 0; s < 4; ++s) {
        if (hands.His(s) == 0) continue;
        if (hands.Mine(s) == 0 && hands.His(s) == 4 && IsRank(PickHighestInSuit(S, s, true), ACE)) {
            // Step 1: another suit the partner may still hold (never for Clubs).
            RunningBest other;
            for (int i = 0; i < 4 && s != CLUBS; ++i) {
                if (i == s || !hands.Shared(i) || hands.Mine(i) + hands.His(i) >= 8 || !hands.PartnerMayHold(i))
                    continue;
                const int low = hands.MyLowest(i);
                other.Offer(low, 7 - OrderOf(low));
            }
            if (other.card != NO_CARD) {
                card = other.card;
                return true;
            }
            continue;
        }
        // Step 2: below his k-th lowest card, where the own k-th lowest ranks under it.
        ++reachedStep2;
        const int k = hands.Mine(s) < hands.His(s) ? hands.Mine(s) : hands.His(s);
        const int mine = KthLowest(me, s, k), his = KthLowest(S, s, k);
        int candidate = RanksBelow(mine, his) ? NextLowerInSuit(me, his, false) : NO_CARD;
        if (g_Game.TrickWinner == me.seat && me.lastTrick != nullptr && P != NO_SEAT) {
            const int partnerCard = me.lastTrick->cards[P], ownCard = me.lastTrick->cards[me.seat];
            if (partnerCard > 0 && ownCard > 0 && PlainSuitOf(partnerCard) != PlainSuitOf(ownCard) &&
                PlainSuitOf(partnerCard) != s)
                g_Knowledge.VoidTable[P][s] = 0;
        }
        if (candidate != NO_CARD && hands.PartnerMayHold(s)) {
            // Dropped when the lowest card held by neither hand lies above the soloist's card.
            for (int rank = 7; rank >= 0; --rank) {
                const int unheld = CardCodeOf(NullRankList[rank], s);
                if (IsHeld(me, unheld) || IsHeld(S, unheld) || IsGoneFor(me, unheld)) continue;
                if (RanksBelow(his, unheld)) {
                    dropped = candidate;
                    candidate = NO_CARD;
                }
                break;
            }
        }
        if (candidate != NO_CARD) {
            if (NullKontraBookkeeping(true)) NoteNullKontra(6250, true);
            card = candidate;
            return true;
        }
    }
    // Step 3: a candidate dropped in the only suit tried is played after all.
    if (dropped != NO_CARD && reachedStep2 == 1) {
        card = dropped;
        return true;
    }
    return false;
}

// Second rule: where only the soloist holds the cards above ours.
bool CNullPlay::NullLeadWhereOnlySoloistAbove(const NullLeadHands& hands, int& card) {
    const CPlayer& S = hands.soloist;
    for (int s = 0; s < 4; ++s) {
        if (!hands.Shared(s)) continue;
        int mineList[11], hisList[11], outList[11];
        const int cn = CollectSuit(me, s, true, mineList);
        const int cm = CollectSuit(S, s, true, hisList);
        const int d = cm > cn ? cm - cn : 0;
        if (d >= cm || !RanksBelow(LowestHeld(me, s), hisList[d])) continue;
        const int outCount = CollectSuit(me, s, false, outList);
        int firstOther = NO_CARD;
        for (int i = 0; i < outCount && firstOther == NO_CARD; ++i)
            if (!IsHeld(S, outList[i])) firstOther = outList[i];
        if (firstOther == NO_CARD || !RanksBelow(firstOther, hisList[0])) continue;
        for (int i = 0; i < 4; ++i) {
            if (i == s || !hands.Shared(i) || !hands.PartnerMayHold(i)) continue;
            const int below = NextLowerInSuit(me, HighestCardOutInSuit(me, i), false);
            if (below != NO_CARD) {
                card = below;
                return true;
            }
        }
    }
    return false;
}

// Third rule, when the partner made no bid: into the soloist's short Ace suit.
bool CNullPlay::NullLeadIntoShortAceSuit(const NullLeadHands& hands, int& card) {
    const CPlayer& S = hands.soloist;
    const int P = hands.partnerSeat;
    if (P == NO_SEAT || g_Game.HasBid[P]) return false;
    for (int s = 0; s < 4; ++s) {
        if (hands.Mine(s) != 0 || hands.His(s) < 1 || hands.His(s) > 4 || !IsRank(PickHighestInSuit(S, s, true), ACE))
            continue;
        for (int i = 0; i < 4; ++i) {
            if (i == s || hands.His(i) == 0) continue;
            if (me.handInfo.PlayedSuitCountWithJack[i] + hands.Mine(i) + hands.His(i) >= 8 || !hands.PartnerMayHold(s))
                continue;
            const int c = PickLowCardAnySuit(me, i);
            if (c != NO_CARD && !IsTopCard(me, c, -1, -1)) {
                if (NullKontraBookkeeping(true)) NoteNullKontra(6260, true);
                card = c;
                return true;
            }
        }
    }
    return false;
}

// Fourth rule: under the soloist's lowest card where he cannot stay under ours.
bool CNullPlay::NullLeadUnderUnsafeLow(const NullLeadHands& hands, int& card) {
    for (int s = 0; s < 4; ++s) {
        if (!hands.Shared(s) || !RanksBelow(hands.MyLowest(s), hands.HisLowest(s)) ||
            IsSuitSafe(me, hands.HisLowest(s), hands.MyLowest(s), -1))
            continue;
        if (!hands.PartnerMayHold(s)) {
            if (NullKontraBookkeeping(true)) NoteNullKontra(6260, true);
            card = hands.MyLowest(s);
            return true;
        }
        if (hands.His(s) == 1) {
            bool lowerOut = false;
            for (int rank = 7; rank >= 0; --rank) {
                const int lower = CardCodeOf(NullRankList[rank], s);
                if (OrderOf(lower) >= OrderOf(hands.HisLowest(s))) break;
                if (!IsHeld(me, lower) && !IsGoneFor(me, lower)) lowerOut = true;
            }
            if (lowerOut) {
                if (NullKontraBookkeeping(true)) NoteNullKontra(6260, true);
                card = hands.MyLowest(s);
                return true;
            }
        }
        RunningBest other;
        for (int i = 0; i < 4; ++i)
            if (i != s && hands.Shared(i)) other.Offer(i + 1, hands.His(i));
        if (other.card != NO_CARD) {
            card = PickHighestInSuit(me, other.card - 1, true);
            return true;
        }
    }
    return false;
}

// Fifth rule: the first suit in which the soloist's lowest card lies above ours.
bool CNullPlay::NullLeadUnderHisLowest(const NullLeadHands& hands, int dropped, int& card) {
    const CPlayer& S = hands.soloist;
    for (int s = 0; s < 4; ++s) {
        if (!hands.Shared(s) || !RanksBelow(hands.MyLowest(s), hands.HisLowest(s))) continue;
        const int t = PickLowCardOfSuit(me, s);
        if (!hands.PartnerMayHold(s)) {
            if (NullKontraBookkeeping(true)) NoteNullKontra(6260, true);
            card = hands.MyLowest(s);
            return true;
        }
        RunningBest other;
        for (int i = 0; i < 4; ++i)
            if (i != s && hands.Shared(i)) other.Offer(i + 1, hands.His(i) + (hands.PartnerMayHold(i) ? 0 : 7));
        if (other.card != NO_CARD) {
            const int h = PickHighestInSuit(me, other.card - 1, true);
            card = !IsTopCard(me, h, -1, -1) && dropped != NO_CARD && NextHigherInSuit(S, h) == NO_CARD ? dropped : h;
            return true;
        }
        card = hands.His(s) > 1 ? t : hands.MyLowest(s);
        return true;
    }
    return false;
}

// Sixth rule: no draw between suits.
bool CNullPlay::NullLeadWithoutDraw(const NullLeadHands& hands, int& card) {
    const CPlayer& S = hands.soloist;
    for (int s = 0; s < 4; ++s) {
        if (!hands.Shared(s)) continue;
        const int k = hands.Mine(s) < hands.His(s) ? hands.Mine(s) : hands.His(s);
        if (!RanksBelow(KthLowest(me, s, k), KthLowest(S, s, k))) continue;
        if (IsTopCard(me, PickHighestInSuit(S, s, true), -1, -1) || !hands.PartnerMayHold(s)) {
            card = PickLowCardAnySuit(me, s);
            return true;
        }
        int winner = -1;
        for (int i = 0; i < 4; ++i) {
            if (!hands.Shared(i)) continue;
            if (winner < 0 || hands.His(i) > hands.His(winner) ||
                (hands.His(i) == hands.His(winner) && hands.Mine(i) > hands.Mine(winner)))
                winner = i;
        }
        card = PickLowCardAnySuit(me, winner);
        return true;
    }
    return false;
}

// Seventh rule: the soloist's suits of weak structure.
bool CNullPlay::NullLeadIntoWeakStructure(const NullLeadHands& hands, bool soloistFollows, int& card) {
    const CPlayer& S = hands.soloist;
    for (int s = 0; s < 4; ++s) {
        if (!hands.Shared(s) || S.handInfo.StructureCode[s] <= 3) continue;
        const int t = PickLowCardOfSuit(S, s);
        const int h = PickHighestInSuit(me, s, true);
        const int a = hands.MyLowest(s);
        if (RanksBelow(a, hands.HisLowest(s)) &&
            (!IsSuitSafe(me, hands.HisLowest(s), a, -1) || !hands.PartnerMayHold(s))) {
            card = a;
            return true;
        }
        if (hands.His(s) <= hands.Mine(s) && IsHeld(S, CardCodeOf(ACE, s))) {
            card = PickLowCardOfSuit(me, s);
            return true;
        }
        if (hands.Mine(s) == 1 && hands.His(s) >= 2 && RanksBelow(a, t)) {
            card = a;
            return true;
        }
        if (!RanksBelow(a, t)) continue;
        if (soloistFollows && RanksBelow(h, t)) {
            card = h;
            return true;
        }
        int outList[11];
        const int outCount = CollectSuit(me, s, false, outList);
        if (outCount - hands.His(s) <= 0) continue;
        const int hisHighest = PickHighestInSuit(S, s, true);
        bool above = false;
        int looked = 0;
        for (int i = outCount - 1; i >= 0 && looked < hands.His(s); --i) {
            if (IsHeld(S, outList[i])) continue;
            ++looked;
            if (RanksBelow(hisHighest, outList[i])) above = true;
        }
        if (above) {
            card = h;
            return true;
        }
        RunningBest other;
        for (int i = 0; i < 4; ++i)
            if (i != s && hands.Shared(i) && hands.PartnerMayHold(i))
                other.Offer(hands.MyLowest(i), 7 - OrderOf(hands.MyLowest(i)));
        if (other.card != NO_CARD) {
            card = other.card;
            return true;
        }
    }
    return false;
}

// Eighth rule: the first suit of weak structure opens the way for any suit the partner holds.
bool CNullPlay::NullLeadOpeningForPartner(const NullLeadHands& hands, int& card) {
    for (int s = 0; s < 4; ++s) {
        if (!hands.Shared(s) || hands.soloist.handInfo.StructureCode[s] <= 3) continue;
        for (int i = 0; i < 4; ++i) {
            if (hands.Shared(i) && hands.PartnerMayHold(i)) {
                card = hands.MyLowest(i);
                return true;
            }
        }
        break;
    }
    return false;
}
