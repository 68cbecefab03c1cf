// The built-in voices' cost: synthesizing every distinct clip of one speaker (resampled, trimmed and
// normalised) per edition, and the first clip after start with the synthesizer's start included.
#include <benchmark/benchmark.h>

#include "audio/ClipSignal.h"
#include "audio/VoiceClips.h"
#include "audio/VoiceSynthesizer.h"
#include "audio/VoiceTerms.h"

namespace {

// The Welcome as the first clip of the program: the synthesizer starts, then says it. Measured once,
// before anything else has started the synthesizer.
void BM_FirstClipAfterStart(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(VoiceClipTable(TERM_WELCOME, 5, 0)->size());
}
BENCHMARK(BM_FirstClipAfterStart)->Iterations(1)->Unit(benchmark::kMillisecond);

// All distinct clips of speaker 0, made as the clip table makes them; argument: the edition (0
// German, 92 clips; 1 English, 96).
void BM_SynthesizeOneVoice(benchmark::State& state) {
    const int edition = static_cast<int>(state.range(0));
    SynthesizeVoiceSamples(VoiceClipText(TERM_WELCOME, edition), edition, 0);  // the synthesizer starts
    int clips = 0;
    for (auto _ : state) {
        std::size_t bytes = 0;
        clips = 0;
        for (int term = 0; term < VOICE_TERM_COUNT; ++term)
            if (VoiceClipOwner(term, edition) == term) {
                bytes += MakeClipImage(SynthesizeVoiceSamples(VoiceClipText(term, edition), edition, 0)).size();
                ++clips;
            }
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["clips"] = clips;
}
BENCHMARK(BM_SynthesizeOneVoice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
