#include "match/GameList.h"

#include "model/GameState.h"

#include <algorithm>
#include <cstring>

CGameList g_GameList;

std::string ListRecord::TextString() const {
    const char* end = static_cast<const char*>(std::memchr(Text, 0, sizeof Text));
    return std::string(Text, end ? static_cast<std::size_t>(end - Text) : sizeof Text);
}

int ListRecord::Seat() const {
    for (int seat = 0; seat < 3; ++seat)
        if (Marks[seat] != -1 && (Marks[seat] & 5) != 0) return seat;
    return 3;
}

bool ListRecord::IsRamschWithTwoLosers() const {
    const int seat = Seat();
    return seat < 3 && Text[0] == 'R' && Text[1] == 'a' && (Marks[seat] & 4) != 0;
}

std::int32_t ListHeader::Int(int offset) const {
    if (offset < 0 || offset + 4 > kListHeaderBytes) return 0;
    const auto at = static_cast<std::size_t>(offset);
    return static_cast<std::int32_t>(std::uint32_t(Bytes[at]) | std::uint32_t(Bytes[at + 1]) << 8 |
                                     std::uint32_t(Bytes[at + 2]) << 16 | std::uint32_t(Bytes[at + 3]) << 24);
}

void ListHeader::SetInt(int offset, std::int32_t value) {
    if (offset < 0 || offset + 4 > kListHeaderBytes) return;
    const auto at = static_cast<std::size_t>(offset);
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i) Bytes[at + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::string ListHeader::Text(int offset, int length) const {
    if (offset < 0 || length <= 0 || offset >= kListHeaderBytes) return {};
    length = std::min(length, kListHeaderBytes - offset);
    const auto* begin = reinterpret_cast<const char*>(Bytes.data() + offset);
    const char* end = static_cast<const char*>(std::memchr(begin, 0, static_cast<std::size_t>(length)));
    return std::string(begin, end ? static_cast<std::size_t>(end - begin) : static_cast<std::size_t>(length));
}

void ListHeader::SetText(int offset, int length, const std::string& text) {
    if (offset < 0 || length <= 0 || offset + length > kListHeaderBytes) return;
    const std::size_t kept = std::min(text.size(), static_cast<std::size_t>(length - 1));
    std::fill_n(Bytes.begin() + offset, length, std::uint8_t{0});
    std::memcpy(Bytes.data() + offset, text.data(), kept);
}

std::string ListHeader::Subtitle() const {
    // The four pieces in their order, joined; the first NUL ends the whole text.
    const int pieces[4][2] = {{LIST_SUBTITLE_1, 20},
                              {LIST_SUBTITLE_2, 11},
                              {LIST_SUBTITLE_2 + kListSeatStride, 11},
                              {LIST_SUBTITLE_2 + 2 * kListSeatStride, 11}};
    std::string joined;
    for (const auto& piece : pieces) {
        const std::string part = Text(piece[0], piece[1]);
        joined += part;
        if (static_cast<int>(part.size()) < piece[1]) break;
    }
    return joined;
}

std::string ListHeader::SeatName(int seat) const {
    if (seat < 0 || seat > 2) return {};
    return Text(LIST_NAME_0 + seat * kListSeatStride, 21);
}

int CGameList::ListedGames() const {
    return std::clamp(g_Game.GameCount, 0, static_cast<int>(Games.size()));
}

const ListRecord* CGameList::Game(int k) const {
    if (k < 1 || k > ListedGames()) return nullptr;
    return &Games[static_cast<std::size_t>(k - 1)];
}
