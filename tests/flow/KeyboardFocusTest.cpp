// The keyboard reaches the table with suggestions on, as a person finds it: the suggestion bar takes
// the keys at the person's turn, and Esc on it, a click on the table or the bar's suggestion hands
// them to the table, so that Right and Enter (or Enter alone after a suggestion) play his card; in
// the auction a click on the table hands it Up and plus for the bid shown.
#include "flow/FrameAuction.h"
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"

#include "dialogs/AuctionDialog.h"
#include "dialogs/DialogIds.h"
#include "flow/FrameGlobals.h"
#include "model/CardCodes.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "tavlo/Tavlo.h"

#include <functional>

namespace {

using testsupport::FlowFixture;

constexpr int kPickUp = 1042;
constexpr int kClubs = 1016;
constexpr int kPersonSeat = 2;

class KeyboardFocusTest : public FlowFixture {
protected:
    void SetUp() override {
        FlowFixture::SetUp();
        WriteProfileInt("Options", "Suggest", 1);
    }

    const CPerson& Person() { return Frame().GameObject().Person(); }
    void Press(int key) {
        host_->Key(host_->NowMs() + 10, key);
        host_->PumpFor(100);
    }
    void ClickAt(HWND hwnd, platform::Point client) {
        host_->Click(host_->NowMs() + 10, platform::HeadlessHost::ScreenPoint(hwnd, client));
        host_->PumpFor(100);
    }
    // A point of the table that no card covers: the top left corner, above the computers' rows.
    void ClickTheTable() {
        const platform::Point corner{3, 3};
        ASSERT_LE(WC_GetCardDealt(g_Frame.hTableWnd, corner.x, corner.y, 0, 1), 0);
        ClickAt(g_Frame.hTableWnd, corner);
    }
    void ClickButton(HWND bar, int id) {
        const HWND button = ::GetDlgItem(bar, id);
        ASSERT_NE(button, nullptr);
        const platform::Rect rect = platform::WindowSystem::Instance().FromHandle(button)->ClientRect();
        ClickAt(button, {rect.Width() / 2, rect.Height() / 2});
    }

    // The person wins the auction, takes the skat up and plays Clubs; his first card is awaited
    // with the suggestion bar up.
    void ToThePersonsFirstCard() {
        DealAndHold();
        StartAuction(2, 0, 0);
        ::SendMessage(Bar(), WM_COMMAND, BTN_BID, 0);
        host_->PumpUntilIdle();
        ::SendMessage(Bar(), WM_COMMAND, kPickUp, 0);
        host_->PumpUntilIdle();
        // With suggestions on the first press lays the suggested skat away, the next declares.
        for (int press = 0; press < 3 && g_Game.FlowState != STATE_PLAY; ++press) {
            ::SendMessage(Bar(), WM_COMMAND, kClubs, 0);
            host_->PumpUntilIdle();
        }
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 20000))
            << "state " << g_Game.FlowState << "\n" << LogText();
        host_->PumpFor(100);
        ASSERT_TRUE(::IsWindow(Frame().Prompts().KontraPrompt)) << "the suggestion bar";
        // The bar holds the keyboard.
        const HWND focus = ::GetFocus();
        ASSERT_TRUE(focus == Bar() || ::IsChild(Bar(), focus));
    }
    bool PersonPlayed() { return Frame().GameObject().Trick().present[kPersonSeat] != 0; }
};

struct HandOver {
    friend void PrintTo(const HandOver& c, std::ostream* out) { *out << c.name; }
    const char* name;
    std::function<void(KeyboardFocusTest&)> handOver;
};

class KeyboardHandOver : public KeyboardFocusTest, public ::testing::WithParamInterface<HandOver> {
public:
    void PressKey(int key) { Press(key); }
    void ClickOnTheTable() { ClickTheTable(); }
};

// Right raises a card the rule allows, Enter plays it.
TEST_P(KeyboardHandOver, RightAndEnterPlayACard) {
    ToThePersonsFirstCard();
    if (HasFatalFailure()) return;
    GetParam().handOver(*this);
    if (HasFatalFailure()) return;
    ASSERT_FALSE(PersonPlayed());
    Press(VK_RIGHT);
    const int chosen = Person().GetSelectedCard();
    ASSERT_TRUE(IsCardCode(chosen));
    EXPECT_TRUE(Person().ValidCard(Person().FindCard(chosen), Frame().GameObject().Trick()));
    Press(VK_RETURN);
    ASSERT_TRUE(host_->PumpUntil([this] { return PersonPlayed(); }, 5000));
    EXPECT_EQ(Frame().GameObject().Trick().cards[kPersonSeat], chosen);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, KeyboardHandOver,
    ::testing::Values(HandOver{"EscOnTheBar", [](KeyboardFocusTest& t) { static_cast<KeyboardHandOver&>(t).PressKey(VK_ESCAPE); }},
                      HandOver{"ClickOnTheTable",
                               [](KeyboardFocusTest& t) { static_cast<KeyboardHandOver&>(t).ClickOnTheTable(); }}),
    [](const ::testing::TestParamInfo<HandOver>& info) { return std::string(info.param.name); });

// The bar's suggestion chooses a card and hands the keyboard to the frame: Enter plays that card.
TEST_F(KeyboardFocusTest, EnterAfterTheSuggestionPlaysTheSuggestedCard) {
    ToThePersonsFirstCard();
    if (HasFatalFailure()) return;
    ClickButton(Bar(), IDC_SUGGEST);
    ASSERT_GE(Frame().TrickPlay().SelectedSlot, 0);
    const int suggested = Person().cards[Frame().TrickPlay().SelectedSlot];
    ASSERT_TRUE(IsCardCode(suggested));
    EXPECT_EQ(::GetFocus(), Frame().Handle());
    Press(VK_RETURN);
    ASSERT_TRUE(host_->PumpUntil([this] { return PersonPlayed(); }, 5000));
    EXPECT_EQ(Frame().GameObject().Trick().cards[kPersonSeat], suggested);
}

// In the auction a click on the table gives it the keyboard: Up and plus raise the bid shown.
TEST_F(KeyboardFocusTest, UpAndPlusRaiseTheBidAfterAClickOnTheTable) {
    DealAndHold();
    StartAuction(2, 0, 0);
    ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
    // The bar has taken the keyboard (the tick after its opening hands it to its button).
    host_->PumpFor(500);
    ASSERT_TRUE(::IsChild(Bar(), ::GetFocus()));
    ClickTheTable();
    EXPECT_EQ(::GetFocus(), g_Frame.hTableWnd);
    for (int key : {VK_UP, VK_OEM_PLUS}) {
        const int before = g_Game.PendingRaise;
        Press(key);
        EXPECT_EQ(g_Game.PendingRaise, before + 1) << key;
    }
}

}  // namespace
