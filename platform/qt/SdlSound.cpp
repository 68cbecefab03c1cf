#include "platform/qt/SdlSound.h"

#include <SDL.h>

#include <cstring>
#include <limits>

#include "platform/qt/SdlSoundEffects.h"

namespace platform {

namespace {

// Larger WAVE images than this are no sound of ours.
constexpr std::size_t kMaxWaveBytes = 64u * 1024 * 1024;

}  // namespace

SdlSound::SdlSound() : m_effects(kSoundEffectCount) {}

bool SdlSound::DeviceReady() {
    if (m_openTried) return m_device != 0;
    m_openTried = true;
    // SDL would turn SIGINT and SIGTERM into a quit event nobody reads; the program handles them.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;  // no usable driver: silent
    m_audioInitialised = true;
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = 1;
    wanted.samples = 1024;
    wanted.callback = &SdlSound::Callback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the device takes.
    m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (m_device != 0) SDL_PauseAudioDevice(m_device, 0);
    return m_device != 0;
}

SdlSound::~SdlSound() {
    if (m_device != 0) SDL_CloseAudioDevice(m_device);
    if (m_audioInitialised) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        // Nothing else of SDL in use: let it free the rest of its state as well.
        if (SDL_WasInit(0) == 0) SDL_Quit();
    }
}

void SdlSound::Callback(void* self, std::uint8_t* stream, int length) {
    auto* sound = static_cast<SdlSound*>(self);
    sound->m_mixer.Mix(reinterpret_cast<float*>(stream), static_cast<std::size_t>(length) / sizeof(float));
}

SoundSamples SdlSound::DecodeWave(void* source) const {
    auto* rw = static_cast<SDL_RWops*>(source);
    if (!rw) return nullptr;
    SDL_AudioSpec wave{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(rw, 1, &wave, &buffer, &length)) return nullptr;

    SoundSamples result;
    const int frameBytes = SDL_AUDIO_BITSIZE(wave.format) / 8 * wave.channels;
    const bool sensible = frameBytes > 0 && wave.freq > 0 &&
                          static_cast<double>(length) / frameBytes / wave.freq <= kMaxSoundSeconds;
    SDL_AudioCVT convert{};
    if (sensible &&
        SDL_BuildAudioCVT(&convert, wave.format, wave.channels, wave.freq, AUDIO_F32SYS, 1, kSampleRate) >= 0) {
        const std::size_t room = static_cast<std::size_t>(length) * static_cast<std::size_t>(convert.len_mult);
        std::vector<std::uint8_t> work(room);
        std::memcpy(work.data(), buffer, length);
        convert.buf = work.data();
        convert.len = static_cast<int>(length);
        if (convert.needed == 0 || SDL_ConvertAudio(&convert) == 0) {
            const std::size_t bytes = convert.needed ? static_cast<std::size_t>(convert.len_cvt) : length;
            auto samples = std::make_shared<std::vector<float>>(bytes / sizeof(float));
            std::memcpy(samples->data(), work.data(), samples->size() * sizeof(float));
            result = std::move(samples);
        }
    }
    SDL_FreeWAV(buffer);
    return result;
}

bool SdlSound::Hand(Target target, SoundSamples samples) {
    if (m_device == 0 || !samples) {
        ++m_skipped;
        return false;
    }
    SDL_LockAudioDevice(m_device);
    bool taken = true;
    switch (target) {
        case Target::Effect: m_mixer.PlayEffect(std::move(samples)); break;
        case Target::Loop: m_mixer.PlayLoop(std::move(samples)); break;
        case Target::Clip: taken = m_mixer.QueueClip(std::move(samples)); break;
    }
    SDL_UnlockAudioDevice(m_device);
    ++(taken ? m_started : m_skipped);
    return taken;
}

std::int64_t SdlSound::HandVoice(SoundSamples samples) {
    const std::int64_t lengthMs = samples ? static_cast<std::int64_t>(samples->size()) * 1000 / kSampleRate : 0;
    return Hand(Target::Clip, std::move(samples)) ? lengthMs : 0;
}

std::int64_t SdlSound::PlayVoice(std::span<const std::uint8_t> wave) {
    if (wave.empty() || wave.size() > kMaxWaveBytes || !DeviceReady()) {
        ++m_skipped;
        return 0;
    }
    return HandVoice(DecodeWave(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()))));
}

std::int64_t SdlSound::PlayVoiceFile(const std::string& path) {
    if (path.empty() || !DeviceReady()) {
        ++m_skipped;
        return 0;
    }
    return HandVoice(DecodeWave(SDL_RWFromFile(path.c_str(), "rb")));
}

void SdlSound::PlayEffect(int effect, bool loop) {
    if (effect < 0 || effect >= kSoundEffectCount || !DeviceReady()) {
        ++m_skipped;
        return;
    }
    SoundSamples& samples = m_effects[static_cast<std::size_t>(effect)];
    if (!samples) samples = std::make_shared<const std::vector<float>>(SynthesizeSoundEffect(effect, kSampleRate));
    Hand(loop ? Target::Loop : Target::Effect, samples);
}

void SdlSound::PlayFile(const std::string& path, bool loop) {
    if (path.empty() || !DeviceReady()) {
        ++m_skipped;
        return;
    }
    Hand(loop ? Target::Loop : Target::Effect, DecodeWave(SDL_RWFromFile(path.c_str(), "rb")));
}

void SdlSound::PlayClip(std::span<const std::uint8_t> wave) {
    if (wave.empty() || wave.size() > kMaxWaveBytes || !DeviceReady()) {
        ++m_skipped;
        return;
    }
    Hand(Target::Clip, DecodeWave(SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()))));
}

void SdlSound::StopLoop() {
    if (m_device == 0) return;
    SDL_LockAudioDevice(m_device);
    m_mixer.StopLoop();
    SDL_UnlockAudioDevice(m_device);
}

void SdlSound::SetVolume(double volume) {
    if (m_device == 0) {
        m_mixer.SetVolume(static_cast<float>(volume));
        return;
    }
    SDL_LockAudioDevice(m_device);
    m_mixer.SetVolume(static_cast<float>(volume));
    SDL_UnlockAudioDevice(m_device);
}

}  // namespace platform
