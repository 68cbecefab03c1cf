// Taking back the last trick and bringing it again, as round trips over seeded games on the headless
// host: the whole game state at a continue bar comes back by undo, and the state before the undo by
// redo.
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "flow/FrameGlobals.h"
#include "flow/TableState.h"
#include "model/FlowGlobals.h"
#include "model/InternalError.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/Menu.h"
#include "resources/ids.h"
#include "tavlo/Tavlo.h"
#include "support/FrameGameAccess.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kClubs = 1016;
constexpr int kGrand = 1023;

// The game as the card play sees it, value by value with a name for the report. Left out: the
// marks and their texts, status texts, the pause level, selections, the option records.
struct Capture {
    std::vector<std::pair<std::string, long long>> values;
    void Add(const std::string& name, long long value) { values.emplace_back(name, value); }
    void AddRow(const std::string& name, const CCards& row) {
        Add(name + ".count", row.count);
        for (std::size_t i = 0; i < row.cards.size(); ++i) {
            const bool here = i < row.present.size() && row.present[i];
            Add(name + ".present" + std::to_string(i), here);
            if (here) Add(name + ".card" + std::to_string(i), row.cards[i]);
        }
    }
};

// The first name whose value differs, with both values; empty when all agree.
std::string FirstDifference(const Capture& got, const Capture& want) {
    if (got.values.size() != want.values.size())
        return "sizes " + std::to_string(got.values.size()) + " and " + std::to_string(want.values.size());
    for (std::size_t i = 0; i < got.values.size(); ++i) {
        if (got.values[i] != want.values[i])
            return got.values[i].first + " is " + std::to_string(got.values[i].second) + ", was " +
                   std::to_string(want.values[i].second);
    }
    return "";
}

class UndoRedoTest : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        // The continue bar stays until the test continues.
        WriteProfileInt("Options", "Continue", 0);
    }
    void Deal(std::uint32_t seed) {
        DealAndHold(seed);
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
    }
    void TearDown() override { SetInternalErrorHandler({}); }

    const CPerson& Person() { return Frame().GameObject().Person(); }

    // The person declares a game after picking the skat up (the declaration lays the skat away).
    void PersonPlays(int button, std::uint32_t seed) {
        Deal(seed);
        StartAuction(2, 0, 0);
        PressBid();
        ASSERT_EQ(g_Game.FlowState, STATE_SKAT);
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, static_cast<WPARAM>(button), 0);
        host_->PumpUntilIdle();
        ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    }
    // A computer bids high and the person passes: he defends.
    void PersonDefends(std::uint32_t seed) {
        Deal(seed);
        StartAuction(2, 0, 60);
        ::SendMessage(Bar(), WM_COMMAND, BTN_PASS, 0);
        host_->PumpUntil([] { return g_Game.FlowState == STATE_PLAY; }, 60000);
        ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
        ASSERT_NE(g_Game.Soloist, 2);
    }

    bool AtBar() {
        return g_Game.FlowState == STATE_PLAY && Frame().TrickPlay().PlayStep == 3 &&
               ::IsWindow(Frame().Prompts().ContinuePrompt);
    }
    bool Scored() { return Frame().Series().Record.scored; }
    void WaitForTurn() {
        host_->PumpUntil([this] { return Scored() || Frame().FrameTrickPlay().PersonMayPlay() || AtBar(); }, 60000);
    }
    // The person plays his first legal card.
    void PlayPersonCard() {
        const CPerson& person = Person();
        for (int slot = 0; slot < person.capacity; ++slot) {
            if (!person.present[static_cast<std::size_t>(slot)] || !person.ValidCard(slot, Frame().GameObject().Trick()))
                continue;
            const int card = person.cards[static_cast<std::size_t>(slot)];
            const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12, WC_GetCardY(g_Frame.hTableWnd, card) + 12};
            host_->Click(host_->NowMs() + 10, platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client));
            host_->PumpFor(100);
            return;
        }
        FAIL() << "no legal card";
    }
    void Command(int id) {
        Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(id));
        host_->PumpUntilIdle();
    }
    bool Enabled(int id) {
        platform::CommandState state(id);
        Frame().UpdateCommand(state);
        return state.Enabled();
    }

    static bool ComputerCardInTrick(const Capture& capture) {
        for (const auto& [name, value] : capture.values)
            if ((name == "trick.present0" || name == "trick.present1") && value) return true;
        return false;
    }

    Capture Take() {
        CMainFrame& frame = Frame();
        CSkat& game = FrameGameAccess::Game(frame);
        Capture c;
        for (int seat = 0; seat < 3; ++seat) {
            const CPlayer& player = *game.Player(seat);
            const std::string p = "seat" + std::to_string(seat);
            c.AddRow(p + ".hand", player);
            c.AddRow(p + ".played", game.CourseRow(seat));
            if (seat < 2) c.Add(p + ".faceUp", player.faceUp);
            const auto* words = reinterpret_cast<const std::int32_t*>(&player.handInfo);
            for (std::size_t w = 0; w < sizeof player.handInfo / 4; ++w) c.Add(p + ".handInfo" + std::to_string(w), words[w]);
            c.Add(p + ".FaceUpSeen", player.FaceUpSeen);
            c.Add(p + ".forcedCard", player.forcedCard);
            c.Add(p + ".ForcedCardCount", player.ForcedCardCount);
            c.Add(p + ".partnerTopSuits", player.partnerTopSuits);
            c.Add(p + ".rememberedSuit", player.rememberedSuit);
            c.Add(p + ".durchmarschDecided", player.durchmarschDecided);
            c.Add(p + ".durchmarschAim", player.durchmarschAim);
            for (int suit = 0; suit < 4; ++suit) {
                c.Add(p + ".suitPlanCard" + std::to_string(suit), player.SuitPlanSlots[suit].Card);
                c.Add(p + ".suitPlanFlag" + std::to_string(suit), player.SuitPlanSlots[suit].Flag);
                c.Add(p + ".playedSuit" + std::to_string(suit), player.playedSuit[suit]);
                c.Add(p + ".CardPlan" + std::to_string(suit), player.CardPlan[suit]);
            }
            c.Add(p + ".CardPlanCounter", player.CardPlanCounter);
        }
        c.AddRow("skat", game);
        c.AddRow("trick", game.Trick());
        c.AddRow("lastTrick", game.LastTrick());
        for (std::size_t i = 0; i < frame.Series().Record.cards.size(); ++i)
            c.Add("record.card" + std::to_string(i), frame.Series().Record.cards[i].seat * 100 + frame.Series().Record.cards[i].card);
        c.Add("record.cards", static_cast<long long>(frame.Series().Record.cards.size()));
        for (int i = 0; i < 32; ++i) c.Add("CardLocation" + std::to_string(i), g_Knowledge.CardLocation(i));
        for (int i = 0; i < 4; ++i) c.Add("UnseenSuitCounts" + std::to_string(i), g_Knowledge.UnseenSuitCounts[i]);
        for (int seat = 0; seat < 3; ++seat)
            for (int col = 0; col < VOID_COLUMNS; ++col)
                c.Add("VoidTable" + std::to_string(seat) + std::to_string(col), g_Knowledge.VoidTable[seat][col]);
        c.Add("PreferredSuit", g_Knowledge.PreferredSuit);
        for (int i = 0; i < 5; ++i) c.Add("TrickLeadCounts" + std::to_string(i), g_Knowledge.TrickLeadCounts[i]);
        for (int i = 0; i < 4; ++i) c.Add("LedSuitBySeat" + std::to_string(i), g_Knowledge.LedSuitBySeat[i]);
        c.Add("TrickLeadSuit", g_Knowledge.TrickLeadSuit);
        for (int i = 0; i < 4; ++i) c.Add("SuitLedMarks" + std::to_string(i), g_Flow.SuitLedMarks[i]);
        c.Add("ThrownOffSuit", g_Computer.ThrownOffSuit);
        c.Add("FaceUpAnnouncePending", g_ComputerFrame.FaceUpAnnouncePending);
        c.Add("GameType", g_Game.GameType);
        c.Add("Forehand", g_Game.Forehand);
        c.Add("PreviousForehand", g_Game.PreviousForehand);
        c.Add("Soloist", g_Game.Soloist);
        c.Add("TrickWinner", g_Game.TrickWinner);
        c.Add("TurnSeat", g_Game.TurnSeat);
        c.Add("TrumpCount", g_Game.TrumpCount);
        for (int i = 0; i < 3; ++i) {
            c.Add("PartyPoints" + std::to_string(i), g_Game.PartyPoints[i]);
            c.Add("PartyTricks" + std::to_string(i), g_Game.PartyTricks[i]);
        }
        c.Add("GameEndFlags", g_Game.GameEndFlags);
        c.Add("EarlyFaceUp", g_Game.EarlyFaceUp);
        c.Add("OuvertAnnounced", g_Game.OuvertAnnounced);
        c.Add("KontraState", g_Game.KontraState);
        c.Add("PlayStep", frame.TrickPlay().PlayStep);
        c.Add("HistoryPosition", frame.TrickPlay().HistoryPosition);
        return c;
    }

    // Plays the game out; at each continue bar after the first the game goes on to the next stop
    // (the person's turn or the next bar), is taken back and brought again.
    void PlayWithUndoAndRedo() {
        int roundTrips = 0;
        for (int guard = 0; guard < 80 && !Scored(); ++guard) {
            WaitForTurn();
            if (Scored()) break;
            if (Frame().FrameTrickPlay().PersonMayPlay()) {
                PlayPersonCard();
                continue;
            }
            ASSERT_TRUE(AtBar()) << "state " << g_Game.FlowState << " step " << Frame().TrickPlay().PlayStep << " bar "
                                 << ::GetWindowText(Bar());
            const Capture atBar = Take();
            const int position = Frame().TrickPlay().HistoryPosition;
            Command(CM_NEXT_TRICK);
            WaitForTurn();
            if (Scored()) break;
            const Capture beforeUndo = Take();
            SCOPED_TRACE("trick " + std::to_string(position + 1) + (AtBar() ? " at its bar" : " at the person's turn"));
            ASSERT_TRUE(Enabled(ID_UNDO));
            Command(ID_UNDO);
            EXPECT_EQ(FirstDifference(Take(), atBar), "");
            EXPECT_TRUE(AtBar());
            if (!ComputerCardInTrick(beforeUndo)) {
                // The person leads: nothing of the next trick was recorded, so nothing comes back;
                // he plays his card after continuing.
                EXPECT_FALSE(Enabled(ID_RECOVER));
                Command(CM_NEXT_TRICK);
                WaitForTurn();
                ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
                PlayPersonCard();
                continue;
            }
            ASSERT_TRUE(Enabled(ID_RECOVER));
            Command(ID_RECOVER);
            EXPECT_EQ(FirstDifference(Take(), beforeUndo), "");
            ++roundTrips;
        }
        ASSERT_TRUE(Scored());
        EXPECT_GE(roundTrips, 3);
        EXPECT_EQ(Frame().Series().Record.cards.size(), 30u);
        EXPECT_TRUE(reports_.empty()) << reports_.front();
    }

    std::vector<std::string> reports_;
};

TEST_F(UndoRedoTest, RoundTripsWhileThePersonPlaysClubs) {
    PersonPlays(kClubs, 4711);
    PlayWithUndoAndRedo();
}

TEST_F(UndoRedoTest, RoundTripsWhileThePersonPlaysGrand) {
    // A deal whose Grand Hand offer waits for the person while it is held (with 815 a computer
    // takes it now that Ramsch is played).
    PersonPlays(kGrand, 816);
    PlayWithUndoAndRedo();
}

// From the last trick's bar undo goes back bar by bar to the start of play, and redo brings every
// trick again, bar by bar, to the end.
TEST_F(UndoRedoTest, UndoToTheStartAndRedoToTheEndStepByStep) {
    PersonPlays(kClubs, 4711);
    std::vector<Capture> bars(11);
    for (int guard = 0; guard < 40; ++guard) {
        WaitForTurn();
        ASSERT_FALSE(Scored());
        if (Frame().FrameTrickPlay().PersonMayPlay()) {
            PlayPersonCard();
            continue;
        }
        ASSERT_TRUE(AtBar());
        bars[static_cast<std::size_t>(Frame().TrickPlay().HistoryPosition)] = Take();
        if (Frame().TrickPlay().HistoryPosition == 10) break;
        Command(CM_NEXT_TRICK);
    }
    ASSERT_EQ(Frame().TrickPlay().HistoryPosition, 10);
    EXPECT_FALSE(Enabled(ID_RECOVER));
    for (int position = 9; position >= 1; --position) {
        SCOPED_TRACE("undo to " + std::to_string(position));
        ASSERT_TRUE(Enabled(ID_UNDO));
        Command(ID_UNDO);
        EXPECT_EQ(FirstDifference(Take(), bars[static_cast<std::size_t>(position)]), "");
        EXPECT_TRUE(Enabled(ID_RECOVER));
    }
    // The start of play: every card back in the hands, no trick on the table.
    Command(ID_UNDO);
    EXPECT_EQ(Frame().TrickPlay().HistoryPosition, 0);
    EXPECT_FALSE(Enabled(ID_UNDO));
    EXPECT_EQ(Frame().GameObject().Trick().count, 0);
    EXPECT_EQ(Frame().GameObject().LastTrick().count, 0);
    for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(Frame().GameObject().Player(seat)->count, 10);
    EXPECT_TRUE(Frame().Series().Record.cards.empty());
    // Undo at the start only pauses.
    Command(ID_UNDO);
    EXPECT_EQ(Frame().TrickPlay().HistoryPosition, 0);
    for (int position = 1; position <= 10; ++position) {
        SCOPED_TRACE("redo to " + std::to_string(position));
        ASSERT_TRUE(Enabled(ID_RECOVER));
        Command(ID_RECOVER);
        EXPECT_EQ(FirstDifference(Take(), bars[static_cast<std::size_t>(position)]), "");
    }
    EXPECT_FALSE(Enabled(ID_RECOVER));
    // Redo at the end only pauses.
    Command(ID_RECOVER);
    EXPECT_EQ(FirstDifference(Take(), bars[10]), "");
    Command(CM_NEXT_TRICK);
    host_->PumpUntil([this] { return Scored(); }, 60000);
    ASSERT_TRUE(Scored());
    EXPECT_EQ(Frame().Series().Record.cards.size(), 30u);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// Undo at the person's first turn, with the computers' cards of trick 1 on the table: they go back,
// both trick rows stay empty, and continuing plays trick 1 again.
TEST_F(UndoRedoTest, UndoInTheFirstTrickStartsItAgain) {
    Deal(4711);
    StartAuction(0, 0, 60);
    ::SendMessage(Bar(), WM_COMMAND, BTN_PASS, 0);
    host_->PumpUntil([] { return g_Game.FlowState == STATE_PLAY; }, 60000);
    ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    WaitForTurn();
    ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    ASSERT_EQ(Frame().TrickPlay().HistoryPosition, 1);
    ASSERT_EQ(Frame().GameObject().Trick().count, 2);
    Command(ID_UNDO);
    EXPECT_EQ(Frame().TrickPlay().HistoryPosition, 0);
    EXPECT_EQ(Frame().GameObject().Trick().count, 0);
    EXPECT_EQ(Frame().GameObject().LastTrick().count, 0);
    EXPECT_EQ(Frame().GameObject().Player(0)->count, 10);
    EXPECT_EQ(Frame().GameObject().Player(1)->count, 10);
    EXPECT_TRUE(::IsWindow(Frame().Prompts().ContinuePrompt));
    EXPECT_EQ(g_Game.TurnSeat, g_Game.Leader);
    Command(CM_NEXT_TRICK);
    WaitForTurn();
    ASSERT_TRUE(Frame().FrameTrickPlay().PersonMayPlay());
    EXPECT_EQ(Frame().TrickPlay().HistoryPosition, 1);
    EXPECT_EQ(Frame().GameObject().Trick().count, 2);
    EXPECT_EQ(Frame().GameObject().Player(0)->count, 9);
    EXPECT_EQ(Frame().GameObject().Player(1)->count, 9);
    EXPECT_EQ(Frame().Series().Record.cards.size(), 2u);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// Nested in another step of the flow, undo and redo are refused with a message and change nothing.
TEST_F(UndoRedoTest, UndoAndRedoBeneathAnotherStepAreRefused) {
    PersonPlays(kClubs, 4711);
    WaitForTurn();
    if (Frame().FrameTrickPlay().PersonMayPlay()) PlayPersonCard();
    WaitForTurn();
    ASSERT_TRUE(AtBar());
    const Capture before = Take();
    for (const int id : {ID_UNDO, ID_RECOVER}) {
        SCOPED_TRACE(id);
        // The command arrives inside a running step.
        Frame().RunStep([&] { Frame().SendMessage(WM_COMMAND, static_cast<WPARAM>(id)); });
        EXPECT_EQ(FirstDifference(Take(), before), "");
        EXPECT_EQ(Frame().Table().StatusBar.PaneText(0), platform::LoadString(IDS_ILLEGAL_ACTION));
    }
    EXPECT_EQ(g_Game.CheatMask & 64, 0);
}

// The person defends against seat 1's game, over several deals.
class UndoRedoDefenderTest : public UndoRedoTest, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(UndoRedoDefenderTest, RoundTripsWhileThePersonDefends) {
    PersonDefends(GetParam());
    PlayWithUndoAndRedo();
}

INSTANTIATE_TEST_SUITE_P(Deals, UndoRedoDefenderTest, ::testing::Values(4711u, 2024u, 77u));

}  // namespace
