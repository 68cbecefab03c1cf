// The support for the visually impaired (Options > highlight and pronounce the card under the
// mouse) in a whole game: each computer's card is named as it lands in the trick, the suggested
// card when the person is to play, the card an arrow key raises, and the card under the mouse,
// which is highlighted until the mouse leaves the cards; with the option off nothing is named.
#include "flow/TrickPlay.h"
#include "flow/StoredDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchSeries.h"

#include "flow/FlowFixture.h"
#include "flow/FrameGlobals.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"
#include "tavlo/Table.h"

#include <string>

namespace {

using testsupport::kVoicesOff;
using testsupport::SpadesDeal;
using testsupport::StoredDealFixture;

constexpr const char* kNamed = "CMainFrame::VoiceSupport(";

class SupportVoiceTest : public StoredDealFixture {
protected:
    // Comp2's Spades game with the support voice field set (speaker 1) and the option as given.
    void StartTheGame(int support) {
        WriteProfileInt("Variants", "Variant", 1);
        WriteProfileInt("Options", "Suggest", 1);
        WriteProfileInt("Options", "Support", support);
        WriteProfileInt("Audio", "Voice", static_cast<int>(static_cast<unsigned>(kVoicesOff) | (1u << 29)));
        Start();
        PlayDeal(SpadesDeal(false));
        BidOnceThenPass();
        ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
    }
    int Named(const std::string& owner) {
        return static_cast<int>(LinesStartingWith(kNamed + owner + ":").size());
    }
    bool Highlighted(int card) {
        tavlo::Table* table = tavlo::FindTable(g_Frame.hTableWnd);
        return table && table->cards && table->cards->deck.IsHighlighted(card);
    }
    void MoveTo(platform::Point screen) {
        platform::InputEvent event;
        event.message = WM_MOUSEMOVE;
        event.screenPoint = screen;
        host_->Input(host_->NowMs() + 10, event);
        host_->PumpFor(30);
    }
    // Plays the person's cards (the suggested ones, by Enter) to the end of the game.
    void PlayOut() {
        for (int guard = 0; guard < 40 && !Frame().Series().Record.scored; ++guard) {
            ASSERT_TRUE(
                host_->PumpUntil([this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
            if (Frame().Series().Record.scored) break;
            ClickCard(FirstLegalCard());
        }
        ASSERT_TRUE(Frame().Series().Record.scored);
    }
    int ComputerCards() {
        int cards = 0;
        for (const auto& played : Frame().Series().Record.cards) cards += played.seat != 2 ? 1 : 0;
        return cards;
    }
    int PersonCards() { return static_cast<int>(Frame().Series().Record.cards.size()) - ComputerCards(); }
};

TEST_F(SupportVoiceTest, EveryComputersCardAndEverySuggestionIsNamed) {
    StartTheGame(1);
    PlayOut();
    // A computer's card has left his hand when it is named: no hand holds it then.
    EXPECT_EQ(Named(Frame().GetPlayerName(-1)), ComputerCards());
    EXPECT_EQ(ComputerCards(), 20);
    // The suggestion at each of the person's cards, the last one played by itself excepted.
    EXPECT_EQ(Named(Frame().GetPlayerName(2)), PersonCards() - 1);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

TEST_F(SupportVoiceTest, WithTheOptionOffNothingIsNamedOrHighlighted) {
    StartTheGame(0);
    const int card = Person().cards[0];
    MoveTo(CardPoint(card));
    EXPECT_FALSE(Highlighted(card));
    host_->Key(host_->NowMs() + 10, VK_LEFT);
    host_->PumpFor(30);
    PlayOut();
    EXPECT_TRUE(LinesStartingWith(kNamed).empty());
}

TEST_F(SupportVoiceTest, TheCardUnderTheMouseIsHighlightedAndNamedOnce) {
    StartTheGame(1);
    const std::string person = Frame().GetPlayerName(2);
    const int before = Named(person);
    const int first = Person().cards[0], second = Person().cards[5];
    MoveTo(CardPoint(first));
    EXPECT_TRUE(Highlighted(first));
    EXPECT_EQ(Named(person), before + 1);
    // Moving on the same card says nothing more.
    MoveTo(CardPoint(first));
    EXPECT_EQ(Named(person), before + 1);
    // Onto another card: only that one shines, and it is named.
    MoveTo(CardPoint(second));
    EXPECT_TRUE(Highlighted(second));
    EXPECT_FALSE(Highlighted(first));
    EXPECT_EQ(Named(person), before + 2);
    // Off every card the highlight goes; back on the card it is named again.
    MoveTo(platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, {2, 2}));
    EXPECT_FALSE(Highlighted(second));
    MoveTo(CardPoint(second));
    EXPECT_EQ(Named(person), before + 3);
    // A computer's hidden card is not named.
    const int hidden = Frame().GameObject().Player(0)->cards[0];
    MoveTo(CardPoint(hidden));
    EXPECT_FALSE(Highlighted(hidden));
    EXPECT_EQ(Named(person), before + 3);
    EXPECT_EQ(LinesStartingWith(std::string(kNamed) + Frame().GetPlayerName(0) + ":").size(), 0u);
}

TEST_F(SupportVoiceTest, TheCardAnArrowKeyRaisesIsNamed) {
    StartTheGame(1);
    const std::string person = Frame().GetPlayerName(2);
    const int before = Named(person);
    // The keys reach the table (which window has them is the desktop's matter).
    ::SetFocus(g_Frame.hTableWnd);
    host_->Key(host_->NowMs() + 10, VK_RIGHT);
    host_->PumpFor(30);
    const int raised = Person().GetSelectedCard();
    ASSERT_GT(raised, 0);
    const std::vector<std::string> lines = LinesStartingWith(kNamed + person + ":");
    ASSERT_EQ(static_cast<int>(lines.size()), before + 1);
    // The line names the raised card by its short name: suit letters, then rank.
    const std::string suits = platform::LoadString(IDS_ABBREVIATIONS);
    const std::string name = suits.substr(static_cast<std::size_t>(2 * GetCardSuit(raised, true)), 2);
    EXPECT_NE(lines.back().find(":" + name), std::string::npos) << lines.back();
    // A key that raises nothing names nothing.
    host_->Key(host_->NowMs() + 10, 'X');
    host_->PumpFor(30);
    EXPECT_EQ(Named(person), before + 1);
}

}  // namespace
