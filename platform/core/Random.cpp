#include "platform/core/Random.h"

namespace platform {

void RandomSource::Seed(std::uint32_t seed) {
    // Spread the seed over the whole state through the generator's own mixing step, so that nearby
    // seeds give unrelated sequences (a plain multiple of the step would make seed s + 1 the
    // sequence of seed s one draw later).
    std::uint64_t z = 0x9E3779B97F4A7C15ULL * (static_cast<std::uint64_t>(seed) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    state_ = z ^ (z >> 31);
    scripted_.clear();
    draws_ = 0;
}

void RandomSource::Script(const std::vector<int>& draws) {
    for (int d : draws) {
        int v = d % (kMax + 1);
        if (v < 0) v += kMax + 1;
        scripted_.push_back(v);
    }
}

void RandomSource::ClearScript() { scripted_.clear(); }

int RandomSource::Next() {
    ++draws_;
    if (!scripted_.empty()) {
        int v = scripted_.front();
        scripted_.pop_front();
        return v;
    }
    // splitmix64: a fixed, well-mixed step; the top 15 bits are the draw.
    state_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<int>(z >> 49);
}

namespace {
RandomSource g_random;
}

RandomSource& Random() { return g_random; }

}  // namespace platform

int Rand() { return platform::Random().Next(); }

void SeedRand(std::uint32_t seed) { platform::Random().Seed(seed); }
