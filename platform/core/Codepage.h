#pragma once
// Conversion between the program's UTF-8 texts and the single-byte Western code page (cp1252) that
// the match and game files keep. Limits of names in those files count cp1252 bytes.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// Every cp1252 byte has a UTF-8 form; the five bytes the code page leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control characters of the same number, so a byte
// string survives the way to UTF-8 and back unchanged.
std::string Cp1252ToUtf8(std::string_view cp1252);

// A character the code page cannot hold, and every malformed UTF-8 sequence, becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);

// The number of bytes the text takes in cp1252 (one per character).
std::size_t Cp1252Length(std::string_view utf8);

// The longest leading part of the text that fits in maxBytes cp1252 bytes, cut between
// characters, still in UTF-8.
std::string TruncateToCp1252(std::string_view utf8, std::size_t maxBytes);

}  // namespace platform
