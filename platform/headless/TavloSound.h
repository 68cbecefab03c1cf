#pragma once
// The headless side of tavlo's sound: instead of playing, it notes what would have played, in order,
// with the virtual time it started and how long it would have sounded. A voice "sounds" for the
// length its WAVE header gives, so the voice player's waits show on the virtual clock.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/core/Clock.h"
#include "platform/core/WaveFormat.h"
#include "tavlo/SoundOutput.h"

namespace platform {

class TavloSoundRecorder final : public tavlo::SoundOutput {
public:
    struct Played {
        enum class Kind { Effect, File, Clip, Stop };
        Kind kind = Kind::Effect;
        int effect = -1;       // Effect
        std::string path;      // File
        std::size_t bytes = 0; // Clip: its length
        bool loop = false;
        friend bool operator==(const Played&, const Played&) = default;
    };

    // When a sound was handed over and how long it sounds (0 for effects, files not of a voice and
    // stops); parallel to PlayedSounds.
    struct Timing {
        std::int64_t atMs = 0;
        std::int64_t lengthMs = 0;
        const std::uint8_t* image = nullptr;  // a clip's image as handed over
    };

    void PlayEffect(int effect, bool loop) override { Note({Played::Kind::Effect, effect, {}, 0, loop}); }
    void PlayFile(const std::string& path, bool loop) override { Note({Played::Kind::File, -1, path, 0, loop}); }
    void PlayClip(std::span<const std::uint8_t> wave) override {
        Note({Played::Kind::Clip, -1, {}, wave.size(), false}, 0, wave.data());
    }
    void StopLoop() override { Note({Played::Kind::Stop, -1, {}, 0, false}); }
    std::int64_t PlayVoice(std::span<const std::uint8_t> wave) override {
        const auto format = ReadWaveFormat(wave);
        const std::int64_t length = format ? format->LengthMs() : 0;
        Note({Played::Kind::Clip, -1, {}, wave.size(), false}, length, wave.data());
        return length;
    }
    std::int64_t PlayVoiceFile(const std::string& path) override {
        const auto format = ReadWaveFileFormat(path);
        const std::int64_t length = format ? format->LengthMs() : 0;
        Note({Played::Kind::File, -1, path, 0, false}, length);
        return length;
    }

    const std::vector<Played>& PlayedSounds() const { return m_played; }
    const std::vector<Timing>& Timings() const { return m_timings; }
    void Clear() {
        m_played.clear();
        m_timings.clear();
    }

private:
    void Note(Played played, std::int64_t lengthMs = 0, const std::uint8_t* image = nullptr) {
        m_played.push_back(std::move(played));
        m_timings.push_back({CurrentClock().NowMs(), lengthMs, image});
    }

    std::vector<Played> m_played;
    std::vector<Timing> m_timings;
};

}  // namespace platform
