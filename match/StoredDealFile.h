#pragma once
// The stored-deal file (.sks): the store block as it lies in memory, a 40-byte header that starts
// with the title and then 160 bytes per deal. Free of the frame.

#include "match/StoreRows.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

inline constexpr std::size_t kStoredDealCap = 4 << 20;
inline constexpr std::size_t kStoreHeaderBytes = 40;
inline constexpr std::size_t kStoreDealBytes = 160;

// Nothing when the file is shorter than the 40-byte header or over the cap. Whole deals are kept
// as read, and the block is never shorter than 80 bytes; a part deal at the end is dropped.
std::optional<CStoreRows> DecodeStoredDeals(std::span<const std::uint8_t> bytes);
// The deals the block holds room for.
int StoreRecords(const CStoreRows& rows);
// (1 + 4n) x 40 bytes for n deals (at most those the block holds), 80 bytes without deals.
std::vector<std::uint8_t> EncodeStoredDeals(const CStoreRows& rows, int deals);
