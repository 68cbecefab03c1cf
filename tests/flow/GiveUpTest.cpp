// Whole games that end off the ten tricks: the person gives up as soloist or as defender, a
// computer defender offers to give up and the person accepts or declines, and the question stays
// the one thing that waits while it is open.
#include "flow/FlowFixture.h"

#include "dialogs/PlayBars.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/InternalError.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/TavloSound.h"
#include "resources/CommandIds.h"
#include "tavlo/SoundOutput.h"
#include "tavlo/Tavlo.h"

#include <algorithm>

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kGrand = 1023;

class GiveUpTest : public FlowFixture {
protected:
    void TearDown() override {
        SetInternalErrorHandler({});
        tavlo::SetSoundOutput(nullptr);
    }

    CPerson& Person() { return Frame().Game.person; }

    // The person wins the auction as forehand, picks the skat up and declares Grand: he leads.
    void PersonPlaysGrand(std::uint32_t seed = 4711) {
        DealAndHold(seed);
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kGrand, 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
        ASSERT_EQ(g_Game.Soloist, 2);
        ASSERT_TRUE(Frame().PersonMayPlay());
    }

    // Comp1 has met the soloist's cards laid face up: his next card comes with the offer.
    void Comp1WillOffer() {
        g_Settings.Settings.Abandon = 1;
        g_Game.EarlyFaceUp = 1;
        Frame().Game.computer0.FaceUpSeen = 1;
    }

    // The person plays his first card the rule allows, by a click.
    void PersonPlaysACard() {
        for (int slot = 0; slot < Person().capacity; ++slot) {
            if (!Person().present[slot] || !Person().ValidCard(slot, Frame().Game.trick)) continue;
            const int card = Person().cards[slot];
            const platform::Point client{WC_GetCardX(g_Shell.hTableWnd, card) + 12,
                                         WC_GetCardY(g_Shell.hTableWnd, card) + 12};
            host_->Click(host_->NowMs() + 10, platform::HeadlessHost::ScreenPoint(g_Shell.hTableWnd, client));
            return;
        }
        FAIL() << "the person holds no card to play";
    }

    // Comp2 wins the auction at 18 against the person, who sits forehand and leads.
    void Comp2Plays(std::uint32_t seed = 4711) {
        DealAndHold(seed);
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
        StartAuction(2, 0, 18, VARIANT_OFFICIAL);
        PressPass();
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().PersonMayPlay(); }, 10000));
        ASSERT_EQ(g_Game.Soloist, 1);
    }

    // From here the two give-up sounds are heard (built in, nothing else).
    void ListenForTheGiveUpSounds() {
        g_Settings.Audio.Sound = static_cast<int>(SOUND_OUTPUT_ON_BIT | (1u << 16) | (1u << 18));
        tavlo::SetSoundOutput(&recorder_);
    }
    std::vector<int> GiveUpSounds() const {
        std::vector<int> effects;
        for (const auto& played : recorder_.PlayedSounds())
            if (played.effect == 8 || played.effect == 9) effects.push_back(played.effect);
        return effects;
    }

    int CountLines(const std::string& body) const {
        const std::vector<std::string> lines = LogBodies();
        return static_cast<int>(std::count(lines.begin(), lines.end(), body));
    }

    static constexpr std::uint32_t SOUND_OUTPUT_ON_BIT = 1u << 24;
    std::vector<std::string> reports_;
    platform::TavloSoundRecorder recorder_;
};

// While the person is asked whether Comp1 may give up, a CM_PLAY arrives (the demonstration's
// timer that ends the person's exchange sends one). The question is the only thing that waits:
// Comp1 is not asked again inside it, and the give-up, its result and the next game come only
// after the answer, so that no later wait nests inside the question.
TEST_F(GiveUpTest, PlayWaitsWhileTheGiveUpQuestionIsOpen) {
    PersonPlaysGrand();
    Comp1WillOffer();
    int dialogs = 0;
    answerer_.probe = [this, &dialogs](HWND) {
        if (dialogs++ == 0) Frame().PostMessage(WM_COMMAND, CM_PLAY);
        return static_cast<int>(platform::WindowSystem::Instance().ModalLoops().size());
    };
    // Yes to the question, then the result's OK: the next game is dealt.
    answerer_.answers = {IDOK, IDOK};
    PersonPlaysACard();
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Record.scored; }, 20000));
    EXPECT_EQ(Frame().Record.gaveUp, 0);
    host_->PumpFor(2000);

    EXPECT_EQ(CountLines("CMainFrame::Abandon(Comp1)"), 1) << LogText();
    EXPECT_EQ(CountLines("CMainFrame::OnAbandon(Comp1)"), 1);
    EXPECT_GE(FindLine("CMainFrame::OnPlay(refused)"), 0);
    // Each dialog was answered as the only modal one: the result did not run inside the question.
    ASSERT_GE(answerer_.probes.size(), 2u);
    EXPECT_EQ(answerer_.probes[0], 1);
    EXPECT_EQ(answerer_.probes[1], 1);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
    // The next game was dealt after the answer and waits for its auction.
    EXPECT_GE(FindLine("CMainFrame::OnNew()", FindLine("CMainFrame::OnAbandon(Comp1)")), 0);
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

const GiveUpCase kGiveUps[] = {
    {"PersonAsSoloistThenNextGame", Road::PersonSoloist, IDOK, 2, "CMainFrame::OnAbandon(Person)", false, 9, true},
    {"PersonAsSoloistThenStay", Road::PersonSoloist, IDCANCEL, 2, "CMainFrame::OnAbandon(Person)", false, 9, false},
    {"PersonAsDefenderThenNextGame", Road::PersonDefender, IDOK, 2, "CMainFrame::OnAbandon(Person)", true, 8, true},
    {"PersonAsDefenderThenStay", Road::PersonDefender, IDCANCEL, 2, "CMainFrame::OnAbandon(Person)", true, 8, false},
    {"ComputerDefenderAcceptedThenStay", Road::ComputerDefender, IDCANCEL, 0, "CMainFrame::OnAbandon(Comp1)", true, 8,
     false},
};

class GiveUpRoadTest : public GiveUpTest, public ::testing::WithParamInterface<GiveUpCase> {};

TEST_P(GiveUpRoadTest, TheSeatThatGivesUpIsScoredAndTheAnswerLeads) {
    const GiveUpCase& c = GetParam();
    if (c.road == Road::PersonDefender) {
        Comp2Plays();
        answerer_.answers = {c.resultAnswer};
    } else {
        PersonPlaysGrand();
        answerer_.answers = c.road == Road::ComputerDefender ? std::vector<int>{IDOK, c.resultAnswer}
                                                              : std::vector<int>{c.resultAnswer};
    }
    const int soloist = g_Game.Soloist;
    ListenForTheGiveUpSounds();
    if (c.road == Road::ComputerDefender) {
        Comp1WillOffer();
        PersonPlaysACard();
    } else {
        Frame().SendMessage(WM_COMMAND, ID_ABANDON);
    }
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().Record.scored; }, 20000));
    EXPECT_EQ(Frame().Record.gaveUp, c.seat);
    EXPECT_EQ(Frame().Record.score > 0, c.soloistWins) << Frame().Record.score;
    EXPECT_EQ(g_Game.Soloist, soloist);
    host_->PumpFor(2000);

    EXPECT_EQ(CountLines(c.line), 1) << LogText();
    EXPECT_EQ(GiveUpSounds(), std::vector<int>{c.sound});
    const int gaveUp = FindLine(c.line);
    EXPECT_EQ(FindLine("CMainFrame::OnNew()", gaveUp) >= 0, c.nextGame);
    if (!c.nextGame) {
        EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
        EXPECT_EQ(Frame().RepeatAllowed, 1);
        EXPECT_EQ(Frame().GameRunning, 0);
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
    PersonPlaysGrand();
    Comp1WillOffer();
    answerer_.answers = {IDCANCEL};
    const std::size_t cardsBefore = Frame().Record.cards.size();
    PersonPlaysACard();
    ASSERT_TRUE(host_->PumpUntil([this] { return !answerer_.answered.empty(); }, 10000));
    host_->PumpFor(1000);
    EXPECT_EQ(CountLines("CMainFrame::Abandon(Comp1)"), 1);
    EXPECT_EQ(FindLine("CMainFrame::OnAbandon(Comp1)"), -1);
    EXPECT_EQ(g_Game.FlowState, STATE_PLAY);
    EXPECT_FALSE(Frame().Record.scored);
    // The person's card and Comp1's after it lie in the trick.
    ASSERT_GE(Frame().Record.cards.size(), cardsBefore + 2);
    EXPECT_EQ(Frame().Record.cards[cardsBefore + 1].seat, 0);
    EXPECT_NE(g_Game.GameEndFlags & 8, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

}  // namespace
