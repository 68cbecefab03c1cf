#pragma once
// The game file (.skt): the deal (three hands of ten and the skat), once the game is over its
// course, then the annotation text to the file's end. Decoding checks every word that the game
// will use as a card, a seat, a count or an index; a file is taken whole or not at all.
// Free of the frame, so the fuzz targets link it alone.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr std::size_t kGameDealBytes = 128;
inline constexpr std::size_t kGameImageBytes = 528;  // the deal and the course block
inline constexpr std::size_t kGameFileCap = 1 << 20;
inline constexpr std::int32_t kCourseMarker = 1001;
inline constexpr std::int32_t kLastTrickShownBit = 0x10000000;
inline constexpr int kCourseSnapshots = 11;

// The course block, by byte offset in the file (128 to 527).
namespace course {
inline constexpr std::size_t Rows = 128, Skat = 248, Marker = 256, GameType = 260, ScoreOrLoser = 264,
                             LastTrickAndSecondLoser = 268, Points0 = 272, Points1 = 276, BidOrPoints2 = 280,
                             SkatCount = 284, RowCounts = 288, Tricks = 300, HandAnnounced = 304,
                             OuvertAnnounced = 308, PassOnCount = 312, PassedOnFlags = 316, PartyTricks = 328,
                             Kontra = 340, KontraSeat = 344, Soloist = 348, Snapshots = 352;
}  // namespace course

struct GameFileRecord {
    // Seats 0, 1, 2 with ten cards each, then the skat's two.
    std::array<std::int32_t, 32> Dealt{};
    // Words of bytes 128 to 527 when the game was finished and its course kept.
    std::optional<std::array<std::int32_t, 100>> Course;
    std::string Annotation;  // UTF-8

    // A course word by its byte offset in the file.
    std::int32_t CourseAt(std::size_t offset) const { return (*Course)[(offset - kGameDealBytes) / 4]; }
    bool operator==(const GameFileRecord&) const = default;
};

enum class GameFileFault { None, Short, Invalid, TooLarge };

struct GameFileDecoded {
    std::optional<GameFileRecord> Record;
    GameFileFault Fault = GameFileFault::None;
};

// Whether the code is one of the 32 cards of the deck (1-52 without Two to Six).
bool IsDeckCard(std::int32_t code);
// Whether the 32 words are 32 distinct cards of the deck: only such a deal can be played.
bool IsWholeDeal(std::span<const std::int32_t, 32> cards);
GameFileDecoded DecodeGameFile(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> EncodeGameFile(const GameFileRecord& record);
