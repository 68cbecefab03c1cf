#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "platform/FileTestSupport.h"
#include "platform/headless/TavloSound.h"
#include "tavlo/SoundApi.h"
#include "tavlo/SoundOutput.h"

namespace {

using Played = platform::TavloSoundRecorder::Played;

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp.Path().empty());
        folder = temp.Path();
        tavlo::SetSoundOutput(&recorder);
        // The program passes the folder the way it builds it, with a trailing backslash.
        Sound_Path((folder.string() + "\\").c_str());
    }
    void TearDown() override {
        tavlo::SetSoundOutput(nullptr);
        Sound_Path("");
    }
    testsupport::TempFolder temp{"tavlo-sound-"};
    std::filesystem::path folder;
    platform::TavloSoundRecorder recorder;
};

TEST_F(SoundTest, AnEffectPlaysItsReplacementFileOnlyWhenAskedAndPresent) {
    std::ofstream(folder / "Sound5.wav") << "RIFF";
    Sound_PlayInt(5, 1);
    Sound_PlayInt(5, 0);
    Sound_PlayInt(6, 1);  // no file: the built-in sound
    const std::vector<Played> expected{
        {Played::Kind::File, -1, (folder / "Sound5.wav").string(), 0, false},
        {Played::Kind::Effect, 5, {}, 0, false},
        {Played::Kind::Effect, 6, {}, 0, false},
    };
    EXPECT_EQ(recorder.PlayedSounds(), expected);
}

TEST_F(SoundTest, TheDealingLoopRunsUntilEndAndNumbersOutsideTheRangePlayNothing) {
    Sound_Loop(4, 0);
    Sound_End();
    Sound_PlayInt(11, 0);
    Sound_PlayInt(-1, 1);
    const std::vector<Played> expected{
        {Played::Kind::Effect, 4, {}, 0, true},
        {Played::Kind::Stop, -1, {}, 0, false},
    };
    EXPECT_EQ(recorder.PlayedSounds(), expected);
}

TEST_F(SoundTest, VoiceClipsAndFilesPlayInCallOrder) {
    // A RIFF image of 8 + 36 bytes: its length comes from the header, not from the buffer.
    std::vector<std::uint8_t> clip{'R', 'I', 'F', 'F', 36, 0, 0, 0, 'W', 'A', 'V', 'E'};
    clip.resize(64, 0);
    Sound_PlayExt(clip.data(), 0);
    Sound_PlayExt("Voices\\Herz.wav", 1);
    const std::vector<std::uint8_t> notAClip(16, 'x');
    Sound_PlayExt(notAClip.data(), 0);
    Sound_PlayExt(nullptr, 0);
    const std::vector<Played> expected{
        {Played::Kind::Clip, -1, {}, 44, false},
        {Played::Kind::File, -1, "Voices/Herz.wav", 0, false},
    };
    EXPECT_EQ(recorder.PlayedSounds(), expected);
}

TEST_F(SoundTest, EveryEffectHasItsOwnName) {
    std::set<std::string> names;
    for (int effect = 0; effect <= 10; ++effect) names.insert(Sound_Term(effect));
    EXPECT_EQ(names.size(), 11u);
    EXPECT_EQ(names.count(""), 0u);
    EXPECT_STREQ(Sound_Term(11), "");
    EXPECT_STREQ(Sound_Term(-1), "");
}

TEST_F(SoundTest, WithoutAnOutputNothingFails) {
    tavlo::SetSoundOutput(nullptr);
    Sound_PlayInt(3, 1);
    Sound_Loop(4, 1);
    Sound_End();
    Sound_PlayExt("x.wav", 1);
    EXPECT_TRUE(recorder.PlayedSounds().empty());
}

}  // namespace
