#pragma once
// The voice player: one term in one speaker's voice, from a replacement WAVE file in the voices
// folder when asked for and present, else the built-in clip; and the settings word's voice fields.
//
// AudioVoiceWord (Audio/Voice, an unsigned 32-bit word): bits 4s..4s+2 the voice of seat s (0 none,
// 1-6 speaker 0-5), bit 4v+3 speaker v from file, bit 24 voice output on, bits 25-27 the Welcome
// voice, bits 29-31 the support voice (7: by seat).

#include <cstdint>
#include <string>

constexpr std::uint32_t VOICE_OUTPUT_ON = 1u << 24;
constexpr int NO_VOICE = 8;

// The voice settings word as it stands in the settings.
std::uint32_t AudioVoiceWord();
// The speaker of a voice field (1-6); NO_VOICE for 0, 7 or anything else.
int SpeakerOfVoiceField(std::uint32_t field);
// The speaker of seat 0..2 (NO_VOICE: none).
int GetPlayerVoice(int seat);
// The from-file bit of speaker 0..5; 0 for any other value (NO_VOICE included).
int IsVoiceFromFile(int speaker);

// Says `term` (0..129) as `speaker` (0..5) in `language` (0..1): from file when fromFile and a
// playable replacement exists, else the edition's built-in clip; then pauses 200 ms. Nothing for
// arguments outside their ranges or while the sound flag is off.
void PlayVoiceTerm(int term, int language, int speaker, bool fromFile);
// The replacement file PlayVoiceTerm would play ("" for none): the term's name, then its short form
// (".wav" alone when it has none), each by exact name, then by a name differing only in case. A
// folder's names are read again only once the folder has changed.
std::string FindVoiceReplacement(int term, int language, int speaker);

// The voices folder (the work folder + "Voices\").
void SetVoiceBaseDirectory(const char* folder);
// Sets the sound flag (0 silences every voice term) and returns it.
int SetSoundEnabled(int on);

// A developer's tool: writes the built-in clips of voice 1..6 into `folder` under the names the
// player looks for (the short form where a term below 126 has one, else the term's name); terms
// 0-125, 0-129 with the suit words. A file that cannot be written is skipped.
void ExportBuiltInVoices(int voice, bool withSuitWords, const std::string& folder);
