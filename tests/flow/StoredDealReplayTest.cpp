// Playing a stored deal again: the question names the deal as the cards assignment numbers it and
// depends on whether a game is under way; Yes deals exactly the stored hands and skat, No changes
// nothing; a deal that is not 32 different cards of the deck is refused with a message.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "match/StoreRows.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/MessageBox.h"
#include "support/FrameGameAccess.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace {

using testsupport::FlowFixture;

// A deal laid out as the store keeps it: word 7 the game number, 8-9 the skat, 10-39 the hands.
std::array<int, 40> StoredDeal(int game) {
    std::array<int, 40> deal{};
    deal[5] = 1700000000;
    deal[7] = game;
    const int cards[32] = {1,  14,                                     // the skat: Ace of Clubs and of Diamonds
                           7,  8,  9,  10, 11, 12, 13, 20, 21, 22,      // seat 0
                           23, 24, 25, 26, 27, 33, 34, 35, 36, 37,      // seat 1
                           38, 39, 40, 46, 47, 48, 49, 50, 51, 52};     // seat 2
    std::copy(std::begin(cards), std::end(cards), deal.begin() + 8);
    return deal;
}

std::vector<int> Sorted(std::vector<int> cards) {
    std::sort(cards.begin(), cards.end());
    return cards;
}

std::vector<int> Part(const std::array<int, 40>& deal, int first, int count) {
    return Sorted(std::vector<int>(deal.begin() + first, deal.begin() + first + count));
}

// The cards a row holds now.
std::vector<int> Held(const CCards& row) {
    std::vector<int> cards;
    for (std::size_t i = 0; i < row.cards.size(); ++i)
        if (row.present[i] && row.cards[i] > 0) cards.push_back(row.cards[i]);
    return Sorted(cards);
}

class StoredDealReplayTest : public FlowFixture {
protected:
    void Start() {
        TraceOn();
        StartProgram();
        answerer_.Start();
        answerer_.probe = [this](HWND) {
            if (platform::MessageBoxDialog* box = platform::ActiveMessageBox()) shown_.push_back(box->Text());
            return 0;
        };
        // Ramsch only: the dealt game waits at its start, so the hands can be looked at.
        g_Game.VariantMode = VARIANT_RAMSCH_ONLY;
    }
    // Puts the deals into the store, one after the other.
    static void Store(const std::vector<std::array<int, 40>>& deals) {
        g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
        g_StoreRows.Bytes.resize(40 + 160 * deals.size(), 0);
        g_Game.StoreCount = static_cast<int>(deals.size());
        for (std::size_t k = 0; k < deals.size(); ++k)
            for (int w = 0; w < 40; ++w) g_StoreRows.SetDealWord(static_cast<int>(k) + 1, w, deals[k][static_cast<std::size_t>(w)]);
    }
    std::vector<std::vector<int>> DealtRows() {
        std::vector<std::vector<int>> rows;
        for (int seat = 0; seat < 3; ++seat) rows.push_back(Frame().GameObject().Player(seat)->dealt);
        rows.push_back(Frame().GameObject().dealt);
        return rows;
    }
    std::vector<std::string> shown_;
};

TEST_F(StoredDealReplayTest, TheQuestionNamesTheDealAsTheCardsAssignmentNumbersIt) {
    Start();
    const struct {
        int mode, game;
        const char* name;
    } cases[] = {
        {0, 7, "3.1.skt"}, {0, 11, "4.2.skt"}, {0, 1, "1.1.skt"}, {0, 3, "1.3.skt"},
        {1, 12, "12.skt"}, {1, 1, "1.skt"},
        // A game number below 1 is no name: the deal's place in the store (second) stands in.
        {0, 0, "1.2.skt"}, {1, -4, "2.skt"},
    };
    for (const auto& c : cases) {
        shown_.clear();
        Store({StoredDeal(1), StoredDeal(c.game), StoredDeal(3)});
        const auto before = DealtRows();
        answerer_.answers = {IDNO};
        Frame().LoadFromStore(c.mode, StoredDeal(c.game));
        ASSERT_EQ(shown_.size(), 1u) << c.name;
        EXPECT_EQ(shown_[0], std::string("Shall the game '") + c.name + "' be loaded from the list cards assignment?");
        // No: the deal and the table stay as they were.
        EXPECT_EQ(DealtRows(), before) << c.name;
        EXPECT_EQ(g_Game.FlowState, STATE_IDLE);
    }
    EXPECT_EQ(FindLine("CMainFrame::OnRepeat()"), -1);
}

TEST_F(StoredDealReplayTest, BetweenGamesYesDealsExactlyTheStoredHandsAndSkat) {
    Start();
    const std::array<int, 40> deal = StoredDeal(11);
    Store({StoredDeal(10), deal});
    answerer_.answers = {IDYES};
    Frame().LoadFromStore(0, deal);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
    CSkat& game = FrameGameAccess::Game(Frame());
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(Sorted(game.Player(seat)->dealt), Part(deal, 10 + 10 * seat, 10)) << seat;
        EXPECT_EQ(Held(*game.Player(seat)), Part(deal, 10 + 10 * seat, 10)) << seat;
    }
    EXPECT_EQ(Sorted(game.dealt), Part(deal, 8, 2));
    EXPECT_EQ(Held(game), Part(deal, 8, 2));
    EXPECT_EQ(GetWindowText(Frame().Handle()), "Kartovan+  5.8 (4.2.skt)");
    EXPECT_EQ(FindLine("CMainFrame::OnBreak()"), -1);
    EXPECT_GE(FindLine("CMainFrame::OnRepeat()"), 0);
}

TEST_F(StoredDealReplayTest, DuringAGameTheRunningGameIsBrokenOffFirst) {
    Start();
    SeedRand(4711);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
    const std::array<int, 40> deal = StoredDeal(12);
    ASSERT_NE(Sorted(Frame().GameObject().Person().dealt), Part(deal, 30, 10));
    Store({deal});
    // Asked as a replacement of the running game; No leaves that game where it is.
    answerer_.answers = {IDNO, IDYES};
    Frame().LoadFromStore(1, deal);
    EXPECT_EQ(g_Game.FlowState, STATE_START);
    EXPECT_NE(Sorted(Frame().GameObject().Person().dealt), Part(deal, 30, 10));
    Frame().LoadFromStore(1, deal);
    ASSERT_EQ(shown_.size(), 2u);
    const std::string question =
        "Shall the running game really be canceled and be replaced\n by the game '12.skt' from the list cards assignment?";
    EXPECT_EQ(shown_[0], question);
    EXPECT_EQ(shown_[1], question);
    const int broken = FindLine("CMainFrame::OnBreak()");
    ASSERT_GE(broken, 0);
    EXPECT_GT(FindLine("CMainFrame::OnRepeat()", broken), broken);
    ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_START; }, 10000));
    for (int seat = 0; seat < 3; ++seat)
        EXPECT_EQ(Held(*Frame().GameObject().Player(seat)), Part(deal, 10 + 10 * seat, 10)) << seat;
    EXPECT_EQ(Held(Frame().GameObject()), Part(deal, 8, 2));
    EXPECT_EQ(GetWindowText(Frame().Handle()), "Kartovan+  5.8 (12.skt)");
}

TEST_F(StoredDealReplayTest, ADamagedDealIsRefusedWithAMessageAndChangesNothing) {
    Start();
    const struct {
        int word, card;
        const char* what;
    } cases[] = {
        {8, 2, "a Two in the skat"},   {9, 19, "a Six in the skat"},  {10, 53, "past the deck"},
        {20, 0, "no card"},            {39, -1, "an empty slot"},     {30, 7, "the Seven of Clubs twice"},
        {15, 1, "the skat's Ace in a hand too"},
    };
    for (const auto& c : cases) {
        shown_.clear();
        std::array<int, 40> deal = StoredDeal(5);
        deal[static_cast<std::size_t>(c.word)] = c.card;
        Store({deal});
        const auto before = DealtRows();
        const std::string title = GetWindowText(Frame().Handle());
        answerer_.answers = {IDOK};
        Frame().LoadFromStore(0, deal);
        host_->PumpUntilIdle();
        ASSERT_EQ(shown_.size(), 1u) << c.what;
        EXPECT_EQ(shown_[0], "Error: File\n\n  '2.2.skt'\n\nhas no valid skat-game format") << c.what;
        EXPECT_EQ(DealtRows(), before) << c.what;
        EXPECT_EQ(g_Game.FlowState, STATE_IDLE) << c.what;
        EXPECT_EQ(GetWindowText(Frame().Handle()), title) << c.what;
    }
    EXPECT_EQ(FindLine("CMainFrame::OnRepeat()"), -1);
}

}  // namespace
