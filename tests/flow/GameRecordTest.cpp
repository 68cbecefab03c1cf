// The game record's Ramsch pushes: counted in order, and the last pushed skat is the skat of the
// line.
#include <gtest/gtest.h>

#include <string>

#include "flow/GameRecord.h"
#include "model/CardCodes.h"

namespace {

std::string Field(const std::string& line, const std::string& name) {
    const std::size_t at = line.find(" " + name + "=");
    if (at == std::string::npos) return "<none>";
    const std::size_t start = at + name.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

TEST(GameRecord, EachRamschPushIsKeptAndTheLastOneIsTheSkat) {
    CGameRecord record;
    record.gameType = GAME_RAMSCH;
    record.dealtSkat[0] = CardCodeOf(SEVEN, CLUBS);
    record.dealtSkat[1] = CardCodeOf(ACE, HEARTS);
    record.NotePush(1, CardCodeOf(JACK, SPADES), CardCodeOf(TEN, DIAMONDS));
    record.NotePush(2, CardCodeOf(KING, HEARTS), CardCodeOf(EIGHT, CLUBS));
    ASSERT_EQ(record.pushes.size(), 2u);
    EXPECT_EQ(record.pushes[0].seat, 1);
    EXPECT_EQ(record.pushes[0].cards[0], CardCodeOf(JACK, SPADES));
    EXPECT_EQ(record.pushes[1].seat, 2);
    EXPECT_EQ(record.pushes[1].cards[1], CardCodeOf(EIGHT, CLUBS));
    const std::string line = FormatGameLine(record, 7);
    EXPECT_EQ(Field(line, "decl"), "-:ramsch,push2");
    EXPECT_EQ(Field(line, "skat"), "HK,C8");
}

TEST(GameRecord, ARamschWithoutPushShowsNoCount) {
    CGameRecord record;
    record.gameType = GAME_RAMSCH;
    record.skat[0] = CardCodeOf(SEVEN, CLUBS);
    record.skat[1] = CardCodeOf(ACE, HEARTS);
    const std::string line = FormatGameLine(record, 7);
    EXPECT_EQ(Field(line, "decl"), "-:ramsch");
    EXPECT_EQ(Field(line, "skat"), "C7,HA");
    record.Clear();
    EXPECT_TRUE(record.pushes.empty());
    EXPECT_EQ(record.passOns, 0);
}

}  // namespace
