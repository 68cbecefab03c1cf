#include "audio/ClipSignal.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

constexpr int kHalfTaps = 16;          // filter reach on each side, in input samples
constexpr double kCutoffShare = 0.45;  // of the clip rate: a little below its Nyquist frequency
constexpr double kPi = 3.14159265358979323846;

// Blackman window over |x| <= 1.
double Window(double x) { return 0.42 + 0.5 * std::cos(kPi * x) + 0.08 * std::cos(2 * kPi * x); }

// Writes little-endian values and four-letter tags into a header at fixed places.
void PutLe(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) out[at + static_cast<std::size_t>(b)] = static_cast<std::uint8_t>((value >> (8 * b)) & 0xFF);
}
void PutTag(std::vector<std::uint8_t>& out, std::size_t at, const char* tag) {
    for (std::size_t b = 0; b < 4; ++b) out[at + b] = static_cast<std::uint8_t>(tag[b]);
}

}  // namespace

std::vector<std::int16_t> ResampleToClipRate(const std::vector<std::int16_t>& samples, int inputRate) {
    if (samples.empty() || inputRate <= 0) return {};
    if (inputRate == VOICE_CLIP_RATE) return samples;
    // Output sample n lies at input position n * up / down; the fractional parts repeat every `up`
    // samples, so the filter is worked out once per phase.
    const int divisor = std::gcd(inputRate, VOICE_CLIP_RATE);
    const std::int64_t down = inputRate / divisor;
    const std::int64_t up = VOICE_CLIP_RATE / divisor;
    const double cutoff = kCutoffShare * std::min(VOICE_CLIP_RATE, inputRate) / inputRate;  // per input sample
    std::vector<double> kernel(static_cast<std::size_t>(up) * (2 * kHalfTaps));
    for (std::int64_t phase = 0; phase < up; ++phase) {
        const double fraction = static_cast<double>(phase * down % up) / static_cast<double>(up);
        double sum = 0;
        for (int tap = 0; tap < 2 * kHalfTaps; ++tap) {
            const double distance = (tap - kHalfTaps + 1) - fraction;
            const double x = 2 * cutoff * distance;
            const double sinc = std::abs(x) < 1e-12 ? 1.0 : std::sin(kPi * x) / (kPi * x);
            const double value = 2 * cutoff * sinc * Window(distance / kHalfTaps);
            kernel[static_cast<std::size_t>(phase * 2 * kHalfTaps + tap)] = value;
            sum += value;
        }
        // Unity gain for a steady level.
        for (int tap = 0; tap < 2 * kHalfTaps; ++tap) kernel[static_cast<std::size_t>(phase * 2 * kHalfTaps + tap)] /= sum;
    }
    const auto inputCount = static_cast<std::int64_t>(samples.size());
    const std::int64_t outputCount = inputCount * up / down;
    std::vector<std::int16_t> output(static_cast<std::size_t>(outputCount));
    for (std::int64_t n = 0; n < outputCount; ++n) {
        const std::int64_t base = n * down / up;
        const double* taps = kernel.data() + (n % up) * 2 * kHalfTaps;
        double acc = 0;
        for (int tap = 0; tap < 2 * kHalfTaps; ++tap) {
            const std::int64_t at = base + tap - kHalfTaps + 1;
            if (at >= 0 && at < inputCount) acc += taps[tap] * samples[static_cast<std::size_t>(at)];
        }
        output[static_cast<std::size_t>(n)] = static_cast<std::int16_t>(std::clamp(std::lround(acc), -32768L, 32767L));
    }
    return output;
}

std::vector<std::int16_t> TrimAndNormalise(const std::vector<std::int16_t>& samples) {
    constexpr int kMinSamples = VOICE_CLIP_RATE * VOICE_CLIP_MIN_MS / 1000;
    constexpr int kMaxSamples = VOICE_CLIP_RATE * VOICE_CLIP_MAX_MS / 1000;
    constexpr int kMargin = VOICE_CLIP_RATE / 50;  // 20 ms kept around the speech
    constexpr double kTargetPeak = 0.89 * 32767;
    int peak = 0;
    for (std::int16_t sample : samples) peak = std::max(peak, std::abs(int{sample}));
    if (peak == 0) return std::vector<std::int16_t>(kMinSamples, 0);
    // Step 1: the speech runs from the first to the last sample above 2 % of the peak.
    const int threshold = std::max(1, peak / 50);
    const auto loud = [&](std::int16_t sample) { return std::abs(int{sample}) > threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const std::ptrdiff_t begin = std::max<std::ptrdiff_t>(0, (first - samples.begin()) - kMargin);
    const std::ptrdiff_t end =
        std::min<std::ptrdiff_t>(static_cast<std::ptrdiff_t>(samples.size()), (last - samples.begin()) + kMargin);
    // Step 2: a common loudness.
    const double gain = kTargetPeak / peak;
    std::vector<std::int16_t> clip;
    clip.reserve(static_cast<std::size_t>(std::max<std::ptrdiff_t>(end - begin, kMinSamples)));
    for (std::ptrdiff_t at = begin; at < end && static_cast<int>(clip.size()) < kMaxSamples; ++at)
        clip.push_back(static_cast<std::int16_t>(std::lround(samples[static_cast<std::size_t>(at)] * gain)));
    // Step 3: a very short word still lasts the shortest clip.
    if (static_cast<int>(clip.size()) < kMinSamples) clip.resize(kMinSamples, 0);
    return clip;
}

std::vector<std::uint8_t> MakeClipImage(const std::vector<std::int16_t>& samples) {
    constexpr std::size_t kHeaderBytes = 44;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> image(kHeaderBytes + dataBytes);
    PutTag(image, 0, "RIFF");
    PutLe(image, 4, 36 + dataBytes, 4);
    PutTag(image, 8, "WAVE");
    PutTag(image, 12, "fmt ");
    PutLe(image, 16, 16, 4);
    PutLe(image, 20, 1, 2);  // PCM
    PutLe(image, 22, 1, 2);  // mono
    PutLe(image, 24, VOICE_CLIP_RATE, 4);
    PutLe(image, 28, VOICE_CLIP_RATE * 2, 4);
    PutLe(image, 32, 2, 2);
    PutLe(image, 34, 16, 2);
    PutTag(image, 36, "data");
    PutLe(image, 40, dataBytes, 4);
    for (std::size_t i = 0; i < samples.size(); ++i)
        PutLe(image, kHeaderBytes + 2 * i, static_cast<std::uint16_t>(samples[i]), 2);
    return image;
}
