#include "match/MatchListFile.h"

#include "platform/core/ByteIo.h"
#include "platform/core/Codepage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

namespace lh = list_header;

std::int32_t LoadWord(const std::uint8_t* at) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
                                     static_cast<std::uint32_t>(at[2]) << 16 |
                                     static_cast<std::uint32_t>(at[3]) << 24);
}
void StoreWord(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// Step 4 of reading a list: the header repairs the program has always made.
void RepairHeader(ListHeader& header) {
    std::uint8_t* bytes = header.Bytes.data();
    // A rule text that starts with a byte of 128 or above is left over from another code page.
    if (bytes[lh::Subtitle1] >= 128) bytes[lh::Subtitle1] = 0;
    if (LoadWord(bytes + lh::ForehandOffset) < 0) StoreWord(bytes + lh::ForehandOffset, 0);
    const std::int32_t numbering = LoadWord(bytes + lh::Numbering);
    if (numbering != 0 && numbering != 1) StoreWord(bytes + lh::Numbering, 1);
    const std::int32_t settlement = LoadWord(bytes + lh::Settlement);
    if (settlement < 0 || settlement > 2) StoreWord(bytes + lh::Settlement, 1);
    // A negative counter of seat 0 means the counters were never kept: all three start at 0.
    for (int counter = 0; counter < 3; ++counter) {
        if (LoadWord(bytes + lh::SeatCounters[0] + 4 * counter) >= 0) continue;
        for (int seatCounters : lh::SeatCounters) StoreWord(bytes + seatCounters + 4 * counter, 0);
    }
}

bool IsMark(std::int32_t mark) { return mark == -1 || mark == 1 || mark == 5; }

// A game row as the score sheet may use it: known marks on one seat at most, a forehand seat, a
// text that ends within its field, a score the sheet can show. Only what is wrong changes.
ListRecord ReadRow(const std::uint8_t* at) {
    ListRecord row;
    bool marked = false;
    for (int seat = 0; seat < 3; ++seat) {
        const std::int32_t mark = LoadWord(at + 4 * seat);
        row.Marks[seat] = !IsMark(mark) || (mark != -1 && marked) ? -1 : mark;
        marked = marked || row.Marks[seat] != -1;
    }
    row.Score = std::clamp(LoadWord(at + 12), -kListScoreBound, kListScoreBound);
    std::memcpy(row.Text, at + 16, sizeof row.Text);
    if (std::memchr(row.Text, 0, sizeof row.Text) == nullptr) row.Text[sizeof row.Text - 1] = 0;
    const std::int32_t forehand = LoadWord(at + 40);
    row.Forehand = forehand >= 0 && forehand <= 2 ? forehand : 0;
    return row;
}

// A trailer text: up to its NUL or the file's end, cut to the field's limit.
std::string ReadTrailerString(std::span<const std::uint8_t> bytes, std::size_t& at, std::size_t limit) {
    const std::size_t start = std::min(at, bytes.size());
    std::size_t end = start;
    while (end < bytes.size() && bytes[end] != 0) ++end;
    at = end < bytes.size() ? end + 1 : end;
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()) + start,
                               std::min(end - start, limit));
    return platform::Cp1252ToUtf8(raw);
}

}  // namespace

std::optional<MatchListRecord> DecodeMatchList(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < static_cast<std::size_t>(kListHeaderBytes) || bytes.size() > kMatchListCap)
        return std::nullopt;
    // The trailer is found by its magic at the start of a row after the header; it counts only
    // when it is whole.
    std::size_t rows = bytes.size() / kListRowBytes;
    std::optional<std::size_t> trailer;
    for (std::size_t row = 8; row * kListRowBytes + 4 <= bytes.size(); ++row) {
        if (static_cast<std::uint32_t>(LoadWord(bytes.data() + row * kListRowBytes)) != kListSettingsMagic) continue;
        rows = row;
        if (bytes.size() - row * kListRowBytes >= kListSettingsWords * 4) trailer = row * kListRowBytes;
        break;
    }
    MatchListRecord record;
    std::copy_n(bytes.begin(), kListHeaderBytes, record.Header.Bytes.begin());
    RepairHeader(record.Header);
    for (std::size_t row = 8; row < rows; ++row) record.Games.push_back(ReadRow(bytes.data() + row * kListRowBytes));
    if (trailer) {
        ListSettings settings;
        platform::ByteReader reader(bytes.subspan(*trailer));
        for (std::int32_t& word : settings.Words) word = reader.ReadInt32().value_or(0);
        std::size_t at = *trailer + kListSettingsWords * 4;
        for (std::size_t i = 0; i < kListSettingsStrings; ++i)
            settings.Strings[i] = ReadTrailerString(bytes, at, i < 3 ? kListNameBytes : kListPathBytes);
        record.Settings = std::move(settings);
    }
    return record;
}

std::vector<std::uint8_t> EncodeListRows(const ListHeader& header, std::span<const ListRecord> games) {
    std::vector<std::uint8_t> bytes(header.Bytes.begin(), header.Bytes.end());
    bytes.resize(kListHeaderBytes + games.size() * kListRowBytes, 0);
    std::uint8_t* at = bytes.data() + kListHeaderBytes;
    for (const ListRecord& row : games) {
        for (int seat = 0; seat < 3; ++seat) StoreWord(at + 4 * seat, row.Marks[seat]);
        StoreWord(at + 12, row.Score);
        std::memcpy(at + 16, row.Text, sizeof row.Text);
        StoreWord(at + 40, row.Forehand);
        at += kListRowBytes;
    }
    return bytes;
}

std::vector<std::uint8_t> EncodeListFile(const ListHeader& header, std::span<const ListRecord> games,
                                         std::span<const std::uint8_t> trailer) {
    std::vector<std::uint8_t> bytes = EncodeListRows(header, games);
    bytes.insert(bytes.end(), trailer.begin(), trailer.end());
    return bytes;
}

std::vector<std::uint8_t> EncodeListSettings(const ListSettings& settings) {
    platform::ByteWriter writer;
    for (std::int32_t word : settings.Words) writer.WriteInt32(word);
    for (std::size_t i = 0; i < kListSettingsStrings; ++i) {
        // No longer than the reader keeps, so what is written reads back the same.
        const std::string bytes =
            platform::Utf8ToCp1252(settings.Strings[i]).substr(0, i < 3 ? kListNameBytes : kListPathBytes);
        writer.WriteBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        const std::uint8_t end = 0;
        writer.WriteBytes({&end, 1});
    }
    return writer.Bytes();
}

std::vector<platform::FileStep> ListAppendSteps(const ListHeader& writtenHeader, std::size_t writtenGames,
                                                const ListHeader& header, std::span<const ListRecord> games,
                                                std::span<const std::uint8_t> trailer) {
    std::vector<platform::FileStep> steps;
    const std::size_t rowsEnd = kListHeaderBytes + writtenGames * kListRowBytes;
    // 1. Without the old trailer the file is the header and whole rows: no part of a trailer can
    //    be taken for a game, whatever is cut after this.
    steps.push_back({platform::FileStep::Cut, rowsEnd, {}});
    // 2. The new rows and the trailer in one write: a part row at the end is no row, a trailer
    //    counts only when whole.
    const std::vector<std::uint8_t> rows = EncodeListRows(header, games.subspan(std::min(writtenGames, games.size())));
    platform::FileStep append{platform::FileStep::Write, rowsEnd, {}};
    append.bytes.assign(rows.begin() + kListHeaderBytes, rows.end());
    append.bytes.insert(append.bytes.end(), trailer.begin(), trailer.end());
    steps.push_back(std::move(append));
    // 3. The header words that changed (counters, balances, marks), each run at its place.
    for (std::size_t at = 0; at < static_cast<std::size_t>(kListHeaderBytes); at += 4) {
        if (std::equal(header.Bytes.begin() + at, header.Bytes.begin() + at + 4, writtenHeader.Bytes.begin() + at)) continue;
        std::size_t end = at + 4;
        while (end < static_cast<std::size_t>(kListHeaderBytes) &&
               !std::equal(header.Bytes.begin() + end, header.Bytes.begin() + end + 4, writtenHeader.Bytes.begin() + end))
            end += 4;
        steps.push_back({platform::FileStep::Write, at, std::vector<std::uint8_t>(header.Bytes.begin() + at, header.Bytes.begin() + end)});
        at = end;
    }
    return steps;
}

std::int32_t ListVersionWord(const std::string& version, int ruleSet) {
    int major = 0, minor = 0, beta = 0;
    std::sscanf(version.c_str(), "%d.%d", &major, &minor);
    if (const auto at = version.find(" beta"); at != std::string::npos)
        std::sscanf(version.c_str() + at + 5, "%d", &beta);
    const auto byte = [](int value) { return static_cast<std::uint32_t>(value) & 0xFF; };
    return static_cast<std::int32_t>(byte(ruleSet) | byte(beta) << 8 | byte(minor) << 16 | byte(major) << 24);
}

std::string ListVersionText(std::int32_t word) {
    const auto bits = static_cast<std::uint32_t>(word);
    const unsigned major = bits >> 24, minor = (bits >> 16) & 0xFF, beta = (bits >> 8) & 0xFF;
    std::string text = std::to_string(major) + "." + std::to_string(minor);
    if (beta != 0) text += " beta " + std::to_string(beta);
    return text;
}
