#pragma once
// The stored-deal file (.sks): the store block as it lies in memory, a 40-byte header that starts
// with the title and then 160 bytes per deal. Free of the frame.

#include "match/MatchListFile.h"
#include "match/StoreRows.h"
#include "platform/core/FileIo.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

inline constexpr std::size_t kStoreHeaderBytes = 40;
inline constexpr std::size_t kStoreDealBytes = 160;
// One deal per game of the longest match the list file holds, so the reader takes every store its
// writer gives.
inline constexpr std::size_t kMaxStoredDeals = kMaxListGames;
inline constexpr std::size_t kStoredDealCap = kStoreHeaderBytes + kMaxStoredDeals * kStoreDealBytes;

// Nothing when the file is shorter than the 40-byte header or over the cap. Whole deals are kept
// as read, and the block is never shorter than 80 bytes; a part deal at the end is dropped.
std::optional<CStoreRows> DecodeStoredDeals(std::span<const std::uint8_t> bytes);
// The deals the block holds room for.
int StoreRecords(const CStoreRows& rows);
// (1 + 4n) x 40 bytes for n deals (at most those the block holds), 80 bytes without deals.
std::vector<std::uint8_t> EncodeStoredDeals(const CStoreRows& rows, int deals);

// The bytes EncodeStoredDeals gives for n deals (at most those the block holds).
std::size_t StoredDealsFileBytes(const CStoreRows& rows, int deals);

// The write that takes a stored-deal file of `fileBytes` bytes the program wrote (of which the
// block's first `rows.Unchanged` bytes are still the same) to the encoded block for n deals: the
// new deals written after those the file holds. Nothing when the change reaches into a deal the
// file holds or the store shrinks; the whole file is written then. An empty list of steps: nothing
// changed.
std::optional<std::vector<platform::FileStep>> StoredDealAppendSteps(const CStoreRows& rows, int deals,
                                                                     std::uint64_t fileBytes);
