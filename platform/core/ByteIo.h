#pragma once
// Little-endian field readers and writers for the program's binary files. The reader checks every
// read against the end of the buffer: a read that would pass it reads nothing, returns nothing and
// marks the reader overrun, so a damaged file is reported instead of being read past its end.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> data) : data_(data) {}

    std::optional<std::int32_t> ReadInt32();
    std::optional<std::uint32_t> ReadUInt32();
    std::optional<std::span<const std::uint8_t>> ReadBytes(std::size_t count);
    // A text field of a fixed length in cp1252: the bytes up to the first NUL (or all of them),
    // returned as UTF-8. The reader moves on by the whole field.
    std::optional<std::string> ReadFixedString(std::size_t length);
    bool Skip(std::size_t count);

    std::size_t Position() const { return position_; }
    std::size_t Remaining() const { return data_.size() - position_; }
    bool AtEnd() const { return position_ == data_.size(); }
    // Whether a read has tried to pass the end; stays set.
    bool Overrun() const { return overrun_; }

private:
    bool Take(std::size_t count);

    std::span<const std::uint8_t> data_;
    std::size_t position_ = 0;
    bool overrun_ = false;
};

class ByteWriter {
public:
    void WriteInt32(std::int32_t value);
    void WriteUInt32(std::uint32_t value);
    void WriteBytes(std::span<const std::uint8_t> bytes);
    // A text field of a fixed length: the UTF-8 text converted to cp1252, cut to length - 1 bytes
    // so that a NUL always ends it, padded with NULs to the length.
    void WriteFixedString(std::string_view utf8, std::size_t length);

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::size_t Size() const { return bytes_.size(); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace platform
