#pragma once
// The sound functions: eleven effects (0..10) played from tavlo's own sound or from a replacement
// file "Sound<n>.wav" in the sound folder, and WAVE clips or files of the voices. Nothing reports
// back; without an output (SetSoundOutput) everything is silent.
//
// Paths arrive as the program builds them, with backslashes ("...\Sounds\"); they are read with
// forward slashes. A replacement file that does not exist falls back to the built-in sound.

#include <string>

void Sound_Path(const char* folder);
void Sound_PlayInt(int effect, int fromFile);
void Sound_Loop(int effect, int fromFile);
void Sound_End();
// isFile 1: clipOrPath is a path (const char*); 0: a RIFF/WAVE image in memory. The voice goes into
// the voice queue behind the ones before it; the call returns once it has sounded (at most
// tavlo::kMaxVoiceWaitMs later, at once when the output is silent).
void Sound_PlayExt(const void* clipOrPath, int isFile);
// A constant name of the effect, "" for a number outside 0..10.
const char* Sound_Term(int effect);

namespace tavlo {
constexpr long long kMaxVoiceWaitMs = 3000;
// The replacement file of an effect in the current sound folder ("" for no effect).
std::string ReplacementFile(int effect);
}  // namespace tavlo
