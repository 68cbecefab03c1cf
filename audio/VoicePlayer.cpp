#include "audio/VoicePlayer.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>
#include <vector>

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

// The names in a voice folder as last read, with the folder's change time then. A folder is read
// again when its change time has moved on, so that a file put in place while the program runs is
// heard from the next term on; and also while that time lies so close to the reading that a file
// added just after it could carry the same time (coarse file system clocks).
struct FolderNames {
    std::filesystem::file_time_type changed;
    bool settled = false;
    std::vector<std::string> names;  // in the folder's own order
};

constexpr std::chrono::seconds kFolderTimeGrain{2};

std::map<std::string, FolderNames> g_folderNames;  // by folder path

// The names in the folder, read at most once while it stays unchanged; nullptr for no folder.
const std::vector<std::string>* NamesIn(const std::string& folder) {
    std::error_code error;
    const std::filesystem::file_time_type changed = std::filesystem::last_write_time(folder, error);
    if (error) {
        g_folderNames.erase(folder);
        return nullptr;
    }
    FolderNames& known = g_folderNames[folder];
    if (known.settled && known.changed == changed) return &known.names;
    known.names.clear();
    std::filesystem::directory_iterator entries(folder, error);
    if (error) {
        g_folderNames.erase(folder);
        return nullptr;
    }
    for (const auto& entry : entries) known.names.push_back(entry.path().filename().string());
    known.changed = changed;
    known.settled = changed + kFolderTimeGrain < std::filesystem::file_time_type::clock::now();
    return &known.names;
}

// A playable file of this name in the folder: the exact name, else one that differs only in case.
std::string FindInFolder(const std::string& folder, const std::vector<std::string>& names, const std::string& name) {
    const std::filesystem::path base(folder);
    if (std::find(names.begin(), names.end(), name) != names.end() && IsPlayableWave(base / name))
        return (base / name).string();
    for (const std::string& candidate : names) {
        if (candidate != name && SameNameIgnoringCase(candidate, name) && IsPlayableWave(base / candidate))
            return (base / candidate).string();
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
    const std::vector<std::string>* names = NamesIn(folder);
    if (!names) return {};
    // Step 1: the term's own name; step 2: its short form (".wav" alone when it has none).
    std::string found = FindInFolder(folder, *names, std::string(GetVoiceTermName(term)) + ".wav");
    if (found.empty()) found = FindInFolder(folder, *names, std::string(GetVoiceShortName(term)) + ".wav");
    return found;
}

void PlayVoiceTerm(int term, int language, int speaker, bool fromFile) {
    // Step 1: the sound flag and the ranges.
    if (!g_soundEnabled || language < 0 || language > 1 || term < 0 || term >= VOICE_TERM_COUNT || speaker < 0 ||
        speaker > 5)
        return;
    // Step 2: a replacement file when the speaker is taken from files. A program without any sound
    // output would hear neither the file nor the clip, so it looks for no file and synthesizes
    // nothing.
    const bool heard = tavlo::HasSoundOutput();
    const std::string path = fromFile && heard ? FindVoiceReplacement(term, language, speaker) : std::string();
    if (!path.empty()) {
        Sound_PlayExt(path.c_str(), 1);
    } else if (heard) {
        // Step 3: the edition's built-in clip (empty and silent without the synthesizer).
        const VoiceClip* clip = VoiceClipTable(term, speaker, VoiceEdition());
        if (clip && !clip->empty()) Sound_PlayExt(clip->data(), 0);
    }
    // Step 4: the pause after every term, so that consecutive terms are heard apart.
    ::Sleep(kPauseAfterTermMs);
}

void SetVoiceBaseDirectory(const char* folder) {
    g_folderNames.clear();
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
