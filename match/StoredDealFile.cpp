#include "match/StoredDealFile.h"

#include <algorithm>

std::optional<CStoreRows> DecodeStoredDeals(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < kStoreHeaderBytes || bytes.size() > kStoredDealCap) return std::nullopt;
    const std::size_t records = (bytes.size() - kStoreHeaderBytes) / kStoreRecordBytes;
    // Without a whole record the 40 bytes after the header are kept as they are (up to 80).
    const std::size_t keep = std::max(kStoreHeaderBytes + records * kStoreRecordBytes,
                                      std::min(bytes.size(), kStoreMinimumBytes));
    return CStoreRows::FromBytes({bytes.begin(), bytes.begin() + keep});
}

std::vector<std::uint8_t> EncodeStoredDeals(const CStoreRows& rows, int deals) {
    const int kept = std::clamp(deals, 0, rows.Records());
    const std::size_t size = kept > 0 ? kStoreHeaderBytes + kept * kStoreRecordBytes : kStoreMinimumBytes;
    std::vector<std::uint8_t> bytes(rows.Bytes().begin(), rows.Bytes().begin() + std::min(size, rows.Bytes().size()));
    bytes.resize(size, 0);
    return bytes;
}
