#pragma once
// The built-in sound effects 0..10, synthesized in code: short tones, chords and noise bursts, each
// recognisably different, mono floats at the given rate. Noise comes from a fixed generator, so an
// effect always sounds (and compares) the same.
//
// 0 balloon: bid, 1 balloon: pass, 2 invalid card, 3 button, 4 deal, 5 remove cards, 6 play card,
// 7 game broken off, 8 game won, 9 game lost, 10 undo / redo.

#include <vector>

namespace platform {

constexpr int kSoundEffectCount = 11;

// The effect's samples; empty for a number outside 0..10 or a rate below 8000.
std::vector<float> SynthesizeSoundEffect(int effect, int sampleRate);

}  // namespace platform
