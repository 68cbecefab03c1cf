#pragma once
// Turning the synthesizer's speech into a voice clip: resampled to the clips' 8000 Hz through a
// low-pass filter, the silence before and after cut off, brought to a common loudness, and wrapped
// as a RIFF/WAVE image (PCM, mono, 16 bits).

#include <cstdint>
#include <vector>

constexpr int VOICE_CLIP_RATE = 8000;
constexpr int VOICE_CLIP_MIN_MS = 200;
constexpr int VOICE_CLIP_MAX_MS = 3000;

// Resamples mono 16-bit speech from `inputRate` to VOICE_CLIP_RATE with a windowed-sinc low-pass
// filter below the new Nyquist frequency, so nothing folds back into the hearing range.
std::vector<std::int16_t> ResampleToClipRate(const std::vector<std::int16_t>& samples, int inputRate);
// Cuts the quiet lead-in and tail (below a small share of the peak, keeping a short margin), raises
// the peak to a common level, and pads or cuts to VOICE_CLIP_MIN_MS..VOICE_CLIP_MAX_MS.
std::vector<std::int16_t> TrimAndNormalise(const std::vector<std::int16_t>& samples);
// The WAVE image of clip samples at VOICE_CLIP_RATE; its size is the RIFF length + 8.
std::vector<std::uint8_t> MakeClipImage(const std::vector<std::int16_t>& samples);
