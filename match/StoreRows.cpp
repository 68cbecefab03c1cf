#include "match/StoreRows.h"

#include "model/GameState.h"

#include <algorithm>
#include <cstring>

CStoreRows g_StoreRows;

std::int32_t CStoreRows::Word(int index) const {
    if (index < 0) return 0;
    const std::size_t at = static_cast<std::size_t>(index) * 4;
    if (at + 4 > Bytes.size()) return 0;
    return static_cast<std::int32_t>(std::uint32_t(Bytes[at]) | std::uint32_t(Bytes[at + 1]) << 8 |
                                     std::uint32_t(Bytes[at + 2]) << 16 | std::uint32_t(Bytes[at + 3]) << 24);
}

void CStoreRows::SetWord(int index, std::int32_t value) {
    if (index < 0) return;
    const std::size_t at = static_cast<std::size_t>(index) * 4;
    if (at + 4 > Bytes.size()) return;
    const auto bits = static_cast<std::uint32_t>(value);
    Unchanged = std::min(Unchanged, at);
    for (std::size_t i = 0; i < 4; ++i) Bytes[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t CStoreRows::DealWord(int k, int word) const {
    if (k < 1 || word < 0 || word >= kStoreDealWords) return 0;
    return Word(((4 * k) - 3) * kStoreRowWords + word);
}

void CStoreRows::SetDealWord(int k, int word, std::int32_t value) {
    if (k < 1 || word < 0 || word >= kStoreDealWords) return;
    SetWord(((4 * k) - 3) * kStoreRowWords + word, value);
}

int CStoreRows::StoredDeals() const {
    const int held = static_cast<int>((Bytes.size() > 40 ? Bytes.size() - 40 : 0) / 160);
    return std::clamp(g_Game.StoreCount, 0, held);
}

std::string CStoreRows::Title() const {
    const std::size_t length = std::min<std::size_t>(Bytes.size(), kStoreTitleBytes);
    const auto* begin = reinterpret_cast<const char*>(Bytes.data());
    const char* end = static_cast<const char*>(std::memchr(begin, 0, length));
    return std::string(begin, end ? static_cast<std::size_t>(end - begin) : length);
}

void CStoreRows::SetTitle(const std::string& title) {
    if (Bytes.size() < kStoreMinimumBytes) Bytes.resize(kStoreMinimumBytes, 0);
    Unchanged = 0;
    std::fill_n(Bytes.begin(), kStoreTitleBytes, std::uint8_t{0});
    std::memcpy(Bytes.data(), title.data(), std::min<std::size_t>(title.size(), kStoreTitleBytes - 1));
}

void CStoreRows::Reset(const std::string& title) {
    *this = CStoreRows();
    SetTitle(title);
}

std::string StoredGameNumber(int mode, int game) {
    if (mode == 1) return std::to_string(game);
    // Whole rounds of three games; C's truncating division, as the store has always numbered them.
    return std::to_string((game + 2) / 3) + "." + std::to_string((game - 1) % 3 + 1);
}
