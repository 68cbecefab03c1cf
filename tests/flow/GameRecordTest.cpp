// The game line of a Ramsch: how often the skat was pushed on, and the skat as it lay at the first
// card (the last one pushed).
#include <gtest/gtest.h>

#include <string>

#include "GameLine.h"
#include "model/CardCodes.h"

namespace {

std::string Field(const std::string& line, const std::string& name) {
    const std::size_t at = line.find(" " + name + "=");
    if (at == std::string::npos) return "<none>";
    const std::size_t start = at + name.size() + 2;
    return line.substr(start, line.find(' ', start) - start);
}

TEST(GameRecord, ThePushCountAndTheLastPushedSkatAreInTheLine) {
    CGameRecord record;
    record.gameType = GAME_RAMSCH;
    record.dealtSkat[0] = CardCodeOf(SEVEN, CLUBS);
    record.dealtSkat[1] = CardCodeOf(ACE, HEARTS);
    record.passOns = 2;
    record.skat[0] = CardCodeOf(KING, HEARTS);
    record.skat[1] = CardCodeOf(EIGHT, CLUBS);
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
    record.passOns = 1;
    record.Clear();
    EXPECT_EQ(record.passOns, 0);
}

}  // namespace
