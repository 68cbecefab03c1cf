#pragma once
// VoiceClipTable: the built-in recordings, 130 terms x 6 speakers per edition. Entries that say the
// same (a bid's digit, "Seven" and the bid 27, the German "OfClubs" and "Clubs") hold the same image.
// Each distinct clip is synthesized on its first use and kept for the program's life.

#include <cstdint>
#include <vector>

using VoiceClip = std::vector<std::uint8_t>;

// The clip of entry term x 6 + speaker in an edition (0 German, 1 English); null outside the
// ranges. The image is empty when the synthesizer cannot start.
const VoiceClip* VoiceClipTable(int term, int speaker, int edition);
// The edition whose clips PlayVoiceTerm plays (the frame's LanguageIndex; 0 until set).
void SetVoiceEdition(int edition);
int VoiceEdition();
