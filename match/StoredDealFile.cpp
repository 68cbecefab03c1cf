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

std::vector<std::uint8_t> EncodeStoredDeals(const CStoreRows& rows, int deals) {
    const std::size_t kept = static_cast<std::size_t>(std::clamp(deals, 0, StoreRecords(rows)));
    const std::size_t size = kept > 0 ? kStoreHeaderBytes + kept * kStoreDealBytes : kStoreMinimumBytes;
    std::vector<std::uint8_t> bytes(rows.Bytes.begin(), rows.Bytes.begin() + std::min(size, rows.Bytes.size()));
    bytes.resize(size, 0);
    return bytes;
}
