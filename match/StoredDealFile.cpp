#include "match/StoredDealFile.h"

#include <algorithm>

std::optional<CStoreRows> DecodeStoredDeals(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kStoreHeaderBytes || bytes.size() > kStoredDealCap) return std::nullopt;
    const std::size_t records = (bytes.size() - kStoreHeaderBytes) / kStoreDealBytes;
    // Without a whole deal the bytes after the header are kept as they are (up to 80).
    const std::size_t keep = std::max(kStoreHeaderBytes + records * kStoreDealBytes,
                                      std::min(bytes.size(), static_cast<std::size_t>(kStoreMinimumBytes)));
    CStoreRows rows;
    rows.Bytes.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(keep));
    if (rows.Bytes.size() < static_cast<std::size_t>(kStoreMinimumBytes)) rows.Bytes.resize(kStoreMinimumBytes, 0);
    return rows;
}

int StoreRecords(const CStoreRows& rows) {
    return static_cast<int>((std::max(rows.Bytes.size(), kStoreHeaderBytes) - kStoreHeaderBytes) / kStoreDealBytes);
}

std::size_t StoredDealsFileBytes(const CStoreRows& rows, int deals) {
    const std::size_t kept = static_cast<std::size_t>(std::clamp(deals, 0, StoreRecords(rows)));
    return kept > 0 ? kStoreHeaderBytes + kept * kStoreDealBytes : kStoreMinimumBytes;
}

std::vector<std::uint8_t> EncodeStoredDeals(const CStoreRows& rows, int deals) {
    const std::size_t size = StoredDealsFileBytes(rows, deals);
    std::vector<std::uint8_t> bytes(rows.Bytes.begin(), rows.Bytes.begin() + std::min(size, rows.Bytes.size()));
    bytes.resize(size, 0);
    return bytes;
}

std::optional<std::vector<platform::FileStep>> StoredDealAppendSteps(const CStoreRows& rows, int deals,
                                                                     std::uint64_t fileBytes) {
    // Only a file as the writer makes it: the header and whole deals, or the 80 bytes of none.
    if (fileBytes < kStoreMinimumBytes) return std::nullopt;
    const std::uint64_t fileDeals = (fileBytes - kStoreHeaderBytes) / kStoreDealBytes;
    const std::uint64_t wellFormed = fileDeals > 0 ? kStoreHeaderBytes + fileDeals * kStoreDealBytes : kStoreMinimumBytes;
    if (fileBytes != wellFormed) return std::nullopt;
    // Every deal the file holds must stay as it is; the bytes after the header of an empty store
    // are no deal yet.
    const std::uint64_t kept = fileDeals > 0 ? fileBytes : kStoreHeaderBytes;
    const std::size_t size = StoredDealsFileBytes(rows, deals);
    if (rows.Unchanged < kept || size < fileBytes) return std::nullopt;
    std::vector<platform::FileStep> steps;
    const std::size_t from = std::min(rows.Unchanged, size);
    if (from == size) return steps;
    platform::FileStep write{platform::FileStep::Write, from, {}};
    const std::size_t held = std::min(size, rows.Bytes.size());
    if (from < held) write.bytes.assign(rows.Bytes.begin() + static_cast<std::ptrdiff_t>(from), rows.Bytes.begin() + static_cast<std::ptrdiff_t>(held));
    write.bytes.resize(size - from, 0);
    steps.push_back(std::move(write));
    return steps;
}
