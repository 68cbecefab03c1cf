#include "dialogs/GameValueTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "model/BidLadder.h"
#include "platform/core/Edit.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

namespace {

constexpr int kDiamonds = 41301, kClubs = 41304, kNull = 41305, kNullOuvertHand = 41308, kRevolution = 41309,
              kGrand = 41311;
constexpr int kHand = 42031, kSchneider = 42032, kSchneiderAnnounced = 42033, kSchwarz = 42034,
              kSchwarzAnnounced = 42035, kOuvert = 42036;

// What can be won above the tops and the game itself, and the levels it adds. An announcement
// needs a Hand game, and reaching what was announced is part of it: Schneider announced counts
// Hand, the announcement and Schneider; Schwarz announced adds its announcement and Schwarz;
// Ouvert, which must be won Schwarz, one more.
struct Winning {
    int announced, played, levels;
};
constexpr Winning kWinnings[] = {
    {0, 0, 0},
    {0, kSchneider, 1},
    {0, kSchwarz, 2},
    {kHand, 0, 1},
    {kHand, kSchneider, 2},
    {kHand, kSchwarz, 3},
    {kSchneiderAnnounced, 0, 3},
    {kSchneiderAnnounced, kSchwarz, 4},
    {kSchwarzAnnounced, 0, 5},
    {kOuvert, 0, 6},
};

// A suit game counts up to eleven tops (every trump), Grand up to the four Jacks.
constexpr int kSuitTops = 11, kGrandTops = 4;

struct Table {
    std::vector<GameValueRow> rows;
    std::array<std::pair<int, int>, BID_LADDER_SIZE> spans{};  // first row, row count
};

Table BuildTable() {
    Table table;
    for (int index = 0; index < BID_LADDER_SIZE; ++index) {
        const int value = BidLadder[index].value;
        const int first = static_cast<int>(table.rows.size());
        // Suit games and Grand: every number of tops with every winning level on top of it.
        for (int game : {kDiamonds, kDiamonds + 1, kDiamonds + 2, kClubs, kGrand}) {
            const int base = GameValueBase(game);
            if (value % base != 0) continue;
            const int factor = value / base;
            const int maxTops = game == kGrand ? kGrandTops : kSuitTops;
            for (const Winning& winning : kWinnings) {
                const int tops = factor - 1 - winning.levels;
                if (tops >= 1 && tops <= maxTops) table.rows.push_back({game, -tops, winning.announced, winning.played, factor});
            }
        }
        // Null and Revolution have fixed values.
        for (int game = kNull; game <= kRevolution; ++game)
            if (GameValueBase(game) == value) table.rows.push_back({game, 0, 0, 0, 1});
        table.spans[static_cast<std::size_t>(index)] = {first, static_cast<int>(table.rows.size()) - first};
    }
    return table;
}

// Laid down once before the program runs; the ladder it reads is constant data.
const Table kTable = BuildTable();

// "%s%2d" of the pad the panel's columns line up with: one blank below 10.
std::string Padded(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%s%2d", std::abs(value) < 10 ? " " : "", std::abs(value));
    return text;
}

}  // namespace

int GameValueBase(int game) {
    switch (game) {
        case kNull: return 23;
        case kNull + 1: return 35;
        case kNull + 2: return 46;
        case kNullOuvertHand: return 59;
        case kRevolution: return 92;
        case kGrand: return 24;
        default: return game >= kDiamonds && game <= kClubs ? 9 + (game - kDiamonds) : 0;
    }
}

std::span<const GameValueRow> GameValueRows(int ladderIndex) {
    if (ladderIndex < 0 || ladderIndex >= BID_LADDER_SIZE) return {};
    const auto [first, count] = kTable.spans[static_cast<std::size_t>(ladderIndex)];
    return std::span<const GameValueRow>(kTable.rows).subspan(static_cast<std::size_t>(first), static_cast<std::size_t>(count));
}

std::string GameValueRichText(int ladderIndex) {
    std::string text = platform::LoadString(IDS_RICH_TEXT_HEAD);
    bool firstRow = true;
    for (const GameValueRow& row : GameValueRows(ladderIndex)) {
        if (!firstRow) text += "\\par ";
        firstRow = false;
        // 1. The game's name in dark red, filled with blanks towards 12 characters (10 at most).
        const std::string name = platform::LoadString(row.game);
        const std::size_t length = platform::CountCharacters(name);
        text += "\\fs20\\cf2\\b " + name + std::string(length < 12 ? std::min<std::size_t>(12 - length, 10) : 0, ' ') + "\\cf1\\tab ";
        // 2. The tops, "+/-" with or without.
        if (row.tops != 0) text += std::string(row.tops < 1 ? "+/- " : "+   ") + Padded(row.tops) + "  ";
        // 3. What was announced.
        if (row.announced != 0)
            text += platform::LoadString(row.announced) + (row.announced == kSchneider || row.announced == kSchwarz ? "\\tab " : "\\tab\\tab ");
        else
            text += length < 13 ? "\\tab\\ab\\tab\\tab " : "\\ab\\tab\\tab ";
        // 4. What was reached in play.
        text += row.played != 0 ? platform::LoadString(row.played) + "\\tab   " : std::string("\\tab\\ab\\tab   ");
        // 5. The factor and the rung.
        text += Padded(row.factor) + "\\tab " + Padded(ladderIndex);
    }
    return text + " }";
}
