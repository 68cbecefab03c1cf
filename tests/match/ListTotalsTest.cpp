// The game list's append and its two per-seat figures: the totals and the balances, recomputed
// over the whole list and updated game by game, over a table of won, lost, Ramsch and passed-in
// games.
#include "match/GameList.h"
#include "match/ListTotals.h"

#include "model/GameState.h"
#include "model/Settings.h"
#include "support/ProgramGlobals.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct BookedGame {
    const char* what;
    int type, soloist, secondLoser, score;
    const char* text;
    int marks[3];
    int totals[3];
    int balances[3];
};

class ListTotalsTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetProgramGlobals();
        g_Settings.Game.MaxCredit = 100;
        g_Game.GameCount = 0;
        ResetListTotals();
    }
    void TearDown() override { testsupport::ResetProgramGlobals(); }

    // The booking at a game's end: count, list, then the two updates.
    static void Book(const BookedGame& game) {
        g_Game.GameType = game.type;
        g_Game.Soloist = game.soloist;
        g_Game.GameCount += 1;
        AddGameToList(game.score, game.text, game.secondLoser);
        UpdateTotalsForLastGame(game.secondLoser);
        UpdateBalancesForLastGame(game.secondLoser);
    }
};

// Start credit 100. The first three games are the worked example of the settlement.
const BookedGame kMatch[] = {
    {"won 24 by seat 0", 0, 0, 3, 24, "+2HdSnGd24", {1, -1, -1}, {24, 0, 0}, {100, 76, 76}},
    {"lost -48 by seat 1", 6, 1, 3, -48, "-GrHd48", {-1, 1, -1}, {24, -48, 0}, {100, 28, 76}},
    {"Ramsch lost by seats 0 and 2", 7, 1, 0, -15, "RaSbSbJf", {-1, 5, -1}, {9, -48, -15}, {85, 28, 61}},
    {"Ramsch single loser seat 2", 7, 2, 3, -20, "RaKoRe", {-1, -1, 1}, {9, -48, -35}, {85, 28, 41}},
    {"Ramsch Durchmarsch by seat 0", 7, 0, 3, 120, "RaDm", {1, -1, -1}, {129, -48, -35}, {85, -92, -79}},
    {"passed in", 7, 3, 3, 0, "", {-1, -1, -1}, {129, -48, -35}, {85, -92, -79}},
};

TEST_F(ListTotalsTest, UpdatesEqualARecomputationAfterEveryGame) {
    for (const BookedGame& game : kMatch) {
        SCOPED_TRACE(game.what);
        Book(game);
        const ListRecord& record = g_GameList.Games.back();
        for (int seat = 0; seat < 3; ++seat) {
            EXPECT_EQ(record.Marks[seat], game.marks[seat]) << "seat " << seat;
            EXPECT_EQ(g_GameList.MatchTotals[seat], game.totals[seat]) << "seat " << seat;
            EXPECT_EQ(g_GameList.Balances[seat], game.balances[seat]) << "seat " << seat;
        }
        EXPECT_EQ(record.Score, game.score);
        EXPECT_EQ(record.TextString(), game.text);

        // The list as a reader finds it after loading: the same figures from scratch.
        const CGameList incremental = g_GameList;
        ComputeListTotals();
        ComputeBalances();
        for (int seat = 0; seat < 3; ++seat) {
            EXPECT_EQ(g_GameList.MatchTotals[seat], incremental.MatchTotals[seat]) << "seat " << seat;
            EXPECT_EQ(g_GameList.Balances[seat], incremental.Balances[seat]) << "seat " << seat;
        }
    }
    EXPECT_EQ(static_cast<int>(g_GameList.Games.size()), 6);
}

TEST_F(ListTotalsTest, EmptyListGivesZeroTotalsAndTheCredit) {
    g_GameList.MatchTotals[1] = 7;
    g_GameList.Balances[2] = 3;
    ComputeListTotals();
    ComputeBalances();
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(g_GameList.MatchTotals[seat], 0);
        EXPECT_EQ(g_GameList.Balances[seat], 100);
    }
}

TEST_F(ListTotalsTest, RecordKeepsForehandAndAtMost23Characters) {
    g_Game.Leader = 2;
    g_Game.Soloist = 0;
    g_Game.GameType = 0;
    g_Game.GameCount = 1;
    AddGameToList(18, "123456789012345678901234567890", 3);
    ASSERT_EQ(g_GameList.Games.size(), 1u);
    EXPECT_EQ(g_GameList.Games[0].TextString(), "12345678901234567890123");
    EXPECT_EQ(g_GameList.Games[0].Text[23], '\0');
    EXPECT_EQ(g_GameList.Games[0].Forehand, 2);
}

TEST_F(ListTotalsTest, RecomputationReadsOnlyTheCountedGames) {
    // A list longer than the count (the file held more records than it counted) settles only the
    // counted games.
    for (const BookedGame& game : kMatch) Book(game);
    g_Game.GameCount = 2;
    ComputeListTotals();
    ComputeBalances();
    EXPECT_EQ(g_GameList.MatchTotals[0], 24);
    EXPECT_EQ(g_GameList.MatchTotals[1], -48);
    EXPECT_EQ(g_GameList.Balances[1], 28);
    EXPECT_EQ(g_GameList.Balances[2], 76);
}

TEST_F(ListTotalsTest, DamagedRecordsAreReadSafely) {
    // Marks other than -1, 1 and 5 count only bits 0 and 2; huge scores do not overflow.
    g_Game.GameCount = 3;
    g_GameList.Games.resize(3);
    g_GameList.Games[0].Marks[0] = 2;  // neither bit: no seat
    g_GameList.Games[0].Marks[1] = 9;  // bit 0: seat 1 declared
    g_GameList.Games[0].Score = 10;
    g_GameList.Games[1].Marks[2] = 1;
    g_GameList.Games[1].Score = 2'000'000'000;
    g_GameList.Games[2].Marks[2] = 1;
    g_GameList.Games[2].Score = 2'000'000'000;
    ComputeListTotals();
    ComputeBalances();
    EXPECT_EQ(g_GameList.MatchTotals[0], 0);
    EXPECT_EQ(g_GameList.MatchTotals[1], 10);
    EXPECT_EQ(g_GameList.MatchTotals[2], 2'147'483'647);
    EXPECT_EQ(g_GameList.Balances[0], -2'147'483'648);
}

TEST_F(ListTotalsTest, HeaderTextsStayWithinTheirFields) {
    ListHeader header;
    // A subtitle whose first piece is full runs on into the second piece.
    header.SetText(LIST_SUBTITLE_1, 20, "");
    for (int i = 0; i < 20; ++i) header.Bytes[LIST_SUBTITLE_1 + i] = 'a';
    header.SetText(LIST_SUBTITLE_2, 11, "bc");
    EXPECT_EQ(header.Subtitle(), std::string(20, 'a') + "bc");
    // A title with no NUL ends at its 56 bytes, not in the subtitle behind it.
    for (int i = 0; i < 56; ++i) header.Bytes[i] = 'T';
    EXPECT_EQ(header.Text(LIST_TITLE, 56), std::string(56, 'T'));
    // A seat name fills at most 20 characters and its NUL.
    header.SetText(LIST_NAME_0 + 44, 21, "Bernhard-Maximilian-Ferdinand");
    EXPECT_EQ(header.SeatName(1), "Bernhard-Maximilian-");
    header.SetInt(LIST_SETTLEMENT, -2);
    EXPECT_EQ(header.Int(LIST_SETTLEMENT), -2);
    EXPECT_EQ(header.Int(kListHeaderBytes - 2), 0);
}

}  // namespace
