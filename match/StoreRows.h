#pragma once
// The stored deals in memory, laid out as the store file holds them: rows of ten 32-bit words, row 0
// the store's title (German and English joined by a line feed, NUL-terminated), then four rows per
// deal. Deal k's 40 words: 5 the time it was stored (unsigned seconds since 1970, low 32 bits),
// 6 the numbering mode (only deal 1's is read), 7 the game's number, 8-9 the skat, 10-19, 20-29,
// 30-39 the hands of seats 0, 1, 2 as dealt (-1 no card). The number of deals is g_Game.StoreCount.
// The array always holds at least the header and deal 1's first row, so that a title of up to
// 52 bytes and deal 1's numbering mode always have their place.

#include "match/OwnFiles.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int kStoreRowWords = 10;
constexpr int kStoreDealWords = 40;
constexpr int kStoreMinimumBytes = 80;
constexpr int kStoreTitleBytes = 52;

// Word indexes within a deal.
enum StoreDealWord : int {
    DEAL_TIME = 5,
    DEAL_NUMBERING = 6,
    DEAL_GAME = 7,
    DEAL_SKAT = 8,
    DEAL_HAND_0 = 10,
};

struct CStoreRows {
    std::vector<std::uint8_t> Bytes = std::vector<std::uint8_t>(kStoreMinimumBytes, 0);

    // The stored-deal file the program last wrote, whole or in place, and who it is now; Unchanged:
    // the leading bytes that are still as that file holds them (every change lowers it).
    SeenFile Written;
    std::size_t Unchanged = 0;

    // Word `index` of the whole array (0 when outside it).
    std::int32_t Word(int index) const;
    void SetWord(int index, std::int32_t value);
    // Word `word` (0-39) of deal k (1-based); 0 outside the array.
    std::int32_t DealWord(int k, int word) const;
    void SetDealWord(int k, int word, std::int32_t value);
    // The deals a reader may look at: g_Game.StoreCount, never more than the array holds.
    int StoredDeals() const;

    // The title, read up to its NUL within its 52 bytes.
    std::string Title() const;
    // Writes a title, cut to 51 bytes and NUL-terminated.
    void SetTitle(const std::string& title);
    // An empty store of 80 zero bytes with the given title.
    void Reset(const std::string& title);
};

extern CStoreRows g_StoreRows;

// The number of stored game `game` as the cards assignment shows it: "%d" in mode 1, else the
// round and the game within the round, "%d.%d" (games 1, 4, 7 read 1.1, 2.1, 3.1).
std::string StoredGameNumber(int mode, int game);
