#pragma once
// The match's game list in memory: one block of 44-byte rows, eight header rows first (the list
// header of the match file), then one row per game in the order played. The match file is these
// rows followed by the settings trailer; the score sheet draws them. The number of games is
// g_Game.GameCount.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

inline constexpr std::size_t kListRowBytes = 44;
inline constexpr std::size_t kListHeaderRows = 8;
inline constexpr std::size_t kListHeaderBytes = kListRowBytes * kListHeaderRows;  // 352

// Byte offsets in the header rows.
namespace list_header {
inline constexpr std::size_t Title = 0, TitleBytes = 56;
// The subtitle runs over four pieces: 20 bytes at 56, then 11 bytes after each seat name.
inline constexpr std::size_t Subtitle1 = 56, Subtitle1Bytes = 20;
inline constexpr std::size_t SubtitleOther[3] = {109, 153, 197};
inline constexpr std::size_t SubtitleOtherBytes = 11;
inline constexpr std::size_t ForehandOffset = 76;  // taken off the games when the forehand is derived
inline constexpr std::size_t Numbering = 80;       // 1 games numbered 1, 2, 3; 0 by round
inline constexpr std::size_t Settlement = 84;      // 0, 1 or 2
inline constexpr std::size_t SeatName[3] = {88, 132, 176};
inline constexpr std::size_t SeatNameBytes = 21;  // at most 20 characters and the NUL
inline constexpr std::size_t SeatCounters[3] = {120, 164, 208};  // soloist games, lost, other games
inline constexpr std::size_t StartForehand = 220;
inline constexpr std::size_t CheatMarks = 224;
inline constexpr std::size_t StartTime = 228;
inline constexpr std::size_t CardBack = 232, CardFace = 236;
inline constexpr std::size_t RuleSet = 240;
inline constexpr std::size_t TitleOptions = 260;
inline constexpr std::size_t Kontra = 264;
inline constexpr std::size_t PackedRules = 268;  // 0x10000000 + Ramsch + 16 PassOn + 256 GrandHand
inline constexpr std::size_t LegacyPassOn = 272;
inline constexpr std::size_t Revolution = 276, Schneider = 280, Ouvert = 284, RamschStock = 288,
                             NullOuvert = 292, Hand = 296, Extra = 300, IfExtra = 304;
inline constexpr std::size_t MatchMode = 308, MaxRounds = 312, CountDown = 316;
inline constexpr std::size_t Balances = 324;
inline constexpr std::int32_t PackedRulesMark = 0x10000000;
}  // namespace list_header

// One game of the list.
struct ListRecord {
    std::int32_t Marks[3] = {-1, -1, -1};  // -1 not marked, 1 the declarer, 5 third of a two-loser Ramsch
    std::int32_t Score = 0;
    std::string Text;  // UTF-8, at most 23 cp1252 bytes
    std::int32_t Forehand = 0;

    bool operator==(const ListRecord&) const = default;
};

class CGameList {
public:
    // A block of the eight header rows, all zero.
    CGameList() : rows_(kListHeaderBytes, 0) {}
    // Takes the rows as they are; the size must be 8 rows or more and whole rows.
    explicit CGameList(std::vector<std::uint8_t> rows);

    int Games() const { return static_cast<int>(rows_.size() / kListRowBytes - kListHeaderRows); }
    const std::vector<std::uint8_t>& Bytes() const { return rows_; }

    // Words and bytes by offset in the block (header or rows).
    std::int32_t Word(std::size_t offset) const;
    std::uint8_t Byte(std::size_t offset) const { return rows_[offset]; }
    void SetByte(std::size_t offset, std::uint8_t value) { rows_[offset] = value; }
    void SetWord(std::size_t offset, std::int32_t value);
    // A text field of the header, up to its NUL or the field's end, as UTF-8.
    std::string Text(std::size_t offset, std::size_t length) const;
    // Writes the text cut to length - 1 cp1252 bytes with its NUL, the rest of the field zero.
    void SetText(std::size_t offset, std::size_t length, std::string_view utf8);
    // The subtitle: its four pieces as one text up to the first NUL.
    std::string Subtitle() const;
    std::string SeatName(int seat) const;  // at most 20 cp1252 bytes

    // Game rows, 0-based.
    ListRecord Row(int game) const;
    void SetRow(int game, const ListRecord& record);
    void AppendRow(const ListRecord& record);
    // Keeps the header and the first `games` rows.
    void Truncate(int games);

    bool operator==(const CGameList&) const = default;

private:
    std::vector<std::uint8_t> rows_;
};

// The list of the current match; null when there is none.
extern std::unique_ptr<CGameList> g_pGameList;
