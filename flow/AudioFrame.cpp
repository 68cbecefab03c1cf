// The frame's voices and sounds: the gated sound effects, the A and S keys, refusals in the status
// bar, the Welcome, the three speech choices said in a seat's voice and the special outcomes after
// a game.
#include "flow/FrameAudio.h"

#include "flow/MainFrame.h"
#include "flow/FrameTable.h"
#include "flow/FileState.h"
#include "flow/FrameTimers.h"

#include <cstdio>
#include <string>

#include "audio/AudioDialog.h"
#include "audio/SoundEffects.h"
#include "audio/SpeechLogic.h"
#include "audio/VoicePlayer.h"
#include "audio/VoiceTerms.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/ShellServices.h"

namespace {

constexpr int kStatusTextTicks = 20;
constexpr int kPauseBeforeDeclarationMs = 200;
constexpr int kMaxVolume = 15;

}  // namespace

CFrameAudio& CMainFrame::FrameAudio() { return *audio_; }

// --- Sound effects ------------------------------------------------------------------------------

void CFrameAudio::SoundEffect(int effect, bool loop) { PlayGatedSoundEffect(effect, loop); }

void CFrameAudio::SetStatusText(int stringId) {
    frame_.FrameTimers().HoldStatusText(kStatusTextTicks);
    frame_.SetStatusPane(0, platform::LoadString(stringId));
    SoundEffect(SOUND_INVALID_CARD, false);
}

void CFrameAudio::ToggleAudio(int which) {
    WriteTrace(":ToggleAudio(" + std::to_string(which) + ")", LOG_MAINFRAME | LOG_VERBOSE);
    // Step 1: flip the output bit of the sound word (S) or the voice word (A).
    int& word = which ? g_Settings.Audio.Sound : g_Settings.Audio.Voice;
    word = static_cast<int>(static_cast<std::uint32_t>(word) ^ SOUND_OUTPUT_ON);
    const bool on = (static_cast<std::uint32_t>(word) & SOUND_OUTPUT_ON) != 0;
    const int text = which ? (on ? IDS_SOUNDS_ON : IDS_SOUNDS_OFF) : (on ? IDS_VOICES_ON : IDS_VOICES_OFF);
    // Step 2: say so in the status bar for 20 ticks.
    frame_.FrameTimers().HoldStatusText(kStatusTextTicks);
    frame_.SetStatusPane(0, platform::LoadString(text));
}

// Timer 1, 800 ms after the window was made: the volume, then the Welcome.
void CFrameAudio::ApplyVolume() {
    platform::SetSoundVolumeLevel(g_Settings.Audio.Volume, kMaxVolume);
    const std::uint32_t word = AudioVoiceWord();
    if ((word & VOICE_OUTPUT_ON) == 0) return;
    const int speaker = SpeakerOfVoiceField((word >> 25) & 7u);
    if (speaker == NO_VOICE) return;
    ::PlayVoiceTerm(TERM_WELCOME, frame_.Files().EnglishEdition, speaker, ::IsVoiceFromFile(speaker) != 0);
}

// --- Voices ------------------------------------------------------------------------------------

int CFrameAudio::GetPlayerVoice(int seat) const { return ::GetPlayerVoice(seat); }
bool CFrameAudio::IsVoiceFromFile(int voice) const { return ::IsVoiceFromFile(voice) != 0; }
void CFrameAudio::PlayVoiceTerm(int term, int language, int voice, bool fromFile) {
    WriteTrace(":PlayVoiceTerm(" + std::to_string(term) + "," + std::to_string(language) + "," + std::to_string(voice) +
                   "," + (fromFile ? "1" : "0") + ")",
               LOG_MAINFRAME | LOG_VERBOSE);
    ::PlayVoiceTerm(term, language, voice, fromFile);
}

void CFrameAudio::SaySeatTerm(int seat, int term, bool withVariant) {
    const int voice = ::GetPlayerVoice(seat);
    if ((AudioVoiceWord() & VOICE_OUTPUT_ON) == 0 || voice == NO_VOICE) return;
    if (withVariant) term = VoiceVariant(term);
    ::PlayVoiceTerm(term, frame_.Files().EnglishEdition, voice, ::IsVoiceFromFile(voice) != 0);
}

int CFrameAudio::VoiceVariant(int term) { return VoiceVariantTerm(term, g_Game.Leader, g_Game.Soloist); }

void CFrameAudio::VoiceDeclare(bool givesUp) {
    // Step 1: only a soloist with a voice, and voices on.
    const int voice = ::GetPlayerVoice(g_Game.Soloist);
    if ((AudioVoiceWord() & VOICE_OUTPUT_ON) == 0 || voice == NO_VOICE) return;
    // Step 2: the trace.
    char text[96];
    std::snprintf(text, sizeof text, "%s:voice:%d", frame_.GetPlayerName(g_Game.Soloist).c_str(), voice);
    WriteTrace(std::string(":VoiceDeclare(") + text + ")", LOG_MAINFRAME | LOG_VERBOSE);
    // Step 3: a breath before the declaration.
    ::Sleep(kPauseBeforeDeclarationMs);
    // Steps 4 to 6: the game, its announcement, giving up.
    DeclaredGame game;
    game.variantMode = g_Game.VariantMode;
    game.gameType = g_Game.GameType;
    game.hand = g_Game.HandAnnounced != 0;
    game.ouvert = g_Game.OuvertAnnounced == 1;
    game.schneider = g_Game.SchneiderAnnounced != 0;
    game.schwarz = g_Game.SchwarzAnnounced != 0;
    const bool fromFile = ::IsVoiceFromFile(voice) != 0;
    for (int term : DeclarationTerms(game, givesUp))
        ::PlayVoiceTerm(term, frame_.Files().EnglishEdition, voice, fromFile);
}

void CFrameAudio::VoiceSupport(int card, int seat) {
    // Steps 1 and 2: the support voice is on and the card is a card.
    const std::vector<int> terms = SupportTerms(card, frame_.Files().EnglishEdition);
    if (terms.empty() || ((AudioVoiceWord() >> 29) & 7u) == 0) return;
    // Step 3: the card's owner.
    int owner = -1;
    for (int s = 0; s < 3 && owner < 0; ++s)
        if (frame_.GameObject().Hand(s).HasCard(card)) owner = s;
    // Step 4: the speaker.
    const int speaker = SupportSpeaker(AudioVoiceWord(), seat, owner);
    if (speaker == NO_VOICE) return;
    // Step 5: the trace, with the card's short name.
    const std::string suits = platform::LoadString(IDS_ABBREVIATIONS);
    const std::string ranks = platform::LoadString(IDS_RANK_TEXTS);
    const auto suit = static_cast<std::size_t>(2 * GetCardSuit(card, true));
    const int rank = GetCardRank(card);
    const auto rankAt = static_cast<std::size_t>(2 * rank);
    std::string name = suits.size() >= suit + 2 ? suits.substr(suit, 2) : std::string();
    if (ranks.size() > rankAt) name += ranks.substr(rankAt, rank == 4 ? 2 : 1);
    WriteTrace(":VoiceSupport(" + frame_.GetPlayerName(owner) + ":" + name + ")", LOG_MAINFRAME);
    // Step 6: the two terms in the edition's order.
    const bool fromFile = ::IsVoiceFromFile(speaker) != 0;
    for (int term : terms) ::PlayVoiceTerm(term, frame_.Files().EnglishEdition, speaker, fromFile);
}

// The special outcomes: a balloon over the player and, with voices on, his voice saying it.
void CFrameAudio::VoiceResult(int outcome) {
    const int type = g_Game.GameType;
    if (type == GAME_NULL || type == GAME_REVOLUTION || type < 0 || type > 7) return;
    if (type == GAME_RAMSCH) {
        int withoutTrick = 0, first = -1;
        for (int s = 0; s < 3; ++s)
            if (g_Game.PartyTricks[s] == 0) {
                ++withoutTrick;
                if (first < 0) first = s;
            }
        if (withoutTrick == 1) {
            // Jungfrau: the seat that took no trick.
            frame_.FrameTable().MoveBalloonText(first, IDS_BALLOON_JUNGFRAU, -1, nullptr, nullptr);
            SaySeatTerm(first, TERM_JUNGFRAU, false);
        } else if (withoutTrick == 2) {
            // Durchmarsch: the one seat with points took every trick.
            const int player = g_Game.PartyPoints[0] > 0 ? 0 : (g_Game.PartyPoints[1] > 0 ? 1 : 2);
            frame_.FrameTable().MoveBalloonText(player, IDS_BALLOON_DURCHMARSCH, -1, nullptr, nullptr);
            SaySeatTerm(player, TERM_DURCHMARSCH, false);
        }
        return;
    }
    const int soloist = g_Game.Soloist;
    if (soloist < 0 || soloist > 2) return;
    const int tricks = g_Game.PartyTricks[0], points = g_Game.PartyPoints[0];
    if (tricks == 0 || tricks == 10) {
        frame_.FrameTable().MoveBalloonText(soloist, IDS_BALLOON_SCHWARZ, -1, nullptr, nullptr);
        SaySeatTerm(soloist, TERM_SCHWARZ, false);
    } else if ((points < 31 || points >= 90) && outcome != -4) {
        frame_.FrameTable().MoveBalloonText(soloist, IDS_BALLOON_SCHNEIDER, -1, nullptr, nullptr);
        SaySeatTerm(soloist, TERM_SCHNEIDER, false);
    }
}

// The application font of the audio settings dialog's seat heads: bold 16-pixel Arial.
constexpr int kSeatHeadFont = 5;

// Options > Voices and Sounds: the settings dialog with the game paused; OK has stored the words.
void CFrameAudio::OnAudio() {
    const int previous = frame_.SetPause(0);
    CAudioDialog dialog(frame_.GetPlayerName(0), frame_.GetPlayerName(1), frame_.GetPlayerName(2),
                        [this](int level) { return frame_.SetPause(level); });
    if (const platform::LogFont* font = g_FrameShell.Font ? g_FrameShell.Font(kSeatHeadFont) : nullptr)
        dialog.SeatHeadFont = *font;
    dialog.DoModal();
    frame_.SetPause(previous);
}
