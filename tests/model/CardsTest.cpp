#include "model/PlayerData.h"
#include "ModelFixture.h"
#include "model/Skat.h"
#include "support/WholeDeal.h"
#include "support/SkatTestAccess.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

class CardsTest : public ModelTest {};

std::vector<int> Present(const CCards& row) {
    std::vector<int> held;
    for (int slot = 0; slot < row.capacity; ++slot)
        if (row.present[slot]) held.push_back(row.cards[slot]);
    return held;
}

TEST_F(CardsTest, SeededDealGivesAllCardsOnceAndRestoreGivesThemBack) {
    for (std::uint32_t seed : {1u, 2u, 77u, 12345u}) {
        SeedRand(seed);
        CSkat game;
        testsupport::DealAll(game);
        std::set<int> all;
        int cardsSeen = 0;
        for (const CCards* row : {static_cast<const CCards*>(game.Player(0)), static_cast<const CCards*>(game.Player(1)),
                                  static_cast<const CCards*>(game.Player(2)), static_cast<const CCards*>(&game)}) {
            EXPECT_TRUE(row->IsComplete());
            for (int card : Present(*row)) {
                EXPECT_TRUE(IsCardCode(card));
                all.insert(card);
                ++cardsSeen;
            }
        }
        EXPECT_EQ(cardsSeen, 32);
        EXPECT_EQ(all.size(), 32u);
        for (int row = 0; row < DECK_SIZE; ++row) EXPECT_EQ(DeckTable[row].taken, 1) << "deck row " << row;

        // The same seed deals the same hands.
        std::vector<int> first = Present(game.Person());
        SeedRand(seed);
        CSkat again;
        testsupport::DealAll(again);
        EXPECT_EQ(Present(again.Person()), first);

        // Playing cards and restoring from the deal gives the dealt hand back, slot for slot.
        CPlayer& person = SkatTestAccess::Person(game);
        person.PlayCard(0);
        person.PlayCard(5);
        person.SetCard(3, Card(ACE, CLUBS));
        person.Restore(true);
        EXPECT_EQ(Present(person), first);
        EXPECT_EQ(person.count, 10);
    }
}

TEST_F(CardsTest, DealStopsWithAReportWhenTheDeckRunsOut) {
    std::vector<std::string> reports;
    SetInternalErrorHandler([&](const std::string& text) { reports.push_back(text); });
    for (int row = 0; row < 26; ++row) DeckTable[row].taken = 1;  // six cards left
    CCards hand("Comp1", 10, false, false);
    hand.Deal();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find("fatal error: no such player (6)\n\n  file:\tCards\n  line:\t"), std::string::npos);
    EXPECT_EQ(hand.count, 6);
    EXPECT_EQ(Present(hand).size(), 6u);
    EXPECT_EQ(hand.cards[6], NO_CARD);
    for (int row = 0; row < DECK_SIZE; ++row) EXPECT_EQ(DeckTable[row].taken, 1) << "deck row " << row;
}

TEST_F(CardsTest, SlotsKeepTheirPlaceWhenCardsLeave) {
    CCards row("Comp1", 10, false, false);
    row.Clear();
    row.count = 0;
    for (int rank = 0; rank < 8; ++rank) row.AddCard(Card(rank, HEARTS));
    row.AddCard(0);   // no card: ignored
    row.AddCard(-1);
    EXPECT_EQ(row.count, 8);
    int played = row.PlayCard(2);
    EXPECT_EQ(played, Card(EIGHT, HEARTS));
    EXPECT_EQ(row.count, 7);
    EXPECT_FALSE(row.HasCard(played));
    EXPECT_EQ(row.FindCard(played), 2);  // the absent slot still names it
    EXPECT_EQ(row.FindCard(Card(ACE, CLUBS)), -1);
    row.SetCard(-1, played);
    EXPECT_TRUE(row.present[2]);
    EXPECT_EQ(row.count, 8);
    // Putting back a card that no absent slot holds changes nothing.
    row.SetCard(-1, Card(ACE, CLUBS));
    EXPECT_EQ(row.count, 8);
    EXPECT_EQ(row.CountPoints(), 30);

    row.Clear();
    EXPECT_EQ(row.count, 8);
    for (int slot = 0; slot < row.capacity; ++slot) {
        EXPECT_EQ(row.cards[slot], NO_CARD);
        EXPECT_FALSE(row.present[slot]);
    }
    EXPECT_EQ(row.rememberedSuit, -1);
    EXPECT_EQ(row.CountPoints(), 0);
}

TEST_F(CardsTest, ForcedCardIsSuspendedAndDroppedByTheCardsPlayed) {
    CCards row("Comp1", 10, false, false);
    row.Clear();
    row.count = 0;
    int forced = Card(ACE, CLUBS);
    for (int card : {forced, Card(TEN, CLUBS), Card(SEVEN, SPADES), Card(KING, HEARTS), Card(JACK, DIAMONDS)})
        row.AddCard(card);

    g_Game.GameType = GAME_HEARTS;
    row.forcedCard = forced;
    row.PlayCard(0);
    EXPECT_EQ(row.forcedCard, -forced);
    row.PlayCard(1);  // a suspended card is dropped by the next card in a suit game
    EXPECT_EQ(row.forcedCard, 0);

    row.forcedCard = forced;
    row.PlayCard(1);  // same suit: kept
    EXPECT_EQ(row.forcedCard, forced);
    row.PlayCard(3);  // a trump: kept
    EXPECT_EQ(row.forcedCard, forced);
    row.PlayCard(2);  // another plain suit: suspended
    EXPECT_EQ(row.forcedCard, -forced);

    g_Game.GameType = GAME_NULL;
    row.forcedCard = -forced;
    row.PlayCard(4);
    EXPECT_EQ(row.forcedCard, -forced);  // in Null it stays
    g_Game.GameType = GAME_REVOLUTION;
    row.forcedCard = forced;
    row.PlayCard(2);  // no suspension in Revolution
    EXPECT_EQ(row.forcedCard, forced);
}

TEST_F(CardsTest, SortChoosesTheTableBySortModeGameAndFlowState) {
    CPlayer hand("Person", 10, true, 2);
    hand.Clear();
    hand.count = 0;
    std::vector<int> cards = {Card(SEVEN, SPADES), Card(ACE, DIAMONDS), Card(JACK, HEARTS), Card(KING, CLUBS),
                              Card(TEN, HEARTS), Card(JACK, CLUBS), Card(NINE, SPADES), Card(QUEEN, HEARTS),
                              Card(ACE, HEARTS), Card(EIGHT, CLUBS)};
    for (int card : cards) hand.AddCard(card);
    hand.dealt = cards;

    auto keysAscending = [&](int table) {
        for (int slot = 0; slot + 1 < hand.capacity; ++slot) {
            if (SortKeyTables[table][hand.cards[slot]] > SortKeyTables[table][hand.cards[slot + 1]]) return false;
            if (SortKeyTables[table][hand.dealt[slot]] > SortKeyTables[table][hand.dealt[slot + 1]]) return false;
        }
        return true;
    };
    const struct {
        int sortMode, gameType, flowState, table;
    } cases[] = {
        {258, GAME_HEARTS, STATE_PLAY, 6},      {258, GAME_HEARTS, STATE_AUCTION, 4},
        {258, GAME_DIAMONDS, STATE_HAND, 7},    {258, GAME_NULL, STATE_PLAY, 9},
        {257, GAME_SPADES, STATE_ASK, 1},       {257, GAME_GRAND, STATE_PLAY, 0},
        {0x201, GAME_NULL, STATE_PLAY, 0},      {0x401, GAME_CLUBS, STATE_PLAY, 8},
        {0x402, GAME_HEARTS, STATE_PLAY, 9},
    };
    for (const auto& c : cases) {
        g_Settings.View.SortMode = c.sortMode;
        g_Game.GameType = c.gameType;
        g_Game.FlowState = c.flowState;
        hand.Sort();
        EXPECT_TRUE(keysAscending(c.table)) << "mode " << c.sortMode << " type " << c.gameType;
        // The present flags travel with their cards.
        EXPECT_EQ(hand.count, 10);
    }
    // A row without a name leaves its dealt cards alone.
    hand.name.clear();
    std::vector<int> dealtBefore = hand.dealt;
    g_Settings.View.SortMode = 258;
    g_Game.FlowState = STATE_AUCTION;
    hand.Sort();
    EXPECT_EQ(hand.dealt, dealtBefore);
}

TEST_F(CardsTest, CopyFromTakesTheOtherRowsCards) {
    CCards skat("", 2, false, false);
    skat.Clear();
    skat.count = 0;
    skat.AddCard(Card(ACE, SPADES));
    skat.AddCard(Card(TEN, SPADES));
    CCards course("", 2, true, false);
    course.Clear();
    course.count = 0;
    course.CopyFrom(skat);
    EXPECT_EQ(Present(course), Present(skat));
    EXPECT_EQ(course.count, 2);
    EXPECT_EQ(course.CountPoints(), 21);
}

// With no card deck on the table a row only walks its layout cursor: the walk answers as the
// slot-by-slot walk did, card by card with a stop look at each slot, for every row shape.
struct LayoutWalk {
    int cursorX, cursorY, cursorSlot, selectedX, selectedY;
    bool operator==(const LayoutWalk&) const = default;
};

LayoutWalk WalkOf(const CCards& row) {
    return {row.cursorX, row.cursorY, row.cursorSlot, row.selectedX, row.selectedY};
}

// Walks the row slot by slot and leaves its cursor and selection as they were.
LayoutWalk SlotBySlotWalk(CCards& row, int mode, bool keepGaps, int first, int last) {
    const LayoutWalk before = WalkOf(row);
    if (last == 0) last = row.capacity - 1;
    row.GetSlotPosition(first);
    const int selected = row.selectionActive ? row.selectedSlot : -1;
    for (int slot = std::max(first, 0); slot <= last && slot < static_cast<int>(row.present.size()); ++slot) {
        if (g_Game.StopFlag == StopState::Requested) break;
        if (!row.present[slot]) {
            if (keepGaps) row.NextLayoutPosition();
            continue;
        }
        if (mode != 1 && slot == selected) {
            row.selectedX = row.cursorX;
            row.selectedY = row.cursorY;
        }
        row.NextLayoutPosition();
    }
    const LayoutWalk after = WalkOf(row);
    row.cursorX = before.cursorX;
    row.cursorY = before.cursorY;
    row.cursorSlot = before.cursorSlot;
    row.selectedX = before.selectedX;
    row.selectedY = before.selectedY;
    return after;
}

TEST_F(CardsTest, APaintWithoutACardDeckWalksTheLayoutAsCardByCard) {
    struct Shape {
        int capacity;
        bool fixedPlaces;
        unsigned gaps;  // bit per slot: the slot is empty
    };
    const Shape shapes[] = {{10, false, 0},     {10, false, 0x001}, {10, false, 0x2A4},
                            {10, false, 0x3FF}, {12, false, 0x801}, {3, true, 0},
                            {3, true, 0x2},     {3, true, 0x5},     {3, true, 0x7}};
    const struct {
        int first, last;
    } ranges[] = {{0, 0}, {2, 0}, {0, 4}, {3, 3}, {-2, 1}, {5, 20}};
    for (const Shape& shape : shapes)
        for (const auto& range : ranges)
            for (int mode : {0, 1, 2})
                for (bool keepGaps : {false, true})
                    for (int selected : {-1, 0, 1, 2, 7})
                        for (StopState stop : {StopState::Running, StopState::Requested}) {
                            CCards row("", shape.capacity, true, shape.fixedPlaces);
                            row.SetLayout(40, 300, 17, -3);
                            row.SetLayoutOffset(5, 2);
                            for (int slot = 0; slot < shape.capacity; ++slot)
                                if (!(shape.gaps >> slot & 1)) row.SetCard(slot, slot + 1);
                            row.selectionActive = selected >= 0;
                            row.selectedSlot = std::max(selected, 0);
                            row.selectedX = row.selectedY = -99;
                            g_Game.StopFlag = stop;
                            const LayoutWalk expected = SlotBySlotWalk(row, mode, keepGaps, range.first, range.last);
                            row.PaintCards(mode, keepGaps, range.first, range.last);
                            EXPECT_EQ(WalkOf(row), expected)
                                << "capacity " << shape.capacity << " gaps " << shape.gaps << " first "
                                << range.first << " last " << range.last << " mode " << mode << " keepGaps "
                                << keepGaps << " selected " << selected << " stop " << static_cast<int>(stop);
                        }
    g_Game.StopFlag = StopState::Running;
}

}  // namespace
