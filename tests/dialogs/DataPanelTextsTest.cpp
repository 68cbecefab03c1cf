// The game data panel's texts: the match mode with its limit, the round within the match, the
// counts per seat, the points or the Bierlachs balances, the weighted performance, the trick
// winner, and the clock's remaining time.
#include "SettingsDialogFixture.h"

#include "dialogs/DataDialog.h"

namespace {

class DataPanelTextsTest : public testsupport::SettingsDialogFixture {
protected:
    DataPanelTexts Fill(const DataPanelFacts& facts, const std::string& bid = "") {
        DataPanelTexts texts;
        texts.Round = "unberührt";
        FillDataPanelTexts(texts, facts, "Anna", "Kreuz Hand", "Regelskat", "Schneider", "Kontra (Bert)", bid,
                           {"Anna", "Bert", "Carla"});
        return texts;
    }
};

TEST_F(DataPanelTextsTest, TheModeNamesItsLimit) {
    const struct {
        int mode;
        const char* text;
    } cases[] = {
        {0, "Spielserie: 12"}, {1, "Zeitdauer: 30"},  {2, "Bierlachs: 501"},
        {3, "Unbegrenzt"},     {12, "Bierlachs: 501"}, {10, "Spielserie: 12"},
    };
    for (const auto& c : cases) {
        DataPanelFacts facts;
        facts.matchMode = c.mode;
        facts.maxTime = 1859;  // whole minutes
        EXPECT_EQ(Fill(facts).Mode, c.text) << c.mode;
    }
}

TEST_F(DataPanelTextsTest, TheRoundCountsTheListedGames) {
    const struct {
        int mode, listed, numberedThrough;
        const char* bid;
        const char* round;
    } cases[] = {
        {0, 0, 0, "", "1 / 1"}, {0, 4, 0, "", "2 / 2"}, {0, 5, 0, "", "2 / 3"}, {0, 6, 0, "", "3 / 1"},
        {0, 4, 1, "", "5"},     {3, 0, 1, "", "1"},     {0, 4, 0, "18", ""},
        {1, 4, 0, "", "unberührt"},  // the clock writes the remaining time there
    };
    for (const auto& c : cases) {
        DataPanelFacts facts;
        facts.matchMode = c.mode;
        facts.listedGames = c.listed;
        facts.numberedThrough = c.numberedThrough;
        EXPECT_EQ(Fill(facts, c.bid).Round, c.round) << c.mode << " " << c.listed << " " << c.bid;
    }
}

TEST_F(DataPanelTextsTest, PointsAndPerformanceOrTheBierlachsBalances) {
    DataPanelFacts facts;
    facts.games = {4, 2, 1};
    facts.won = {3, 1, 0};
    facts.lost = {1, 1, 1};
    facts.points = {100, -20, 7};
    facts.balances = {480, 501, -3};
    const DataPanelTexts series = Fill(facts);
    EXPECT_EQ(series.Games[0], "4");
    EXPECT_EQ(series.Won[1], "1");
    EXPECT_EQ(series.Lost[2], "1");
    EXPECT_EQ(series.Points[1], "-20");
    // (won - lost) x 50 + points + 40 x the others' losses.
    EXPECT_EQ(series.Weighted[0], "280");
    EXPECT_EQ(series.Weighted[1], "60");
    EXPECT_EQ(series.Weighted[2], "37");
    facts.matchMode = 2;
    const DataPanelTexts bierlachs = Fill(facts);
    for (std::size_t seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(bierlachs.Points[seat], std::to_string(facts.balances[seat]));
        EXPECT_EQ(bierlachs.Weighted[seat], std::to_string(facts.balances[seat]));
    }
}

TEST_F(DataPanelTextsTest, TheTextsAsGivenAndTheTrickWinnerByName) {
    const struct {
        int seat;
        const char* winner;
    } cases[] = {{0, "Anna"}, {1, "Bert"}, {2, "Carla"}, {3, " "}, {7, " "}, {-1, " "}};
    for (const auto& c : cases) {
        DataPanelFacts facts;
        facts.trickWinner = c.seat;
        const DataPanelTexts texts = Fill(facts);
        EXPECT_EQ(texts.TrickWinner, c.winner) << c.seat;
        EXPECT_EQ(texts.Names[2], "Carla:");
        EXPECT_EQ(texts.Reply, "Kontra (Bert)");
        EXPECT_EQ(texts.Status, "Regelskat");
    }
}

TEST_F(DataPanelTextsTest, RemainingTimeInMinutesAndSeconds) {
    const struct {
        int seconds;
        const char* text;
    } cases[] = {{-5, "0:00"}, {0, "0:00"}, {1, "0:01"}, {61, "1:01"}, {3600, "60:00"}, {5999, "99:59"}};
    for (const auto& c : cases) EXPECT_EQ(RemainingTimeText(c.seconds), c.text) << c.seconds;
}

}  // namespace
