#include "match/GameList.h"

#include "platform/core/Codepage.h"

#include <algorithm>
#include <cstring>

std::unique_ptr<CGameList> g_pGameList;

namespace {
std::int32_t LoadWord(const std::uint8_t* at) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
                                     static_cast<std::uint32_t>(at[2]) << 16 |
                                     static_cast<std::uint32_t>(at[3]) << 24);
}
void StoreWord(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}
std::string FieldText(const std::uint8_t* at, std::size_t length) {
    const std::uint8_t* end = std::find(at, at + length, std::uint8_t{0});
    return platform::Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(at), end - at));
}
void StoreText(std::uint8_t* at, std::size_t length, std::string_view utf8) {
    const std::string bytes = platform::Utf8ToCp1252(platform::TruncateToCp1252(utf8, length - 1));
    std::memset(at, 0, length);
    std::memcpy(at, bytes.data(), std::min(bytes.size(), length - 1));
}
}  // namespace

CGameList::CGameList(std::vector<std::uint8_t> rows) : rows_(std::move(rows)) {
    // A block shorter than the header or with a part row is made whole; readers never pass one.
    rows_.resize(std::max(kListHeaderBytes, rows_.size() / kListRowBytes * kListRowBytes), 0);
}

std::int32_t CGameList::Word(std::size_t offset) const { return LoadWord(rows_.data() + offset); }
void CGameList::SetWord(std::size_t offset, std::int32_t value) { StoreWord(rows_.data() + offset, value); }

std::string CGameList::Text(std::size_t offset, std::size_t length) const {
    return FieldText(rows_.data() + offset, length);
}
void CGameList::SetText(std::size_t offset, std::size_t length, std::string_view utf8) {
    StoreText(rows_.data() + offset, length, utf8);
}

std::string CGameList::Subtitle() const {
    std::string bytes(reinterpret_cast<const char*>(rows_.data()) + list_header::Subtitle1,
                      list_header::Subtitle1Bytes);
    for (std::size_t piece : list_header::SubtitleOther)
        bytes.append(reinterpret_cast<const char*>(rows_.data()) + piece, list_header::SubtitleOtherBytes);
    return platform::Cp1252ToUtf8(bytes.substr(0, bytes.find('\0')));
}

std::string CGameList::SeatName(int seat) const {
    return Text(list_header::SeatName[seat], list_header::SeatNameBytes - 1);
}

ListRecord CGameList::Row(int game) const {
    const std::uint8_t* at = rows_.data() + (kListHeaderRows + game) * kListRowBytes;
    ListRecord record;
    for (int seat = 0; seat < 3; ++seat) record.Marks[seat] = LoadWord(at + 4 * seat);
    record.Score = LoadWord(at + 12);
    record.Text = FieldText(at + 16, 24);
    record.Forehand = LoadWord(at + 40);
    return record;
}

void CGameList::SetRow(int game, const ListRecord& record) {
    std::uint8_t* at = rows_.data() + (kListHeaderRows + game) * kListRowBytes;
    for (int seat = 0; seat < 3; ++seat) StoreWord(at + 4 * seat, record.Marks[seat]);
    StoreWord(at + 12, record.Score);
    StoreText(at + 16, 24, record.Text);
    StoreWord(at + 40, record.Forehand);
}

void CGameList::AppendRow(const ListRecord& record) {
    rows_.resize(rows_.size() + kListRowBytes, 0);
    SetRow(Games() - 1, record);
}

void CGameList::Truncate(int games) {
    rows_.resize((kListHeaderRows + static_cast<std::size_t>(std::max(0, games))) * kListRowBytes, 0);
}
