#include "platform/core/WaveFormat.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

namespace platform {

namespace {

std::uint32_t Le32(const std::uint8_t* bytes) {
    return std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) | (std::uint32_t{bytes[2]} << 16) |
           (std::uint32_t{bytes[3]} << 24);
}
int Le16(const std::uint8_t* bytes) { return bytes[0] | (bytes[1] << 8); }

// Enough of a file to find the format and the data chunk behind a few extra chunks.
constexpr std::size_t kHeaderBytes = 4096;

}  // namespace

std::int64_t WaveFormat::LengthMs() const {
    const std::int64_t frameBytes = std::int64_t{channels} * (bitsPerSample / 8);
    if (frameBytes <= 0 || sampleRate <= 0) return 0;
    return std::int64_t{dataBytes} / frameBytes * 1000 / sampleRate;
}

std::optional<WaveFormat> ReadWaveFormat(std::span<const std::uint8_t> image) {
    if (image.size() < 12 || std::memcmp(image.data(), "RIFF", 4) != 0 ||
        std::memcmp(image.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    WaveFormat format;
    bool haveFormat = false;
    std::size_t at = 12;
    // Walk the chunks: "fmt " first, then "data"; others are skipped.
    while (at + 8 <= image.size()) {
        const std::uint8_t* chunk = image.data() + at;
        const std::uint32_t size = Le32(chunk + 4);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (size < 16 || at + 8 + 16 > image.size()) return std::nullopt;
            const int encoding = Le16(chunk + 8);
            format.channels = Le16(chunk + 10);
            format.sampleRate = static_cast<int>(Le32(chunk + 12));
            format.bitsPerSample = Le16(chunk + 22);
            if (encoding != 1 || format.channels < 1 || format.channels > 2 ||
                (format.bitsPerSample != 8 && format.bitsPerSample != 16) || format.sampleRate < 4000 ||
                format.sampleRate > 192000)
                return std::nullopt;
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            if (!haveFormat) return std::nullopt;
            const std::size_t present = image.size() - (at + 8);
            format.dataBytes = static_cast<std::uint32_t>(std::min<std::size_t>(size, present));
            const std::uint32_t frame = static_cast<std::uint32_t>(format.channels * format.bitsPerSample / 8);
            if (format.dataBytes < frame) return std::nullopt;
            return format;
        }
        at += 8 + std::size_t{size} + (size & 1);
    }
    return std::nullopt;
}

std::optional<WaveFormat> ReadWaveFileFormat(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const auto fileSize = std::filesystem::file_size(path, error);
    if (error) return std::nullopt;
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<std::uint8_t> header(kHeaderBytes);
    file.read(reinterpret_cast<char*>(header.data()), static_cast<std::streamsize>(header.size()));
    header.resize(static_cast<std::size_t>(file.gcount()));
    // The data chunk runs to the end of the file; its length comes from the file's size.
    auto format = ReadWaveFormat(header);
    if (!format) return std::nullopt;
    const auto dataAt = [&]() -> std::size_t {
        for (std::size_t at = 12; at + 8 <= header.size();) {
            if (std::memcmp(header.data() + at, "data", 4) == 0) return at + 8;
            at += 8 + std::size_t{Le32(header.data() + at + 4)} + (Le32(header.data() + at + 4) & 1);
        }
        return header.size();
    }();
    if (dataAt < fileSize) {
        const std::uint32_t declared = Le32(header.data() + dataAt - 4);
        format->dataBytes = static_cast<std::uint32_t>(std::min<std::uintmax_t>(declared, fileSize - dataAt));
    }
    return format;
}

}  // namespace platform
