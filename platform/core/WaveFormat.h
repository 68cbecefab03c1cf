#pragma once
// Reading the header of a RIFF/WAVE image: its PCM format and how long it sounds. Used where a clip
// or a replacement file must be judged before it is played (the voice look-up, the sound outputs).

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::uint32_t dataBytes = 0;  // the sample data present (a truncated file counts what is there)
    // How long the samples sound, in milliseconds.
    std::int64_t LengthMs() const;
};

// The format of a PCM WAVE image (1 or 2 channels, 8 or 16 bits, 4000..192000 Hz, some samples);
// nothing for anything else: not RIFF/WAVE, another encoding, no data.
std::optional<WaveFormat> ReadWaveFormat(std::span<const std::uint8_t> image);
// The same for a file: only a regular file is opened; nothing when it cannot be read.
std::optional<WaveFormat> ReadWaveFileFormat(const std::string& path);

}  // namespace platform
