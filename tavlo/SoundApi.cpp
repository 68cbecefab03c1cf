#include "tavlo/SoundApi.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/core/WindowApi.h"
#include "tavlo/SoundOutput.h"

namespace {

constexpr int kEffectCount = 11;

constexpr std::array<const char*, kEffectCount> kTerms{
    "Balloon: bid",  "Balloon: pass", "Invalid card", "Button",     "Deal",        "Remove cards",
    "Play card",     "Game broken off", "Game won",   "Game lost",  "Undo / redo",
};

tavlo::SoundOutput* g_output = nullptr;
std::string g_folder;

std::string ForwardSlashes(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

void PlayEffect(int effect, int fromFile, bool loop) {
    if (!g_output || effect < 0 || effect >= kEffectCount) return;
    if (fromFile) {
        const std::string path = tavlo::ReplacementFile(effect);
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            g_output->PlayFile(path, loop);
            return;
        }
    }
    g_output->PlayEffect(effect, loop);
}

std::uint32_t ReadLe32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) |
           (std::uint32_t{bytes[3]} << 24);
}

}  // namespace

namespace tavlo {

void SetSoundOutput(SoundOutput* output) { g_output = output; }
bool HasSoundOutput() { return g_output != nullptr; }

std::string ReplacementFile(int effect) {
    if (effect < 0 || effect >= kEffectCount) return {};
    return g_folder + "Sound" + std::to_string(effect) + ".wav";
}

}  // namespace tavlo

void Sound_Path(const char* folder) {
    g_folder = folder ? ForwardSlashes(folder) : std::string();
    if (!g_folder.empty() && g_folder.back() != '/') g_folder += '/';
}

void Sound_PlayInt(int effect, int fromFile) { PlayEffect(effect, fromFile, false); }

void Sound_Loop(int effect, int fromFile) { PlayEffect(effect, fromFile, true); }

void Sound_End() {
    if (g_output) g_output->StopLoop();
}

void Sound_PlayExt(const void* clipOrPath, int isFile) {
    if (!g_output || !clipOrPath) return;
    std::int64_t soundingMs = 0;
    if (isFile) {
        soundingMs = g_output->PlayVoiceFile(ForwardSlashes(static_cast<const char*>(clipOrPath)));
    } else {
        // The clip's length comes from its RIFF header; anything else is not a clip.
        const auto* bytes = static_cast<const std::uint8_t*>(clipOrPath);
        if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0) return;
        const std::uint32_t size = ReadLe32(bytes + 4);
        if (size < 4 || size > (1u << 30)) return;
        soundingMs = g_output->PlayVoice({bytes, std::size_t{size} + 8});
    }
    // The voice is heard before the caller goes on (the next term, the next balloon); a long file
    // holds the table up no more than kMaxVoiceWaitMs, and a silent output not at all.
    ::Sleep(std::clamp<std::int64_t>(soundingMs, 0, tavlo::kMaxVoiceWaitMs));
}

const char* Sound_Term(int effect) {
    return effect >= 0 && effect < kEffectCount ? kTerms[static_cast<std::size_t>(effect)] : "";
}
