#pragma once
// The match list file (.skm): the list's rows, header first, then the settings trailer that
// carries a snapshot of the settings. Decoding checks every value a later step uses as an index
// or a count and repairs the header as the program always has; encoding gives back the bytes.
// Free of the frame, so the fuzz targets link it alone.

#include "match/GameList.h"
#include "platform/core/FileIo.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

inline constexpr std::uint32_t kListSettingsMagic = 0xAABBCCDD;
inline constexpr std::size_t kListSettingsWords = 93;  // 372 bytes, the magic first
inline constexpr std::size_t kListSettingsStrings = 7;
inline constexpr std::size_t kListNameBytes = 20;   // seat names in the trailer
inline constexpr std::size_t kListPathBytes = 259;  // portrait paths in the trailer
inline constexpr std::int32_t kListScoreBound = 99999;

// The settings trailer: its words by byte offset / 4 (word 0 the magic, word 1 the version) and
// its seven texts: the three seat names, then the four portrait paths (UTF-8).
struct ListSettings {
    std::array<std::int32_t, kListSettingsWords> Words{};
    std::array<std::string, kListSettingsStrings> Strings;

    std::int32_t At(std::size_t offset) const { return Words[offset / 4]; }
    void Set(std::size_t offset, std::int32_t value) { Words[offset / 4] = value; }
    bool operator==(const ListSettings&) const = default;
};

// Header offsets the file's readers and writers use besides those the side windows read.
namespace list_header {
inline constexpr int Subtitle1 = 56;
inline constexpr int ForehandOffset = 76;  // taken off the games when the forehand is derived
inline constexpr int Numbering = 80, Settlement = 84;
inline constexpr int SeatCounters[3] = {120, 164, 208};  // soloist games, lost, other games
inline constexpr int StartForehand = 220, CheatMarks = 224, StartTime = 228, CardBack = 232, CardFace = 236;
inline constexpr int RuleSet = 240, TitleOptions = 260, Kontra = 264, PackedRules = 268, LegacyPassOn = 272;
inline constexpr int Revolution = 276, Schneider = 280, Ouvert = 284, RamschStock = 288, NullOuvert = 292,
                     Hand = 296, Extra = 300, IfExtra = 304, MatchMode = 308, MaxRounds = 312, CountDown = 316;
inline constexpr int Balances = 324;
inline constexpr std::int32_t PackedRulesMark = 0x10000000;
}  // namespace list_header

inline constexpr std::size_t kListRowBytes = 44;

// The longest match the files hold: far beyond any a person plays, and the list's reader takes the
// longest list its writer can give for it (the trailer's texts are cut to what the reader keeps).
inline constexpr std::size_t kMaxListGames = 1'000'000;
inline constexpr std::size_t kListSettingsMaxBytes =
    kListSettingsWords * 4 + 3 * (kListNameBytes + 1) + 4 * (kListPathBytes + 1);
inline constexpr std::size_t kMatchListCap =
    static_cast<std::size_t>(kListHeaderBytes) + kMaxListGames * kListRowBytes + kListSettingsMaxBytes;

struct MatchListRecord {
    ListHeader Header;
    std::vector<ListRecord> Games;
    std::optional<ListSettings> Settings;  // none when the file had no whole trailer
};

// Nothing when the file is shorter than the eight header rows or over the cap.
std::optional<MatchListRecord> DecodeMatchList(std::span<const std::uint8_t> bytes);
// The rows alone (the header and the games), and the trailer alone, as the file holds them.
std::vector<std::uint8_t> EncodeListRows(const ListHeader& header, std::span<const ListRecord> games);
std::vector<std::uint8_t> EncodeListSettings(const ListSettings& settings);
// The whole file: the rows, then the trailer.
std::vector<std::uint8_t> EncodeListFile(const ListHeader& header, std::span<const ListRecord> games,
                                         std::span<const std::uint8_t> trailer);

// The writes that take a list file the program wrote with `writtenGames` rows under
// `writtenHeader` (its trailer after them) to the given header, games and trailer: the old trailer
// cut off, the new rows and the new trailer appended, then each changed run of header words. Cut
// after any of them, or inside the one under way, the file reads back every game it held before
// and never reads a part of a trailer as a game.
std::vector<platform::FileStep> ListAppendSteps(const ListHeader& writtenHeader, std::size_t writtenGames,
                                                const ListHeader& header, std::span<const ListRecord> games,
                                                std::span<const std::uint8_t> trailer);

// The trailer's version word from the version text ("5.8", "5.8 beta 3") and the rule set:
// byte 0 rule set, 1 beta number, 2 minor, 3 major.
std::int32_t ListVersionWord(const std::string& version, int ruleSet);
// "5.8" or "5.8 beta 3" from a version word.
std::string ListVersionText(std::int32_t word);
