#include "audio/VoiceClips.h"

#include <array>
#include <memory>

#include "audio/ClipSignal.h"
#include "audio/VoiceSynthesizer.h"
#include "audio/VoiceTerms.h"

namespace {

// Per edition and speaker, the clips by the term that owns them; made when first asked for.
struct ClipSlot {
    bool made = false;
    VoiceClip image;
};
using SpeakerClips = std::array<ClipSlot, VOICE_TERM_COUNT>;
std::array<std::array<SpeakerClips, VOICE_SPEAKER_COUNT>, VOICE_LANGUAGE_COUNT> g_clips;
int g_edition = 0;

}  // namespace

const VoiceClip* VoiceClipTable(int term, int speaker, int edition) {
    if (speaker < 0 || speaker >= VOICE_SPEAKER_COUNT) return nullptr;
    const int owner = VoiceClipOwner(term, edition);
    if (owner < 0) return nullptr;
    ClipSlot& slot = g_clips[static_cast<std::size_t>(edition)][static_cast<std::size_t>(speaker)]
                            [static_cast<std::size_t>(owner)];
    if (!slot.made) {
        slot.made = true;
        const auto samples = SynthesizeVoiceSamples(VoiceClipText(owner, edition), edition, speaker);
        if (!samples.empty()) slot.image = MakeClipImage(samples);
    }
    return &slot.image;
}

void SetVoiceEdition(int edition) { g_edition = edition == 1 ? 1 : 0; }
int VoiceEdition() { return g_edition; }
