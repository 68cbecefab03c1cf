#pragma once
// The 130 voice terms every speaker can say: their names (also the stems of replacement files),
// their short forms, the folders of the replacement files, and which terms share one recording.
//
// Terms 0-63 are the bids in ladder order, 64-79 the suit games (64 + 4 x suit, +1 Hand, +2 Ouvert),
// 80-117 the fixed words and 118-129 the ranks and suits that name a card.

#include <array>
#include <string>

constexpr int VOICE_TERM_COUNT = 130;
constexpr int VOICE_SPEAKER_COUNT = 6;
constexpr int VOICE_LANGUAGE_COUNT = 2;  // 0 German edition, 1 English edition

// Terms the program says by number.
enum VoiceTerm : int {
    TERM_CLUBS = 64,
    TERM_NULL = 80,
    TERM_NULL_HAND = 81,
    TERM_NULL_OUVERT = 82,
    TERM_NULL_OUVERT_HAND = 83,
    TERM_REVOLUTION = 84,
    TERM_GRAND = 85,
    TERM_GRAND_HAND = 86,
    TERM_GRAND_OUVERT = 87,
    TERM_GRAND_HAND_OUVERT = 88,
    TERM_SCHNEIDER_ANNOUNCED = 90,
    TERM_SCHWARZ_ANNOUNCED = 91,
    TERM_PASS = 92,
    TERM_YES = 96,
    TERM_I_HAVE = 97,
    TERM_AWAY = 98,
    TERM_I_AM_AWAY = 99,
    TERM_ALSO_AWAY = 100,
    TERM_YOUR_GAME = 101,
    TERM_REKONTRA = 106,
    TERM_I_GIVE_UP_GAME = 108,
    TERM_SCHNEIDER = 109,
    TERM_SCHWARZ = 110,
    TERM_DURCHMARSCH = 112,
    TERM_JUNGFRAU = 113,
    TERM_WELCOME = 117,
    TERM_ACE = 118,
    TERM_SEVEN = 119,
    TERM_EIGHT = 120,
    TERM_NINE = 121,
    TERM_OF_CLUBS = 126,
};

extern const std::array<const char*, VOICE_TERM_COUNT> VoiceTermNames;
extern const std::array<const char*, VOICE_TERM_COUNT> VoiceShortNames;
extern const std::array<const char*, VOICE_LANGUAGE_COUNT> LanguageFolders;  // "ge\", "en\"
extern const std::array<const char*, VOICE_SPEAKER_COUNT> VoiceFolders;      // "voice1\" .. "voice6\"

// The name of a term; "" outside 0..129.
const char* GetVoiceTermName(int term);
// The short form of a term ("" when it has none or lies outside 0..129).
const char* GetVoiceShortName(int term);

// The recording a term says within one speaker of an edition: terms that say the same share it.
// Returns the lowest term that owns the recording (a bid 22 for every bid whose short form is "2",
// 27 for "Seven", 64 for the German "OfClubs"); -1 outside 0..129 or for a language above 1.
int VoiceClipOwner(int term, int language);

// What the synthesizer says for the recording owned by `term` in the edition's language, spelled
// so that it is pronounced right ("" for a term that owns no recording).
std::string VoiceClipText(int term, int language);
