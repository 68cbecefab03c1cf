// Whole games on the headless host with the person's cards played by scripted clicks, drags and
// keys: every card held and legal (checked by the independent line checker), the table sound after
// every card (the invariant check reports nothing), and the result dialog reached with the score.
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

#include "GameLine.h"
#include "GameLineCheck.h"
#include "dialogs/PlayBars.h"
#include "flow/FrameGlobals.h"
#include "flow/PromptBars.h"
#include "flow/TableState.h"
#include "model/InternalError.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/Menu.h"
#include "resources/ids.h"
#include "tavlo/Tavlo.h"
#include "support/SkatTestAccess.h"
#include "support/TrickPlayTestAccess.h"
#include "support/FrameGameAccess.h"

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kClubs = 1016;
constexpr int kGrand = 1023;

enum class Input { Click, Drag, Keys };

class TrickPlayTest : public FlowFixture {
protected:
    // The deal; from here on every internal report (the card invariant's among them) is noted.
    // The program installs its own handler at its start, so this one comes after it.
    void Deal(std::uint32_t seed = 4711) {
        DealAndHold(seed);
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
    }
    void TearDown() override { SetInternalErrorHandler({}); }

    const CPerson& Person() { return Frame().GameObject().Person(); }
    platform::Point CardPoint(int card) {
        const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12, WC_GetCardY(g_Frame.hTableWnd, card) + 12};
        return platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client);
    }
    platform::Point TrickPoint() {
        const platform::Point centre = Frame().Table().TrickCentre;
        return platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, {centre.x + 20, centre.y + 20});
    }
    int FirstLegalSlot() {
        for (int slot = 0; slot < Person().capacity; ++slot)
            if (Person().present[slot] && Person().ValidCard(slot, Frame().GameObject().Trick())) return slot;
        return -1;
    }
    // The person's card is awaited and his place in the trick is still empty.
    bool PersonToPlay() { return Frame().FrameTrickPlay().PersonMayPlay(); }

    // The person declares Clubs (or Grand) after picking the skat up and laying it back.
    void PersonPlaysAsSoloist(int button, std::uint32_t seed = 4711) {
        PersonWinsTheAuction(seed);
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, static_cast<WPARAM>(button), 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    }
    void PersonWinsTheAuction(std::uint32_t seed = 4711) {
        Deal(seed);
        StartAuction(2, 0, 0);
        ::SendMessage(Bar(), WM_COMMAND, BTN_BID, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
    }

    // Plays the person's cards by the input until the game is scored.
    void PlayOut(Input input) {
        for (int guard = 0; guard < 40 && !Frame().Series().Record.scored; ++guard) {
            host_->PumpUntil([this] { return Frame().Series().Record.scored || PersonToPlay(); }, 60000);
            if (Frame().Series().Record.scored) break;
            const int slot = FirstLegalSlot();
            ASSERT_GE(slot, 0);
            const int card = Person().cards[slot];
            const std::size_t before = Frame().Series().Record.cards.size();
            switch (input) {
                case Input::Click: host_->Click(host_->NowMs() + 10, CardPoint(card)); break;
                case Input::Drag: host_->Drag(host_->NowMs() + 10, CardPoint(card), TrickPoint(), 40); break;
                case Input::Keys: {
                    // Down raises a card the rule allows; Enter plays it.
                    host_->Key(host_->NowMs() + 10, VK_DOWN);
                    host_->PumpFor(50);
                    host_->Key(host_->NowMs() + 10, VK_RETURN);
                    break;
                }
            }
            host_->PumpFor(100);
            if (!Frame().Series().Record.scored) {
                ASSERT_GT(Frame().Series().Record.cards.size(), before) << "no card was played";
                bool played = false;
                for (std::size_t i = before; i < Frame().Series().Record.cards.size(); ++i)
                    played = played || Frame().Series().Record.cards[i].seat == 2;
                EXPECT_TRUE(played);
            }
        }
        ASSERT_TRUE(Frame().Series().Record.scored);
    }
    void ExpectSoundGame() {
        const std::string line = FormatGameLine(Frame().Series().Record, 4711);
        EXPECT_EQ(CheckGameLine(line), "") << line;
        EXPECT_TRUE(reports_.empty()) << reports_.front();
        EXPECT_EQ(Frame().Series().Record.cards.size(), 30u);
        // The result dialog was answered (Nein: the table stays).
        ASSERT_FALSE(answerer_.answered.empty());
    }

    std::vector<std::string> reports_;
};

TEST_F(TrickPlayTest, PersonAsClubsSoloistPlaysByClicks) {
    PersonPlaysAsSoloist(kClubs);
    PlayOut(Input::Click);
    ExpectSoundGame();
    // A suit game's score is a multiple of its base value, won above 60 points.
    EXPECT_EQ(Frame().Series().Record.score % 12, 0);
    EXPECT_EQ(Frame().Series().Record.score > 0, Frame().Series().Record.points[0] > 60);
}

TEST_F(TrickPlayTest, PersonAsGrandSoloistPlaysByKeys) {
    PersonPlaysAsSoloist(kGrand);
    PlayOut(Input::Keys);
    ExpectSoundGame();
    EXPECT_EQ(Frame().Series().Record.score % 24, 0);
}

TEST_F(TrickPlayTest, PersonAsClubsSoloistPlaysByDrags) {
    WriteProfileInt("Options", "Drag", 1);
    PersonPlaysAsSoloist(kClubs);
    PlayOut(Input::Drag);
    ExpectSoundGame();
}

// The person plays the Null games and Revolution, declared from the bar with or without the skat.
// Each reaches the result with its game's value, won when the person took no trick.
struct HandGameCase {
    const char* name;
    int button;
    int value;         // the won game's value
    bool hand;
    bool ouvert;
    bool variantRules;
};

// A failing case names itself, not its bytes.
void PrintTo(const HandGameCase& c, std::ostream* out) { *out << c.name; }

class PersonHandGame : public TrickPlayTest, public ::testing::WithParamInterface<HandGameCase> {};

TEST_P(PersonHandGame, IsPlayedToTheResult) {
    const HandGameCase& c = GetParam();
    if (c.variantRules) {
        WriteProfileInt("Variants", "Variant", 1);
        WriteProfileInt("Variants", "Revolution", 1);
    }
    PersonWinsTheAuction();
    ::SendMessage(Bar(), WM_COMMAND, c.hand ? IDC_HAND : kPickUp, 0);
    host_->PumpUntilIdle();
    ::SendMessage(Bar(), WM_COMMAND, static_cast<WPARAM>(c.button), 0);
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_EQ(Frame().Series().Record.hand, c.hand ? 1 : 0);
    EXPECT_EQ(Frame().Series().Record.ouvert, c.ouvert ? 1 : 0);
    PlayOut(Input::Click);
    const std::string line = FormatGameLine(Frame().Series().Record, 4711);
    EXPECT_EQ(CheckGameLine(line), "") << line;
    EXPECT_TRUE(reports_.empty()) << reports_.front();
    const bool won = g_Game.PartyTricks[0] == 0;
    // Lost, the game counts double against the soloist; a lost Null ends at the soloist's trick.
    EXPECT_EQ(Frame().Series().Record.score, won ? c.value : -2 * c.value) << line;
    if (won) {
        EXPECT_EQ(Frame().Series().Record.cards.size(), 30u);
    }
    EXPECT_FALSE(answerer_.answered.empty());
}

INSTANTIATE_TEST_SUITE_P(Games, PersonHandGame,
                         ::testing::Values(HandGameCase{"Null", IDC_NULL, 23, false, false, false},
                                           HandGameCase{"NullOuvert", IDC_NULL_OUVERT, 46, false, true, false},
                                           HandGameCase{"NullHand", IDC_NULL, 35, true, false, false},
                                           HandGameCase{"NullOuvertHand", IDC_NULL_OUVERT, 59, true, true, false},
                                           HandGameCase{"Revolution", IDC_REVOLUTION, 92, true, true, true}),
                         [](const ::testing::TestParamInfo<HandGameCase>& info) { return std::string(info.param.name); });

// When the declared game is registered every player's small cards are listed again, for the game
// now played: nothing of what stood there before the declaration survives.
TEST_F(TrickPlayTest, TheDeclaredGameListsEveryPlayersSmallCards) {
    PersonWinsTheAuction();
    ::SendMessage(Bar(), WM_COMMAND, IDC_HAND, 0);
    host_->PumpUntilIdle();
    for (int seat = 0; seat < 3; ++seat)
        for (auto& suit : SkatTestAccess::Player(FrameGameAccess::Game(Frame()), seat).handInfo.SmallCards)
            for (int& entry : suit) entry = 99;
    ::SendMessage(Bar(), WM_COMMAND, IDC_NULL, 0);
    host_->PumpUntilIdle();
    ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    for (int seat = 0; seat < 3; ++seat) {
        const HandInfo& info = Frame().GameObject().Player(seat)->handInfo;
        for (int suit = 0; suit < 4; ++suit) {
            EXPECT_LE(info.SmallCards[suit][0], 5) << seat << suit;
            for (int rank = 1; rank < 8; ++rank) EXPECT_LT(info.SmallCards[suit][rank], 12) << seat << suit << rank;
        }
    }
}

// A card the follow rule refuses stays in the hand with "Context: Invalid card!" and nothing is
// posted; the legal card then plays.
TEST_F(TrickPlayTest, AnInvalidClickedCardIsRefused) {
    // This deal soon has the person follow a lead while holding another suit.
    PersonPlaysAsSoloist(kClubs, 1);
    host_->PumpUntil([this] { return PersonToPlay() && Frame().GameObject().Trick().count > 0; }, 60000);
    // Find a trick where the person must follow and holds another suit too.
    for (int guard = 0; guard < 10 && !Frame().Series().Record.scored; ++guard) {
        int invalid = -1;
        for (int slot = 0; slot < Person().capacity && invalid < 0; ++slot)
            if (Person().present[slot] && !Person().ValidCard(slot, Frame().GameObject().Trick())) invalid = slot;
        if (PersonToPlay() && invalid >= 0) {
            const int card = Person().cards[invalid];
            const std::size_t before = Frame().Series().Record.cards.size();
            host_->Click(host_->NowMs() + 10, CardPoint(card));
            host_->PumpFor(400);
            EXPECT_TRUE(Person().HasCard(card));
            EXPECT_EQ(Frame().Series().Record.cards.size(), before);
            EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), "Context: Invalid card!");
            EXPECT_TRUE(PersonToPlay());
            return;
        }
        const int slot = FirstLegalSlot();
        host_->Click(host_->NowMs() + 10, CardPoint(Person().cards[slot]));
        host_->PumpUntil(
            [this] {
                return Frame().Series().Record.scored || (PersonToPlay() && Frame().GameObject().Trick().count > 0);
            },
            60000);
    }
    FAIL() << "the deal gave no trick with a refused card: the seed no longer shows the refusal";
}

// The continue bar: a double press goes on by one trick only, and its caption names the next.
TEST_F(TrickPlayTest, TheContinueBarGoesOnByOneTrickPerPress) {
    WriteProfileInt("Options", "Continue", 0);
    PersonPlaysAsSoloist(kClubs);
    host_->PumpUntil([this] { return PersonToPlay(); }, 60000);
    const int slot = FirstLegalSlot();
    host_->Click(host_->NowMs() + 10, CardPoint(Person().cards[slot]));
    host_->PumpUntil([this] { return ::IsWindow(Frame().Prompts().ContinuePrompt); }, 60000);
    ASSERT_TRUE(::IsWindow(Frame().Prompts().ContinuePrompt));
    EXPECT_EQ(::GetWindowText(::GetDlgItem(Frame().Prompts().ContinuePrompt, IDC_CONTINUE)), "&Play Card 2");
    const HWND bar = Frame().Prompts().ContinuePrompt;
    ::PostMessage(bar, WM_COMMAND, IDC_CONTINUE, 0);
    ::PostMessage(bar, WM_COMMAND, IDC_CONTINUE, 0);
    Frame().PostMessage(WM_COMMAND, CM_NEXT_TRICK);
    host_->PumpFor(200);
    // One trick on: the first is counted and the second has not ended.
    EXPECT_EQ(g_Game.PartyTricks[0] + g_Game.PartyTricks[1], 1);
    EXPECT_TRUE(reports_.empty());
}

// The person defends against a computer's game; his cards go by clicks.
TEST_F(TrickPlayTest, PersonAsDefenderPlaysByClicks) {
    Deal();
    // Seat 1's hand holds a game worth its bid.
    StartAuction(2, 0, 60);
    ::SendMessage(Bar(), WM_COMMAND, BTN_PASS, 0);
    host_->PumpUntil([] { return g_Game.FlowState == STATE_PLAY; }, 60000);
    ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    ASSERT_EQ(g_Game.Soloist, 1);
    PlayOut(Input::Click);
    ExpectSoundGame();
    EXPECT_EQ(Frame().Series().Record.soloist, 1);
    EXPECT_NE(Frame().Series().Record.score, 0);
}

// The continue bar names the next trick, and after the ninth the tenth; pane 2 shows the points
// of the person's side at every trick end; a right click goes on.
TEST_F(TrickPlayTest, TheBarNamesTheNextTrickAndPaneTwoThePoints) {
    WriteProfileInt("Options", "Continue", 0);
    PersonPlaysAsSoloist(kClubs);
    for (int trick = 1; trick <= 10; ++trick) {
        host_->PumpUntil([this] { return PersonToPlay() || ::IsWindow(Frame().Prompts().ContinuePrompt); }, 60000);
        if (PersonToPlay()) {
            host_->Click(host_->NowMs() + 10, CardPoint(Person().cards[FirstLegalSlot()]));
            host_->PumpUntil([this] { return ::IsWindow(Frame().Prompts().ContinuePrompt); }, 60000);
        }
        ASSERT_TRUE(::IsWindow(Frame().Prompts().ContinuePrompt)) << "trick " << trick;
        const std::string caption = ::GetWindowText(::GetDlgItem(Frame().Prompts().ContinuePrompt, IDC_CONTINUE));
        EXPECT_EQ(caption, trick < 10 ? "&Play Card " + std::to_string(trick + 1) : std::string("Go On"));
        EXPECT_EQ(Frame().Table().StatusBar.PaneText(2), std::to_string(g_Game.PartyPoints[0]));
        // A right click on the table goes on.
        const platform::Point table = platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, {5, 5});
        host_->Click(host_->NowMs() + 10, table, WM_RBUTTONDOWN);
        host_->PumpFor(50);
    }
    host_->PumpUntil([this] { return Frame().Series().Record.scored; }, 60000);
    ExpectSoundGame();
}

// A seat outside the table at a card is reported and plays nothing, so no seat plays twice.
TEST_F(TrickPlayTest, ASeatOutsideTheTableIsReportedAndPlaysNothing) {
    PersonPlaysAsSoloist(kClubs);
    host_->PumpUntil([this] { return PersonToPlay(); }, 60000);
    const std::size_t before = Frame().Series().Record.cards.size();
    // No play leads a seat outside the table to a card: the step is set for the fault.
    TrickPlayTestAccess::Record(Frame().FrameTrickPlay()).PlayStep = 3;
    g_Game.TurnSeat = 5;
    SkatTestAccess::Trick(FrameGameAccess::Game(Frame())).Reset();
    Frame().SendMessage(WM_COMMAND, CM_PLAY);
    ASSERT_EQ(reports_.size(), 1u);
    EXPECT_NE(reports_[0].find("Handler"), std::string::npos);
    EXPECT_EQ(Frame().Series().Record.cards.size(), before);
    reports_.clear();
}

// With the game completing itself (Game > Complete) and the automatic continue off, timer 6 still
// goes on: the game ends without the person.
TEST_F(TrickPlayTest, AnAutomaticCompletionContinuesWithoutTheOption) {
    WriteProfileInt("Options", "Continue", 0);
    PersonPlaysAsSoloist(kClubs);
    host_->PumpUntil([this] { return PersonToPlay(); }, 60000);
    platform::CommandState complete(ID_COMPLETE);
    Frame().UpdateCommand(complete);
    ASSERT_TRUE(complete.Enabled());
    Frame().PostMessage(WM_COMMAND, ID_COMPLETE);
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Series().Record.scored; }, 60000));
    ExpectSoundGame();
}

// A game type outside 0..7 at the result is reported in the trace and not listed; the flow goes on.
TEST_F(TrickPlayTest, AnInvalidGameTypeAtTheResultIsNotListed) {
    StartProgram();
    g_Game.GameType = 9;
    const int listed = g_Game.GameCount;
    EXPECT_TRUE(Frame().ShowResult(-1));
    EXPECT_EQ(g_Game.GameCount, listed);
    EXPECT_FALSE(Frame().Series().Record.scored);
    EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
}

}  // namespace
