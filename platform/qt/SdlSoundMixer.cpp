#include "platform/qt/SdlSoundMixer.h"

#include <algorithm>

namespace platform {

namespace {

bool HasSamples(const SoundSamples& samples) { return samples && !samples->empty(); }

}  // namespace

void SdlSoundMixer::PlayEffect(SoundSamples samples) {
    m_effect = HasSamples(samples) ? Voice{std::move(samples), 0} : Voice{};
}

void SdlSoundMixer::PlayLoop(SoundSamples samples) {
    m_loop = HasSamples(samples) ? Voice{std::move(samples), 0} : Voice{};
}

void SdlSoundMixer::StopLoop() { m_loop = Voice{}; }

bool SdlSoundMixer::QueueClip(SoundSamples samples) {
    if (!HasSamples(samples)) return true;  // nothing to hear, nothing refused
    if (m_clips.size() >= kMaxQueuedClips) return false;
    m_clips.push_back({std::move(samples), 0});
    return true;
}

void SdlSoundMixer::SetVolume(float volume) { m_volume = std::clamp(volume, 0.0f, 1.0f); }

bool SdlSoundMixer::IsSilent() const { return !m_effect.samples && !m_loop.samples && m_clips.empty(); }

void SdlSoundMixer::Mix(float* out, std::size_t count) {
    std::fill(out, out + count, 0.0f);
    // The one-shot effect: ends with its last sample.
    if (m_effect.samples) {
        const std::vector<float>& samples = *m_effect.samples;
        const std::size_t n = std::min(count, samples.size() - m_effect.position);
        for (std::size_t i = 0; i < n; ++i) out[i] += samples[m_effect.position + i];
        m_effect.position += n;
        if (m_effect.position == samples.size()) m_effect = Voice{};
    }
    // The loop: starts over at its end.
    if (m_loop.samples) {
        const std::vector<float>& samples = *m_loop.samples;
        for (std::size_t i = 0; i < count; ++i) {
            out[i] += samples[m_loop.position];
            if (++m_loop.position == samples.size()) m_loop.position = 0;
        }
    }
    // The clips: the next one starts in the same buffer where the last one ended.
    for (std::size_t i = 0; i < count && !m_clips.empty();) {
        Voice& clip = m_clips.front();
        const std::vector<float>& samples = *clip.samples;
        const std::size_t n = std::min(count - i, samples.size() - clip.position);
        for (std::size_t k = 0; k < n; ++k) out[i + k] += samples[clip.position + k];
        clip.position += n;
        i += n;
        if (clip.position == samples.size()) m_clips.pop_front();
    }
    for (std::size_t i = 0; i < count; ++i) out[i] = std::clamp(out[i] * m_volume, -1.0f, 1.0f);
}

}  // namespace platform
