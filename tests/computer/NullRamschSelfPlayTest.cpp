// Self-play of Null, Null Ouvert, Revolution, Ramsch and Ramsch with Durchmarsch aims over a few
// thousand seeds each: every served card held and allowed, none replaced by the closing check,
// -1 only after an accepted give-up, the cards in agreement after every trick.

#include "SelfPlayHarness.h"

#include "ComputerTestSupport.h"

namespace {

struct SelfPlayCase {
    const char* name;
    int type;
    int ouvert;
    int variantMode;
    int nullOuvertSetting;
    bool aims;
    std::uint32_t firstSeed;
};

// A failing case names itself, not its bytes.
void PrintTo(const SelfPlayCase& c, std::ostream* out) { *out << c.name; }

class NullRamschSelfPlayTest : public ComputerTest, public ::testing::WithParamInterface<SelfPlayCase> {
protected:
    void TearDown() override { g_ComputerFrame.Reset(); }
};

TEST_P(NullRamschSelfPlayTest, EveryServedCardIsHeldAndAllowed) {
    const SelfPlayCase c = GetParam();
    int gaveUp = 0;
    for (int i = 0; i < 2000; ++i) {
        SelfPlayOptions options;
        options.seed = c.firstSeed + static_cast<std::uint32_t>(i);
        options.gameType = c.type;
        options.ouvert = c.ouvert;
        options.variantMode = c.variantMode;
        options.nullOuvertSetting = c.nullOuvertSetting;
        options.hand = i % 2;
        options.kontra = i % 3 == 0 ? 2 : 1;
        options.abandonAnswer = i % 2;
        options.durchmarschSeat = c.aims ? i % 3 : -1;
        const SelfPlayResult result = PlaySelfGame(options);
        ASSERT_TRUE(result.ok) << c.name << " seed " << options.seed << ": " << result.fault;
        ASSERT_EQ(result.replacedCards, 0) << c.name << " seed " << options.seed;
        // A Null game ends with the soloist's first trick; every other game plays ten tricks
        // unless a defender gave it up.
        ASSERT_TRUE(result.gaveUp || result.tricks == 10 || c.type == GAME_NULL || c.type == GAME_REVOLUTION)
            << c.name << " seed " << options.seed;
        gaveUp += result.gaveUp ? 1 : 0;
    }
    // Open Null hands are given up now and then, and only when the answer accepts.
    if (c.type != GAME_RAMSCH && c.ouvert) {
        EXPECT_GT(gaveUp, 0) << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Types, NullRamschSelfPlayTest,
    ::testing::Values(SelfPlayCase{"Null", GAME_NULL, 0, 0, 0, false, 100001},
                      SelfPlayCase{"NullOuvertOfficial", GAME_NULL, 1, 0, 0, false, 110001},
                      SelfPlayCase{"NullOuvertVariantWithheld", GAME_NULL, 1, 1, 1, false, 120001},
                      SelfPlayCase{"NullOuvertVariantOpen", GAME_NULL, 1, 1, 0, false, 130001},
                      SelfPlayCase{"Revolution", GAME_REVOLUTION, 1, 0, 0, false, 140001},
                      SelfPlayCase{"Ramsch", GAME_RAMSCH, 0, 0, 0, false, 150001},
                      SelfPlayCase{"RamschDurchmarschAims", GAME_RAMSCH, 0, 0, 0, true, 160001}),
    [](const ::testing::TestParamInfo<SelfPlayCase>& info) { return std::string(info.param.name); });

}  // namespace
