#include "match/MatchListFile.h"

#include "platform/core/ByteIo.h"
#include "platform/core/Codepage.h"

#include <algorithm>
#include <cstdio>

namespace {

namespace lh = list_header;

// Step 4 of reading a list: the header repairs the program has always made.
void RepairHeader(CGameList& list) {
    // A rule text that starts with a byte of 128 or above is left over from another code page.
    if (list.Byte(lh::Subtitle1) >= 128) list.SetByte(lh::Subtitle1, 0);
    if (list.Word(lh::ForehandOffset) < 0) list.SetWord(lh::ForehandOffset, 0);
    const std::int32_t numbering = list.Word(lh::Numbering);
    if (numbering != 0 && numbering != 1) list.SetWord(lh::Numbering, 1);
    const std::int32_t settlement = list.Word(lh::Settlement);
    if (settlement < 0 || settlement > 2) list.SetWord(lh::Settlement, 1);
    // A negative counter of seat 0 means the counters were never kept: all three start at 0.
    for (std::size_t counter = 0; counter < 3; ++counter) {
        if (list.Word(lh::SeatCounters[0] + 4 * counter) >= 0) continue;
        for (std::size_t seatCounters : lh::SeatCounters) list.SetWord(seatCounters + 4 * counter, 0);
    }
}

bool IsMark(std::int32_t mark) { return mark == -1 || mark == 1 || mark == 5; }

// Every game row as the score sheet may use it: known marks on one seat at most, a forehand seat,
// a text that ends within its field, a score the sheet can show. Only what is wrong changes.
void NormaliseRows(CGameList& list) {
    for (int game = 0; game < list.Games(); ++game) {
        const std::size_t at = (kListHeaderRows + game) * kListRowBytes;
        bool marked = false;
        for (std::size_t seat = 0; seat < 3; ++seat) {
            const std::int32_t mark = list.Word(at + 4 * seat);
            if (!IsMark(mark) || (mark != -1 && marked)) list.SetWord(at + 4 * seat, -1);
            else if (mark != -1) marked = true;
        }
        const std::int32_t score = list.Word(at + 12);
        if (score < -kListScoreBound || score > kListScoreBound)
            list.SetWord(at + 12, std::clamp(score, -kListScoreBound, kListScoreBound));
        const std::int32_t forehand = list.Word(at + 40);
        if (forehand < 0 || forehand > 2) list.SetWord(at + 40, 0);
        bool ended = false;
        for (std::size_t i = 16; i < 40 && !ended; ++i) ended = list.Byte(at + i) == 0;
        if (!ended) list.SetByte(at + 39, 0);
    }
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
    if (bytes.size() < kListHeaderBytes || bytes.size() > kMatchListCap) return std::nullopt;
    // The trailer is found by its magic at the start of a row after the header; it counts only
    // when it is whole.
    std::size_t rows = bytes.size() / kListRowBytes;
    std::optional<std::size_t> trailer;
    for (std::size_t row = kListHeaderRows; row * kListRowBytes + 4 <= bytes.size(); ++row) {
        platform::ByteReader magic(bytes.subspan(row * kListRowBytes, 4));
        if (magic.ReadUInt32() != kListSettingsMagic) continue;
        rows = row;
        if (bytes.size() - row * kListRowBytes >= kListSettingsWords * 4) trailer = row * kListRowBytes;
        break;
    }
    MatchListRecord record{CGameList({bytes.begin(), bytes.begin() + rows * kListRowBytes}), std::nullopt};
    NormaliseRows(record.List);
    RepairHeader(record.List);
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

std::vector<std::uint8_t> EncodeMatchList(const MatchListRecord& record) {
    platform::ByteWriter writer;
    writer.WriteBytes(record.List.Bytes());
    if (record.Settings) {
        for (std::int32_t word : record.Settings->Words) writer.WriteInt32(word);
        for (const std::string& text : record.Settings->Strings) {
            const std::string bytes = platform::Utf8ToCp1252(text);
            writer.WriteBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
            const std::uint8_t end = 0;
            writer.WriteBytes({&end, 1});
        }
    }
    return writer.Bytes();
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
