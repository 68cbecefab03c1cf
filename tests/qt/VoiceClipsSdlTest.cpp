// The built-in voice clips as the real output takes them: every clip of both editions decodes and
// is queued on SDL's dummy driver, and a voice reports how long it will sound.
#include <gtest/gtest.h>

#include <memory>

#include "../platform/FileTestSupport.h"
#include "audio/VoiceClips.h"
#include "audio/VoiceTerms.h"
#include "platform/qt/SdlSound.h"

using namespace platform;

namespace {

TEST(VoiceClipsOnSdl, EveryClipDecodesAndIsStarted) {
    testsupport::ScopedEnvironment driver("SDL_AUDIODRIVER", std::string("dummy"));
    int clips = 0, started = 0;
    std::unique_ptr<SdlSound> sound;
    for (int edition = 0; edition < VOICE_LANGUAGE_COUNT; ++edition)
        for (int speaker = 0; speaker < VOICE_SPEAKER_COUNT; ++speaker)
            for (int term = 0; term < VOICE_TERM_COUNT; ++term) {
                if (VoiceClipOwner(term, edition) != term) continue;
                // A fresh output every few clips: the clip queue holds only so many.
                if (clips % 30 == 0) {
                    if (sound) started += sound->SoundsStarted();
                    sound.reset();  // one device at a time
                    sound = std::make_unique<SdlSound>();
                    ASSERT_TRUE(sound->HasDevice());
                }
                const VoiceClip& clip = *VoiceClipTable(term, speaker, edition);
                EXPECT_GT(sound->PlayVoice(clip), 150) << term << " " << speaker << " " << edition;
                ++clips;
            }
    started += sound->SoundsStarted();
    EXPECT_EQ(clips, 6 * (92 + 96));
    EXPECT_EQ(started, clips);
}

TEST(VoiceClipsOnSdl, WithoutADeviceAVoiceTakesNoTime) {
    testsupport::ScopedEnvironment driver("SDL_AUDIODRIVER", std::string("no-such-driver"));
    SdlSound sound;
    EXPECT_EQ(sound.PlayVoice(*VoiceClipTable(TERM_WELCOME, 0, 0)), 0);
    EXPECT_EQ(sound.PlayVoiceFile("/nonexistent.wav"), 0);
    EXPECT_EQ(sound.SoundsStarted(), 0);
}

}  // namespace
