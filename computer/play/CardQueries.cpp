#include "computer/play/CardQueries.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/play/StrategyHelpers.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "platform/core/Random.h"

namespace {

// The walk list of a suit, highest first: Null order in Null and Revolution, else the plain
// trump-game order without the Jack.
struct Walk {
    const int* ranks;
    int length;
};

Walk SuitWalk() {
    if (IsNullGame()) return {NullRankList, 8};
    return {SuitRankList, 7};
}

// Whether a card is a trump of the current game (its effective suit is the trump column).
bool IsTrumpCard(int card) {
    return card != NO_CARD && IsTrumpGame(g_Game.GameType) && GetCardSuit(card, false) == g_Game.GameType;
}

bool IsExcluded(int card, int ex1, int ex2) { return card == ex1 || card == ex2; }

// Whether a card is set in a gone-card mask (GoneCards), read once for a whole walk; as
// IsGoneFor with the mask of the player's seat.
bool IsGoneIn(unsigned gone, int card) {
    const int row = GetCardRow(card);
    return row >= 0 && ((gone >> row) & 1u) != 0;
}

// The common walk of the pick family: cards gone are skipped, held cards are candidates by the
// random tie counter, a card neither held nor gone ends the walk once there is a candidate.
int WalkRun(const CPlayer& player, const int* cards, int n, bool first) {
    int kept = NO_CARD;
    const unsigned gone = GoneCards(player.seat);
    for (int i = 0; i < n; ++i) {
        const int card = cards[i];
        if (IsGoneIn(gone, card)) continue;
        if (IsHeld(player, card)) {
            if (first) return card;
            if (kept == NO_CARD) TieFirst(kept, card);
            else TieNext(kept, card);
        } else if (kept != NO_CARD) {
            break;
        }
    }
    return kept;
}

// The cards of a suit in walk order, highest first.
int SuitCards(int suit, int* out) {
    const Walk walk = SuitWalk();
    for (int i = 0; i < walk.length; ++i) out[i] = CardCodeOf(walk.ranks[i], suit);
    return walk.length;
}

}  // namespace

void TieFirst(int& kept, int card) {
    kept = card;
    g_Computer.RandomTieCounter = 2;
}

void TieNext(int& kept, int card) {
    if (Rand() % g_Computer.RandomTieCounter == 0) {
        kept = card;
        ++g_Computer.RandomTieCounter;
    }
}

bool CoinHeads() { return Rand() % 2 == 0; }

bool CoinTails() { return Rand() % 2 != 0; }

bool IsOut(const CPlayer& player, int card) {
    return card != NO_CARD && !IsHeld(player, card) && !IsGoneFor(player, card);
}

int HighestHeld(const CPlayer& player, int suit) { return PickHighestInSuit(player, suit, true); }

int LowestHeld(const CPlayer& player, int suit) { return PickLowestInSuit(player, suit, true); }

int HighestOfPlainSuit(const CPlayer& player, int suit) {
    return IsSuitIndex(suit) ? PickHighestInSuit(player, suit, true) : NO_CARD;
}

int LowestOfPlainSuit(const CPlayer& player, int suit) {
    return IsSuitIndex(suit) ? PickLowestInSuit(player, suit, true) : NO_CARD;
}

int LowCardOfPlainSuit(const CPlayer& player, int suit) {
    return IsSuitIndex(suit) ? PickLowCardOfSuit(player, suit) : NO_CARD;
}

int HeldBelow(const CPlayer& player, int card) { return NextLowerInSuit(player, card, false); }

int HeldAbove(const CPlayer& player, int card) { return NextHigherInSuit(player, card); }

bool MayPlay(const CPlayer& player, int card) {
    return IsCardCode(card) && player.HasCard(card) && player.CanPlayCard(card, player.trickLeadCard);
}

int PickHighestInSuit(const CPlayer& player, int suit, bool first) {
    if (suit < -1 || suit > 3) return NO_CARD;
    if (suit == -1) {
        if (IsNullGame()) return NO_CARD;
        if (player.handInfo.JackCount > 0) {
            const int jacks[4] = {JackOf(0), JackOf(1), JackOf(2), JackOf(3)};
            const int jack = WalkRun(player, jacks, 4, first);
            if (jack != NO_CARD) return jack;
        }
        if (IsSuitGame(g_Game.GameType)) return PickHighestInSuit(player, g_Game.GameType, first);
        return NO_CARD;
    }
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    return WalkRun(player, suitCards, n, first);
}

int PickLowestInSuit(const CPlayer& player, int suit, bool first) {
    if (suit < -1 || suit > 3) return NO_CARD;
    if (suit == -1) {
        const int type = g_Game.GameType;
        if (!IsSuitGame(type) || player.handInfo.SuitCount[type] == 0) return PickRandomJack(player, first ? -1 : 0);
        // The trump suit from the Seven up: a low trump (7, 8, 9) when there is one, else the
        // first held trump above the Nine.
        int kept = NO_CARD;
        for (int i = 6; i >= 0; --i) {
            const int card = CardCodeOf(SuitRankList[i], type);
            const bool held = IsHeld(player, card);
            if (GetCardOrder(card) > 2) {
                if (!held) {
                    if (kept != NO_CARD) return kept;
                    continue;
                }
                if (kept != NO_CARD) return kept;
                g_Computer.RandomTieCounter = 2;
                return card;
            }
            if (held) {
                if (first) return card;
                if (kept == NO_CARD) TieFirst(kept, card);
                else TieNext(kept, card);
            } else if (kept != NO_CARD) {
                return kept;
            }
        }
        return kept;
    }
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    int kept = NO_CARD;
    for (int i = n - 1; i >= 0; --i) {
        const int card = suitCards[i];
        if (IsGoneFor(player, card)) continue;
        if (IsHeld(player, card)) {
            if (first) return card;
            if (kept == NO_CARD) kept = card;
            else if (CoinTails()) kept = card;
        } else if (kept != NO_CARD) {
            break;
        }
    }
    return kept;
}

int PickTopRunInSuit(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    int kept = NO_CARD;
    for (int i = 0; i < n; ++i) {
        if (IsHeld(player, suitCards[i])) {
            if (kept == NO_CARD) TieFirst(kept, suitCards[i]);
            else TieNext(kept, suitCards[i]);
        } else if (kept != NO_CARD) {
            break;
        }
    }
    return kept;
}

int PickLowCardOfSuit(const CPlayer& player, int suit) {
    if (suit == -1) {
        // The highest top card over the suits held; equal orders by the coin flip.
        int best = NO_CARD;
        for (int s = 0; s < 4; ++s) {
            if (PlainCount(player, s) == 0) continue;
            const int card = PickHighestInSuit(player, s, true);
            if (card == NO_CARD || !IsTopCard(player, card, -1, -1)) continue;
            if (best == NO_CARD || GetCardOrder(card) > GetCardOrder(best)) best = card;
            else if (GetCardOrder(card) == GetCardOrder(best) && CoinHeads()) best = card;
        }
        return best;
    }
    if (suit < 0 || suit > 3) return NO_CARD;
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    int kept = NO_CARD;
    for (int i = 0; i < n; ++i) {
        const bool held = IsHeld(player, suitCards[i]);
        if (kept == NO_CARD) {
            if (!held) continue;
            if (GetCardOrder(suitCards[i]) > 2) return suitCards[i];
            TieFirst(kept, suitCards[i]);
        } else if (held) {
            TieNext(kept, suitCards[i]);
        } else {
            break;
        }
    }
    return kept;
}

int PickLowCardAnySuit(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    const int bound = IsNullGame() ? 7 : 2;
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    int kept = NO_CARD;
    for (int i = n - 1; i >= 0; --i) {
        const int card = suitCards[i];
        const bool held = IsHeld(player, card);
        if (held && GetCardOrder(card) > bound) return kept != NO_CARD ? kept : card;
        if (held) {
            if (kept == NO_CARD) TieFirst(kept, card);
            else TieNext(kept, card);
        } else if (kept != NO_CARD) {
            break;
        }
    }
    return kept;
}

int PickCardBelowWinner(const CPlayer& player, bool flag) {
    int card = NO_CARD;
    if (IsSuitGame(g_Game.GameType)) {
        card = PickLowCardOfSuit(player, g_Game.GameType);
        if (card != NO_CARD && GetCardPoints(card) == 0)
            card = PickHighestInSuit(player, GetCardSuit(card, true), false);
        if (card != NO_CARD && (!flag || GetCardPoints(card) > 0)) return card;
    }
    for (int s = 3; s >= 0; --s)
        if (IsHeld(player, JackOf(s))) return JackOf(s);
    return card;
}

int NextLowerInSuit(const CPlayer& player, int card, bool flag) {
    if (card == NO_CARD || IsTrumpCard(card)) return NO_CARD;
    int suitCards[8];
    const int n = SuitCards(GetCardSuit(card, true), suitCards);
    const int order = GetCardOrder(card);
    for (int i = 0; i < n; ++i) {
        if (!IsHeld(player, suitCards[i]) || GetCardOrder(suitCards[i]) >= order) continue;
        if (flag && GetCardOrder(suitCards[i]) == order - 1) return card;
        return suitCards[i];
    }
    return NO_CARD;
}

int NextHigherInSuit(const CPlayer& player, int card) {
    if (card == NO_CARD || IsTrumpCard(card)) return NO_CARD;
    int suitCards[8];
    const int n = SuitCards(GetCardSuit(card, true), suitCards);
    const int order = GetCardOrder(card);
    for (int i = n - 1; i >= 0; --i)
        if (IsHeld(player, suitCards[i]) && GetCardOrder(suitCards[i]) > order) return suitCards[i];
    return NO_CARD;
}

namespace {

// The card directly above (up) or below (down) a card in its own ladder: a trump Jack steps
// between the Jacks, any other card along its suit's walk list; never between Jacks and suit.
int StepCard(int card, bool up) {
    const int suit = GetCardSuit(card, true);
    if (IsJack(card) && IsTrumpGame(g_Game.GameType)) {
        const int next = up ? suit - 1 : suit + 1;
        return (next < 0 || next > 3) ? NO_CARD : JackOf(next);
    }
    const Walk walk = SuitWalk();
    for (int i = 0; i < walk.length; ++i) {
        if (walk.ranks[i] != GetCardRank(card)) continue;
        const int j = up ? i - 1 : i + 1;
        return (j < 0 || j >= walk.length) ? NO_CARD : CardCodeOf(walk.ranks[j], suit);
    }
    return NO_CARD;
}

int HeldRunEnd(const CPlayer& player, int card, bool up) {
    if (card == NO_CARD) return NO_CARD;
    int current = card;
    for (;;) {
        const int next = StepCard(current, up);
        if (next == NO_CARD || !IsHeld(player, next)) return current;
        current = next;
    }
}

}  // namespace

int GetNextHigherHeld(const CPlayer& player, int card) { return HeldRunEnd(player, card, true); }

int GetNextLowerHeld(const CPlayer& player, int card) { return HeldRunEnd(player, card, false); }

int LowestHeldRunBelow(const CPlayer& player, int card) {
    if (card == NO_CARD || IsTrumpCard(card)) return NO_CARD;
    const int suit = GetCardSuit(card, true);
    int place = -1;
    for (int i = 0; i < 7; ++i)
        if (SuitRankList[i] == GetCardRank(card)) place = i;
    if (place < 0) return NO_CARD;
    int result = NO_CARD;
    for (int i = place + 1; i < 7; ++i) {
        const int below = CardCodeOf(SuitRankList[i], suit);
        if (!IsHeld(player, below)) break;
        result = below;
    }
    return result;
}

int PickCardGrandSuit(const CPlayer& player, int card, int maxOrder) {
    if (card == NO_CARD || IsTrumpCard(card)) return NO_CARD;
    int suitCards[8];
    const int n = SuitCards(GetCardSuit(card, true), suitCards);
    const int order = GetCardOrder(card);
    int run = NO_CARD;
    for (int i = n - 1; i >= 0; --i) {
        const int o = GetCardOrder(suitCards[i]);
        if (!IsHeld(player, suitCards[i]) || o <= order || o > maxOrder) continue;
        if (run == NO_CARD) run = suitCards[i];
        else if (o == GetCardOrder(run) + 1) run = suitCards[i];
        else if (o > GetCardOrder(run) + 1) break;
    }
    return run;
}

int PickCardAboveInTrumps(const CPlayer& player, int card, bool flag) {
    if (!IsTrumpCard(card) || IsNullGame()) return NO_CARD;
    const int order = GetCardOrder(card);
    const int type = g_Game.GameType;
    if (IsSuitGame(type)) {
        int found = NO_CARD;
        for (int i = 6; i >= 0; --i) {
            const int trump = CardCodeOf(SuitRankList[i], type);
            const bool held = IsHeld(player, trump);
            if (found == NO_CARD) {
                if (!held || GetCardOrder(trump) <= order) continue;
                found = trump;
                if (!flag) return found;
            } else if (held) {
                found = trump;
            } else {
                break;
            }
        }
        if (found != NO_CARD) return found;
    }
    for (int s = 3; s >= 0; --s)
        if (IsHeld(player, JackOf(s)) && GetCardOrder(JackOf(s)) > order) return JackOf(s);
    return NO_CARD;
}

int PickTrumpBelow(const CPlayer& player, int card) {
    if (card == NO_CARD) return NO_CARD;
    const int type = g_Game.GameType;
    if (type == GAME_NULL || type == GAME_REVOLUTION || type == GAME_DURCHMARSCH) return NO_CARD;
    const int order = GetCardOrder(card);
    for (int s = 0; s < 4; ++s)
        if (IsHeld(player, JackOf(s)) && GetCardOrder(JackOf(s)) < order) return JackOf(s);
    if (IsSuitGame(type)) {
        for (int i = 0; i < 7; ++i) {
            const int trump = CardCodeOf(SuitRankList[i], type);
            if (IsHeld(player, trump) && GetCardOrder(trump) < order) return trump;
        }
    }
    return NO_CARD;
}

int HighestCardOutInSuit(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    for (int i = 0; i < n; ++i)
        if (IsOut(player, suitCards[i])) return suitCards[i];
    return NO_CARD;
}

int LowestCardOutInSuit(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return NO_CARD;
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    for (int i = n - 1; i >= 0; --i)
        if (IsOut(player, suitCards[i])) return suitCards[i];
    return NO_CARD;
}

int FirstMissingJack(const CPlayer& player) {
    for (int s = 0; s < 4; ++s)
        if (IsOut(player, JackOf(s))) return JackOf(s);
    if (IsSuitGame(g_Game.GameType)) {
        for (int i = 0; i < 7; ++i) {
            const int card = CardCodeOf(SuitRankList[i], g_Game.GameType);
            if (IsOut(player, card)) return card;
        }
    }
    return NO_CARD;
}

int FindOpenCardToPlay(const CPlayer& player) {
    if (!g_Game.OuvertAnnounced || g_Game.VariantMode == VARIANT_RAMSCH_ONLY || player.partner == nullptr)
        return NO_CARD;
    if (g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.NullOuvert && GetTrickCount(-1) == 0) return NO_CARD;
    int out[12];
    int held[12];
    const int outCount = CollectSuit(player, g_Game.GameType, false, out);
    const int heldCount = CollectSuit(*player.partner, g_Game.GameType, true, held);
    if (outCount == 0 || heldCount == 0) return NO_CARD;
    // Only the leading entries, as many as the open hand holds trumps (see the report).
    for (int i = 0; i < outCount && i < heldCount; ++i) {
        bool inOpenHand = false;
        for (int k = 0; k < heldCount; ++k) inOpenHand = inOpenHand || held[k] == out[i];
        if (!inOpenHand) return out[i];
    }
    return NO_CARD;
}

int PickJack(const CPlayer& player, int suit) {
    if (suit == -1) {
        for (int s = 0; s < 4; ++s)
            if (IsHeld(player, JackOf(s))) return JackOf(s);
        return NO_CARD;
    }
    if (suit < -1 || suit > 3) {
        Rand();  // drawn and discarded, so that a seed replays the same game
        return IsHeld(player, JackOf(3)) ? JackOf(3) : NO_CARD;
    }
    int start = -1;
    for (int s = suit; s < 4 && start < 0; ++s)
        if (IsHeld(player, JackOf(s))) start = s;
    if (start < 0) return NO_CARD;
    int length = 0;
    while (start + length < 4 && IsHeld(player, JackOf(start + length))) ++length;
    return JackOf(start + Rand() % length);
}

int PickRandomJack(const CPlayer& player, int suit) {
    if (suit == -1) {
        for (int s = 3; s >= 0; --s)
            if (IsHeld(player, JackOf(s))) return JackOf(s);
        return NO_CARD;
    }
    if (suit < -1 || suit > 3) return NO_CARD;
    int start = -1;
    for (int s = 3; s >= suit && start < 0; --s)
        if (IsHeld(player, JackOf(s))) start = s;
    if (start < 0) return NO_CARD;
    int length = 0;
    while (start - length >= suit && IsHeld(player, JackOf(start - length))) ++length;
    return JackOf(start - Rand() % length);
}

int PickHighestTrumpRandomStep(const CPlayer& player, int n) {
    int trump = PickHighestInSuit(player, -1, true);
    if (n < 1) return trump;
    const int steps = Rand() % n;
    for (int k = 0; k < steps; ++k) trump = PickTrumpBelow(player, trump);
    return trump;
}

bool AreLowerJacksGone(const CPlayer& player, int card) {
    if (!IsJack(card)) return false;
    const int suit = GetCardSuit(card, true);
    if (suit == DIAMONDS) return true;
    if (!IsTrumpGame(g_Game.GameType)) return false;
    for (int s = suit + 1; s < 4; ++s)
        if (!IsCardGone(s, JACK, player.seat)) return false;
    return true;
}

bool HasJacksOut(const CPlayer& player) {
    int notGone = 0;
    for (int s = 0; s < 4; ++s)
        if (!IsCardGone(s, JACK, player.seat)) ++notGone;
    return notGone - player.handInfo.JackCount > 0;
}

namespace {

// The soloist's card lying in the current trick, -1 when there is none.
int SoloistTrickCard() {
    if (g_ComputerFrame.Game == nullptr || g_Game.Soloist < 0 || g_Game.Soloist > 2) return NO_CARD;
    const CTrick& trick = g_ComputerFrame.Game->Trick();
    if (g_Game.Soloist >= static_cast<int>(trick.present.size()) || !trick.present[g_Game.Soloist])
        return NO_CARD;
    return trick.cards[g_Game.Soloist];
}

}  // namespace

bool IsTopCard(const CPlayer& player, int card, int ex1, int ex2) {
    // Step 1: no card.
    if (card == NO_CARD) return false;
    const int suit = GetCardSuit(card, true);
    const int rank = GetCardRank(card);
    const bool jackIsTrump = IsJack(card) && IsTrumpGame(g_Game.GameType);
    // Step 2: the soloist's card in the trick against his own open hand.
    const CPlayer* openHand = player.partner;
    if (g_Game.OuvertAnnounced && openHand != nullptr && card == SoloistTrickCard()) {
        const int effective = IsTrumpCard(card) ? -1 : suit;
        const int high = PickHighestInSuit(*openHand, effective, true);
        if (high != card && high != NO_CARD && GetCardOrder(high) > GetCardOrder(card)) {
            if (IsTopCard(player, high, -1, -1)) return true;
            if (!jackIsTrump) {
                for (int i = 0; i < 7 && SuitRankList[i] != rank; ++i)
                    if (HeldCard(*openHand, suit, SuitRankList[i]) == NO_CARD &&
                        !IsCardGone(suit, SuitRankList[i], openHand->seat))
                        return false;
                if (IsSuitGame(g_Game.GameType) && suit == g_Game.GameType) {
                    for (int s = 0; s < 4; ++s)
                        if (HeldCard(*openHand, s, JACK) == NO_CARD && !IsCardGone(s, JACK, player.seat)) return false;
                    return true;
                }
            } else {
                for (int s = suit; s >= 0; --s)
                    if (HeldCard(*openHand, s, JACK) == NO_CARD && !IsCardGone(s, JACK, player.seat)) return false;
                return true;
            }
        }
    }
    // Step 3: a Jack of a trump game.
    if (jackIsTrump) {
        const int trumpsHeld = IsSuitGame(g_Game.GameType)
                                   ? player.handInfo.SuitCount[g_Game.GameType] + player.handInfo.JackCount
                                   : player.handInfo.JackCount;
        if (trumpsHeld >= g_Game.TrumpCount) return true;
        for (int s = suit - 1; s >= 0; --s) {
            const int jack = JackOf(s);
            if (IsCardGone(s, JACK, player.seat)) continue;
            if (IsHeld(player, jack) && IsExcluded(jack, ex1, ex2)) continue;
            return false;
        }
        return true;
    }
    // Step 4: a card of the trump suit: every Jack still in play must be one named as played.
    if (IsSuitGame(g_Game.GameType) && suit == g_Game.GameType && !IsNullGame()) {
        for (int s = 0; s < 4; ++s) {
            const int jack = JackOf(s);
            if (IsHeld(player, jack) && !IsExcluded(jack, ex1, ex2)) return false;
            if (!IsCardGone(s, JACK, player.seat) && !IsExcluded(jack, ex1, ex2)) return false;
        }
    }
    // Step 5: the highest card of the suit still out.
    const int column = IsTrumpCard(card) ? g_Game.GameType : suit;
    return GetCardOrder(card) >= GetCardOrder(HighestOutstanding(player, column));
}

bool IsSuitSafe(const CPlayer& player, int card, int ex1, int ex2) {
    if (card == NO_CARD) return false;
    const int suit = GetCardSuit(card, true);
    if (IsJack(card) && IsTrumpGame(g_Game.GameType)) {
        if (suit == DIAMONDS) return true;
        for (int s = suit + 1; s < 4; ++s) {
            const int jack = JackOf(s);
            if (IsCardGone(s, JACK, player.seat)) continue;
            if (IsHeld(player, jack) && IsExcluded(jack, ex1, ex2)) continue;
            return false;
        }
        return true;
    }
    const int column = GetCardSuit(card, false);
    int suitCards[8];
    const int n = SuitCards(suit, suitCards);
    const int order = GetCardOrder(card);
    for (int i = n - 1; i >= 0; --i) {
        const int lower = suitCards[i];
        if (GetCardOrder(lower) >= order) break;
        if (IsGoneFor(player, lower) || IsExcluded(lower, ex1, ex2)) continue;
        if (MayHoldSuit(player, NextSeat(player.seat), column) ||
            MayHoldSuit(player, PreviousSeat(player.seat), column))
            return false;
    }
    return true;
}

bool IsSuitGuarded(const CPlayer& player, int suit, int n, bool exact) {
    int first = NextSeat(player.seat);
    int second = PreviousSeat(player.seat);
    if (player.seat != g_Game.Soloist && g_Game.Soloist != NO_SEAT) first = second = g_Game.Soloist;
    int k = 0;
    // A defender asks about the soloist alone: one question, not the same one twice.
    if (MayHoldSuit(player, first, suit) || (second != first && MayHoldSuit(player, second, suit))) {
        // The cards of the suit not gone for him, his own included: the suit is one byte of the
        // gone-card mask (its Jack counts only in Null and Revolution); the trumps count Jacks.
        const unsigned gone = GoneCards(player.seat);
        if (suit >= 0 && suit <= 3) {
            const bool null = IsNullGame();
            unsigned suitGone = (gone >> (SuitToBlock[suit] * 8)) & 0xFFu;
            if (!null) suitGone &= ~(1u << JACK);
            k = (null ? 8 : 7) - CountCards(suitGone);
        } else {
            k = 4 - CountCards(gone & (0x01010101u << JACK));
        }
    }
    if (suit < 0 || suit > 3) return exact ? k == n : k >= n;
    const int own = PlainCount(player, suit);
    return exact ? k - own == n : k >= n + own;
}

bool AllSuitsTopOrGuarded(const CPlayer& player) {
    for (int s = 0; s < 4; ++s)
        if (PlainCount(player, s) == 0) return false;
    for (int s = 0; s < 4; ++s) {
        const int card = PickHighestInSuit(player, s, true);
        if (!IsTopCard(player, card, -1, -1) && IsSuitGuarded(player, s, 1, false)) return false;
    }
    return true;
}

bool CountTopSuits(const CPlayer& player, int n) {
    int tops = 0;
    for (int s = 0; s < 4; ++s) {
        if (PlainCount(player, s) == 0) continue;
        if (IsTopCard(player, PickHighestInSuit(player, s, true), -1, -1)) ++tops;
    }
    return tops >= n;
}

bool ChooseSuitSoloistLeadHelper(const CPlayer& player) {
    for (int s = 0; s < 4; ++s) {
        if (s == g_Game.GameType || PlainCount(player, s) == 0) continue;
        const int card = PickLowCardOfSuit(player, s);
        if (card == NO_CARD || GetCardRank(card) != TEN || IsTopCard(player, card, -1, -1)) continue;
        const int below = NextLowerInSuit(player, card, false);
        if (below == NO_CARD || GetCardOrder(below) < 4) return true;
    }
    return false;
}

bool ChooseTrumpGameHelper(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return false;
    int heldOrders[7];
    int outOrders[7];
    int h = 0, o = 0;
    for (int i = 0; i < 7; ++i) {
        const int card = CardCodeOf(SuitRankList[i], suit);
        if (IsHeld(player, card)) heldOrders[h++] = GetCardOrder(card);
        else if (!IsGoneFor(player, card)) outOrders[o++] = GetCardOrder(card);
    }
    const int k = h < o ? h : o;
    if (k == 0) return false;
    return heldOrders[0] > outOrders[k - 1];
}

int GetSuitWord(const CPlayer& player, int suit) {
    if (suit == -1) {
        for (int s = 0; s < 4; ++s)
            if (player.FollowSuitMarks[s] != 0) return player.FollowSuitMarks[s];
        return 0;
    }
    if (suit < 0 || suit > 3) return 0;
    return player.FollowSuitMarks[suit];
}

int GetCountInSuit2(const CPlayer& player, int suit) {
    if (suit < 0 || suit > 3) return 0;
    return IsNullGame() ? player.handInfo.PlayedSuitCountWithJack[suit] : player.handInfo.PlayedSuitCount[suit];
}
