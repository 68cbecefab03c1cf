#include "match/StoreRows.h"

#include "platform/core/Codepage.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<CStoreRows> g_pStoreRows;

bool IsCompleteDeal(const StoreRecord& record) {
    bool seen[53] = {};
    for (int word = 8; word < 40; ++word) {
        const std::int32_t card = record.Words[word];
        if (card < 1 || card > 52) return false;
        const int offset = (card - 1) % 13;  // 0 the Ace, 6..12 Seven to King
        if (!(offset == 0 || offset >= 6) || seen[card]) return false;
        seen[card] = true;
    }
    return true;
}

CStoreRows::CStoreRows(std::string_view titleUtf8) : bytes_(kStoreMinimumBytes, 0) {
    const std::string title =
        platform::Utf8ToCp1252(platform::TruncateToCp1252(titleUtf8, kStoreHeaderBytes - 1));
    std::memcpy(bytes_.data(), title.data(), title.size());
}

CStoreRows CStoreRows::FromBytes(std::vector<std::uint8_t> bytes) {
    CStoreRows rows;
    if (bytes.size() < kStoreMinimumBytes) bytes.resize(kStoreMinimumBytes, 0);
    rows.bytes_ = std::move(bytes);
    return rows;
}

std::string CStoreRows::Title() const {
    const auto begin = bytes_.begin();
    const auto end = std::find(begin, begin + kStoreTitleBytes, std::uint8_t{0});
    return platform::Cp1252ToUtf8(std::string(begin, end));
}

StoreRecord CStoreRows::Record(int index) const {
    StoreRecord record;
    const std::uint8_t* at = bytes_.data() + kStoreHeaderBytes + index * kStoreRecordBytes;
    for (std::size_t i = 0; i < record.Words.size(); ++i, at += 4) {
        record.Words[i] = static_cast<std::int32_t>(static_cast<std::uint32_t>(at[0]) |
                                                    static_cast<std::uint32_t>(at[1]) << 8 |
                                                    static_cast<std::uint32_t>(at[2]) << 16 |
                                                    static_cast<std::uint32_t>(at[3]) << 24);
    }
    return record;
}

void CStoreRows::SetRecord(int index, const StoreRecord& record) {
    std::uint8_t* at = bytes_.data() + kStoreHeaderBytes + index * kStoreRecordBytes;
    for (std::int32_t word : record.Words) {
        const auto bits = static_cast<std::uint32_t>(word);
        for (int i = 0; i < 4; ++i) *at++ = static_cast<std::uint8_t>(bits >> (8 * i));
    }
}

void CStoreRows::Resize(int deals) {
    const std::size_t size = kStoreHeaderBytes + static_cast<std::size_t>(std::max(0, deals)) * kStoreRecordBytes;
    bytes_.resize(std::max(size, kStoreMinimumBytes), 0);
}
