#pragma once
// The built-in voices' speech: libespeak-ng synthesizes a text in one of six speakers of the
// edition's language. Started on first use and kept for the program's life: its own shutdown waits
// on its idle output thread and was seen to hang at the program's end, so the end of the process
// releases it. Used on the user-interface thread only. When its data are missing it stays silent
// (traced once).

#include <cstdint>
#include <string>
#include <vector>

struct VoiceSpeakerStyle {
    const char* variant;  // espeak-ng's voice variant ("m3", "f2")
    int pitch;            // 0..100
    int rate;             // words per minute
};

// The speech of `text` by `speaker` (0..5) in `language` (0 German, 1 English) as clip samples at
// VOICE_CLIP_RATE, trimmed and normalised; empty when the synthesizer cannot start or the
// arguments lie outside their ranges.
std::vector<std::int16_t> SynthesizeVoiceSamples(const std::string& text, int language, int speaker);
