// The commands that end or restart a game off its ten tricks, in whole games on the headless host:
// the computer completes the person's game, the match is aborted, a break in play, and resuming
// after the person's card exchange.
#include "flow/FrameDeclaration.h"
#include "flow/TrickPlay.h"
#include "flow/GameEndFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"
#include "flow/MatchSeries.h"

#include "dialogs/RamschBars.h"
#include "model/FlowGlobals.h"
#include "flow/BusyStep.h"
#include "flow/PromptBars.h"
#include "flow/TableState.h"
#include "model/Skat.h"
#include "platform/core/FileIo.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "support/SkatTestAccess.h"
#include "support/FrameGameAccess.h"

#include <filesystem>

namespace {

using testsupport::GameEndFixture;
using testsupport::Later;

constexpr int kMarkAborted = 1;

class GameEndCommandsTest : public GameEndFixture {
protected:
    // The seven settings an automatic completion switches off, each with a value of its own.
    struct Seven {
        int suggest, voice, sound, show, go, order, abandon;
        friend bool operator==(const Seven&, const Seven&) = default;
    };
    static Seven Current() {
        return {g_Settings.Options.Suggest, g_Settings.Audio.Voice, g_Settings.Audio.Sound, g_Settings.Delay.Show,
                g_Settings.Delay.Continue, g_Settings.Delay.Order, g_Settings.Settings.Abandon};
    }
    static void Set(const Seven& seven) {
        g_Settings.Options.Suggest = seven.suggest;
        g_Settings.Audio.Voice = seven.voice;
        g_Settings.Audio.Sound = seven.sound;
        g_Settings.Delay.Show = seven.show;
        g_Settings.Delay.Continue = seven.go;
        g_Settings.Delay.Order = seven.order;
        g_Settings.Settings.Abandon = seven.abandon;
    }
    // A row's cards as a sorted list, empty slots left out.
    static std::vector<int> CardsOf(std::vector<int> row) {
        row.erase(std::remove(row.begin(), row.end(), NO_CARD), row.end());
        std::sort(row.begin(), row.end());
        return row;
    }
    int PersonsCards() const {
        int cards = 0;
        for (const auto& played : app_->MainFrame()->Series().Record.cards) cards += played.seat == 2 ? 1 : 0;
        return cards;
    }
};

// Complete: the computer plays the person's cards to the result, quietly and without delays; the
// seven settings come back exactly afterwards, the suggestion option included.
class CompleteTest : public GameEndCommandsTest, public ::testing::WithParamInterface<int> {};

TEST_P(CompleteTest, ThePersonsCardsArePlayedAndTheSettingsComeBack) {
    PersonPlaysGrand();
    const Seven mine{GetParam(), testsupport::kVoicesOff, 0x01000003, 1700, 900, 40, 1};
    Set(mine);
    const std::size_t before = Frame().Series().Record.cards.size();
    Frame().SendMessage(WM_COMMAND, ID_COMPLETE);
    EXPECT_EQ(Frame().TrickPlay().AutoComplete, 1);
    EXPECT_EQ(g_Settings.Options.Suggest, 0);
    EXPECT_EQ(g_Settings.Delay.Continue, 0);
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Series().Record.scored; }, 60000));
    EXPECT_EQ(Frame().Series().Record.cards.size(), 30u);
    EXPECT_EQ(before, 0u);
    EXPECT_EQ(PersonsCards(), 10);
    host_->PumpFor(1000);
    EXPECT_EQ(Current(), mine);
    EXPECT_EQ(Frame().TrickPlay().AutoComplete, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
    // A second completion outside play does nothing.
    Frame().SendMessage(WM_COMMAND, ID_COMPLETE);
    EXPECT_EQ(Frame().TrickPlay().AutoComplete, 0);
    EXPECT_EQ(Current(), mine);
}

INSTANTIATE_TEST_SUITE_P(Suggestions, CompleteTest, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param ? std::string("On") : std::string("Off"); });

// A break while the computer completes the game: no result, and the settings come back all the same.
TEST_F(GameEndCommandsTest, ABreakDuringTheCompletionGivesTheSettingsBack) {
    PersonPlaysGrand();
    const Seven mine{0, testsupport::kVoicesOff, 0x01000003, 1700, 900, 40, 1};
    Set(mine);
    Later breakLater;
    bool broke = false;
    breakLater.At(1, [this, &broke] {
        broke = g_Game.FlowState == STATE_PLAY;
        Frame().SendMessage(WM_COMMAND, ID_BREAK);
    });
    Frame().SendMessage(WM_COMMAND, ID_COMPLETE);
    host_->PumpFor(3000);
    ASSERT_TRUE(broke) << "the break came after the game";
    EXPECT_FALSE(Frame().Series().Record.scored);
    EXPECT_LT(Frame().Series().Record.cards.size(), 30u);
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
    EXPECT_EQ(Frame().TrickPlay().AutoComplete, 0);
    EXPECT_EQ(Current(), mine);
    EXPECT_NE(g_Game.CheatMask & kMarkAborted, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// A break in play: the game is marked, the table waits with Repeat allowed, no later step runs,
// and Repeat deals the same hands and skat again.
TEST_F(GameEndCommandsTest, ABreakInPlayStopsTheGameAndRepeatDealsItAgain) {
    PersonPlaysGrand();
    const testsupport::Deal dealt = testsupport::DealtCards(Frame());
    PersonPlaysACard();
    host_->PumpFor(200);
    ASSERT_FALSE(Frame().Series().Record.cards.empty());
    Frame().SendMessage(WM_COMMAND, ID_BREAK);
    const std::size_t played = Frame().Series().Record.cards.size();
    host_->PumpFor(3000);
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
    EXPECT_EQ(g_Game.StopFlag, StopState::Requested);
    EXPECT_NE(g_Game.CheatMask & kMarkAborted, 0);
    EXPECT_EQ(Frame().Series().RepeatAllowed, 1);
    EXPECT_EQ(Frame().Series().GameRunning, 0);
    EXPECT_EQ(Frame().Prompts().PromptDialog, nullptr);
    EXPECT_EQ(Frame().Series().Record.cards.size(), played) << "no card after the break";
    EXPECT_FALSE(Frame().Series().Record.scored);
    // The deal is kept for a repeat.
    EXPECT_EQ(testsupport::DealtCards(Frame()), dealt);
    // A late card command finds no game.
    Frame().SendMessage(WM_COMMAND, CM_NEXT_TRICK);
    EXPECT_EQ(Frame().Series().Record.cards.size(), played);

    Frame().SendMessage(WM_COMMAND, ID_REPEAT);
    ASSERT_TRUE(host_->PumpUntil(
        [this] { return Frame().GameObject().PersonsHand().count == 10 && g_Game.FlowState >= STATE_START; }, 10000));
    EXPECT_GE(FindLine("CMainFrame::StartGame(round:NORMAL)", FindLine("CMainFrame::OnRepeat()")), 0);
    EXPECT_EQ(testsupport::DealtCards(Frame()), dealt);
    EXPECT_EQ(g_Game.StopFlag, StopState::Running);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// Abort the match: No changes nothing; Yes marks the game, closes the program and leaves the match
// list unwritten.
TEST_F(GameEndCommandsTest, AbortTheMatchAsksAndYesClosesWithoutTheList) {
    DealAndHold();
    const std::string list = Frame().Files().ListPath;
    ASSERT_FALSE(list.empty());
    std::error_code ignored;
    std::filesystem::remove(list, ignored);
    const int state = g_Game.FlowState;

    host_->Answers().PushMessageBoxAnswer(IDNO);
    Frame().SendMessage(WM_COMMAND, ID_ABORT_MATCH);
    EXPECT_TRUE(Frame().IsAlive());
    EXPECT_EQ(g_Game.FlowState, state);
    EXPECT_EQ(g_Game.CheatMask & kMarkAborted, 0);
    EXPECT_EQ(Frame().Files().ListUpdateOnExit, 1);

    host_->Answers().PushMessageBoxAnswer(IDYES);
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Frame().SendMessage(WM_COMMAND, ID_ABORT_MATCH);
    EXPECT_NE(g_Game.CheatMask & kMarkAborted, 0);
    EXPECT_EQ(Frame().Files().ListUpdateOnExit, 0);
    // The close comes once the command's step has unwound.
    host_->PumpUntilIdle();
    EXPECT_FALSE(Frame().IsAlive());
    app_.reset();
    EXPECT_FALSE(std::filesystem::exists(list)) << "the match list was written";
}

// While a computer's step runs the close would be dropped: aborting is refused like an action out of
// turn, and nothing is asked or marked.
TEST_F(GameEndCommandsTest, AbortWhileAComputersStepRunsIsRefused) {
    DealAndHold();
    BusyStep busy(Frame());
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Frame().SendMessage(WM_COMMAND, ID_ABORT_MATCH);
    EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), platform::LoadString(IDS_ILLEGAL_ACTION));
    EXPECT_EQ(g_Game.CheatMask & kMarkAborted, 0);
    EXPECT_EQ(Frame().Files().ListUpdateOnExit, 1);
    busy.End();
    host_->PumpUntilIdle();
    EXPECT_TRUE(Frame().IsAlive());
    // The question was never asked: its answer is still waiting.
    EXPECT_EQ(host_->TakeMessageBoxAnswer(), IDYES);
}

// The control: a plain close writes the match list.
TEST_F(GameEndCommandsTest, APlainCloseWritesTheList) {
    DealAndHold();
    const std::string list = Frame().Files().ListPath;
    std::error_code ignored;
    std::filesystem::remove(list, ignored);
    host_->Answers().PushMessageBoxAnswer(IDYES);
    Frame().SendMessage(WM_CLOSE);
    host_->PumpUntilIdle();
    ASSERT_FALSE(Frame().IsAlive());
    app_.reset();
    EXPECT_TRUE(std::filesystem::exists(list));
}

// Resume after the person's exchange before the game: the game starts again on the swapped cards.
TEST_F(GameEndCommandsTest, ResumeAfterTheExchangeStartsTheGameOnTheSwappedCards) {
    DealAndHold();
    CMainFrame& frame = Frame();
    CSkat& game = FrameGameAccess::Game(frame);
    const testsupport::Deal dealt = testsupport::DealtCards(frame);
    // The exchange as the swap command sets it up: the skat lies in the trick row, and the person
    // has given his first card for its first card.
    frame.CloseModelessDialog();
    g_Game.SkatHolderSeat = 2;
    frame.FrameDeclaration().MoveSkatToTrick();
    ASSERT_EQ(game.Trick().count, 2);
    const int given = game.PersonsHand().cards[0];
    const int taken = game.Trick().cards[0];
    std::swap(SkatTestAccess::Person(game).cards[0], SkatTestAccess::Trick(game).cards[0]);
    frame.SetFlowState(STATE_MANIPULATE);

    frame.SendMessage(WM_COMMAND, CM_RESUME);
    EXPECT_GE(FindLine("CMainFrame::OnResume()"), 0);
    host_->PumpFor(1000);
    EXPECT_EQ(g_Game.FlowState, STATE_START);
    EXPECT_GE(FindLine("CMainFrame::StartGame(round:NORMAL)", FindLine("CMainFrame::OnResume()")), 0);
    // The swapped cards are the new deal; Comp1 and Comp2 keep theirs.
    EXPECT_TRUE(game.PersonsHand().HasCard(taken));
    EXPECT_FALSE(game.PersonsHand().HasCard(given));
    EXPECT_NE(std::find(game.PersonsHand().dealt.begin(), game.PersonsHand().dealt.end(), taken), game.PersonsHand().dealt.end());
    EXPECT_NE(std::find(game.dealt.begin(), game.dealt.end(), given), game.dealt.end());
    EXPECT_TRUE(game.HasCard(given));
    EXPECT_EQ(game.Trick().count, 0);
    const testsupport::Deal now = testsupport::DealtCards(frame);
    EXPECT_EQ(CardsOf(now[0]), CardsOf(dealt[0]));
    EXPECT_EQ(CardsOf(now[1]), CardsOf(dealt[1]));
    EXPECT_EQ(game.PersonsHand().count + game.Hand(0).count + game.Hand(1).count + game.count, 32);
    // A second resume finds no exchange.
    frame.SendMessage(WM_COMMAND, CM_RESUME);
    EXPECT_GE(FindLine("CMainFrame::OnResume(late)"), 0);

    // The swapped deal is the game's deal: a repeat deals it again, every card once.
    frame.SendMessage(WM_COMMAND, ID_BREAK);
    frame.SendMessage(WM_COMMAND, ID_REPEAT);
    ASSERT_TRUE(host_->PumpUntil([&game] { return game.PersonsHand().count == 10 && g_Game.FlowState >= STATE_START; }, 10000));
    EXPECT_TRUE(game.PersonsHand().HasCard(taken));
    EXPECT_TRUE(game.HasCard(given));
    std::vector<int> all;
    for (int seat = 0; seat < 3; ++seat)
        for (int card : CardsOf(game.Hand(seat).cards)) all.push_back(card);
    for (int card : CardsOf(game.cards)) all.push_back(card);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all.size(), 32u);
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end()) << "a card dealt twice";
}

// Resume in the swap pause after the person's declaration: play begins.
TEST_F(GameEndCommandsTest, ResumeInTheSwapPauseGoesOnToPlay) {
    DealAndHold();
    SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
    StartAuction(2, 0, 0);
    PressBid();
    ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    ::SendMessage(Bar(), WM_COMMAND, testsupport::kPickUpButton, 0);
    host_->PumpUntilIdle();
    g_Flow.SkatSwapOption = 1;
    Later resume;
    int stateInPause = -1;
    resume.At(500, [this, &stateInPause] {
        stateInPause = g_Game.FlowState;
        Frame().PostMessage(WM_COMMAND, CM_RESUME);
    });
    ::SendMessage(Bar(), WM_COMMAND, testsupport::kGrandButton, 0);
    host_->PumpFor(500);
    EXPECT_EQ(stateInPause, STATE_MANIPULATE);
    EXPECT_GE(FindLine("CMainFrame::OnResume(Swapper(Person))"), 0) << LogText();
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    EXPECT_EQ(Frame().Declaration().SwapPausePending, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// A break in every phase of a game: the game stops where it stands (IDLE, marked ABORTED, Repeat
// allowed, no later step), and Repeat deals the same hands and skat again, marked REPEATED, with
// Kontra open.
enum class Phase { BeforeTheDeal, AuctionWait, SwapPause, Play, RamschOffer, RamschSkatBar, RamschExchange };

struct BreakCase {
    const char* name;
    Phase phase;
    const char* never = nullptr;  // the step that would have followed the wait: it never runs
};

// A failing case names itself, not its bytes.
void PrintTo(const BreakCase& c, std::ostream* out) { *out << c.name; }

class BreakPhaseTest : public GameEndCommandsTest, public ::testing::WithParamInterface<BreakCase> {
protected:
    // A Ramsch-only deal without the Grand Hand offer, the person forehand: his skat bar is open.
    void RamschSkatBarOpen() {
        WriteProfileInt("Variants", "PassOn", 1);
        WriteProfileInt("Variants", "GrandHand", 0);
        TraceOn();
        StartProgram();
        answerer_.Start();
        g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
        g_Game.Leader = g_Game.Forehand = 2;
        SeedRand(4711);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([this] { return OpenBarAs<CSkatRamschDialog>(Frame()) != nullptr; }, 10000));
    }
    std::vector<std::string> LinesAfter(int line) const {
        const std::vector<std::string> lines = LogBodies();
        return {lines.begin() + std::min<std::ptrdiff_t>(line, static_cast<std::ptrdiff_t>(lines.size())), lines.end()};
    }
    int LastLine(const std::string& body) const {
        const std::vector<std::string> lines = LogBodies();
        for (int i = static_cast<int>(lines.size()) - 1; i >= 0; --i)
            if (lines[static_cast<std::size_t>(i)] == body) return i;
        return -1;
    }
};

TEST_P(BreakPhaseTest, TheGameStopsWhereItStandsAndRepeatDealsItAgain) {
    const BreakCase& c = GetParam();
    Later breakLater;
    auto breakNow = [this] { Frame().SendMessage(WM_COMMAND, ID_BREAK); };
    switch (c.phase) {
        case Phase::BeforeTheDeal:
            TraceOn();
            StartProgram();
            answerer_.Start();
            g_Game.VariantMode = VARIANT_OFFICIAL;
            SeedRand(4711);
            Frame().SendMessage(WM_COMMAND, ID_NEW);
            breakNow();
            break;
        case Phase::AuctionWait:
            DealAndHold();
            StartAuction(2, 60, 60, VARIANT_OFFICIAL);
            // The person passes; the computers bid among themselves, each word in a balloon wait.
            breakLater.At(300, breakNow);
            PressPass();
            break;
        case Phase::SwapPause:
            DealAndHold();
            StartAuction(2, 0, 0);
            PressBid();
            ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
            ::SendMessage(Bar(), WM_COMMAND, testsupport::kPickUpButton, 0);
            host_->PumpUntilIdle();
            g_Flow.SkatSwapOption = 1;
            breakLater.At(300, breakNow);
            ::SendMessage(Bar(), WM_COMMAND, testsupport::kGrandButton, 0);
            break;
        case Phase::Play:
            PersonPlaysGrand();
            breakNow();
            break;
        case Phase::RamschOffer:
            DealAndHold();
            ASSERT_NE(OpenBarAs<CGrandHandDialog>(Frame()), nullptr);
            breakNow();
            break;
        case Phase::RamschSkatBar:
            RamschSkatBarOpen();
            breakNow();
            break;
        case Phase::RamschExchange:
            RamschSkatBarOpen();
            ::SendMessage(Bar(), WM_COMMAND, BTN_PICKUP, 0);
            host_->PumpFor(200);
            ASSERT_NE(OpenBarAs<CEndSwapRamschDialog>(Frame()), nullptr);
            ASSERT_EQ(Frame().GameObject().Trick().count, 2);
            breakNow();
            break;
    }
    ASSERT_FALSE(HasFailure());
    const std::size_t played = Frame().Series().Record.cards.size();
    host_->PumpFor(3000);
    const int broke = LastLine("CMainFrame::OnBreak()");
    ASSERT_GE(broke, 0) << LogText();
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
    EXPECT_NE(g_Game.CheatMask & kMarkAborted, 0);
    EXPECT_EQ(Frame().Series().RepeatAllowed, 1);
    EXPECT_EQ(Frame().Series().GameRunning, 0);
    EXPECT_EQ(Frame().Prompts().PromptDialog, nullptr);
    EXPECT_EQ(Frame().Series().Record.cards.size(), played);
    for (const std::string& line : LinesAfter(broke))
        for (const char* step : {"CMainFrame::StartGame(", "CMainFrame::Declare(", "CMainFrame::InitHistory(",
                                 "CMainFrame::PickupRamsch(", "CMainFrame::OnAuction("})
            EXPECT_NE(line.rfind(step, 0), 0u) << "after the break: " << line;
    if (c.never) {
        for (const std::string& line : LogBodies()) EXPECT_NE(line.rfind(c.never, 0), 0u) << line;
    }
    const testsupport::Deal dealt = testsupport::DealtCards(Frame());
    std::vector<int> all;
    for (const auto& row : dealt)
        for (int card : CardsOf(row)) all.push_back(card);
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all.size(), 32u);
    EXPECT_EQ(std::adjacent_find(all.begin(), all.end()), all.end());

    g_Game.KontraState = KONTRA_SAID;
    Frame().SendMessage(WM_COMMAND, ID_REPEAT);
    EXPECT_NE(g_Game.CheatMask & 4, 0);
    EXPECT_EQ(g_Game.KontraState, KONTRA_NONE);
    ASSERT_TRUE(host_->PumpUntil(
        [this] { return Frame().GameObject().PersonsHand().count == 10 && g_Game.FlowState >= STATE_START; }, 10000));
    // The same cards in every hand and the skat (the rows sort their dealt cards for the game).
    const testsupport::Deal again = testsupport::DealtCards(Frame());
    for (std::size_t row = 0; row < dealt.size(); ++row) EXPECT_EQ(CardsOf(again[row]), CardsOf(dealt[row])) << row;
    EXPECT_EQ(g_Game.StopFlag, StopState::Running);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

INSTANTIATE_TEST_SUITE_P(Phases, BreakPhaseTest,
                         ::testing::Values(BreakCase{"BeforeTheDeal", Phase::BeforeTheDeal, "CMainFrame::StartGame("},
                                           BreakCase{"AuctionWait", Phase::AuctionWait, "CMainFrame::Declare("},
                                           BreakCase{"SwapPause", Phase::SwapPause, "CMainFrame::InitHistory("},
                                           BreakCase{"Play", Phase::Play},
                                           BreakCase{"RamschOffer", Phase::RamschOffer},
                                           BreakCase{"RamschSkatBar", Phase::RamschSkatBar},
                                           BreakCase{"RamschExchange", Phase::RamschExchange}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
