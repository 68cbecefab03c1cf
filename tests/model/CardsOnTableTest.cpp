// Card rows on a table window of the headless host: where each slot lies, painting and dealing on the
// virtual clock, opening and closing, the person's selection.
#include "model/ModelFixture.h"

#include "flow/FrameGlobals.h"
#include "model/PlayerData.h"
#include "model/Trick.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "platform/headless/RecordingDC.h"
#include "platform/headless/TavloPictures.h"
#include "shell/ProgramHooks.h"
#include "shell/ShellGlobals.h"
#include "tavlo/Table.h"
#include "tavlo/Tavlo.h"

#include <functional>
#include <memory>
#include <vector>

namespace {

// The table window; a test can hook its timers (a stop request arriving during a slide).
class TableWindow : public platform::Window {
public:
    std::function<void(WPARAM)> onTimer;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER && onTimer) {
            onTimer(wParam);
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
};

class CardsOnTableTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        g_Shell.Reset();
        g_Frame.Reset();
        InstallProgramHooks();
        tavlo::ResetAll();
        tavlo::SetCardPictures(&sizes);
        host.SetSurfaceFactory([this](HWND) -> platform::DeviceContext* { return &surface; });
        platform::CreateParams params;
        params.rect = {0, 0, 1280, 960};
        params.visible = true;
        ASSERT_TRUE(window.Create(params));
        table = window.Handle();
        g_Frame.hTableWnd = table;
        WC_NewCardDeck(table);
    }
    void TearDown() override {
        tavlo::ResetAll();
        tavlo::SetCardPictures(nullptr);
        g_Shell.Reset();
        g_Frame.Reset();
        ModelTest::TearDown();
    }

    // Fills every slot of the row with the cards 1, 7, 8, ... (distinct card codes).
    static void Fill(CCards& row) {
        row.count = 0;
        static constexpr int kCodes[] = {1, 7, 8, 9, 10, 11, 12, 13, 14, 20, 21, 22};
        for (int slot = 0; slot < row.capacity; ++slot) row.SetCard(slot, kCodes[slot]);
    }
    static void Take(CCards& row, std::initializer_list<int> slots) {
        for (int slot : slots) row.RemoveCard(slot, true);
    }
    platform::Point Where(int card) const { return {WC_GetCardX(table, card), WC_GetCardY(table, card)}; }
    bool Dealt(int card) const { return WC_IsCardDealt(table, card) != 0; }
    bool ShownFaceUp(int card) const { return tavlo::FindTable(table)->cards->deck.IsFaceUp(card); }

    platform::HeadlessHost host;
    platform::TavloSizesOnly sizes;
    platform::RecordingDC surface{platform::Size{1280, 960}};
    TableWindow window;
    HWND table = nullptr;
};

// A hand that has played three cards is centred on the seven it holds, and without keepGaps the
// cards close up; with keepGaps each card keeps its slot's place. Both the person's row (steps to
// the right) and a computer's (steps right and up) are centred along their step.
TEST_F(CardsOnTableTest, AHandOfSevenIsCentredAndClosesUp) {
    struct Case {
        int dx, dy;
    };
    for (const Case c : {Case{81, 0}, Case{8, -22}}) {
        CCards hand("Person", 10, true, false);
        hand.SetLayout(100, 400, c.dx, c.dy);
        hand.SetLayoutOffset(-6, 5);
        Fill(hand);
        Take(hand, {2, 5, 9});
        ASSERT_EQ(hand.count, 7);

        hand.PaintCards(0, false);
        const int startX = 100 + 3 * c.dx / 2 - 6, startY = 400 + 3 * c.dy / 2 + 5;
        int place = 0;
        for (int slot = 0; slot < 10; ++slot) {
            if (!hand.present[slot]) {
                EXPECT_FALSE(Dealt(hand.cards[slot])) << slot;
                continue;
            }
            const platform::Point expected{startX + place * c.dx, startY + place * c.dy};
            EXPECT_EQ(Where(hand.cards[slot]), expected) << "dx " << c.dx << " slot " << slot;
            ++place;
        }
        EXPECT_EQ(place, 7);

        hand.PaintCards(0, true);
        for (int slot : {0, 4, 8}) {
            const platform::Point expected{startX + slot * c.dx, startY + slot * c.dy};
            EXPECT_EQ(Where(hand.cards[slot]), expected) << "keepGaps, slot " << slot;
            EXPECT_EQ(hand.GetSlotPosition(slot), expected) << slot;
        }
        hand.RemoveCards(false);
    }
}

// The trick: seat 0 left, seat 1 right, seat 2 centred below; each card keeps its seat's place
// whichever cards are there, and the painting agrees with GetSlotPosition.
TEST_F(CardsOnTableTest, TheTrickPutsEachSeatOnItsOwnPlace) {
    CTrick trick("", 3, true, true);
    trick.SetLayout(300, 200, 90, 110);
    trick.SetLayoutOffset(-4, -6);
    const platform::Point places[3] = {{296, 194}, {386, 194}, {341, 310}};
    for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(trick.GetSlotPosition(seat), places[seat]) << seat;
    // A negative slot is the bare origin.
    EXPECT_EQ(trick.GetSlotPosition(-1), (platform::Point{300, 200}));

    const int seatCards[3] = {11, 24, 37};
    for (const std::vector<int>& seats : {std::vector<int>{2}, {1, 2}, {0, 2}, {0, 1, 2}}) {
        trick.Reset();
        for (int seat : seats) trick.SetCard(seat, seatCards[seat]);
        trick.PaintCards(0, true);
        for (int seat : seats) {
            EXPECT_EQ(Where(seatCards[seat]), places[seat]) << "seat " << seat << " of " << seats.size();
            EXPECT_TRUE(ShownFaceUp(seatCards[seat]));
        }
    }
}

TEST_F(CardsOnTableTest, ThePilesLieNineStepsAlongTheRow) {
    CCards row("", 10, false, false);
    row.SetLayout(50, 300, 20, -10);
    row.SetLayoutOffset(3, 4);
    EXPECT_EQ(row.GetPilePosition(0), (platform::Point{53, 304 - 90}));
    EXPECT_EQ(row.GetPilePosition(1), (platform::Point{53, 304 - 90}));
    EXPECT_EQ(row.GetPilePosition(2), (platform::Point{53 + 180, 304}));
    EXPECT_EQ(row.GetPilePosition(-1), (platform::Point{50, 300}));
}

// The selection raises a card by 9 pixels and lowers it again, keeping the stacking of the hand.
TEST_F(CardsOnTableTest, SelectionWrapsAndASecondClickLowersTheCard) {
    CPerson person("Person", 10, true, 2);
    person.SetLayout(100, 500, 81, 0);
    Fill(person);
    Take(person, {0, 9});  // slots 1..8 are in the hand
    person.PaintCards(0, true);
    const int first = person.cards[1], last = person.cards[8];
    const platform::Point firstPlace = Where(first), lastPlace = Where(last);
    const int aboveFirst = WC_GetSuccCardDealt(table, first, 0, 0);

    // By card: the last card of the hand goes up.
    EXPECT_EQ(person.SelectCard(3, last, false), 8);
    EXPECT_EQ(Where(last), (platform::Point{lastPlace.x, lastPlace.y - 9}));
    EXPECT_EQ(g_Game.LastRaisedCard, last);

    // Next from the last card: back to the first card of the hand; the last one comes down.
    EXPECT_EQ(person.SelectCard(2, 0, false), 1);
    EXPECT_EQ(Where(last), lastPlace);
    EXPECT_EQ(Where(first), (platform::Point{firstPlace.x, firstPlace.y - 9}));
    EXPECT_EQ(WC_GetSuccCardDealt(table, first, 0, 0), aboveFirst);
    EXPECT_TRUE(person.IsSelectedCard(first));

    // A repaint keeps the raised card up.
    person.RemoveCards(false);
    person.PaintCards(0, true);
    EXPECT_EQ(Where(first), (platform::Point{firstPlace.x, firstPlace.y - 9}));

    // The raised card clicked again comes down, and nothing is raised any more.
    EXPECT_EQ(person.SelectCard(3, first, false), 1);
    EXPECT_EQ(Where(first), firstPlace);
    EXPECT_FALSE(person.selectionActive);
    EXPECT_EQ(g_Game.LastRaisedCard, 0);

    // Previous from the first card wraps to the last card of the hand.
    EXPECT_EQ(person.SelectCard(1, 0, false), 8);
    EXPECT_EQ(Where(last), (platform::Point{lastPlace.x, lastPlace.y - 9}));
    // Deselecting lowers it and raises nothing.
    EXPECT_EQ(person.SelectCard(5, 0, false), -1);
    EXPECT_EQ(Where(last), lastPlace);
    EXPECT_FALSE(person.selectionActive);
}

TEST_F(CardsOnTableTest, SelectionModeSixSwallowsTheNextCallOnly) {
    CPerson person("Person", 10, true, 2);
    person.SetLayout(100, 500, 81, 0);
    Fill(person);
    person.PaintCards();
    EXPECT_EQ(person.SelectCard(6, 0, false), -1);
    EXPECT_EQ(person.SelectCard(3, person.cards[4], false), -1);
    EXPECT_FALSE(person.selectionActive);
    EXPECT_EQ(person.SelectCard(3, person.cards[4], false), 4);

    // An empty row never selects.
    CPerson empty("Person", 10, true, 2);
    EXPECT_EQ(empty.SelectCard(2, 0, false), -1);
}

// A card that has left the hand since it was raised is not pulled back down in its new place.
TEST_F(CardsOnTableTest, ACardPlayedWhileRaisedStaysWhereItWasPlayed) {
    CPerson person("Person", 10, true, 2);
    person.SetLayout(100, 500, 81, 0);
    Fill(person);
    person.PaintCards();
    ASSERT_EQ(person.SelectCard(3, person.cards[3], false), 3);
    const int played = person.cards[3];
    person.RemoveCard(3, true);
    WC_DealCard(table, played, 400, 300);  // now in the trick
    EXPECT_EQ(person.SelectCard(2, 0, false), 4);
    EXPECT_EQ(Where(played), (platform::Point{400, 300}));
}

// Redraw(1) turns a hand face up, except a Null Ouvert under variant rules that keeps it closed.
TEST_F(CardsOnTableTest, RedrawShowsTheHandUnlessNullOuvertStaysClosed) {
    struct Case {
        int variantMode, nullOuvert;
        bool shown;
    };
    for (const Case c : {Case{1, 1, false}, Case{1, 0, true}, Case{0, 1, true}, Case{2, 1, true}}) {
        g_Game.VariantMode = c.variantMode;
        g_Settings.Variants.NullOuvert = c.nullOuvert;
        CComputer soloist("Comp1", 10, false, 0);
        soloist.SetLayout(40, 300, 8, -22);
        Fill(soloist);
        soloist.PaintCards();
        ASSERT_FALSE(ShownFaceUp(soloist.cards[0]));
        soloist.Redraw(true);
        EXPECT_EQ(soloist.faceUp, c.shown) << c.variantMode << "/" << c.nullOuvert;
        for (int slot = 0; slot < 10; ++slot) {
            EXPECT_EQ(ShownFaceUp(soloist.cards[slot]), c.shown) << c.variantMode << "/" << c.nullOuvert;
            EXPECT_TRUE(Dealt(soloist.cards[slot]));
        }
        soloist.RemoveCards(true);
        for (int slot = 0; slot < 10; ++slot) EXPECT_FALSE(Dealt(soloist.cards[slot]));
        EXPECT_EQ(soloist.count, 0);
    }
}

TEST_F(CardsOnTableTest, OpenAndCloseTurnTheRowInPlace) {
    CComputer computer("Comp2", 10, false, 1);
    computer.SetLayout(700, 300, -8, -22);
    Fill(computer);
    computer.PaintCards();
    const platform::Point place = Where(computer.cards[5]);
    computer.OpenCards();
    EXPECT_TRUE(ShownFaceUp(computer.cards[5]));
    EXPECT_EQ(Where(computer.cards[5]), place);
    computer.CloseCards();
    EXPECT_FALSE(ShownFaceUp(computer.cards[5]));
    EXPECT_EQ(Where(computer.cards[5]), place);
    // Every card shown open: even a closed row.
    g_Game.AllCardsOpen = 1;
    computer.RemoveCards(false);
    computer.PaintCards();
    EXPECT_TRUE(ShownFaceUp(computer.cards[0]));
}

// A stop request ends the painting of a row at once, even in the middle of it; while the computers
// bid among themselves (-1) the row is painted whole.
TEST_F(CardsOnTableTest, PaintingStopsInTheMiddleOfTheRowOnAStopRequest) {
    g_Settings.Delay.Deal = 100;
    CCards hand("Person", 10, true, false);
    hand.SetLayout(100, 500, 81, 0);
    Fill(hand);
    // The request comes 250 ms in, during the third card's slide.
    window.onTimer = [&](WPARAM id) {
        KillTimer(table, id);
        g_Game.StopFlag = StopState::Requested;
    };
    SetTimer(table, 9, 250);
    g_Game.PauseLevel = 1;
    hand.PaintCards(1);
    for (int slot = 0; slot < 10; ++slot) EXPECT_EQ(Dealt(hand.cards[slot]), slot < 3) << slot;
    EXPECT_EQ(Where(hand.cards[2]), hand.GetSlotPosition(2));
    EXPECT_EQ(g_Game.PauseLevel, 1);

    struct Case {
        StopState stopFlag;
        int dealt;
    };
    for (const Case c : {Case{StopState::Requested, 0}, Case{StopState::Auction, 10}, Case{StopState::Running, 10}}) {
        hand.RemoveCards(false);
        g_Game.StopFlag = c.stopFlag;
        hand.PaintCards(0);
        int dealt = 0;
        for (int slot = 0; slot < 10; ++slot) dealt += Dealt(hand.cards[slot]) ? 1 : 0;
        EXPECT_EQ(dealt, c.dealt) << "StopFlag " << static_cast<int>(c.stopFlag);
    }
}

// Dealing slides every card to its place over Delay/Deal, one after the other; the pause level is 0
// while the row is painted and comes back afterwards.
TEST_F(CardsOnTableTest, DealingSlidesCardByCardOverTheDealDelay) {
    struct Case {
        int delay;
        std::int64_t lasts;
    };
    for (const Case c : {Case{100, 1000}, Case{35, 350}, Case{0, 0}}) {
        g_Settings.Delay.Deal = c.delay;
        CCards hand("Comp1", 10, false, false);
        hand.SetLayout(40, 300, 8, -22);
        Fill(hand);
        int pauseSeen = -1;
        window.onTimer = [&](WPARAM id) {
            KillTimer(table, id);
            pauseSeen = g_Game.PauseLevel;
        };
        if (c.delay) SetTimer(table, 9, 50);
        g_Game.PauseLevel = 2;
        const std::int64_t start = host.NowMs();
        hand.PaintCards(1);
        EXPECT_EQ(host.NowMs() - start, c.lasts) << c.delay;
        EXPECT_EQ(g_Game.PauseLevel, 2);
        if (c.delay) {
            EXPECT_EQ(pauseSeen, 0);
        }
        for (int slot = 0; slot < 10; ++slot) {
            EXPECT_EQ(Where(hand.cards[slot]), hand.GetSlotPosition(slot)) << slot;
            EXPECT_FALSE(ShownFaceUp(hand.cards[slot]));
        }
        hand.RemoveCards(false);
    }
}

// A card dealt into a slot from a place on the table: shown as asked, then sliding there with the
// delay of its target.
TEST_F(CardsOnTableTest, DealSlotSlidesWithTheDelayOfItsTarget) {
    g_Settings.Delay.Deal = 40;
    g_Settings.Delay.Play = 70;
    g_Settings.Delay.Swap = 130;
    struct Case {
        int target;
        bool faceUp;
        std::int64_t lasts;
        bool arrives;
    };
    for (const Case c : {Case{1, true, 40, true}, Case{2, true, 70, true}, Case{3, false, 130, true},
                         Case{0, true, 0, true}, Case{-1, false, 0, false}}) {
        CTrick trick("", 3, true, true);
        trick.SetLayout(300, 200, 90, 110);
        trick.SetCard(2, 30);
        const std::int64_t start = host.NowMs();
        trick.DealSlot(2, 600, 650, c.target, c.faceUp);
        EXPECT_EQ(host.NowMs() - start, c.lasts) << c.target;
        EXPECT_EQ(ShownFaceUp(30), c.faceUp) << c.target;
        const platform::Point place = c.arrives ? trick.GetSlotPosition(2) : platform::Point{600, 650};
        EXPECT_EQ(Where(30), place) << c.target;
    }
}

// Gathering the trick: every card to one point, sliding with Delay/Play unless dealing is instant.
TEST_F(CardsOnTableTest, DealAllGathersTheTrick) {
    CTrick trick("", 3, true, true);
    trick.SetLayout(300, 200, 90, 110);
    for (int seat = 0; seat < 3; ++seat) trick.SetCard(seat, 40 + seat);
    struct Case {
        int deal;
        std::int64_t lasts;
    };
    g_Settings.Delay.Play = 60;
    for (const Case c : {Case{100, 180}, Case{0, 0}}) {
        g_Settings.Delay.Deal = c.deal;
        trick.PaintCards(0, true);
        const std::int64_t start = host.NowMs();
        trick.DealAll(20, 30);
        EXPECT_EQ(host.NowMs() - start, c.lasts);
        for (int seat = 0; seat < 3; ++seat) EXPECT_EQ(Where(40 + seat), (platform::Point{20, 30})) << seat;
    }
}

// Where the dealing animation of a row starts, moved with the zoom.
TEST_F(CardsOnTableTest, DealCardStartsAboveTheSlot) {
    g_Frame.ZoomExtraWidth = 120;
    g_Frame.ZoomExtraHeight = 90;
    CCards skat("", 2, false, false);
    skat.count = 0;
    skat.SetLayout(400, 50, 81, 0);
    skat.DealCard(1, 5 + 8);
    EXPECT_EQ(skat.count, 1);
    EXPECT_TRUE(skat.present[1]);
    EXPECT_EQ(Where(13), (platform::Point{400 + 81 - 20, 50 - 90}));
    EXPECT_FALSE(ShownFaceUp(13));

    CTrick trick("", 3, true, true);
    trick.Reset();
    trick.SetLayout(300, 200, 90, 110);
    const platform::Point starts[3] = {{300 - 20, 200 - 30}, {390 - 20, 200 - 30}, {345, 310}};
    for (int slot = 0; slot < 3; ++slot) {
        trick.DealCardToPile(slot, 20 + slot);
        EXPECT_EQ(Where(20 + slot), starts[slot]) << slot;
        EXPECT_TRUE(ShownFaceUp(20 + slot));
    }
    EXPECT_EQ(trick.count, 3);
}

// After an expose only the present cards come back, each where it lies.
TEST_F(CardsOnTableTest, RelayoutKeepsEveryCardWhereItLies) {
    CCards hand("Person", 10, true, false);
    hand.SetLayout(100, 500, 81, 0);
    Fill(hand);
    hand.PaintCards();
    std::vector<platform::Point> before;
    for (int slot = 0; slot < 10; ++slot) before.push_back(Where(hand.cards[slot]));
    const int taken = hand.cards[0];
    hand.RemoveCard(0, true);
    WC_RemoveCard(table, taken);
    hand.Relayout({0, 0, 1280, 960});
    EXPECT_FALSE(Dealt(taken));
    for (int slot = 1; slot < 10; ++slot) EXPECT_EQ(Where(hand.cards[slot]), before[slot]) << slot;
}

TEST_F(CardsOnTableTest, HitTestCoversTheTrickArea) {
    CTrick trick("", 3, true, true);
    trick.SetLayout(300, 200, 90, 110);
    struct Case {
        int x, y;
        bool hit;
    };
    for (const Case c : {Case{300, 200, true}, Case{460, 405, true}, Case{461, 200, false},
                         Case{300, 406, false}, Case{299, 250, false}, Case{350, 199, false}})
        EXPECT_EQ(trick.HitTest(c.x, c.y), c.hit) << c.x << "," << c.y;
}

// A table window without a card deck (the computer playing on its own) draws nothing, yet every row
// walks its layout as on a table with one: the cursor, the raised card's place, the slots taken
// out. The same steps, with and without the deck, leave each row in the same state.
TEST_F(CardsOnTableTest, WithoutACardDeckARowKeepsTheLayoutAndSelectionItWouldHave) {
    struct RowState {
        int cursorX, cursorY, cursorSlot, selectedX, selectedY, count;
        bool operator==(const RowState&) const = default;
    };
    auto play = [this](std::vector<RowState>& states) {
        CPerson person("Person", 10, true, 2);
        person.SetLayout(100, 500, 81, 0);
        person.SetLayoutOffset(-6, 5);
        Fill(person);
        auto note = [&] {
            states.push_back(
                {person.cursorX, person.cursorY, person.cursorSlot, person.selectedX, person.selectedY, person.count});
        };
        person.PaintCards(1);
        note();
        ASSERT_EQ(person.SelectCard(3, person.cards[6], false), 6);
        for (bool keepGaps : {false, true}) {
            for (int mode : {0, 1, 2}) {
                person.PaintCards(mode, keepGaps);
                note();
            }
        }
        person.PaintCards(0, false, 2, 5);
        note();
        person.PlayCard(2);
        note();
        person.RemoveCard(8, true);
        person.PaintCards(0, true);
        note();
        person.RemoveCards(true);
        note();
    };
    ASSERT_EQ(WC_HasCardDeck(table), 1);
    std::vector<RowState> drawn;
    play(drawn);
    ASSERT_EQ(WC_DeleteCardDeck(table), 1);
    ASSERT_EQ(WC_HasCardDeck(table), 0);
    std::vector<RowState> undrawn;
    play(undrawn);
    ASSERT_EQ(drawn.size(), undrawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) EXPECT_TRUE(drawn[i] == undrawn[i]) << "step " << i;
    EXPECT_EQ(undrawn.back().count, 0);
    EXPECT_NE(drawn[7].selectedX, drawn[8].selectedX);  // a card played moves the raised card along
}

}  // namespace
