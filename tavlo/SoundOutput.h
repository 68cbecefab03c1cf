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
    // A voice: a clip image or a WAVE file, queued behind the voices before it (never in an
    // effect's place). Returns how many milliseconds it will sound; 0 when it will not sound.
    virtual std::int64_t PlayVoice(std::span<const std::uint8_t> wave) {
        PlayClip(wave);
        return 0;
    }
    virtual std::int64_t PlayVoiceFile(const std::string& path) {
        PlayFile(path, false);
        return 0;
    }
};

// Installs the host's output (nullptr: silence). Not owned.
void SetSoundOutput(SoundOutput* output);
// Whether an output is installed (a silent device counts: it is the host's to decide).
bool HasSoundOutput();

}  // namespace tavlo
