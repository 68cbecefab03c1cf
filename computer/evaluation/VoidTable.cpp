#include "computer/evaluation/VoidTable.h"

#include "computer/evaluation/ComputerState.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/Skat.h"
#include "model/Trace.h"

namespace {

constexpr const char* kShortNames = "KzPkHzKaNlRvGdRaOvHdOvSnAnSwAnSnSwSbJfDmBoKoReALOSTWZDM\n";
constexpr unsigned kTraceGame = 4;
constexpr unsigned kTracePlayer = 8;

void Trace(const std::string& text, unsigned flags) { WriteTrace(":ControlSuits(" + text + ")", flags); }

int ValidSeat(int seat) { return seat < 0 || seat > 2 ? 0 : seat; }

void SetFree(int seat, int column) {
    if (seat < 0 || seat > 2 || column < 0 || column >= VOID_COLUMNS) return;
    g_Knowledge.VoidTable[seat][column] = 0;
}

std::string SuitAbbreviation(int suit) { return GetAbbreviation(2 * suit); }

}  // namespace


std::string GetAbbreviation(int offset) {
    const std::string names(kShortNames);
    if (offset < 0 || offset >= static_cast<int>(names.size())) return std::string();
    const int length = (offset == 22 || offset == 26) ? 4 : offset < 46 ? 2 : 1;
    return names.substr(offset, length);
}

bool CPlayer::IsHeldOrGone(int suit, int rank, int viewSeat) const {
    if (suit < 0 || suit > 3 || rank < 0 || rank > 7) return false;
    return handInfo.RankTable[suit][rank] >= 0 || IsCardGone(suit, rank, viewSeat);
}

void ControlSuits(CSkat* game) {
    if (game == nullptr) return;
    const CTrick& trick = game->trick;
    const bool ramsch = IsRamschGame();
    const bool nullGame = IsNullGame();
    const int soloistSide = ramsch ? 2 : ValidSeat(g_Game.Soloist);
    const int F = ValidSeat(g_Game.Forehand);
    const int W = ValidSeat(g_Game.TrickWinner);
    auto cardOf = [&](int seat) { return trick.cards[seat]; };
    auto name = [&](int seat) { return game->GetPlayerName(seat); };
    const int leadCard = cardOf(F);
    const int L = GetCardSuit(leadCard, nullGame);
    // The flag of a trump lead that nobody but the winner followed.
    bool onlyWinnerFollowed = false;

    if (L > 3) {
        // A. Trump lead in Grand, Ramsch or Durchmarsch.
        if (GetCardRank(cardOf(W)) == JACK) {
            onlyWinnerFollowed = true;
            for (int k = 1; k <= 3; ++k) {
                const int seat = (W + k) % 3;
                const bool playedJack = GetCardRank(cardOf(seat)) == JACK;
                const bool mayHold = g_Knowledge.VoidTable[seat][L] != 0;
                if (seat != W && (!mayHold || playedJack)) onlyWinnerFollowed = false;
                if (mayHold && !playedJack) {
                    SetFree(seat, L);
                    Trace("FreeOf(" + name(seat) + ":jacks)", kTraceGame);
                }
            }
        }
        for (int seat = 0; seat < 3; ++seat) {
            const CPlayer* player = game->Player(seat);
            if (player != nullptr && player->IsSuitExhausted(L)) {
                SetFree((seat + 1) % 3, L);
                SetFree((seat + 2) % 3, L);
                break;
            }
        }
    } else if (L >= 0) {
        // B.1 Thrown off: the defender who did not win the trick did not follow.
        if (W != g_Game.Soloist && g_Game.Soloist >= 0 && g_Game.Soloist <= 2) {
            const int other = 3 - g_Game.Soloist - W;
            const int otherSuit = (other >= 0 && other <= 2) ? GetCardSuit(cardOf(other), false) : L;
            if (otherSuit != GetCardSuit(leadCard, false)) {
                g_Computer.ThrownOffSuit = otherSuit;
                Trace("ThrownOff(" + name(other) + ")", kTraceGame);
            } else {
                g_Computer.ThrownOffSuit = -1;
            }
        } else if (g_Game.Soloist < 0 || g_Game.Soloist > 2) {
            g_Computer.ThrownOffSuit = -1;  // no soloist (Ramsch): nobody throws off for a partner
        }
        // B.2 The soloist followed with his Ten after the Ace was gone, or with the Ace after the Ten.
        const int type = g_Game.GameType;
        if (F != soloistSide && type != GAME_RAMSCH && type != GAME_NULL && type != GAME_REVOLUTION) {
            const int card = cardOf(soloistSide);
            if (GetCardSuit(card, nullGame) == L) {
                const int order = GetCardOrder(card);
                const bool ten = order == 5 && IsCardGone(L, ACE, NO_SEAT);
                const bool ace = order == 6 && IsCardGone(L, TEN, NO_SEAT);
                if (ten || ace) {
                    SetFree(soloistSide, L);
                    Trace("FreeOf(" + name(soloistSide) + ":" + SuitAbbreviation(L) + "):" + (ace ? "ace" : "ten"), kTraceGame);
                }
            }
        }
        // B.3 Following suit.
        onlyWinnerFollowed = L == g_Game.GameType;
        for (int k = 1; k <= 3; ++k) {
            const int seat = (W + k) % 3;
            const int card = cardOf(seat);
            if (GetCardSuit(card, nullGame) != L) {
                SetFree(seat, L);
                continue;
            }
            if (seat == W) continue;
            onlyWinnerFollowed = false;
            if (GetCardRank(card) == ACE && seat == soloistSide && seat == PreviousSeat(F) && !ramsch) {
                SetFree(seat, L);
                Trace("FreeOf(" + name(seat) + ":" + SuitAbbreviation(L) + "):" + name(seat) + ":ace", kTraceGame);
            }
        }
        // B.4 Suits open in the soloist's hand, and suits used up.
        const CPlayer* soloist = game->Player(g_Game.Soloist);
        const CPlayer* leader = game->Player(F);
        for (int s = 0; s < 4; ++s) {
            if (AreOuvertCardsOpen() && soloist != nullptr && soloist->IsSuitExhausted(s)) {
                const int d1 = (g_Game.Soloist + 1) % 3, d2 = (g_Game.Soloist + 2) % 3;
                SetFree(d1, s);
                SetFree(d2, s);
                const int low = d1 < d2 ? d1 : d2, high = d1 < d2 ? d2 : d1;
                Trace("FreeOf(" + name(low) + ":" + name(high) + ":" + SuitAbbreviation(L) + "):remain",
                      g_Game.Soloist == 1 ? kTracePlayer : kTraceGame);
            }
            if (g_Knowledge.UnseenSuitCounts[s] == 0) continue;
            const bool lastTrick = leader != nullptr && leader->count == 0;
            const bool usedUp = s == g_Game.GameType ? g_Game.TrumpCount == 1 : CountSuitCards(s, soloistSide) > 6;
            if (lastTrick || usedUp) {
                for (int seat = 0; seat < 3; ++seat) SetFree(seat, s);
                g_Knowledge.UnseenSuitCounts[s] = 0;
                Trace("FreeOf(" + name(0) + ":" + name(1) + ":" + name(2) + ":" + SuitAbbreviation(L) + "):all", kTraceGame);
            }
        }
    }
    // C. The leader's forced card, and the trumps after a trump lead only the winner followed.
    CPlayer* leader = game->Player(F);
    if (leader != nullptr) {
        leader->ControlForcedCard();
        if (onlyWinnerFollowed) leader->SetTrumpCount();
    }
}
