#include "audio/SoundEffects.h"

#include "model/Settings.h"
#include "tavlo/SoundApi.h"

std::uint32_t AudioSoundWord() { return static_cast<std::uint32_t>(g_Settings.Audio.Sound); }

std::uint32_t SoundFlag(int effect) {
    if (effect < 0) return static_cast<std::uint32_t>(effect);
    if (effect < SOUND_EFFECT_COUNT) return 1u << (2 * effect);
    return 0;
}

void PlayGatedSoundEffect(int effect, bool loop) {
    const std::uint32_t word = AudioSoundWord();
    // Steps 1 and 2: sound output, then the effect's own switch.
    if ((word & SOUND_OUTPUT_ON) == 0 || (word & SoundFlag(effect)) == 0) return;
    // Step 3: a stop.
    if (effect < 0) {
        Sound_End();
        return;
    }
    // Steps 4 and 5: from file or built in, once or looped.
    const int fromFile = (word >> (2 * effect + 1)) & 1u ? 1 : 0;
    if (loop) Sound_Loop(effect, fromFile);
    else Sound_PlayInt(effect, fromFile);
}
