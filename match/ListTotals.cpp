#include "match/ListTotals.h"

#include "match/GameList.h"
#include "model/GameState.h"
#include "model/Settings.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr int kRamsch = 7;

// Sums stay in 64 bits and are brought back into the 32-bit figures at the end, so a damaged list
// of huge scores cannot overflow them.
int Clamp32(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

// One game's share of the totals: a Ramsch game lost by two goes to the two other seats.
void AddToTotals(std::int64_t totals[3], int seat, std::int64_t score, bool twoLosers) {
    if (seat < 0 || seat > 2) return;
    if (twoLosers) {
        totals[(seat + 1) % 3] += score;
        totals[(seat + 2) % 3] += score;
    } else {
        totals[seat] += score;
    }
}

// One game's share of the balances: the declarer's own balance never rises; a won game costs each
// opponent its value, a lost one costs the declarer, a Ramsch lost by two costs those two.
void AddToBalances(std::int64_t balances[3], int seat, std::int64_t score, bool twoLosers) {
    if (seat < 0 || seat > 2) return;
    const std::int64_t magnitude = score < 0 ? -score : score;
    if (twoLosers) {
        balances[(seat + 1) % 3] -= magnitude;
        balances[(seat + 2) % 3] -= magnitude;
    } else if (score < 0) {
        balances[seat] += score;
    } else {
        balances[(seat + 1) % 3] -= score;
        balances[(seat + 2) % 3] -= score;
    }
}

// The last game's two-loser question, answered from the game globals as the list step sees them.
bool LastGameHasTwoLosers(int secondLoser, int score) {
    return g_Game.GameType == kRamsch && secondLoser != 3 && score < 0;
}

template <typename Apply>
void ApplyToFigures(int figures[3], Apply apply) {
    std::int64_t wide[3] = {figures[0], figures[1], figures[2]};
    apply(wide);
    for (int seat = 0; seat < 3; ++seat) figures[seat] = Clamp32(wide[seat]);
}

}  // namespace

void AddGameToList(int score, const std::string& text, int secondLoser) {
    // 1. The list grows to the counted games; the new game is the last record.
    const int games = std::max(g_Game.GameCount, 1);
    g_GameList.Games.resize(static_cast<std::size_t>(games));
    g_GameList.RowsUnchanged = std::min(g_GameList.RowsUnchanged, static_cast<std::size_t>(games - 1));
    ListRecord& record = g_GameList.Games.back();
    record = ListRecord();
    // 2. Score, forehand, no seat marked yet.
    record.Score = score;
    record.Forehand = g_Game.Leader;
    // 3. The declarer's mark; the third player of a Ramsch game lost by two carries bit 2 as well.
    const int seat = g_Game.Soloist;
    if (seat >= 0 && seat <= 2) {
        record.Marks[seat] = 1;
        if (LastGameHasTwoLosers(secondLoser, score)) record.Marks[seat] |= 4;
    }
    // 4. The short notation, at most 23 characters.
    std::memcpy(record.Text, text.data(), std::min<std::size_t>(text.size(), sizeof record.Text - 1));
}

void ComputeListTotals() {
    ApplyToFigures(g_GameList.MatchTotals, [](std::int64_t totals[3]) {
        totals[0] = totals[1] = totals[2] = 0;
        for (int k = 1; k <= g_GameList.ListedGames(); ++k) {
            const ListRecord& record = *g_GameList.Game(k);
            AddToTotals(totals, record.Seat(), record.Score, record.IsRamschWithTwoLosers());
        }
    });
}

void ComputeBalances() {
    ApplyToFigures(g_GameList.Balances, [](std::int64_t balances[3]) {
        balances[0] = balances[1] = balances[2] = g_Settings.Game.MaxCredit;
        for (int k = 1; k <= g_GameList.ListedGames(); ++k) {
            const ListRecord& record = *g_GameList.Game(k);
            AddToBalances(balances, record.Seat(), record.Score, record.IsRamschWithTwoLosers());
        }
    });
}

void UpdateTotalsForLastGame(int secondLoser) {
    const ListRecord* last = g_GameList.Game(g_GameList.ListedGames());
    if (!last) return;
    ApplyToFigures(g_GameList.MatchTotals, [&](std::int64_t totals[3]) {
        AddToTotals(totals, last->Seat(), last->Score, LastGameHasTwoLosers(secondLoser, last->Score));
    });
}

void UpdateBalancesForLastGame(int secondLoser) {
    const ListRecord* last = g_GameList.Game(g_GameList.ListedGames());
    if (!last) return;
    ApplyToFigures(g_GameList.Balances, [&](std::int64_t balances[3]) {
        AddToBalances(balances, last->Seat(), last->Score, LastGameHasTwoLosers(secondLoser, last->Score));
    });
}

void ResetListTotals() {
    for (int seat = 0; seat < 3; ++seat) {
        g_GameList.MatchTotals[seat] = 0;
        g_GameList.Balances[seat] = g_Settings.Game.MaxCredit;
    }
}
