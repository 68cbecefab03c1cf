#pragma once
// platform::SdlSoundMixer: what the sound output hears at each moment, as plain sample arithmetic
// (mono floats at one rate), so that it can be checked without a device. Three voices sound
// together: the effect played last (a new one replaces it), the looping sound (until stopped or
// replaced) and the voice clips, one after another in the order they came.

#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

namespace platform {

using SoundSamples = std::shared_ptr<const std::vector<float>>;

class SdlSoundMixer {
public:
    // Clips waiting beyond this many are refused: a flood of speech would only ever lag behind.
    static constexpr std::size_t kMaxQueuedClips = 32;

    void PlayEffect(SoundSamples samples);
    void PlayLoop(SoundSamples samples);
    void StopLoop();
    // False when the queue is full.
    bool QueueClip(SoundSamples samples);
    // 0 silent .. 1 full; outside values are clamped.
    void SetVolume(float volume);
    float Volume() const { return m_volume; }

    // Fills `out` with the next `count` samples, each clamped to -1..1.
    void Mix(float* out, std::size_t count);
    // Whether nothing plays or waits to play.
    bool IsSilent() const;

private:
    struct Voice {
        SoundSamples samples;
        std::size_t position = 0;
    };

    Voice m_effect;
    Voice m_loop;
    std::deque<Voice> m_clips;
    float m_volume = 1.0f;
};

}  // namespace platform
