// Whole games that end off the ten tricks: the person gives up as soloist or as defender, a
// computer defender offers to give up and the person accepts or declines, and the question stays
// the one thing that waits while it is open.
#include "flow/TrickPlay.h"
#include "flow/GameEndFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

namespace {

class GiveUpTest : public testsupport::GameEndFixture {};

// While the person is asked whether Comp1 may give up, a CM_PLAY arrives (the demonstration's
// timer that ends the person's exchange sends one). The question is the only thing that waits:
// Comp1 is not asked again inside it, and the give-up, its result and the next game come only
// after the answer, so that no later wait nests inside the question.
TEST_F(GiveUpTest, PlayWaitsWhileTheGiveUpQuestionIsOpen) {
    PersonLaysDownHisGrand();
    int dialogs = 0;
    answerer_.probe = [this, &dialogs](HWND) {
        if (dialogs++ == 0) Frame().PostMessage(WM_COMMAND, CM_PLAY);
        return static_cast<int>(platform::WindowSystem::Instance().ModalLoops().size());
    };
    // Yes to the question, then the result's OK: the next game is dealt.
    answerer_.answers = {IDOK, IDOK};
    PersonPlaysACard();
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Series().Record.scored; }, 20000));
    EXPECT_EQ(Frame().Series().Record.gaveUp, 0);
    host_->PumpFor(2000);

    EXPECT_EQ(CountLines("CMainFrame::Abandon(Computer1)"), 1) << LogText();
    EXPECT_EQ(CountLines("CMainFrame::OnAbandon(Computer1)"), 1);
    EXPECT_GE(FindLine("CMainFrame::OnPlay(refused)"), 0);
    // Each dialog was answered as the only modal one: the result did not run inside the question.
    ASSERT_GE(answerer_.probes.size(), 2u);
    EXPECT_EQ(answerer_.probes[0], 1);
    EXPECT_EQ(answerer_.probes[1], 1);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
    // The next game was dealt after the answer and waits for its auction.
    EXPECT_GE(FindLine("CMainFrame::OnNew()", FindLine("CMainFrame::OnAbandon(Computer1)")), 0);
}

// A CM_PLAY while the person's card is awaited and his place is empty (the demonstration's timer
// that ends an exchange sends one) plays nothing and keeps his turn: his card is taken afterwards.
TEST_F(GiveUpTest, AStrayPlayCommandKeepsThePersonsTurn) {
    PersonPlaysGrand();
    Frame().SendMessage(WM_COMMAND, CM_PLAY);
    EXPECT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    EXPECT_TRUE(Frame().Series().Record.cards.empty());
    PersonPlaysACard();
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Series().Record.cards.size() >= 3; }, 10000));
    EXPECT_EQ(Frame().Series().Record.cards.front().seat, 2);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// Giving up by each road, and what follows by the person's answer to the result: OK deals the
// next game, Nein keeps the table with Repeat allowed.
enum class Road { PersonSoloist, PersonDefender, ComputerDefender };

struct GiveUpCase {
    const char* name;
    Road road;
    int resultAnswer;
    int seat;           // the seat that gave up
    const char* line;   // its trace line
    bool soloistWins;   // the score's sign
    int sound;          // 8 the give-up wins for the other side's judgement, 9 it does not
    bool nextGame;
};

// A failing case names itself, not its bytes.
void PrintTo(const GiveUpCase& c, std::ostream* out) { *out << c.name; }

const GiveUpCase kGiveUps[] = {
    {"PersonAsSoloistThenNextGame", Road::PersonSoloist, IDOK, 2, "CMainFrame::OnAbandon(Person)", false, 9, true},
    {"PersonAsSoloistThenStay", Road::PersonSoloist, IDCANCEL, 2, "CMainFrame::OnAbandon(Person)", false, 9, false},
    {"PersonAsDefenderThenNextGame", Road::PersonDefender, IDOK, 2, "CMainFrame::OnAbandon(Person)", true, 8, true},
    {"PersonAsDefenderThenStay", Road::PersonDefender, IDCANCEL, 2, "CMainFrame::OnAbandon(Person)", true, 8, false},
    {"ComputerDefenderAcceptedThenStay", Road::ComputerDefender, IDCANCEL, 0, "CMainFrame::OnAbandon(Computer1)", true, 8,
     false},
};

class GiveUpRoadTest : public GiveUpTest, public ::testing::WithParamInterface<GiveUpCase> {};

TEST_P(GiveUpRoadTest, TheSeatThatGivesUpIsScoredAndTheAnswerLeads) {
    const GiveUpCase& c = GetParam();
    if (c.road == Road::PersonDefender) {
        Comp2Plays();
        answerer_.answers = {c.resultAnswer};
    } else if (c.road == Road::ComputerDefender) {
        PersonLaysDownHisGrand();
        answerer_.answers = {IDOK, c.resultAnswer};
    } else {
        PersonPlaysGrand();
        answerer_.answers = {c.resultAnswer};
    }
    const int soloist = g_Game.Soloist;
    ListenForTheGiveUpSounds();
    if (c.road == Road::ComputerDefender) {
        PersonPlaysACard();
    } else {
        Frame().SendMessage(WM_COMMAND, ID_ABANDON);
    }
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Series().Record.scored; }, 20000));
    EXPECT_EQ(Frame().Series().Record.gaveUp, c.seat);
    EXPECT_EQ(Frame().Series().Record.score > 0, c.soloistWins) << Frame().Series().Record.score;
    EXPECT_EQ(g_Game.Soloist, soloist);
    host_->PumpFor(2000);

    EXPECT_EQ(CountLines(c.line), 1) << LogText();
    EXPECT_EQ(GiveUpSounds(), std::vector<int>{c.sound});
    const int gaveUp = FindLine(c.line);
    EXPECT_EQ(FindLine("CMainFrame::OnNew()", gaveUp) >= 0, c.nextGame);
    if (!c.nextGame) {
        EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
        EXPECT_EQ(Frame().Series().RepeatAllowed, 1);
        EXPECT_EQ(Frame().Series().GameRunning, 0);
        // A late give-up finds no game.
        Frame().SendMessage(WM_COMMAND, ID_ABANDON);
        EXPECT_EQ(CountLines(c.line), 1);
        EXPECT_GE(FindLine("CMainFrame::OnAbandon(late)"), 0);
    }
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

INSTANTIATE_TEST_SUITE_P(Roads, GiveUpRoadTest, ::testing::ValuesIn(kGiveUps),
                         [](const auto& info) { return std::string(info.param.name); });

// The person declines Comp1's offer: the game goes on with Comp1's card, and the offer does not
// come again in this game.
TEST_F(GiveUpTest, ADeclinedOfferLetsThePlayGoOn) {
    PersonLaysDownHisGrand();
    answerer_.answers = {IDCANCEL};
    const std::size_t cardsBefore = Frame().Series().Record.cards.size();
    PersonPlaysACard();
    ASSERT_TRUE(host_->PumpUntil([this] { return !answerer_.answered.empty(); }, 10000));
    host_->PumpFor(1000);
    EXPECT_EQ(CountLines("CMainFrame::Abandon(Computer1)"), 1);
    EXPECT_EQ(FindLine("CMainFrame::OnAbandon(Computer1)"), -1);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_FALSE(Frame().Series().Record.scored);
    // The person's card and Comp1's after it lie in the trick.
    ASSERT_GE(Frame().Series().Record.cards.size(), cardsBefore + 2);
    EXPECT_EQ(Frame().Series().Record.cards[cardsBefore + 1].seat, 0);
    EXPECT_NE(g_Game.GameEndFlags & 8, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

}  // namespace
