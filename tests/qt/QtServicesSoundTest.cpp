// The SDL sound output: the mixer's arithmetic, the synthesized effects, and the output itself on
// SDL's dummy driver and with no driver at all. Nothing here needs a sound device or waits.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

#include <SDL.h>

#include "../platform/FileTestSupport.h"
#include "platform/qt/SdlSound.h"
#include "platform/qt/SdlSoundEffects.h"
#include "platform/qt/SdlSoundMixer.h"

using namespace platform;

namespace {

SoundSamples Samples(std::vector<float> values) {
    return std::make_shared<const std::vector<float>>(std::move(values));
}

std::vector<float> Mixed(SdlSoundMixer& mixer, std::size_t count) {
    std::vector<float> out(count, 99.0f);
    mixer.Mix(out.data(), count);
    return out;
}

using V = std::vector<float>;

TEST(SoundMixer, EffectsReplaceEachOtherAndEndWithTheirLastSample) {
    SdlSoundMixer mixer;
    EXPECT_TRUE(mixer.IsSilent());
    EXPECT_EQ(Mixed(mixer, 3), (V{0, 0, 0})) << "silence, whatever the buffer held";

    mixer.PlayEffect(Samples({0.1f, 0.2f, 0.3f}));
    EXPECT_EQ(Mixed(mixer, 2), (V{0.1f, 0.2f}));
    mixer.PlayEffect(Samples({0.5f, 0.4f}));
    EXPECT_EQ(Mixed(mixer, 4), (V{0.5f, 0.4f, 0, 0})) << "the new effect cut the old one off";
    EXPECT_TRUE(mixer.IsSilent());

    mixer.PlayEffect(Samples({}));
    mixer.PlayEffect(nullptr);
    EXPECT_TRUE(mixer.IsSilent());
}

TEST(SoundMixer, LoopRepeatsUntilStoppedUnderTheEffect) {
    SdlSoundMixer mixer;
    mixer.PlayLoop(Samples({0.1f, 0.2f}));
    EXPECT_EQ(Mixed(mixer, 5), (V{0.1f, 0.2f, 0.1f, 0.2f, 0.1f}));
    mixer.PlayEffect(Samples({0.25f}));
    const V both = Mixed(mixer, 2);
    EXPECT_FLOAT_EQ(both[0], 0.45f) << "effect and loop sound together";
    EXPECT_FLOAT_EQ(both[1], 0.1f);
    mixer.StopLoop();
    EXPECT_TRUE(mixer.IsSilent());
    EXPECT_EQ(Mixed(mixer, 2), (V{0, 0}));
    mixer.StopLoop();  // harmless when none plays
}

TEST(SoundMixer, ClipsFollowOneAnotherAcrossBuffers) {
    SdlSoundMixer mixer;
    ASSERT_TRUE(mixer.QueueClip(Samples({0.1f, 0.2f, 0.3f})));
    ASSERT_TRUE(mixer.QueueClip(Samples({0.4f, 0.5f})));
    EXPECT_EQ(Mixed(mixer, 2), (V{0.1f, 0.2f}));
    EXPECT_EQ(Mixed(mixer, 2), (V{0.3f, 0.4f})) << "the next clip starts where the last ended";
    EXPECT_EQ(Mixed(mixer, 3), (V{0.5f, 0, 0}));
    EXPECT_TRUE(mixer.IsSilent());

    for (std::size_t i = 0; i < SdlSoundMixer::kMaxQueuedClips; ++i) ASSERT_TRUE(mixer.QueueClip(Samples({0.1f})));
    EXPECT_FALSE(mixer.QueueClip(Samples({0.1f}))) << "a full queue refuses";
}

TEST(SoundMixer, VolumeScalesAndTheSumIsClamped) {
    SdlSoundMixer mixer;
    mixer.SetVolume(0.5f);
    mixer.PlayEffect(Samples({0.8f, -0.4f}));
    EXPECT_EQ(Mixed(mixer, 2), (V{0.4f, -0.2f}));

    mixer.SetVolume(7.0f);
    EXPECT_FLOAT_EQ(mixer.Volume(), 1.0f);
    mixer.PlayEffect(Samples({0.9f, -0.9f}));
    mixer.PlayLoop(Samples({0.9f, -0.9f}));
    EXPECT_EQ(Mixed(mixer, 2), (V{1.0f, -1.0f})) << "loud sums are clipped, never wrapped";

    mixer.SetVolume(-1.0f);
    EXPECT_EQ(Mixed(mixer, 2), (V{0, 0}));
}

TEST(SoundEffects, ElevenShortDistinctSoundsWithoutClicks) {
    constexpr int kRate = SdlSound::kSampleRate;
    std::vector<std::vector<float>> effects;
    for (int effect = 0; effect < kSoundEffectCount; ++effect) {
        std::vector<float> samples = SynthesizeSoundEffect(effect, kRate);
        ASSERT_FALSE(samples.empty()) << effect;
        EXPECT_LE(samples.size(), static_cast<std::size_t>(kRate)) << "under a second: " << effect;
        float peak = 0;
        for (float s : samples) peak = std::max(peak, std::fabs(s));
        EXPECT_GT(peak, 0.05f) << "audible: " << effect;
        EXPECT_LE(peak, 1.0f) << effect;
        EXPECT_LT(std::fabs(samples.front()), 0.01f) << "starts from silence: " << effect;
        EXPECT_LT(std::fabs(samples.back()), 0.01f) << "ends in silence: " << effect;
        EXPECT_EQ(SynthesizeSoundEffect(effect, kRate), samples) << "the same every time: " << effect;
        effects.push_back(std::move(samples));
    }
    for (std::size_t a = 0; a < effects.size(); ++a)
        for (std::size_t b = a + 1; b < effects.size(); ++b) EXPECT_NE(effects[a], effects[b]) << a << " and " << b;

    EXPECT_TRUE(SynthesizeSoundEffect(-1, kRate).empty());
    EXPECT_TRUE(SynthesizeSoundEffect(kSoundEffectCount, kRate).empty());
    EXPECT_TRUE(SynthesizeSoundEffect(0, 100).empty());
}

// A RIFF/WAVE image of 16-bit mono samples.
std::vector<std::uint8_t> Wave(int rate, const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> bytes;
    const auto text = [&](const char* t) { bytes.insert(bytes.end(), t, t + 4); };
    const auto le = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    text("RIFF");
    le(36 + dataBytes, 4);
    text("WAVE");
    text("fmt ");
    le(16, 4);
    le(1, 2);  // PCM
    le(1, 2);  // mono
    le(static_cast<std::uint32_t>(rate), 4);
    le(static_cast<std::uint32_t>(rate) * 2, 4);
    le(2, 2);
    le(16, 2);
    text("data");
    le(dataBytes, 4);
    for (std::int16_t s : samples) le(static_cast<std::uint16_t>(s), 2);
    return bytes;
}

TEST(SdlSoundOutput, PlaysAndStopsOnTheDummyDriver) {
    testsupport::ScopedEnvironment driver("SDL_AUDIODRIVER", std::string("dummy"));
    testsupport::TempFolder folder;
    const std::vector<std::uint8_t> clip = Wave(22050, std::vector<std::int16_t>(2205, 8000));
    std::ofstream(folder.File("Sound4.wav"), std::ios::binary).write(reinterpret_cast<const char*>(clip.data()),
                                                                   static_cast<std::streamsize>(clip.size()));

    SdlSound sound;
    ASSERT_TRUE(sound.HasDevice());
    for (int effect = 0; effect < kSoundEffectCount; ++effect) sound.PlayEffect(effect, false);
    sound.PlayEffect(4, true);
    sound.PlayClip(clip);
    sound.PlayFile(folder.File("Sound4.wav"), true);
    sound.SetVolume(0.3);
    sound.StopLoop();
    EXPECT_EQ(sound.SoundsStarted(), kSoundEffectCount + 3);
    EXPECT_EQ(sound.SoundsSkipped(), 0);

    // What cannot be read is skipped, quietly.
    const std::uint8_t garbage[] = {'R', 'I', 'F', 'F', 0xFF, 0xFF, 0xFF, 0x7F, 'W', 'A', 'V', 'E', 1, 2, 3};
    sound.PlayClip(garbage);
    sound.PlayClip({});
    std::vector<std::uint8_t> truncated = clip;
    truncated.resize(30);
    sound.PlayClip(truncated);
    sound.PlayFile(folder.File("missing.wav"), false);
    sound.PlayFile("", true);
    sound.PlayEffect(kSoundEffectCount, false);
    sound.PlayEffect(-1, true);
    EXPECT_EQ(sound.SoundsStarted(), kSoundEffectCount + 3);
    EXPECT_EQ(sound.SoundsSkipped(), 7);
}

TEST(SdlSoundOutput, OpensNoAudioUntilTheFirstSound) {
    testsupport::ScopedEnvironment driver("SDL_AUDIODRIVER", std::string("dummy"));
    ASSERT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    SdlSound sound;
    sound.SetVolume(0.5);
    sound.StopLoop();
    sound.PlayClip({});  // nothing to play opens nothing
    sound.PlayEffect(kSoundEffectCount, false);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    sound.PlayEffect(0, false);
    EXPECT_NE(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    EXPECT_TRUE(sound.HasDevice());
    EXPECT_EQ(sound.SoundsStarted(), 1);
    EXPECT_EQ(sound.SoundsSkipped(), 2);
}

TEST(SdlSoundOutput, WithoutADeviceEverythingIsSilentAndHarmless) {
    testsupport::ScopedEnvironment driver("SDL_AUDIODRIVER", std::string("no-such-driver"));
    SdlSound sound;
    EXPECT_FALSE(sound.HasDevice());
    sound.PlayEffect(0, false);
    sound.PlayEffect(3, true);
    sound.PlayClip(Wave(8000, {1, 2, 3}));
    sound.PlayFile("/nonexistent.wav", false);
    sound.StopLoop();
    sound.SetVolume(1.0);
    EXPECT_EQ(sound.SoundsStarted(), 0);
    EXPECT_EQ(sound.SoundsSkipped(), 4);
}

}  // namespace
