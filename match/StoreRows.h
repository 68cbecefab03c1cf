#pragma once
// The stored deals of the match (the cards assignment) in memory: a 40-byte header that starts
// with the title, then one 160-byte record per dealt game. The block is never shorter than 80
// bytes: a store without deals holds the header and 40 bytes of zeros. The number of deals is
// g_Game.StoreCount.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kStoreHeaderBytes = 40;
inline constexpr std::size_t kStoreRecordBytes = 160;
inline constexpr std::size_t kStoreMinimumBytes = 80;
inline constexpr std::size_t kStoreTitleBytes = 56;  // the header and the first record's words 0-3

// One stored deal, as its 40 words: 0-4 unused, 5 time of the deal, 6 the list's numbering word,
// 7 the game number, 8-9 the skat, 10-19, 20-29, 30-39 the hands of seats 0, 1, 2.
struct StoreRecord {
    std::array<std::int32_t, 40> Words{};
    std::int32_t Time() const { return Words[5]; }
    std::int32_t Numbering() const { return Words[6]; }
    std::int32_t GameNumber() const { return Words[7]; }
    std::int32_t Skat(int i) const { return Words[8 + i]; }
    std::int32_t Card(int seat, int i) const { return Words[10 + 10 * seat + i]; }
    bool operator==(const StoreRecord&) const = default;
};

// Whether the record holds 32 distinct cards of the deck: only such a deal can be played again.
bool IsCompleteDeal(const StoreRecord& record);

class CStoreRows {
public:
    // A new store: the title and zeros, 80 bytes.
    explicit CStoreRows(std::string_view titleUtf8 = {});
    // Takes the bytes as they are, made at least 80 bytes long.
    static CStoreRows FromBytes(std::vector<std::uint8_t> bytes);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    // Deals the block has room for: (size - 40) / 160.
    int Records() const { return static_cast<int>((bytes_.size() - kStoreHeaderBytes) / kStoreRecordBytes); }
    std::string Title() const;
    StoreRecord Record(int index) const;  // 0-based
    void SetRecord(int index, const StoreRecord& record);
    // Room for exactly `deals` records ((1 + 4 x deals) x 40 bytes), never under 80 bytes.
    void Resize(int deals);

    bool operator==(const CStoreRows&) const = default;

private:
    std::vector<std::uint8_t> bytes_;
};

extern std::unique_ptr<CStoreRows> g_pStoreRows;
