#include "computer/evaluation/VoidTable.h"

#include "computer/evaluation/ComputerState.h"
#include "model/GameState.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameTypeLookups.h"
#include "model/Player.h"
#include "model/Skat.h"
#include "model/Trace.h"

namespace {

constexpr const char* kShortNames = "KzPkHzKaNlRvGdRaOvHdOvSnAnSwAnSnSwSbJfDmBoKoReALOSTWZDM\n";
constexpr unsigned kTraceGame = 4;
constexpr unsigned kTracePlayer = 8;

// Callers test IsTraceOn(flags) first: the suit control runs after every trick, and its texts are long.
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

namespace {

// What the suit control reads of the trick just valued: the seats of the soloist's side, of
// forehand (F) and of the winner (W), and the suit L led.
struct TrickFacts {
    const CSkat* game;
    bool ramsch, nullGame;
    int soloistSide, F, W, leadCard, L;
    int CardOf(int seat) const { return game->Trick().cards[seat]; }
    std::string Name(int seat) const { return game->GetPlayerName(seat); }
};

// A. Trump lead in Grand, Ramsch or Durchmarsch: a Jack winning frees those who could not
// follow, an exhausted hand frees the other two; true when nobody but the winner followed.
bool TrumpLeadFreeOf(const TrickFacts& f) {
    const int L = f.L, W = f.W;
    bool onlyWinnerFollowed = false;
    if (GetCardRank(f.CardOf(W)) == JACK) {
        onlyWinnerFollowed = true;
        for (int k = 1; k <= 3; ++k) {
            const int seat = (W + k) % 3;
            const bool playedJack = GetCardRank(f.CardOf(seat)) == JACK;
            const bool mayHold = g_Knowledge.VoidTable[seat][L] != 0;
            if (seat != W && (!mayHold || playedJack)) onlyWinnerFollowed = false;
            if (mayHold && !playedJack) {
                SetFree(seat, L);
                if (IsTraceOn(kTraceGame)) Trace("FreeOf(" + f.Name(seat) + ":jacks)", kTraceGame);
            }
        }
    }
    for (int seat = 0; seat < 3; ++seat) {
        const CPlayer* player = f.game->Player(seat);
        if (player != nullptr && IsSuitExhausted(*player, L)) {
            SetFree((seat + 1) % 3, L);
            SetFree((seat + 2) % 3, L);
            break;
        }
    }
    return onlyWinnerFollowed;
}

// B.1 Thrown off: the defender who did not win the trick did not follow.
void NoteThrownOff(const TrickFacts& f) {
    const int W = f.W;
    if (W != g_Game.Soloist && g_Game.Soloist >= 0 && g_Game.Soloist <= 2) {
        const int other = 3 - g_Game.Soloist - W;
        const int otherSuit = (other >= 0 && other <= 2) ? GetCardSuit(f.CardOf(other), false) : f.L;
        if (otherSuit != GetCardSuit(f.leadCard, false)) {
            g_Computer.ThrownOffSuit = otherSuit;
            if (IsTraceOn(kTraceGame)) Trace("ThrownOff(" + f.Name(other) + ")", kTraceGame);
        } else {
            g_Computer.ThrownOffSuit = -1;
        }
    } else if (g_Game.Soloist < 0 || g_Game.Soloist > 2) {
        g_Computer.ThrownOffSuit = -1;  // no soloist (Ramsch): nobody throws off for a partner
    }
}

// B.2 The soloist followed with his Ten after the Ace was gone, or with the Ace after the Ten.
void SoloistFollowedHigh(const TrickFacts& f) {
    const int L = f.L, soloistSide = f.soloistSide;
    const int type = g_Game.GameType;
    if (f.F == soloistSide || type == GAME_RAMSCH || type == GAME_NULL || type == GAME_REVOLUTION) return;
    const int card = f.CardOf(soloistSide);
    if (GetCardSuit(card, f.nullGame) != L) return;
    const int order = GetCardOrder(card);
    const bool ten = order == 5 && IsCardGone(L, ACE, NO_SEAT);
    const bool ace = order == 6 && IsCardGone(L, TEN, NO_SEAT);
    if (ten || ace) {
        SetFree(soloistSide, L);
        if (IsTraceOn(kTraceGame))
            Trace("FreeOf(" + f.Name(soloistSide) + ":" + SuitAbbreviation(L) + "):" + (ace ? "ace" : "ten"),
                  kTraceGame);
    }
}

// B.3 Following suit: who did not follow is free of the suit, and so is the soloist who played
// its Ace last; true when the trump suit was led and nobody but the winner followed.
bool FollowingSuitFreeOf(const TrickFacts& f) {
    const int L = f.L, W = f.W;
    bool onlyWinnerFollowed = L == g_Game.GameType;
    for (int k = 1; k <= 3; ++k) {
        const int seat = (W + k) % 3;
        const int card = f.CardOf(seat);
        if (GetCardSuit(card, f.nullGame) != L) {
            SetFree(seat, L);
            continue;
        }
        if (seat == W) continue;
        onlyWinnerFollowed = false;
        if (GetCardRank(card) == ACE && seat == f.soloistSide && seat == PreviousSeat(f.F) && !f.ramsch) {
            SetFree(seat, L);
            if (IsTraceOn(kTraceGame))
                Trace("FreeOf(" + f.Name(seat) + ":" + SuitAbbreviation(L) + "):" + f.Name(seat) + ":ace", kTraceGame);
        }
    }
    return onlyWinnerFollowed;
}

// B.4 Suits open in the soloist's hand, and suits used up.
void SuitsOpenOrUsedUp(const TrickFacts& f) {
    const int L = f.L;
    const CPlayer* soloist = f.game->Player(g_Game.Soloist);
    const CPlayer* leader = f.game->Player(f.F);
    for (int s = 0; s < 4; ++s) {
        if (AreOuvertCardsOpen() && soloist != nullptr && IsSuitExhausted(*soloist, s)) {
            const int d1 = (g_Game.Soloist + 1) % 3, d2 = (g_Game.Soloist + 2) % 3;
            SetFree(d1, s);
            SetFree(d2, s);
            const int low = d1 < d2 ? d1 : d2, high = d1 < d2 ? d2 : d1;
            const unsigned flags = g_Game.Soloist == 1 ? kTracePlayer : kTraceGame;
            if (IsTraceOn(flags))
                Trace("FreeOf(" + f.Name(low) + ":" + f.Name(high) + ":" + SuitAbbreviation(L) + "):remain", flags);
        }
        if (g_Knowledge.UnseenSuitCounts[s] == 0) continue;
        const bool lastTrick = leader != nullptr && leader->count == 0;
        const bool usedUp = s == g_Game.GameType ? g_Game.TrumpCount == 1 : CountSuitCards(s, f.soloistSide) > 6;
        if (lastTrick || usedUp) {
            for (int seat = 0; seat < 3; ++seat) SetFree(seat, s);
            g_Knowledge.UnseenSuitCounts[s] = 0;
            if (IsTraceOn(kTraceGame))
                Trace("FreeOf(" + f.Name(0) + ":" + f.Name(1) + ":" + f.Name(2) + ":" + SuitAbbreviation(L) + "):all",
                      kTraceGame);
        }
    }
}

}  // namespace

void ControlSuits(const CSkat& skat, CPlayer& leader) {
    const CSkat* game = &skat;
    const bool ramsch = IsRamschGame();
    const bool nullGame = IsNullGame();
    const int soloistSide = ramsch ? 2 : ValidSeat(g_Game.Soloist);
    const int F = ValidSeat(g_Game.Forehand);
    const int W = ValidSeat(g_Game.TrickWinner);
    const int leadCard = game->Trick().cards[F];
    const TrickFacts f{game, ramsch, nullGame, soloistSide, F, W, leadCard, GetCardSuit(leadCard, nullGame)};
    // The flag of a trump lead that nobody but the winner followed.
    bool onlyWinnerFollowed = false;
    if (f.L > 3) {
        onlyWinnerFollowed = TrumpLeadFreeOf(f);
    } else if (f.L >= 0) {
        NoteThrownOff(f);
        SoloistFollowedHigh(f);
        onlyWinnerFollowed = FollowingSuitFreeOf(f);
        SuitsOpenOrUsedUp(f);
    }
    // C. The leader's forced card, and the trumps after a trump lead only the winner followed.
    leader.ControlForcedCard();
    if (onlyWinnerFollowed) leader.SetTrumpCount();
}
