#pragma once
// platform::SdlSound: tavlo's sound output on the first audio device, through SDL2's audio alone
// (no SDL video). The device is opened at the first sound, not at start: opening it reaches the
// sound server, which must not hold up the first paint of the window. WAVE clips and files are
// decoded with SDL and converted to one format; the built-in effects are synthesized in code;
// SdlSoundMixer mixes them on SDL's audio thread. Without a sound device (or a usable SDL audio
// driver) it stays silent: every call is accepted and does nothing. Sounds that cannot be read (a
// missing file, a damaged clip, longer than kMaxSoundSeconds) are skipped.

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/qt/SdlSoundMixer.h"
#include "tavlo/SoundOutput.h"

namespace platform {

class SdlSound final : public tavlo::SoundOutput {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kMaxSoundSeconds = 120;

    SdlSound();
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Whether there is a device to play on (false: silent); opens it when nothing did yet.
    bool HasDevice() { return DeviceReady(); }

    void PlayEffect(int effect, bool loop) override;
    void PlayFile(const std::string& path, bool loop) override;
    void PlayClip(std::span<const std::uint8_t> wave) override;
    void StopLoop() override;
    // Voices join the clip queue, files included; each reports how long it will sound (0 when it
    // will not: no device, unreadable, a full queue).
    std::int64_t PlayVoice(std::span<const std::uint8_t> wave) override;
    std::int64_t PlayVoiceFile(const std::string& path) override;
    // 0 silent .. 1 full.
    void SetVolume(double volume);

    // How many sounds went to the device, and how many were skipped (unreadable, too long, a full
    // clip queue, no device): for the trace and for tests.
    int SoundsStarted() const { return m_started; }
    int SoundsSkipped() const { return m_skipped; }

private:
    enum class Target { Effect, Loop, Clip };

    // Opens the device at the first call; whether it is open.
    bool DeviceReady();
    static void Callback(void* self, std::uint8_t* stream, int length);
    // Decodes a WAVE image or file (SDL_RWops) into the mixer's format; null when unreadable.
    SoundSamples DecodeWave(void* source) const;
    // Hands the samples over; whether the mixer took them.
    bool Hand(Target target, SoundSamples samples);
    std::int64_t HandVoice(SoundSamples samples);

    std::uint32_t m_device = 0;
    bool m_openTried = false;
    bool m_audioInitialised = false;
    SdlSoundMixer m_mixer;  // touched by the audio thread: only under the device lock
    std::vector<SoundSamples> m_effects;  // synthesized on first use
    int m_started = 0;
    int m_skipped = 0;
};

}  // namespace platform
