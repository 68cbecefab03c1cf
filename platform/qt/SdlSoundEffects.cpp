#include "platform/qt/SdlSoundEffects.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace platform {

namespace {

// One piece of an effect: a tone gliding from one pitch to another, noise, or both, under an
// envelope with a short attack and an exponential fall.
struct Segment {
    double seconds = 0.1;
    double fromHz = 0;   // 0: no tone
    double toHz = 0;
    double noise = 0;    // share of noise, 0..1
    bool square = false; // a harsh square wave instead of a sine
    double decay = 8.0;  // fall per second (higher: shorter)
};

class EffectWriter {
public:
    explicit EffectWriter(int rate) : rate_(rate) {}

    void Add(const Segment& s) {
        const auto count = static_cast<std::size_t>(s.seconds * rate_);
        const double attack = 0.003 * rate_;
        double phase = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / rate_;
            const double hz = s.fromHz + (s.toHz - s.fromHz) * (static_cast<double>(i) / count);
            phase += 2 * std::numbers::pi * hz / rate_;
            double tone = 0;
            if (s.fromHz > 0) tone = s.square ? (std::sin(phase) >= 0 ? 0.6 : -0.6) : std::sin(phase);
            const double sample = tone * (1 - s.noise) + NextNoise() * s.noise;
            double envelope = std::exp(-s.decay * t);
            if (i < attack) envelope *= i / attack;
            // A few milliseconds of fade at the end keep the cut from clicking.
            const double left = static_cast<double>(count - i);
            if (left < attack) envelope *= left / attack;
            samples_.push_back(static_cast<float>(0.5 * envelope * sample));
        }
    }
    void Pause(double seconds) { samples_.resize(samples_.size() + static_cast<std::size_t>(seconds * rate_), 0.0f); }
    std::vector<float> Take() { return std::move(samples_); }

private:
    double NextNoise() {
        noise_ = noise_ * 1664525u + 1013904223u;
        return static_cast<double>(noise_ >> 8) / static_cast<double>(1u << 23) - 1.0;
    }

    int rate_;
    std::uint32_t noise_ = 0x2545F491u;
    std::vector<float> samples_;
};

}  // namespace

std::vector<float> SynthesizeSoundEffect(int effect, int sampleRate) {
    if (effect < 0 || effect >= kSoundEffectCount || sampleRate < 8000) return {};
    EffectWriter w(sampleRate);
    switch (effect) {
        case 0:  // balloon: bid - a bright rising blip
            w.Add({0.09, 880, 1320, 0, false, 12});
            break;
        case 1:  // balloon: pass - a soft falling blip
            w.Add({0.12, 660, 440, 0, false, 10});
            break;
        case 2:  // invalid card - a low buzz
            w.Add({0.18, 150, 140, 0, true, 4});
            break;
        case 3:  // button - a click
            w.Add({0.004, 0, 0, 1.0, false, 0});
            w.Add({0.025, 1500, 1500, 0, false, 90});
            break;
        case 4:  // deal - a card flicked off the deck
            w.Add({0.06, 0, 0, 1.0, false, 40});
            break;
        case 5:  // remove cards - cards swept together
            w.Add({0.16, 300, 120, 0.85, false, 12});
            break;
        case 6:  // play card - a card laid down
            w.Add({0.04, 220, 160, 0.6, false, 50});
            break;
        case 7:  // game broken off - three falling tones
            for (double hz : {600.0, 500.0, 400.0}) {
                w.Add({0.09, hz, hz, 0, false, 8});
                w.Pause(0.02);
            }
            break;
        case 8:  // game won - a rising major arpeggio
            for (double hz : {523.25, 659.25, 783.99, 1046.5}) w.Add({0.09, hz, hz, 0, false, 6});
            break;
        case 9:  // game lost - a falling minor line
            for (double hz : {392.0, 311.13, 261.63}) w.Add({0.14, hz, hz, 0, false, 5});
            break;
        case 10:  // undo / redo - two quick tones
            w.Add({0.05, 1000, 1000, 0, false, 20});
            w.Add({0.05, 800, 800, 0, false, 20});
            break;
        default:
            break;
    }
    return w.Take();
}

}  // namespace platform
