#include "audio/VoicePlayer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "audio/SpeechLogic.h"
#include "audio/VoiceClips.h"
#include "audio/VoiceTerms.h"
#include "model/Settings.h"
#include "platform/core/WaveFormat.h"
#include "platform/core/WindowApi.h"
#include "tavlo/SoundApi.h"
#include "tavlo/SoundOutput.h"

namespace {

constexpr int kPauseAfterTermMs = 200;

int g_soundEnabled = 1;
std::string g_voiceBaseDirectory;  // with forward slashes and a trailing slash

std::string ForwardSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

bool IsPlayableWave(const std::filesystem::path& path) {
    return platform::ReadWaveFileFormat(path.string()).has_value();
}

// A playable file of this name in the folder: the exact name, else one that differs only in case.
std::string FindInFolder(const std::string& folder, const std::string& name) {
    const std::filesystem::path exact = std::filesystem::path(folder) / name;
    if (IsPlayableWave(exact)) return exact.string();
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return {};
    for (const auto& entry : entries) {
        const std::string candidate = entry.path().filename().string();
        if (candidate != name && SameNameIgnoringCase(candidate, name) && IsPlayableWave(entry.path()))
            return entry.path().string();
    }
    return {};
}

}  // namespace

std::uint32_t AudioVoiceWord() { return static_cast<std::uint32_t>(g_Settings.Audio.Voice); }

int SpeakerOfVoiceField(std::uint32_t field) { return field >= 1 && field <= 6 ? static_cast<int>(field) - 1 : NO_VOICE; }

int GetPlayerVoice(int seat) {
    if (seat < 0 || seat > 2) return NO_VOICE;
    return SpeakerOfVoiceField((AudioVoiceWord() >> (4 * seat)) & 7u);
}

int IsVoiceFromFile(int speaker) {
    if (speaker < 0 || speaker > 5) return 0;
    return (AudioVoiceWord() >> (4 * speaker + 3)) & 1u ? 1 : 0;
}

std::string FindVoiceReplacement(int term, int language, int speaker) {
    if (term < 0 || term >= VOICE_TERM_COUNT || language < 0 || language > 1 || speaker < 0 || speaker > 5)
        return {};
    const std::string folder = g_voiceBaseDirectory + ForwardSlashes(LanguageFolders[static_cast<std::size_t>(language)]) +
                               ForwardSlashes(VoiceFolders[static_cast<std::size_t>(speaker)]);
    // Step 1: the term's own name; step 2: its short form (".wav" alone when it has none).
    std::string found = FindInFolder(folder, std::string(GetVoiceTermName(term)) + ".wav");
    if (found.empty()) found = FindInFolder(folder, std::string(GetVoiceShortName(term)) + ".wav");
    return found;
}

void PlayVoiceTerm(int term, int language, int speaker, bool fromFile) {
    // Step 1: the sound flag and the ranges.
    if (!g_soundEnabled || language < 0 || language > 1 || term < 0 || term >= VOICE_TERM_COUNT || speaker < 0 ||
        speaker > 5)
        return;
    // Step 2: a replacement file when the speaker is taken from files.
    const std::string path = fromFile ? FindVoiceReplacement(term, language, speaker) : std::string();
    if (!path.empty()) {
        Sound_PlayExt(path.c_str(), 1);
    } else if (tavlo::HasSoundOutput()) {
        // Step 3: the edition's built-in clip (empty and silent without the synthesizer); nothing
        // is synthesized for a program without any sound output.
        const VoiceClip* clip = VoiceClipTable(term, speaker, VoiceEdition());
        if (clip && !clip->empty()) Sound_PlayExt(clip->data(), 0);
    }
    // Step 4: the pause after every term, so that consecutive terms are heard apart.
    ::Sleep(kPauseAfterTermMs);
}

void SetVoiceBaseDirectory(const char* folder) {
    g_voiceBaseDirectory = folder ? ForwardSlashes(folder) : std::string();
    if (!g_voiceBaseDirectory.empty() && g_voiceBaseDirectory.back() != '/') g_voiceBaseDirectory += '/';
}

int SetSoundEnabled(int on) {
    g_soundEnabled = on;
    return g_soundEnabled;
}

void ExportBuiltInVoices(int voice, bool withSuitWords, const std::string& folder) {
    if (voice < 1 || voice > 6) return;
    const int speaker = voice - 1;
    const int lastTerm = withSuitWords ? VOICE_TERM_COUNT - 1 : TERM_OF_CLUBS - 1;
    const std::string base = folder.empty() ? std::string() : ForwardSlashes(folder);
    for (int term = 0; term <= lastTerm; ++term) {
        const VoiceClip* clip = VoiceClipTable(term, speaker, VoiceEdition());
        if (!clip || clip->empty()) continue;
        const char* shortName = GetVoiceShortName(term);
        const std::string name = term < TERM_OF_CLUBS && shortName[0] != '\0' ? shortName : GetVoiceTermName(term);
        std::ofstream file(std::filesystem::path(base + name + ".wav"), std::ios::binary | std::ios::trunc);
        if (!file) continue;
        file.write(reinterpret_cast<const char*>(clip->data()), static_cast<std::streamsize>(clip->size()));
    }
}
