// The game value table: every row is worth exactly its rung of the bid ladder, the rungs hold the
// games the rule gives them (checked at the bottom, the top and the fixed-value games), and the
// rich text the panel shows has one line per row.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "SettingsDialogFixture.h"

#include "dialogs/GameValueTable.h"
#include "match/GameScoring.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameValue.h"
#include "model/Settings.h"
#include "support/BidIndex.h"

namespace {

class GameValueTableTest : public testsupport::SettingsDialogFixture {};

constexpr int kDiamonds = 41301, kHearts = 41302, kSpades = 41303, kClubs = 41304, kNullHand = 41306,
              kRevolution = 41309, kGrand = 41311;
constexpr int kHand = 42031, kSchneider = 42032, kOuvert = 42036, kSchwarzAnnounced = 42035;

// A row's game value: its game's base times its level.
int GameValueOf(const GameValueRow& row) { return GameValueBase(row.game) * row.factor; }

bool SameRow(const GameValueRow& a, const GameValueRow& b) {
    return a.game == b.game && a.tops == b.tops && a.announced == b.announced && a.played == b.played &&
           a.factor == b.factor;
}

// Every row of the table, rung by rung.
std::vector<GameValueRow> AllRows() {
    std::vector<GameValueRow> all;
    for (int index = 0; index < BID_LADDER_SIZE; ++index) {
        const auto rows = GameValueRows(index);
        all.insert(all.end(), rows.begin(), rows.end());
    }
    return all;
}

TEST_F(GameValueTableTest, EveryRowIsWorthItsRungAndEveryRungHasARow) {
    for (int index = 0; index < BID_LADDER_SIZE; ++index) {
        const auto rows = GameValueRows(index);
        EXPECT_FALSE(rows.empty()) << "rung " << index;
        for (const GameValueRow& row : rows)
            EXPECT_EQ(GameValueOf(row), BidLadder[index].value) << "rung " << index;
    }
    EXPECT_TRUE(GameValueRows(-1).empty());
    EXPECT_TRUE(GameValueRows(BID_LADDER_SIZE).empty());
}

TEST_F(GameValueTableTest, TheRungsHoldTheGamesTheRuleGivesThem) {
    const struct {
        int index;
        std::vector<GameValueRow> rows;  // all of the rung's rows, in any order
    } cases[] = {
        {0, {{kDiamonds, -1, 0, 0, 2}}},                                                          // 18
        {1, {{kHearts, -1, 0, 0, 2}}},                                                            // 20
        {2, {{kSpades, -1, 0, 0, 2}}},                                                            // 22
        {4, {{kClubs, -1, 0, 0, 2}}},                                                             // 24: Grand needs a top
        {5, {{kDiamonds, -1, 0, kSchneider, 3}, {kDiamonds, -1, kHand, 0, 3}, {kDiamonds, -2, 0, 0, 3}}},  // 27
        {8, {{kNullHand, 0, 0, 0, 1}}},                                                           // 35
        {30, {{kRevolution, 0, 0, 0, 1}}},                                                        // 92
        {62, {{kGrand, -4, kSchwarzAnnounced, 0, 10}, {kGrand, -3, kOuvert, 0, 10}}},             // 240
        {63, {{kGrand, -4, kOuvert, 0, 11}}},                                                     // 264
    };
    for (const auto& c : cases) {
        const auto rows = GameValueRows(c.index);
        ASSERT_EQ(rows.size(), c.rows.size()) << "rung " << c.index;
        for (const GameValueRow& expected : c.rows)
            EXPECT_TRUE(std::any_of(rows.begin(), rows.end(), [&](const GameValueRow& row) { return SameRow(row, expected); }))
                << "rung " << c.index << " lacks game " << expected.game << " with " << expected.tops;
    }
}

TEST_F(GameValueTableTest, TopsStayWithinWhatTheGameCounts) {
    for (const GameValueRow& row : AllRows()) {
        if (row.game == kGrand) EXPECT_TRUE(row.tops >= -4 && row.tops <= -1) << row.factor;
        else if (row.game >= kDiamonds && row.game <= kClubs) EXPECT_TRUE(row.tops >= -11 && row.tops <= -1) << row.factor;
        else EXPECT_EQ(row.tops, 0) << row.game;
    }
}

// The number of "\par " after the document head: one less than the rows.
int RowBreaks(const std::string& text, const std::string& head) {
    int breaks = 0;
    for (std::size_t at = text.find("\\par ", head.size()); at != std::string::npos; at = text.find("\\par ", at + 1)) ++breaks;
    return breaks;
}

TEST_F(GameValueTableTest, TheRichTextHasOneLinePerRowInTheEditionsWords) {
    const std::string head = platform::LoadString(41314);
    const std::string lowest = GameValueRichText(0);
    EXPECT_EQ(lowest.rfind(head, 0), 0u);
    EXPECT_EQ(lowest.substr(head.size()),
              "\\fs20\\cf2\\b Karo        \\cf1\\tab +/-   1  \\tab\\ab\\tab\\tab \\tab\\ab\\tab     2\\tab   0 }");
    EXPECT_EQ(RowBreaks(lowest, head), 0);
    const std::string rung5 = GameValueRichText(5);
    EXPECT_EQ(RowBreaks(rung5, head), 2);
    EXPECT_NE(rung5.find("Schneider\\tab   "), std::string::npos);
    EXPECT_NE(rung5.find("Hand\\tab\\tab "), std::string::npos);
    UseEdition(EnglishResources());
    EXPECT_NE(GameValueRichText(0).find("Diamonds"), std::string::npos);
    EXPECT_NE(GameValueRichText(63).find("Ouvert\\tab\\tab "), std::string::npos);
    EXPECT_NE(GameValueRichText(63).find("+/-   4  "), std::string::npos);
    EXPECT_NE(GameValueRichText(63).find("\\tab\\ab\\tab   11\\tab 63 }"), std::string::npos);
}

// The level the result text counts: the last running number before the game's name.
int TextLevel(const std::string& text) {
    const std::size_t times = text.find(" \\b0 mal ");
    if (times == std::string::npos) return -1;
    const std::size_t open = text.rfind("\\b ", times);
    return open == std::string::npos ? -1 : std::atoi(text.c_str() + open + 3);
}

// Every row of the panel, played and won as the row says with the bid at the row's value, is
// scored at that value; the result text counts the row's factor.
TEST_F(GameValueTableTest, TheScoreOfEveryRowIsTheValueThePanelShows) {
    constexpr int kSchneiderAnnounced = 42033, kSchwarz = 42034;
    ScoreNames names;
    for (const GameValueRow& row : AllRows()) {
        for (int sign : {1, -1}) {
            if (row.tops >= 0 && sign < 0) continue;
            const std::string name = "game " + std::to_string(row.game) + " tops " + std::to_string(sign * row.tops) +
                                     " announced " + std::to_string(row.announced) + " played " +
                                     std::to_string(row.played) + " factor " + std::to_string(row.factor);
            SCOPED_TRACE(name);
            g_Game.Reset();
            g_Settings.Reset();
            const bool nullGame = row.game >= 41305 && row.game <= kRevolution;
            g_Game.SetGameType(row.game == kGrand ? GAME_GRAND
                               : row.game == kRevolution ? GAME_REVOLUTION
                               : nullGame ? GAME_NULL
                                          : kClubs - row.game);
            g_Game.Soloist = 1;
            g_Game.BidIndex = testsupport::BidIndexOf(GameValueOf(row));
            ASSERT_EQ(BidValue(-1), GameValueOf(row));
            if (nullGame) {
                g_Game.HandAnnounced = row.game == kNullHand || row.game == 41308 || row.game == kRevolution;
                g_Game.OuvertAnnounced = row.game == 41307 || row.game == 41308;
                const GameScore result = ScoreNullGame(-1, names);
                EXPECT_EQ(result.score, GameValueOf(row));
                continue;
            }
            g_Game.HandAnnounced = row.announced != 0;
            g_Game.SchneiderAnnounced = row.announced == kSchneiderAnnounced || row.announced == kSchwarzAnnounced;
            g_Game.SchwarzAnnounced = row.announced == kSchwarzAnnounced;
            g_Game.OuvertAnnounced = row.announced == kOuvert;
            const bool schwarz = row.played == kSchwarz || row.announced == kSchwarzAnnounced || row.announced == kOuvert;
            const bool schneider = row.played == kSchneider || row.announced == kSchneiderAnnounced;
            g_Game.PartyPoints[0] = schwarz ? 120 : schneider ? 95 : 70;
            g_Game.PartyTricks[0] = schwarz ? 10 : schneider ? 8 : 6;
            g_Game.PartyPoints[1] = 120 - g_Game.PartyPoints[0];
            g_Game.PartyTricks[1] = 10 - g_Game.PartyTricks[0];
            GameScore result = ScoreSuitGame(-1, sign * (std::abs(row.tops) + 1), 0, names);
            ApplyOverbid(result, BidValue(-1));
            EXPECT_EQ(result.outcome, RESULT_WON);
            EXPECT_EQ(result.score, GameValueOf(row));
            EXPECT_EQ(TextLevel(result.resultText), row.factor);
        }
    }
}

}  // namespace
