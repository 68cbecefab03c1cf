#pragma once
// The program's one random source. Replaces the C runtime's rand(): Rand() yields 0..32767 from a
// generator with a fixed algorithm, so a seed replays the same deal and decisions on every
// library and machine. Tests seed it, or script the exact draws they want.

#include <cstdint>
#include <deque>
#include <vector>

namespace platform {

class RandomSource {
public:
    static constexpr int kMax = 32767;

    // Restarts the sequence; the same seed always gives the same sequence.
    void Seed(std::uint32_t seed);
    // Queues draws that Next() returns first, in order, before the generator resumes.
    // Each value is taken modulo kMax + 1, as callers rely on the range.
    void Script(const std::vector<int>& draws);
    void ClearScript();
    std::size_t ScriptedLeft() const { return scripted_.size(); }
    // The next draw, 0..32767.
    int Next();
    // How many draws were made since the last Seed(); lets tests check that a step draws.
    std::uint64_t DrawCount() const { return draws_; }

private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
    std::deque<int> scripted_;
    std::uint64_t draws_ = 0;
};

RandomSource& Random();

}  // namespace platform

// 0..32767 from the program's random source.
int Rand();
// Seeds the program's random source (at start-up from the clock, in tests with a fixed value).
void SeedRand(std::uint32_t seed);
