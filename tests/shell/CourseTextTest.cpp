// The course of the game on the table: the headline says who won or lost which game, a marker
// stands at each trick's leader, the points run per trick with the skat apart in the tenth column,
// the codes name pushes, Jungfrau, Durchmarsch, announcements and Kontra, and removing blanks out
// everything that showing wrote.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FrameTable.h"
#include "flow/MatchSeries.h"
#include "flow/TrickPlay.h"
#include "flow/FrameGlobals.h"
#include "flow/RamschRounds.h"
#include "flow/FrameTestSupport.h"

#include <algorithm>
#include <string>
#include <vector>

#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "resources/CommandIds.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FlowFixture;

class CourseTextTest : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        DealAndHold();
        g_Game.FlowState = STATE_IDLE;
        // Every seat's hand is its course row; the skat as dealt.
        for (int seat = 0; seat < 3; ++seat)
            for (int slot = 0; slot < 10; ++slot)
                FrameGameAccess::Game(Frame()).NoteCourseCard(
                    seat, Frame().GameObject().Hand(seat).cards[static_cast<std::size_t>(slot)]);
        FrameGameAccess::Game(Frame()).NoteCourseSkatCard(Frame().GameObject().dealt[0]);
        FrameGameAccess::Game(Frame()).NoteCourseSkatCard(Frame().GameObject().dealt[1]);
        g_Game.CourseTricks = 10;
        for (int k = 0; k <= 10; ++k) Frame().FrameTrickPlay().LoadCourseSnapshot(k, k % 3, Frame().TrickPlay().History[k].partyPoints);
        SuitGame(/*value*/ 48);
    }

    void SuitGame(int value) {
        g_Game.GameType = GAME_HEARTS;
        g_Game.Soloist = 2;
        g_Game.HandAnnounced = 0;
        g_Game.OuvertAnnounced = 0;
        g_Game.BidIndex = 0;
        g_Game.PendingRaise = 0;
        Frame().MatchSeries().SetGameScore(value);
        // The soloist's count starts with the skat's points (not Hand).
        for (int t = 0; t <= 10; ++t) {
            const int points[3] = {SkatPoints() + 5 * t, 100 + t, Frame().TrickPlay().History[t].partyPoints[2]};
            Frame().FrameTrickPlay().LoadCourseSnapshot(t, Frame().TrickPlay().History[t].trickWinner, points);
        }
        g_Game.PartyPoints[0] = SkatPoints() + 50;
        g_Game.PartyPoints[1] = 110;
    }

    std::vector<std::string> Drawn(int show) {
        platform::RecordingDC* surface = host_->Surface(g_Frame.hTableWnd);
        surface->ClearRecords();
        Frame().FrameTable().MoveCourseText(show);
        return testsupport::DrawnTexts(*host_, g_Frame.hTableWnd);
    }
    static int Count(const std::vector<std::string>& texts, const std::string& text) {
        return static_cast<int>(std::count(texts.begin(), texts.end(), text));
    }
    std::string Name(int seat) { return Frame().GetPlayerName(seat); }
    int SkatPoints() { return Frame().GameObject().CourseSkat().CountPoints(); }
};

TEST_F(CourseTextTest, TheHeadlineNamesWhoWonOrLostWhichGame) {
    EXPECT_EQ(Frame().FrameTable().CourseHeadline(), " " + Name(2) + " wins Hearts (18) ");
    g_Game.HandAnnounced = 1;
    g_Game.OuvertAnnounced = 1;
    g_Game.GameType = GAME_GRAND;
    EXPECT_EQ(Frame().FrameTable().CourseHeadline(), " " + Name(2) + " wins Grand Hand Ouvert (18) ");
    // Null carries Hand and Ouvert in its name.
    g_Game.GameType = GAME_NULL;
    EXPECT_EQ(Frame().FrameTable().CourseHeadline(), " " + Name(2) + " wins Null Ouvert Hand (18) ");

    g_Game.GameType = GAME_CLUBS;
    g_Game.HandAnnounced = g_Game.OuvertAnnounced = 0;
    Frame().MatchSeries().SetGameScore(-48);
    g_Game.PartyPoints[0] = 52;
    g_Game.PartyPoints[1] = 0;
    EXPECT_EQ(Frame().FrameTable().CourseHeadline(), " " + Name(2) + " loses Clubs (18) ");
    EXPECT_EQ(g_Game.PartyPoints[1], 68) << "the defenders have what is left of 120";
}

TEST_F(CourseTextTest, TheRamschHeadlineFollowsTheResultSeats) {
    struct Case {
        int first, second;
        int seat;
        const char* word;
    };
    const Case cases[] = {
        {1, 3, 1, "loses"},  // one loser
        {0, 0, 0, "wins"},   // a Durchmarsch
        {0, 2, 1, "wins"},   // two losers: the third seat wins
    };
    g_Game.GameType = GAME_RAMSCH;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seat);
        Frame().RamschRounds().NoteLosers(c.first, c.second);
        EXPECT_EQ(Frame().FrameTable().CourseHeadline(), " " + Name(c.seat) + " " + c.word + " Ramsch ");
    }
}

TEST_F(CourseTextTest, AShortCourseShowsItsTricksAndTheTenthColumn) {
    g_Game.CourseTricks = 4;
    const std::vector<std::string> texts = Drawn(1);
    EXPECT_EQ(Count(texts, " Fh "), 4) << "a marker for each of the four tricks";
    // Tricks 1-4 run the soloist's points without the skat (not Hand); 5-9 stay blank.
    for (int t = 1; t <= 4; ++t) {
        char soloist[16];
        std::snprintf(soloist, sizeof soloist, "%5d  ", 5 * t);
        EXPECT_EQ(Count(texts, soloist), 1) << t;
    }
    EXPECT_EQ(Count(texts, "       "), 2 * 5) << "two point lines in columns 5 to 9";
    // The tenth column: points without the skat, then the skat's.
    char tenth[16];
    std::snprintf(tenth, sizeof tenth, "50+%2d   ", SkatPoints());
    EXPECT_EQ(Count(texts, tenth), 1);
    EXPECT_EQ(Count(texts, "  110  "), 1) << "the defenders' points after the last trick";
    EXPECT_EQ(Count(texts, "  104  "), 1);
    EXPECT_EQ(Count(texts, "  105  "), 0);
    EXPECT_EQ(Count(texts, "Skat"), 2);
}

TEST_F(CourseTextTest, AHandGameCountsTheSkatOnlyAtTheEnd) {
    g_Game.HandAnnounced = 1;
    const std::vector<std::string> texts = Drawn(1);
    char third[16];
    std::snprintf(third, sizeof third, "%5d  ", SkatPoints() + 15);
    EXPECT_EQ(Count(texts, third), 1) << "trick 3 shows the points as they stand";
}

TEST_F(CourseTextTest, ALeaderOutsideTheSeatsDrawsNoMarker) {
    // A game file may name any leader; the course draws a marker only for a seat.
    Frame().FrameTrickPlay().LoadCourseSnapshot(2, 7, Frame().TrickPlay().History[2].partyPoints);
    Frame().FrameTrickPlay().LoadCourseSnapshot(5, -1, Frame().TrickPlay().History[5].partyPoints);
    EXPECT_EQ(Count(Drawn(1), " Fh "), 8);
}

TEST_F(CourseTextTest, RamschCodesGiveJungfrauOrDurchmarsch) {
    g_Game.GameType = GAME_RAMSCH;
    Frame().RamschRounds().NoteLosers(1, 3);
    g_Game.SkatPassedOnBySeat[0] = 1;
    g_Game.SkatPassedOnBySeat[1] = 0;
    g_Game.SkatPassedOnBySeat[2] = 0;
    // Seat 2 took no trick: Jungfrau; seat 0 pushed the skat on.
    g_Game.PartyTricks[0] = 4;
    g_Game.PartyTricks[1] = 6;
    g_Game.PartyTricks[2] = 0;
    std::vector<std::string> texts = Drawn(1);
    EXPECT_EQ(Count(texts, " Sb    "), 1) << "pushed";
    EXPECT_EQ(Count(texts, " Jf    "), 1) << "Jungfrau";

    // Two seats without a trick: no Jungfrau, the third seat's Durchmarsch.
    g_Game.SkatPassedOnBySeat[0] = 0;
    g_Game.PartyTricks[0] = 0;
    g_Game.PartyTricks[1] = 10;
    g_Game.PartyPoints[0] = 0;
    g_Game.PartyPoints[1] = 120;
    g_Game.PartyPoints[2] = 0;
    texts = Drawn(1);
    EXPECT_EQ(Count(texts, " Jf    "), 0);
    EXPECT_EQ(Count(texts, " Dm    "), 1);
}

TEST_F(CourseTextTest, AnnouncementAndKontraCodesUnderTheVariantRules) {
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.SchneiderAnnounced = 1;
    g_Game.KontraState = KONTRA_REKONTRA;
    g_Game.KontraSeat = 0;
    std::vector<std::string> texts = Drawn(1);
    EXPECT_EQ(Count(texts, " SnAnRe"), 1);
    EXPECT_EQ(Count(texts, " Ko C1 "), 1);
    // Under the official rules nothing of it.
    g_Game.VariantMode = VARIANT_OFFICIAL;
    texts = Drawn(1);
    EXPECT_EQ(Count(texts, " Ko C1 "), 0);
}

TEST_F(CourseTextTest, RemovingBlanksEverythingShowingWrote) {
    g_Game.VariantMode = VARIANT_SKAT;
    g_Game.KontraState = KONTRA_SAID;
    g_Game.KontraSeat = 1;
    const std::vector<std::string> shown = Drawn(1);
    const std::vector<std::string> removed = Drawn(0);
    // Everything but the headline (erased by a fill) and the "Skat" labels comes back as a blank.
    const int written = static_cast<int>(shown.size()) - 2 /*headline twice*/ - Count(shown, "Skat");
    EXPECT_EQ(static_cast<int>(removed.size()), written);
    EXPECT_EQ(Count(removed, "       "), written);
    // Each repaint writes the same: the drawing changes nothing it reads.
    EXPECT_EQ(Drawn(1), shown);
}

// Demonstration games played to their end, then the course on the table: every trick's column
// carries one marker, on the row of the seat whose card opened that trick as the game record
// noted the cards in the order they were played.
struct PlayedCase {
    const char* name;
    std::uint32_t seed;
    int variant;
};

// A failing case names itself, not its bytes.
void PrintTo(const PlayedCase& c, std::ostream* out) { *out << c.name; }

class PlayedCourseTest : public FlowFixture, public ::testing::WithParamInterface<PlayedCase> {};

TEST_P(PlayedCourseTest, EachColumnMarksTheSeatThatLedItsTrick) {
    WriteProfileInt("Options", "Demo", 1);
    StartProgram();
    answerer_.Start();
    g_Game.VariantMode = GetParam().variant;
    SeedRand(GetParam().seed);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Series().Record.scored; }, 600000));
    // The course as the player calls it up after the game (or as it already stands).
    if (!Frame().TrickPlay().CourseShown) Frame().SendMessage(WM_COMMAND, ID_LAST);
    ASSERT_TRUE(Frame().TrickPlay().CourseShown);

    const CGameRecord& record = Frame().Series().Record;
    const int tricks = static_cast<int>(record.cards.size()) / 3;
    ASSERT_GT(tricks, 1);
    ASSERT_EQ(g_Game.CourseTricks, tricks);
    CSkat& game = FrameGameAccess::Game(Frame());
    const TableRow rows[3] = {TableRow::Course0, TableRow::Course1, TableRow::Course2};
    platform::RecordingDC* surface = host_->Surface(g_Frame.hTableWnd);
    surface->ClearRecords();
    Frame().FrameTable().MoveCourseText(1);
    // Each marker as (column, seat): the column whose first slot it stands at, the seat whose
    // marker row it lies on.
    std::vector<std::pair<int, int>> markers;
    for (const platform::DrawRecord& drawn : surface->RecordsOfKind(platform::DrawKind::Text)) {
        if (drawn.text != " Fh " || drawn.points.empty()) continue;
        int column = -1, seat = -1;
        for (int k = 0; k < 10; ++k)
            if (drawn.points[0].x == game.SlotPosition(rows[0], k).x + 1) column = k;
        for (int s = 0; s < 3; ++s)
            if (drawn.points[0].y == game.SlotPosition(rows[s], 0).y - 13) seat = s;
        markers.emplace_back(column, seat);
    }
    ASSERT_EQ(static_cast<int>(markers.size()), tricks);
    bool leadPassed = false;
    for (int k = 0; k < tricks; ++k) {
        const int leader = record.cards[static_cast<std::size_t>(3 * k)].seat;
        EXPECT_EQ(markers[static_cast<std::size_t>(k)], std::make_pair(k, leader)) << "trick " << k + 1;
        if (k > 0 && leader != record.cards[static_cast<std::size_t>(3 * (k - 1))].seat) leadPassed = true;
    }
    EXPECT_TRUE(leadPassed) << "a game whose lead never passes on cannot show a late marker";
}

INSTANTIATE_TEST_SUITE_P(Games, PlayedCourseTest,
                         ::testing::Values(PlayedCase{"ComputerSoloist", 2, VARIANT_OFFICIAL},
                                           PlayedCase{"PersonSoloist", 45, VARIANT_OFFICIAL},
                                           PlayedCase{"Variants", 11, VARIANT_SKAT},
                                           PlayedCase{"Ramsch", 3, VARIANT_RAMSCH_ONLY}),
                         [](const ::testing::TestParamInfo<PlayedCase>& info) { return std::string(info.param.name); });

}  // namespace
