// The gate of the sound effects as a table: master switch, each effect's switch and file bit.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "audio/SoundEffects.h"
#include "model/Settings.h"
#include "platform/FileTestSupport.h"
#include "platform/headless/TavloSound.h"
#include "tavlo/SoundApi.h"

namespace {

using Played = platform::TavloSoundRecorder::Played;
using Kind = Played::Kind;

struct GateCase {
    const char* name;
    std::uint32_t word;
    int effect;
    bool loop;
    std::vector<Played> expected;
};

// A failing case names itself, not its bytes.
void PrintTo(const GateCase& c, std::ostream* out) { *out << c.name; }

class SoundEffectGateTest : public ::testing::TestWithParam<GateCase> {
protected:
    void SetUp() override { tavlo::SetSoundOutput(&recorder); }
    void TearDown() override {
        tavlo::SetSoundOutput(nullptr);
        g_Settings = CSettings{};
    }
    platform::TavloSoundRecorder recorder;
};

TEST_P(SoundEffectGateTest, PlaysWhatTheSettingsLet) {
    g_Settings.Audio.Sound = static_cast<int>(GetParam().word);
    PlayGatedSoundEffect(GetParam().effect, GetParam().loop);
    EXPECT_EQ(recorder.PlayedSounds(), GetParam().expected);
}

constexpr std::uint32_t kAllOn = 0x013FFFFFu;
constexpr std::uint32_t kOn = 1u << 24;

INSTANTIATE_TEST_SUITE_P(
    Table, SoundEffectGateTest,
    ::testing::Values(
        GateCase{"MasterOffPlaysNothing", 0x003FFFFFu, 3, false, {}},
        GateCase{"MasterOffNotEvenAStop", 0x003FFFFFu, -1, false, {}},
        GateCase{"DealLoopsFromFileWhenAllOn", kAllOn, 4, true, {{Kind::Effect, 4, {}, 0, true}}},
        GateCase{"DealOffTheLoopIsSilent", kAllOn & ~(1u << 8), 4, true, {}},
        GateCase{"DealOffTheStopStillPasses", kAllOn & ~(1u << 8), -1, false, {{Kind::Stop, -1, {}, 0, false}}},
        GateCase{"BuiltInWithoutTheFileBit", kOn | (1u << 12), 6, false, {{Kind::Effect, 6, {}, 0, false}}},
        GateCase{"EffectElevenPlaysNothing", 0xFFFFFFFFu, 11, false, {}},
        GateCase{"UndoAlone", kOn | (1u << 20), 10, false, {{Kind::Effect, 10, {}, 0, false}}},
        GateCase{"UndoOffOthersOn", kOn | 0x000FFFFFu, 10, false, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SoundEffectFileTest, EffectFivePlaysItsReplacementFileWhenItsFileBitIsSet) {
    const testsupport::TempFolder temp("kartovan-sound-gate-");
    ASSERT_FALSE(temp.Path().empty());
    const std::filesystem::path folder = temp.Path();
    std::ofstream(folder / "Sound5.wav") << "RIFF";
    platform::TavloSoundRecorder recorder;
    tavlo::SetSoundOutput(&recorder);
    Sound_Path((folder.string() + "/").c_str());
    g_Settings.Audio.Sound = static_cast<int>(kOn | (1u << 10) | (1u << 11));
    PlayGatedSoundEffect(5, false);
    g_Settings.Audio.Sound = static_cast<int>(kOn | (1u << 10));
    PlayGatedSoundEffect(5, false);
    const std::vector<Played> expected{{Kind::File, -1, (folder / "Sound5.wav").string(), 0, false},
                                       {Kind::Effect, 5, {}, 0, false}};
    EXPECT_EQ(recorder.PlayedSounds(), expected);
    tavlo::SetSoundOutput(nullptr);
    Sound_Path("");
    g_Settings = CSettings{};
}

TEST(SoundFlagTest, OneBitPerEffectAndStopsPassEverything) {
    EXPECT_EQ(SoundFlag(0), 1u);
    EXPECT_EQ(SoundFlag(2), 1u << 4);
    EXPECT_EQ(SoundFlag(10), 1u << 20);
    EXPECT_EQ(SoundFlag(11), 0u);
    EXPECT_EQ(SoundFlag(-1), 0xFFFFFFFFu);
}

}  // namespace
