#pragma once
// The gate of the eleven sound effects: AudioSoundWord (Audio/Sound, unsigned 32 bits) has bit 2n
// for effect n on, bit 2n + 1 for its replacement file, bit 24 for sound output at all.

#include <cstdint>

constexpr int SOUND_EFFECT_COUNT = 11;
constexpr std::uint32_t SOUND_OUTPUT_ON = 1u << 24;

std::uint32_t AudioSoundWord();
// The enable mask of an effect: 1 << 2n for 0..10; a negative effect comes back as it is (all bits
// for -1, so a stop passes); 0 for anything else.
std::uint32_t SoundFlag(int effect);
// Plays effect 0..10 once or looped, or stops the loop for a negative effect, when the settings let
// it; the replacement file when the effect's from-file bit is set.
void PlayGatedSoundEffect(int effect, bool loop);
