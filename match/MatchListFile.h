#pragma once
// The match list file (.skm): the list's rows, header first, then the settings trailer that
// carries a snapshot of the settings. Decoding checks every value a later step uses as an index
// or a count and repairs the header as the program always has; encoding gives back the bytes.
// Free of the frame, so the fuzz targets link it alone.

#include "match/GameList.h"

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
inline constexpr std::size_t kMatchListCap = 1 << 20;
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

struct MatchListRecord {
    CGameList List;
    std::optional<ListSettings> Settings;  // none when the file had no whole trailer
    bool operator==(const MatchListRecord&) const = default;
};

// Nothing when the file is shorter than the eight header rows or over the cap.
std::optional<MatchListRecord> DecodeMatchList(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> EncodeMatchList(const MatchListRecord& record);

// The trailer's version word from the version text ("5.8", "5.8 beta 3") and the rule set:
// byte 0 rule set, 1 beta number, 2 minor, 3 major.
std::int32_t ListVersionWord(const std::string& version, int ruleSet);
// "5.8" or "5.8 beta 3" from a version word.
std::string ListVersionText(std::int32_t word);
