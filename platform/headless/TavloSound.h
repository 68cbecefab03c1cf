#pragma once
// The headless side of tavlo's sound: instead of playing, it notes what would have played, in order.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

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

    void PlayEffect(int effect, bool loop) override { m_played.push_back({Played::Kind::Effect, effect, {}, 0, loop}); }
    void PlayFile(const std::string& path, bool loop) override {
        m_played.push_back({Played::Kind::File, -1, path, 0, loop});
    }
    void PlayClip(std::span<const std::uint8_t> wave) override {
        m_played.push_back({Played::Kind::Clip, -1, {}, wave.size(), false});
    }
    void StopLoop() override { m_played.push_back({Played::Kind::Stop, -1, {}, 0, false}); }

    const std::vector<Played>& PlayedSounds() const { return m_played; }
    void Clear() { m_played.clear(); }

private:
    std::vector<Played> m_played;
};

}  // namespace platform
