// The built-in clips: one valid, audible clip for every term, edition and speaker, shared where the
// terms say the same. (The synthesizer's exact samples differ between versions and are not tested.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "audio/ClipSignal.h"
#include "audio/VoiceClips.h"
#include "audio/VoiceSynthesizer.h"
#include "audio/VoiceTerms.h"
#include "platform/core/WaveFormat.h"

namespace {

std::uint32_t Le32(const VoiceClip& clip, std::size_t at) {
    return clip[at] | (clip[at + 1] << 8) | (clip[at + 2] << 16) | (std::uint32_t{clip[at + 3]} << 24);
}

TEST(VoiceClipsTest, EveryTermOfBothEditionsInEveryVoiceIsAnAudibleClip) {
    ASSERT_FALSE(SynthesizeVoiceSamples("Hallo", 0, 0).empty()) << "espeak-ng and its data are installed by scripts/setup-deps.sh";
    for (int edition = 0; edition < 2; ++edition)
        for (int speaker = 0; speaker < VOICE_SPEAKER_COUNT; ++speaker)
            for (int term = 0; term < VOICE_TERM_COUNT; ++term) {
                const VoiceClip* clip = VoiceClipTable(term, speaker, edition);
                ASSERT_NE(clip, nullptr);
                SCOPED_TRACE(::testing::Message() << "term " << term << " speaker " << speaker << " edition " << edition);
                ASSERT_GE(clip->size(), 44u);
                EXPECT_EQ(clip->size(), Le32(*clip, 4) + 8);
                const auto format = platform::ReadWaveFormat(*clip);
                ASSERT_TRUE(format.has_value());
                EXPECT_EQ(format->channels, 1);
                EXPECT_EQ(format->sampleRate, 8000);
                EXPECT_EQ(format->bitsPerSample, 16);
                EXPECT_GE(format->LengthMs(), VOICE_CLIP_MIN_MS);
                EXPECT_LE(format->LengthMs(), VOICE_CLIP_MAX_MS);
                int peak = 0;
                double energy = 0;
                const std::size_t count = (clip->size() - 44) / 2;
                for (std::size_t i = 0; i < count; ++i) {
                    const auto sample = static_cast<std::int16_t>((*clip)[44 + 2 * i] | ((*clip)[45 + 2 * i] << 8));
                    peak = std::max(peak, std::abs(int{sample}));
                    energy += static_cast<double>(sample) * sample;
                }
                EXPECT_GT(peak, 16000);
                EXPECT_GT(std::sqrt(energy / static_cast<double>(count)), 1000.0);
            }
}

TEST(VoiceClipsTest, EntriesThatSayTheSameHoldTheSameImage) {
    for (int speaker = 0; speaker < VOICE_SPEAKER_COUNT; ++speaker) {
        EXPECT_EQ(VoiceClipTable(23, speaker, 0), VoiceClipTable(2, speaker, 0));  // 72 and 22
        EXPECT_EQ(VoiceClipTable(TERM_EIGHT, speaker, 1), VoiceClipTable(14, speaker, 1));
        EXPECT_EQ(VoiceClipTable(TERM_OF_CLUBS, speaker, 0), VoiceClipTable(TERM_CLUBS, speaker, 0));
        EXPECT_NE(VoiceClipTable(TERM_OF_CLUBS, speaker, 1), VoiceClipTable(TERM_CLUBS, speaker, 1));
        EXPECT_NE(VoiceClipTable(0, speaker, 0), VoiceClipTable(1, speaker, 0));
    }
    EXPECT_EQ(VoiceClipTable(130, 0, 0), nullptr);
    EXPECT_EQ(VoiceClipTable(0, 6, 0), nullptr);
    EXPECT_EQ(VoiceClipTable(0, 0, 2), nullptr);
}

TEST(VoiceClipsTest, EachSpeakerSoundsDifferent) {
    for (int edition = 0; edition < 2; ++edition)
        for (int a = 0; a < VOICE_SPEAKER_COUNT; ++a)
            for (int b = a + 1; b < VOICE_SPEAKER_COUNT; ++b)
                EXPECT_NE(*VoiceClipTable(TERM_WELCOME, a, edition), *VoiceClipTable(TERM_WELCOME, b, edition))
                    << a << " and " << b;
}

TEST(ClipSignalTest, ResamplingKeepsASlowToneAndRemovesOneAboveTheNewNyquistFrequency) {
    // One second at 22050 Hz: 440 Hz passes, 6000 Hz (above 4000 Hz) is filtered out.
    auto tone = [](double hertz) {
        std::vector<std::int16_t> samples(22050);
        for (std::size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<std::int16_t>(10000 * std::sin(2 * 3.14159265358979 * hertz * static_cast<double>(i) / 22050));
        return samples;
    };
    auto rms = [](const std::vector<std::int16_t>& samples) {
        double energy = 0;
        for (std::size_t i = 100; i + 100 < samples.size(); ++i) energy += static_cast<double>(samples[i]) * samples[i];
        return std::sqrt(energy / static_cast<double>(samples.size() - 200));
    };
    const auto low = ResampleToClipRate(tone(440), 22050);
    const auto high = ResampleToClipRate(tone(6000), 22050);
    EXPECT_EQ(low.size(), 8000u);
    EXPECT_NEAR(rms(low), 7071, 150);
    EXPECT_LT(rms(high), 200);
}

TEST(ClipSignalTest, TrimmingCutsTheSilenceAndKeepsTheShortestLength) {
    std::vector<std::int16_t> samples(8000, 0);
    for (int i = 3000; i < 5000; ++i) samples[static_cast<std::size_t>(i)] = i % 2 ? 1000 : -1000;
    const auto trimmed = TrimAndNormalise(samples);
    EXPECT_EQ(trimmed.size(), 2000u + 2 * 160u);  // the speech and 20 ms either side
    EXPECT_EQ(*std::max_element(trimmed.begin(), trimmed.end()), 29163);  // raised to 0.89 of full scale
    EXPECT_EQ(TrimAndNormalise(std::vector<std::int16_t>(100, 0)).size(), 1600u);
    EXPECT_EQ(TrimAndNormalise(std::vector<std::int16_t>(40000, 5000)).size(), 24000u);
}

}  // namespace

namespace {

// Texts and arguments outside their ranges give no speech.
TEST(VoiceSynthesizerTest, BadArgumentsGiveNothing) {
    EXPECT_FALSE(VoiceClipTable(TERM_WELCOME, 3, 1)->empty());
    EXPECT_FALSE(SynthesizeVoiceSamples("Hallo", 0, 0).empty());
    EXPECT_TRUE(SynthesizeVoiceSamples("", 0, 0).empty());
    EXPECT_TRUE(SynthesizeVoiceSamples("Hallo", 2, 0).empty());
    EXPECT_TRUE(SynthesizeVoiceSamples("Hallo", 0, 6).empty());
}

}  // namespace
