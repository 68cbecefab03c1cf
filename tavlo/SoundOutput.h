#pragma once
// tavlo::SoundOutput: where tavlo's sound effects and voice clips go. The Qt host plays them (and is
// silent without a device); the headless host records what would have played. tavlo decides what
// plays: an effect's built-in sound or its replacement file.

#include <cstdint>
#include <span>
#include <string>

namespace tavlo {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // The built-in sound of effect 0..10, once or looped until StopLoop.
    virtual void PlayEffect(int effect, bool loop) = 0;
    // A WAVE file, once or looped until StopLoop.
    virtual void PlayFile(const std::string& path, bool loop) = 0;
    // A RIFF/WAVE image in memory. Clips are heard in the order they were handed over.
    virtual void PlayClip(std::span<const std::uint8_t> wave) = 0;
    // Ends the looping sound; harmless when none plays.
    virtual void StopLoop() = 0;
};

// Installs the host's output (nullptr: silence). Not owned.
void SetSoundOutput(SoundOutput* output);

}  // namespace tavlo
