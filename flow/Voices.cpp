// Who speaks with which voice: the seats' voices in Audio/Voice. The voice output itself
// (PlayVoiceTerm) comes with the audio.
#include "flow/MainFrame.h"

#include "model/Settings.h"

namespace {

constexpr int kNoVoice = 8;
bool VoicesOn() { return (g_Settings.Audio.Voice >> 24 & 1) != 0; }

}  // namespace

// The 3-bit field of the seat in Audio/Voice: 0 no voice (8), else the speaker + 1.
int CMainFrame::GetPlayerVoice(int seat) const {
    if (seat < 0 || seat > 2) return kNoVoice;
    const int field = (g_Settings.Audio.Voice >> (4 * seat)) & 7;
    return field == 0 ? kNoVoice : field - 1;
}

bool CMainFrame::IsVoiceFromFile(int voice) const {
    return voice >= 0 && voice <= 5 && ((g_Settings.Audio.Voice >> (4 * voice + 3)) & 1) != 0;
}

bool CMainFrame::HasVoice(int seat) const { return VoicesOn() && GetPlayerVoice(seat) != kNoVoice; }

void CMainFrame::SpeakTerm(int seat, int term) {
    if (!HasVoice(seat)) return;
    const int voice = GetPlayerVoice(seat);
    PlayVoiceTerm(term, EnglishEdition, voice, IsVoiceFromFile(voice));
}
