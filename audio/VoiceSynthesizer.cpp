#include "audio/VoiceSynthesizer.h"

#include <espeak-ng/speak_lib.h>

#include <array>
#include <cstring>
#include <set>

#include "audio/ClipSignal.h"
#include "model/Trace.h"

namespace {

// Speakers 0, 2 and 4 are men, 1, 3 and 5 women; each has a pitch of its own.
constexpr std::array<VoiceSpeakerStyle, 6> kSpeakers{{
    {"m1", 42, 160},
    {"f1", 62, 165},
    {"m3", 30, 150},
    {"f2", 72, 170},
    {"m7", 52, 175},
    {"f4", 82, 160},
}};

enum class SynthState { NotStarted, Ready, Failed };
SynthState g_state = SynthState::NotStarted;
int g_sampleRate = 0;
std::set<std::string> g_variants;  // the variants the installed data lists
std::vector<std::int16_t>* g_collecting = nullptr;

int Collect(short* samples, int count, espeak_EVENT*) {
    if (g_collecting && samples && count > 0) g_collecting->insert(g_collecting->end(), samples, samples + count);
    return 0;  // go on
}

void ListVariants() {
    espeak_VOICE query{};
    query.languages = "variant";
    const espeak_VOICE** voices = espeak_ListVoices(&query);
    for (int at = 0; voices && voices[at]; ++at) {
        const char* identifier = voices[at]->identifier;  // "!v/m3"
        if (!identifier) continue;
        const char* slash = std::strrchr(identifier, '/');
        g_variants.insert(slash ? slash + 1 : identifier);
    }
}

bool Start() {
    if (g_state != SynthState::NotStarted) return g_state == SynthState::Ready;
    g_sampleRate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (g_sampleRate <= 0) {
        g_state = SynthState::Failed;
        WriteTrace(":VoiceSynthesizer(no speech data: the built-in voices are silent)", LOG_MAINFRAME);
        return false;
    }
    espeak_SetSynthCallback(Collect);
    ListVariants();
    g_state = SynthState::Ready;
    return true;
}

// Selects the speaker's voice; a variant the data lack gives the plain voice at the speaker's pitch.
bool SelectSpeaker(int language, int speaker) {
    const VoiceSpeakerStyle& style = kSpeakers[static_cast<std::size_t>(speaker)];
    const std::string plain = language == 0 ? "de" : "en";
    bool selected = false;
    if (g_variants.count(style.variant)) {
        selected = espeak_SetVoiceByName((plain + "+" + style.variant).c_str()) == EE_OK;
    } else {
        static std::set<std::string> traced;
        if (traced.insert(style.variant).second)
            WriteTrace(std::string(":VoiceSynthesizer(variant ") + style.variant + " missing: plain voice)",
                       LOG_MAINFRAME);
    }
    if (!selected && espeak_SetVoiceByName(plain.c_str()) != EE_OK) return false;
    espeak_SetParameter(espeakPITCH, style.pitch, 0);
    espeak_SetParameter(espeakRANGE, 50, 0);
    espeak_SetParameter(espeakRATE, style.rate, 0);
    espeak_SetParameter(espeakVOLUME, 100, 0);
    return true;
}

}  // namespace

std::vector<std::int16_t> SynthesizeVoiceSamples(const std::string& text, int language, int speaker) {
    if (text.empty() || language < 0 || language > 1 || speaker < 0 || speaker > 5) return {};
    if (!Start() || !SelectSpeaker(language, speaker)) return {};
    std::vector<std::int16_t> speech;
    g_collecting = &speech;
    // Synchronous output: the speech is complete when the call returns.
    espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    g_collecting = nullptr;
    if (speech.empty()) return {};
    return TrimAndNormalise(ResampleToClipRate(speech, g_sampleRate));
}
