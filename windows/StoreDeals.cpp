#include "windows/Store.h"

#include "match/StoreRows.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/Clock.h"

#include <algorithm>
#include <cstring>



void CStore::AddDeal(int numberingMode, const CSkat& game) {
    // 1. The new deal's number.
    const int n = std::max(g_Game.StoreCount, 1);
    // 2. The array of exactly 4n + 1 rows: the header and deals 1 to n - 1 carry over, and deal 1
    //    also keeps its first row's words 0-4, into which a long title runs. It grows in place, so
    //    a long match does not copy every deal at each game.
    const std::size_t size = static_cast<std::size_t>(4 * n + 1) * kStoreRowWords * 4;
    const std::size_t carried = n == 1 ? 40 + 5 * 4 : static_cast<std::size_t>(4 * n - 3) * kStoreRowWords * 4;
    std::vector<std::uint8_t>& bytes = g_StoreRows.Bytes;
    if (bytes.size() > carried) {
        bytes.resize(carried);
        g_StoreRows.Unchanged = std::min(g_StoreRows.Unchanged, carried);
    }
    bytes.resize(size, 0);
    // 3. When, how numbered, which game.
    g_StoreRows.SetDealWord(n, DEAL_TIME, static_cast<std::int32_t>(static_cast<std::uint32_t>(Time64())));
    g_StoreRows.SetDealWord(n, DEAL_NUMBERING, numberingMode);
    g_StoreRows.SetDealWord(n, DEAL_GAME, g_Game.GameCount);
    // 4. The skat as dealt, 5. the three hands as dealt.
    const CCards* rows[4] = {&game, game.Player(0), game.Player(1), game.Player(2)};
    int word = DEAL_SKAT;
    for (const CCards* row : rows) {
        const int slots = row == &game ? 2 : 10;
        for (int slot = 0; slot < slots; ++slot) {
            const int card = slot < static_cast<int>(row->dealt.size()) ? row->dealt[static_cast<std::size_t>(slot)] : -1;
            g_StoreRows.SetDealWord(n, word + slot, card);
        }
        word += slots;
    }
}

void CStore::ResortStoredHands() {
    // 1. Four scratch rows without names (only their cards are sorted), made like the game's rows.
    CCards skat("", 2, false, false);
    CComputer seat0("", 10, false, 0);
    CComputer seat1("", 10, false, 1);
    CPerson seat2("", 10, true, 2);
    CCards* rows[4] = {&skat, &seat0, &seat1, &seat2};
    // 2. Every deal's skat and hands through their row's sort, back into the same words.
    const int n = g_StoreRows.StoredDeals();
    for (int k = 1; k <= n; ++k) {
        int word = DEAL_SKAT;
        for (CCards* row : rows) {
            for (int slot = 0; slot < row->capacity; ++slot) {
                row->cards[static_cast<std::size_t>(slot)] = g_StoreRows.DealWord(k, word + slot);
                row->present[static_cast<std::size_t>(slot)] = 1;
            }
            row->Sort();
            for (int slot = 0; slot < row->capacity; ++slot)
                g_StoreRows.SetDealWord(k, word + slot, row->cards[static_cast<std::size_t>(slot)]);
            word += row->capacity;
        }
    }
}


