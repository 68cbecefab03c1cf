#pragma once
// The stored-deal file (.sks): the store block as it lies in memory. Free of the frame.

#include "match/StoreRows.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

inline constexpr std::size_t kStoredDealCap = 4 << 20;

// Nothing when the file is shorter than the 40-byte header or over the cap. Whole records are
// kept as read; a part record at the end is dropped.
std::optional<CStoreRows> DecodeStoredDeals(std::span<const std::uint8_t> bytes);
// (1 + 4n) x 40 bytes for n deals, 80 bytes without deals.
std::vector<std::uint8_t> EncodeStoredDeals(const CStoreRows& rows, int deals);
