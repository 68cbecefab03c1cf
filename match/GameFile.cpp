#include "match/GameFile.h"

#include "platform/core/ByteIo.h"
#include "platform/core/Codepage.h"

namespace {

bool InRange(std::int32_t value, std::int32_t low, std::int32_t high) { return value >= low && value <= high; }

// Every word of the course block within what the game can hold.
bool CourseIsSound(const GameFileRecord& record) {
    using namespace course;
    const auto at = [&](std::size_t offset) { return record.CourseAt(offset); };
    for (std::size_t offset = Rows; offset < Marker; offset += 4) {
        const std::int32_t card = at(offset);
        if (card != -1 && card != 0 && !IsDeckCard(card)) return false;
    }
    const std::int32_t type = at(GameType);
    if (!InRange(type, -8, 8)) return false;
    const bool ramsch = type == 7 || type == -7 || type == 8 || type == -8;
    if (ramsch ? !InRange(at(ScoreOrLoser), 0, 3) : !InRange(at(ScoreOrLoser), -99999, 99999)) return false;
    if (!InRange(at(LastTrickAndSecondLoser) & ~kLastTrickShownBit, 0, 3)) return false;
    if (!InRange(at(Points0), 0, 120) || !InRange(at(Points1), 0, 120)) return false;
    if (!InRange(at(BidOrPoints2), 0, ramsch ? 120 : 63)) return false;
    if (!InRange(at(SkatCount), 0, 2)) return false;
    for (int seat = 0; seat < 3; ++seat)
        if (!InRange(at(RowCounts + 4 * seat), 0, 10)) return false;
    if (!InRange(at(Tricks), 0, 10)) return false;
    if (!InRange(at(HandAnnounced), 0, 1) || !InRange(at(OuvertAnnounced), 0, 2)) return false;
    if (!InRange(at(PassOnCount), 0, 3)) return false;
    for (int seat = 0; seat < 3; ++seat) {
        if (!InRange(at(PassedOnFlags + 4 * seat), 0, 1)) return false;
        if (!InRange(at(PartyTricks + 4 * seat), 0, 10)) return false;
    }
    // Kontra: the state (1 none, 2 Kontra, 4 Rekontra) with the Schneider and Schwarz bits.
    const std::int32_t kontra = at(Kontra);
    const std::int32_t state = kontra & 7;
    if ((kontra & ~0x1F) != 0 || (state != 1 && state != 2 && state != 4)) return false;
    if (!InRange(at(KontraSeat), -1, 3) || !InRange(at(Soloist), 0, 3)) return false;
    for (int snapshot = 0; snapshot < kCourseSnapshots; ++snapshot) {
        const std::size_t group = Snapshots + 16 * snapshot;
        if (!InRange(at(group), -1, 3)) return false;
        for (int party = 1; party <= 3; ++party)
            if (!InRange(at(group + 4 * party), 0, 120)) return false;
    }
    return true;
}

}  // namespace

bool IsWholeDeal(std::span<const std::int32_t, 32> cards) {
    bool seen[53] = {};
    for (std::int32_t card : cards) {
        if (!IsDeckCard(card) || seen[card]) return false;
        seen[card] = true;
    }
    return true;
}

bool IsDeckCard(std::int32_t code) {
    if (code < 1 || code > 52) return false;
    const int offset = (code - 1) % 13;  // 0 the Ace, 6..12 Seven to King
    return offset == 0 || offset >= 6;
}

GameFileDecoded DecodeGameFile(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kGameFileCap) return {std::nullopt, GameFileFault::TooLarge};
    if (bytes.size() < kGameDealBytes) return {std::nullopt, GameFileFault::Short};
    GameFileRecord record;
    platform::ByteReader reader(bytes);
    for (std::int32_t& card : record.Dealt) card = *reader.ReadInt32();
    if (!IsWholeDeal(record.Dealt)) return {std::nullopt, GameFileFault::Invalid};
    std::size_t annotation = kGameDealBytes;
    platform::ByteReader marker(bytes.subspan(std::min<std::size_t>(bytes.size(), course::Marker)));
    if (marker.ReadInt32() == kCourseMarker) {
        // The marker promises a whole course block; a cut one is a damaged file.
        if (bytes.size() < kGameImageBytes) return {std::nullopt, GameFileFault::Short};
        std::array<std::int32_t, 100> words{};
        for (std::int32_t& word : words) word = *reader.ReadInt32();
        record.Course = words;
        if (!CourseIsSound(record)) return {std::nullopt, GameFileFault::Invalid};
        annotation = kGameImageBytes;
    }
    record.Annotation = platform::Cp1252ToUtf8(
        std::string_view(reinterpret_cast<const char*>(bytes.data()) + annotation, bytes.size() - annotation));
    return {std::move(record), GameFileFault::None};
}

std::vector<std::uint8_t> EncodeGameFile(const GameFileRecord& record) {
    platform::ByteWriter writer;
    for (std::int32_t card : record.Dealt) writer.WriteInt32(card);
    if (record.Course)
        for (std::int32_t word : *record.Course) writer.WriteInt32(word);
    const std::string text = platform::Utf8ToCp1252(record.Annotation);
    writer.WriteBytes({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    return writer.Bytes();
}
