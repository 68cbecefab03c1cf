// Choosing the next trick's cards while the complete trick waits under the continue bar: by
// clicks and by the arrow keys the person marks the trick winner's card first and then cards that
// follow it; the refusals name their reason; continuing plays the marked cards. When the person
// leads another suit than the one marked for him, the computers' marks are given up. Without
// suggestions every key under the bar is refused.
#include "flow/TrickPlay.h"
#include "flow/StoredDealFixture.h"
#include "flow/MainFrame.h"
#include "flow/ExchangeState.h"
#include "flow/MatchSeries.h"

#include "dialogs/DialogIds.h"
#include "flow/FrameGlobals.h"
#include "flow/PromptBars.h"
#include "flow/TableState.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <vector>

namespace {

using testsupport::SpadesDeal;
using testsupport::StoredDealFixture;

class NextTrickChoiceTest : public StoredDealFixture {
protected:
    // Comp2's Spades game with the continue bar waiting after each trick.
    void StartTheGame(int suggest) {
        WriteProfileInt("Variants", "Variant", 1);
        WriteProfileInt("Options", "Continue", 0);
        WriteProfileInt("Options", "Suggest", suggest);
        Start();
        PlayDeal(SpadesDeal(false));
        BidOnceThenPass();
    }
    // Plays the person's cards by clicks until a trick is complete under its bar.
    void UpToTheNextTrickEnd() {
        for (int guard = 0; guard < 10; ++guard) {
            ASSERT_TRUE(host_->PumpUntil(
                [this] {
                    return Frame().FrameTrickPlay().PersonMayPlay() || ::IsWindow(Frame().Prompts().ContinuePrompt) ||
                           Frame().Series().Record.scored;
                },
                60000));
            ASSERT_FALSE(Frame().Series().Record.scored);
            if (::IsWindow(Frame().Prompts().ContinuePrompt) &&
                Frame().Prompts().PromptDialog == Frame().Prompts().ContinuePrompt)
                return;
            ClickCard(FirstLegalCard());
        }
        FAIL() << "no trick end";
    }
    const CPlayer& Hand(int seat) { return *Frame().GameObject().Player(seat); }
    int Marked(int seat) { return Frame().Exchange().GroupPickedCards[seat + 1]; }
    std::string Pane() { return Frame().Table().StatusBar.PaneText(0); }
    // The held cards of a seat that it may (or may not) play after `lead`.
    std::vector<int> Cards(int seat, int lead, bool playable) {
        std::vector<int> found;
        const CPlayer& hand = Hand(seat);
        for (int slot = 0; slot < hand.capacity; ++slot)
            if (hand.present[slot] && hand.CanPlayCard(hand.cards[slot], lead) == playable) found.push_back(hand.cards[slot]);
        return found;
    }
    // The cards of the trick after the continue: seat -> card, as the record notes them.
    std::vector<int> NextTrickCards() {
        const std::size_t before = Frame().Series().Record.cards.size();
        Press(IDC_CONTINUE);
        std::vector<int> cards(3, NO_CARD);
        for (int guard = 0; guard < 5; ++guard) {
            host_->PumpUntil(
                [&] { return Frame().FrameTrickPlay().PersonMayPlay() || Frame().Series().Record.cards.size() >= before + 3; }, 60000);
            if (Frame().Series().Record.cards.size() >= before + 3) break;
            const int marked = Person().PickedCard;
            ClickCard(marked > 0 && Person().HasCard(marked) ? marked : FirstLegalCard());
        }
        for (std::size_t i = before; i < Frame().Series().Record.cards.size() && i < before + 3; ++i)
            cards[static_cast<std::size_t>(Frame().Series().Record.cards[i].seat)] =
                Frame().Series().Record.cards[i].card;
        return cards;
    }
    static std::string Text(int id) { return platform::LoadString(id); }
};

TEST_F(NextTrickChoiceTest, ClicksMarkTheWinnersCardFirstThenCardsThatFollowIt) {
    StartTheGame(0);
    UpToTheNextTrickEnd();
    const int w = g_Game.TrickWinner;
    const int second = (w + 1) % 3, third = (w + 2) % 3;
    // A card of another hand before the winner's: refused.
    ClickCard(Cards(second, NO_CARD, false).front());
    EXPECT_EQ(Pane(), Text(IDS_WINNER_CARD_REQUIRED));
    EXPECT_EQ(Marked(second), 0);
    EXPECT_EQ(Hand(second).GetSelectedCard(), 0);
    // The winner's card.
    const int lead = Cards(w, NO_CARD, true).front();
    ClickCard(lead);
    EXPECT_EQ(Marked(w), lead);
    EXPECT_TRUE(Hand(w).IsSelectedCard(lead));
    EXPECT_EQ(Frame().Exchange().KeyGroup, 2 * (w + 1));
    // The second hand: a card that does not follow is refused, one that does is marked.
    const std::vector<int> notFollowing = Cards(second, lead, false);
    if (!notFollowing.empty()) {
        ClickCard(notFollowing.front());
        EXPECT_EQ(Pane(), Text(IDS_FOLLOW_WINNER_CARD));
        EXPECT_EQ(Marked(second), 0);
    }
    const int follow = Cards(second, lead, true).front();
    ClickCard(follow);
    EXPECT_EQ(Marked(second), follow);
    EXPECT_TRUE(Hand(second).IsSelectedCard(follow));
    // Now the winner's card may neither change its suit nor be taken back.
    const std::vector<int> otherSuit = Cards(w, lead, false);
    if (!otherSuit.empty()) {
        ClickCard(otherSuit.front());
        EXPECT_EQ(Pane(), Text(IDS_KEEP_CARD_SUIT));
        EXPECT_EQ(Marked(w), lead);
    }
    ClickCard(lead);
    EXPECT_EQ(Pane(), Text(IDS_WINNER_CARD_REQUIRED));
    EXPECT_TRUE(Hand(w).IsSelectedCard(lead));
    // A card off every hand (in the trick) is no card to mark.
    const int inTrick = Frame().GameObject().Trick().cards[0];
    ClickCard(inTrick);
    EXPECT_EQ(Pane(), Text(IDS_ILLEGAL_ACTION));
    // A second click takes the second hand's card back, a third marks it again.
    ClickCard(follow);
    EXPECT_EQ(Marked(second), 0);
    EXPECT_FALSE(Hand(second).IsSelectedCard(follow));
    ClickCard(follow);
    EXPECT_EQ(Marked(second), follow);
    // The third hand follows as well; then the trick is continued and played as marked.
    const int last = Cards(third, lead, true).back();
    ClickCard(last);
    EXPECT_EQ(Marked(third), last);
    const std::vector<int> played = NextTrickCards();
    EXPECT_EQ(played[static_cast<std::size_t>(w)], lead);
    EXPECT_EQ(played[static_cast<std::size_t>(second)], follow);
    EXPECT_EQ(played[static_cast<std::size_t>(third)], last);
    // The marks are handed over once: nothing is marked under the next bar.
    for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(Marked(seat), 0) << seat;
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

TEST_F(NextTrickChoiceTest, TheArrowKeysMarkTheWinnersCardAndTheFollowers) {
    StartTheGame(1);
    UpToTheNextTrickEnd();
    const int w = g_Game.TrickWinner;
    const int second = (w + 1) % 3, third = (w + 2) % 3;
    // The keys reach the table (which window has them is the desktop's matter).
    ::SetFocus(g_Frame.hTableWnd);
    auto key = [this](int vk) {
        host_->Key(host_->NowMs() + 10, vk);
        host_->PumpFor(30);
    };
    // Up: the winner's card is raised and marked.
    key(VK_UP);
    const int lead = Hand(w).GetSelectedCard();
    ASSERT_GT(lead, 0);
    EXPECT_EQ(Marked(w), lead);
    EXPECT_EQ(Frame().Exchange().KeyGroup, 2 * (w + 1));
    // Right moves it on while no later hand has a card; the mark follows.
    key(VK_RIGHT);
    const int moved = Hand(w).GetSelectedCard();
    EXPECT_NE(moved, lead);
    EXPECT_EQ(Marked(w), moved);
    // Down on the winner takes every mark back; Up marks his card again.
    key(VK_DOWN);
    EXPECT_EQ(Hand(w).GetSelectedCard(), 0);
    EXPECT_EQ(Marked(w), 0);
    key(VK_UP);
    const int chosen = Hand(w).GetSelectedCard();
    ASSERT_GT(chosen, 0);
    // Up again passes the focus on; the next Up raises the first card that follows the winner's.
    key(VK_UP);
    EXPECT_EQ(Frame().Exchange().KeyGroup, 2 * (second + 1));
    EXPECT_EQ(Hand(second).GetSelectedCard(), 0);
    key(VK_UP);
    const int follow = Hand(second).GetSelectedCard();
    ASSERT_GT(follow, 0);
    EXPECT_TRUE(Hand(second).CanPlayCard(follow, chosen));
    EXPECT_EQ(Marked(second), follow);
    EXPECT_EQ(Cards(second, chosen, true).front(), follow);
    // On to the third hand, which is given its first follower in the same way, and back to the
    // winner, whose card now stays: Down is refused with the reason, Left silently.
    key(VK_UP);
    EXPECT_EQ(Frame().Exchange().KeyGroup, 2 * (third + 1));
    key(VK_UP);
    const int last = Hand(third).GetSelectedCard();
    ASSERT_GT(last, 0);
    EXPECT_EQ(Cards(third, chosen, true).front(), last);
    EXPECT_EQ(Marked(third), last);
    key(VK_UP);
    EXPECT_EQ(Frame().Exchange().KeyGroup, 2 * (w + 1));
    key(VK_DOWN);
    EXPECT_EQ(Pane(), Text(IDS_WINNER_CARD_REQUIRED));
    EXPECT_EQ(Hand(w).GetSelectedCard(), chosen);
    key(VK_LEFT);
    EXPECT_EQ(Hand(w).GetSelectedCard(), chosen);
    EXPECT_EQ(Marked(w), chosen);
    // Continued: the marked cards are played.
    const std::vector<int> played = NextTrickCards();
    EXPECT_EQ(played[static_cast<std::size_t>(w)], chosen);
    EXPECT_EQ(played[static_cast<std::size_t>(second)], follow);
    EXPECT_EQ(played[static_cast<std::size_t>(third)], last);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// The person wins a trick, marks his own lead and a computer's answer, then leads another suit:
// the computer's mark is given up (the pane's word on it gives way to the trick's end at once).
TEST_F(NextTrickChoiceTest, LeadingAnotherSuitGivesUpTheComputersMarks) {
    StartTheGame(0);
    for (int trick = 0; trick < 9; ++trick) {
        UpToTheNextTrickEnd();
        if (g_Game.TrickWinner == 2) break;
        Press(IDC_CONTINUE);
    }
    ASSERT_EQ(g_Game.TrickWinner, 2) << "the person wins a trick";
    const int lead = Cards(2, NO_CARD, true).front();
    std::vector<int> otherSuit;
    for (int card : Cards(2, NO_CARD, true))
        if (GetCardSuit(card, true) != GetCardSuit(lead, true)) otherSuit.push_back(card);
    ASSERT_FALSE(otherSuit.empty());
    ClickCard(lead);
    const int answer = Cards(0, lead, true).front();
    ClickCard(answer);
    ASSERT_EQ(Marked(0), answer);
    Press(IDC_CONTINUE);
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameTrickPlay().PersonMayPlay(); }, 60000));
    EXPECT_EQ(Person().PickedCard, lead);
    EXPECT_EQ(Frame().GameObject().Player(0)->PickedCard, answer);
    ClickCard(otherSuit.front());
    EXPECT_EQ(Frame().GameObject().Player(0)->PickedCard, 0);
    EXPECT_EQ(Frame().GameObject().Player(1)->PickedCard, 0);
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

// With suggestions off there is nothing to choose under the continue bar: every key on the table,
// Esc among them, shows "Unzulässige Aktion" and marks no card; Esc also hands the keys to the bar.
TEST_F(NextTrickChoiceTest, WithoutSuggestionsEveryKeyUnderTheContinueBarIsRefused) {
    StartTheGame(0);
    UpToTheNextTrickEnd();
    ASSERT_EQ(IDS_ILLEGAL_ACTION, 41092);
    const struct {
        const char* name;
        int key;
    } keys[] = {{"Esc", VK_ESCAPE}, {"Up", VK_UP}, {"Right", VK_RIGHT}, {"Enter", VK_RETURN}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.name);
        Frame().SetStatusPane(0, "");
        ::SetFocus(g_Frame.hTableWnd);
        host_->Key(host_->NowMs() + 10, k.key);
        host_->PumpFor(30);
        EXPECT_EQ(Pane(), Text(IDS_ILLEGAL_ACTION));
        for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(Marked(seat), 0) << seat;
        EXPECT_TRUE(::IsWindow(Frame().Prompts().ContinuePrompt));
        if (k.key == VK_ESCAPE) {
            const HWND focus = ::GetFocus();
            EXPECT_TRUE(focus == Bar() || ::IsChild(Bar(), focus));
        }
    }
    EXPECT_TRUE(reports_.empty()) << reports_.front();
}

}  // namespace

namespace {

// The reasons of the refusals, in both editions.
TEST(NextTrickChoiceTexts, BothEditionsNameTheReasons) {
    struct Text {
        int id;
        const char* german;
        const char* english;
    };
    const Text texts[] = {
        {IDS_WINNER_CARD_REQUIRED, "Karte von Stichgewinner erforderlich!", "Card of winner of trick required!"},
        {IDS_FOLLOW_WINNER_CARD, "Karte des Stichgewinners muß bedient werden!", "Card of winner of trick must be followed!"},
        {IDS_FOREHAND_CARD_RELEASED, "Vorhandkarte nicht mehr manipuliert!", "Forehand card no longer manipulated!"},
        {IDS_KEEP_CARD_SUIT, "Kartenfarbe darf nicht gewechselt werden!", "Suit of card must not be changed!"},
    };
    for (const Text& text : texts) {
        platform::SetResources(&GermanResources());
        EXPECT_EQ(platform::LoadString(text.id), text.german) << text.id;
        platform::SetResources(&EnglishResources());
        EXPECT_EQ(platform::LoadString(text.id), text.english) << text.id;
    }
    platform::SetResources(nullptr);
}

}  // namespace
