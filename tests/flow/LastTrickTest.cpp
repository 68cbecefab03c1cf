// "Letzten Stich": the last trick in place of the skat during play, the whole course after the
// game (completed from the hands when the game ended early), the table put back by a second use;
// the seat labels at the start of a game; deleting a file and the trace log.
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "flow/FrameGlobals.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/FileIo.h"
#include "tavlo/Tavlo.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

#include <array>

namespace {

using testsupport::FlowFixture;

class LastTrickTest : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        DealAndHold();
    }
    CSkat& Game() { return FrameGameAccess::Game(Frame()); }
    static bool OnTable(int card) { return WC_IsCardDealt(g_Frame.hTableWnd, card) != 0; }
};

TEST_F(LastTrickTest, DuringPlayShowsTheLastTrickInPlaceOfTheSkatAndPutsTheSkatBack) {
    g_Game.FlowState = STATE_PLAY;
    // The hands leave the table so that three of their cards can stand for the last trick.
    for (int seat = 0; seat < 3; ++seat) SkatTestAccess::Player(Game(), seat).RemoveCards(false);
    for (int seat = 0; seat < 3; ++seat) SkatTestAccess::LastTrick(Game()).SetCard(seat, SkatTestAccess::Player(Game(), seat).cards[0]);
    Game().PaintCards();
    const std::array<int, 2> skat{Game().cards[0], Game().cards[1]};
    std::array<platform::Point, 2> where{};
    for (int i = 0; i < 2; ++i) {
        ASSERT_TRUE(OnTable(skat[i]));
        where[i] = {WC_GetCardX(g_Frame.hTableWnd, skat[i]), WC_GetCardY(g_Frame.hTableWnd, skat[i])};
    }

    Frame().FrameTrickPlay().OnLast();
    EXPECT_EQ(Frame().TrickPlay().CourseShown, 1);
    EXPECT_EQ(Frame().TrickPlay().LastTrickAvailable, 1);
    for (int card : skat) EXPECT_FALSE(OnTable(card));
    for (int seat = 0; seat < 3; ++seat) EXPECT_TRUE(OnTable(Game().LastTrick().cards[seat]));

    Frame().FrameTrickPlay().OnLast();
    EXPECT_EQ(Frame().TrickPlay().CourseShown, 0);
    for (int seat = 0; seat < 3; ++seat) EXPECT_FALSE(OnTable(Game().LastTrick().cards[seat]));
    // The skat is back exactly as it was: same cards, same places.
    ASSERT_EQ(Game().count, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(Game().cards[i], skat[i]);
        ASSERT_TRUE(OnTable(skat[i]));
        EXPECT_EQ(WC_GetCardX(g_Frame.hTableWnd, skat[i]), where[i].x);
        EXPECT_EQ(WC_GetCardY(g_Frame.hTableWnd, skat[i]), where[i].y);
    }
    EXPECT_EQ(Game().LastTrick().count, 3);  // the trick's cards are kept
}

// A game that ended early: the seats played `played` cards each (an interrupted trick leaves
// some seats one card ahead); the course fills each row from the hand, in hand order, to ten.
struct CourseCase {
    const char* name;
    std::array<int, 3> played;
    int courseTricks;  // whole tricks the course counts afterwards
};

// A failing case names itself, not its bytes.
void PrintTo(const CourseCase& c, std::ostream* out) { *out << c.name; }

class CourseTest : public LastTrickTest, public ::testing::WithParamInterface<CourseCase> {};

TEST_P(CourseTest, AfterTheGameTheCourseIsCompletedFromTheHandsAndPutAwayAgain) {
    g_Game.FlowState = STATE_IDLE;
    g_Game.RealPlayFlag = 1;
    g_Game.Forehand = 1;
    g_Game.TrickWinner = 0;
    g_Game.TurnSeat = 2;
    g_Game.CourseTricks = 10;
    std::array<std::array<int, 10>, 3> hands{};
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& player = SkatTestAccess::Player(Game(), seat);
        player.TallyHand();
        for (int slot = 0; slot < 10; ++slot) hands[seat][slot] = player.cards[slot];
        for (int k = 0; k < GetParam().played[seat]; ++k) {
            player.Discard(hands[seat][k]);
            Game().NoteCourseCard(seat, hands[seat][k]);
        }
    }

    Frame().FrameTrickPlay().OnLast();
    EXPECT_EQ(Frame().TrickPlay().CourseShown, 1);
    EXPECT_EQ(g_Game.CourseTricks, GetParam().courseTricks);
    EXPECT_EQ(g_Game.TrickWinner, 1);
    EXPECT_EQ(g_Game.TurnSeat, 1);
    EXPECT_EQ(g_Game.PreviousForehand, 1);
    for (int seat = 0; seat < 3; ++seat) {
        const CTrick& row = Game().CourseRow(seat);
        ASSERT_EQ(row.count, 10) << "seat " << seat;
        for (int slot = 0; slot < 10; ++slot) {
            EXPECT_EQ(row.cards[slot], hands[seat][slot]) << "seat " << seat << " slot " << slot;
            EXPECT_TRUE(OnTable(row.cards[slot]));
        }
    }

    Frame().FrameTrickPlay().OnLast();
    EXPECT_EQ(Frame().TrickPlay().CourseShown, 0);
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(Game().CourseRow(seat).count, 10);  // kept for the next showing
        for (int slot = 0; slot < 10; ++slot) EXPECT_FALSE(OnTable(Game().CourseRow(seat).cards[slot]));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, CourseTest,
                         ::testing::Values(CourseCase{"GivenUpAfterThreeTricks", {3, 3, 3}, 3},
                                           CourseCase{"GivenUpInTheFifthTrick", {5, 4, 5}, 4},
                                           CourseCase{"NothingPlayed", {0, 0, 0}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LastTrickTest, AWholeCourseIsShownAsItStands) {
    g_Game.FlowState = STATE_IDLE;
    g_Game.CourseTricks = 10;
    for (int seat = 0; seat < 3; ++seat)
        for (int slot = 0; slot < 10; ++slot) Game().NoteCourseCard(seat, Game().Player(seat)->cards[slot]);
    const int firstHeld = Game().Player(0)->FindFirstHeldCard();
    Frame().FrameTrickPlay().OnLast();
    EXPECT_EQ(g_Game.CourseTricks, 10);
    EXPECT_EQ(Game().Player(0)->FindFirstHeldCard(), firstHeld);  // no card left the hands
    for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(Game().CourseRow(seat).count, 10);
}

TEST_F(LastTrickTest, AnnounceSeatsMakesTheLeaderForehandUnlessTheCourseIsShown) {
    g_Game.Leader = 2;
    g_Game.Forehand = 0;
    // The last trick is shown, as by "Letzten Stich" during play.
    g_Game.FlowState = STATE_PLAY;
    Frame().FrameTrickPlay().OnLast();
    ASSERT_EQ(Frame().TrickPlay().CourseShown, 1);
    Frame().FrameTrickPlay().AnnounceSeats();
    EXPECT_EQ(g_Game.Forehand, 0);

    Frame().FrameTrickPlay().OnLast();
    ASSERT_EQ(Frame().TrickPlay().CourseShown, 0);
    Frame().FrameTrickPlay().AnnounceSeats();
    EXPECT_EQ(g_Game.Forehand, 2);
}

// DeleteFile: the question, the answer and whether the file is there.
struct DeleteCase {
    const char* name;
    bool exists;
    bool silent;
    int answer;
    bool asked;
    bool existsAfter;
};

// A failing case names itself, not its bytes.
void PrintTo(const DeleteCase& c, std::ostream* out) { *out << c.name; }

class DeleteFileTest : public LastTrickTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(DeleteFileTest, DeletesAsAnswered) {
    const DeleteCase& c = GetParam();
    const std::string path = temp_.Folder() + "old.skt";
    if (c.exists) {
        ASSERT_TRUE(platform::WriteFileAtomic(path, std::string_view("cards")));
    }
    answerer_.answer = c.answer;
    answerer_.answered.clear();
    Frame().SetPause(3);
    Frame().DeleteFile(path, c.silent);
    EXPECT_EQ(!answerer_.answered.empty(), c.asked);
    EXPECT_EQ(platform::FileExists(path), c.existsAfter);
    EXPECT_EQ(g_Game.PauseLevel, 3);  // the pause level comes back whatever the answer
}

INSTANTIATE_TEST_SUITE_P(Cases, DeleteFileTest,
                         ::testing::Values(DeleteCase{"Silent", true, true, IDNO, false, false},
                                           DeleteCase{"AskedYes", true, false, IDYES, true, false},
                                           DeleteCase{"AskedNo", true, false, IDNO, true, true},
                                           DeleteCase{"MissingFileSilent", false, true, IDYES, false, false},
                                           DeleteCase{"MissingFileAsked", false, false, IDYES, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LastTrickTest, LogDeleteOnDeletesTheLogOnlyForTheEventsOfItsMask) {
    const std::string path = temp_.Folder() + "trace.log";
    app_->LogFilePath = path;
    app_->Log = 1;
    app_->LogDelete = 2;  // at a new match only
    ASSERT_TRUE(platform::WriteFileAtomic(path, std::string_view("line\n")));
    app_->LogText = "line\n";
    app_->LogLineCount = 1;

    Frame().LogDeleteOn(1);
    EXPECT_TRUE(platform::FileExists(path));
    EXPECT_EQ(app_->LogLineCount, 1);

    Frame().LogDeleteOn(2);
    EXPECT_FALSE(platform::FileExists(path));
    EXPECT_EQ(app_->LogLineCount, 0);
    EXPECT_TRUE(app_->LogText.empty());
    EXPECT_TRUE(answerer_.answered.empty());  // silent: no question
}

}  // namespace
