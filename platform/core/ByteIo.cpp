#include "platform/core/ByteIo.h"

#include "platform/core/Codepage.h"

#include <algorithm>
#include <iterator>

namespace platform {

bool ByteReader::Take(std::size_t count) {
    if (count > Remaining()) {
        overrun_ = true;
        return false;
    }
    position_ += count;
    return true;
}

std::optional<std::uint32_t> ByteReader::ReadUInt32() {
    std::size_t at = position_;
    if (!Take(4)) return std::nullopt;
    return static_cast<std::uint32_t>(data_[at]) | static_cast<std::uint32_t>(data_[at + 1]) << 8 |
           static_cast<std::uint32_t>(data_[at + 2]) << 16 | static_cast<std::uint32_t>(data_[at + 3]) << 24;
}

std::optional<std::int32_t> ByteReader::ReadInt32() {
    auto value = ReadUInt32();
    if (!value) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

std::optional<std::span<const std::uint8_t>> ByteReader::ReadBytes(std::size_t count) {
    std::size_t at = position_;
    if (!Take(count)) return std::nullopt;
    return data_.subspan(at, count);
}

std::optional<std::string> ByteReader::ReadFixedString(std::size_t length) {
    auto field = ReadBytes(length);
    if (!field) return std::nullopt;
    auto end = std::find(field->begin(), field->end(), std::uint8_t{0});
    std::string cp1252(field->begin(), end);
    return Cp1252ToUtf8(cp1252);
}

bool ByteReader::Skip(std::size_t count) { return Take(count); }

void ByteWriter::WriteUInt32(std::uint32_t value) {
    const std::uint8_t littleEndian[4] = {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                          static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    bytes_.insert(bytes_.end(), std::begin(littleEndian), std::end(littleEndian));
}

void ByteWriter::WriteInt32(std::int32_t value) { WriteUInt32(static_cast<std::uint32_t>(value)); }

void ByteWriter::WriteBytes(std::span<const std::uint8_t> bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
}

void ByteWriter::WriteFixedString(std::string_view utf8, std::size_t length) {
    if (length == 0) return;
    std::string cp1252 = Utf8ToCp1252(utf8);
    // A NUL inside the text would end the field early on reading; it ends it here as well.
    cp1252 = cp1252.substr(0, std::min(cp1252.find('\0'), length - 1));
    bytes_.insert(bytes_.end(), cp1252.begin(), cp1252.end());
    bytes_.insert(bytes_.end(), length - cp1252.size(), std::uint8_t{0});
}

}  // namespace platform
