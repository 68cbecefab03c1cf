// The card names tests write hands in: every card has one name that reads back to it, and a word
// that names no card stops the test instead of dealing some other card.
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

#include "support/CardNames.h"

namespace {

TEST(CardNames, EveryCardReadsBackFromItsName) {
    std::set<int> codes;
    for (const char* suit : {"C", "S", "H", "D"}) {
        for (const char* rank : {"A", "T", "K", "Q", "J", "9", "8", "7"}) {
            const std::string name = std::string(suit) + rank;
            const int card = testsupport::CardOf(name);
            EXPECT_TRUE(IsCardCode(card)) << name;
            EXPECT_EQ(testsupport::NameOf(card), name);
            codes.insert(card);
        }
    }
    EXPECT_EQ(codes.size(), 32u);
    EXPECT_EQ(testsupport::CardOf("CJ"), CardCodeOf(JACK, CLUBS));
    EXPECT_EQ(testsupport::CardOf("D7"), CardCodeOf(SEVEN, DIAMONDS));
    EXPECT_EQ(testsupport::CardOf("HT"), CardCodeOf(TEN, HEARTS));
    EXPECT_EQ(testsupport::NameOf(NO_CARD), "--");
}

TEST(CardNames, AHandKeepsTheOrderWritten) {
    EXPECT_EQ(testsupport::CardsOf("  CJ SJ\tHA  D7 "),
              (std::vector<int>{CardCodeOf(JACK, CLUBS), CardCodeOf(JACK, SPADES), CardCodeOf(ACE, HEARTS),
                                CardCodeOf(SEVEN, DIAMONDS)}));
    EXPECT_TRUE(testsupport::CardsOf("").empty());
}

TEST(CardNames, AWordThatNamesNoCardIsRefused) {
    for (const char* hand : {"CX", "XA", "C", "CJJ", "cj", "CJ S", "CJ, SJ", "10H"})
        EXPECT_THROW(testsupport::CardsOf(hand), std::invalid_argument) << hand;
}

}  // namespace
