#pragma once
// Files made by hand for the readers' tests: bytes laid out at their offsets, texts in cp1252.

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

namespace fixtures {

class ByteImage {
public:
    explicit ByteImage(std::size_t size = 0) : bytes_(size, 0) {}

    ByteImage& Put32(std::size_t offset, std::int64_t value) {
        Grow(offset + 4);
        const auto bits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) bytes_[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
        return *this;
    }
    // Raw bytes (cp1252 already: "J\xfcrgen").
    ByteImage& PutText(std::size_t offset, std::string_view text) {
        Grow(offset + text.size());
        for (std::size_t i = 0; i < text.size(); ++i) bytes_[offset + i] = static_cast<std::uint8_t>(text[i]);
        return *this;
    }
    ByteImage& Append(std::string_view text) { return PutText(bytes_.size(), text); }
    ByteImage& AppendZero() {
        bytes_.push_back(0);
        return *this;
    }
    ByteImage& Resize(std::size_t size) {
        bytes_.resize(size, 0);
        return *this;
    }
    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::span<const std::uint8_t> Span() const { return bytes_; }

private:
    void Grow(std::size_t size) {
        if (bytes_.size() < size) bytes_.resize(size, 0);
    }
    std::vector<std::uint8_t> bytes_;
};

// A match list header as the program writes it, with umlaut names and something in every area
// the writer leaves alone.
inline ByteImage ListHeader() {
    ByteImage image(352);
    image.PutText(0, "Spielliste\nScore Sheet").PutText(56, "Regelskat\nRule Skat");
    image.Put32(76, 0).Put32(80, 1).Put32(84, 1);
    image.PutText(88, "J\xfcrgen").PutText(132, "M\xe4""dchen").PutText(176, "\xd6zg\xfcr");
    image.Put32(120, 3).Put32(124, 1).Put32(128, 2);
    image.Put32(164, 2).Put32(168, 2).Put32(172, 3);
    image.Put32(208, 1).Put32(212, 0).Put32(216, 4);
    image.Put32(220, 1).Put32(224, 16).Put32(228, 1700000000).Put32(232, 3).Put32(236, 2).Put32(240, 1);
    image.Put32(244, 7).Put32(248, -7).Put32(252, 0x01020304).Put32(256, 99);
    image.Put32(260, 1).Put32(264, 1).Put32(268, 0x10000000 + 1 + 256).Put32(272, 0);
    image.Put32(276, 1).Put32(280, 1).Put32(284, 2).Put32(288, 0).Put32(292, 1).Put32(296, 1);
    image.Put32(300, 2).Put32(304, 1).Put32(308, 0).Put32(312, 12).Put32(316, 3600);
    image.Put32(320, 55).Put32(324, 460).Put32(328, 512).Put32(332, 488);
    image.Put32(336, 11).Put32(340, 22).Put32(344, 33).Put32(348, 44);
    return image;
}

// A game row at its place after the header.
inline void PutListRow(ByteImage& image, int game, std::initializer_list<std::int64_t> marks, std::int64_t score,
                       std::string_view text, std::int64_t forehand) {
    const std::size_t at = 352 + 44 * static_cast<std::size_t>(game);
    std::size_t offset = at;
    for (std::int64_t mark : marks) {
        image.Put32(offset, mark);
        offset += 4;
    }
    image.Put32(at + 12, score).PutText(at + 16, text).Put32(at + 40, forehand);
    image.Resize(std::max(image.Size(), at + 44));
}

// The settings trailer at the end of the image: every word numbered, then seven texts.
inline void AppendListTrailer(ByteImage& image) {
    const std::size_t at = image.Size();
    image.Put32(at, 0xAABBCCDD).Put32(at + 4, 0x05080001);
    for (std::size_t offset = 8; offset < 372; offset += 4) image.Put32(at + offset, static_cast<std::int64_t>(offset));
    image.Append("J\xfcrgen").AppendZero().Append("M\xe4""dchen").AppendZero().Append("Sie").AppendZero();
    image.Append("/home/j\xfcrgen/Bilder/links.bmp").AppendZero().Append("").AppendZero();
    image.Append("/home/j\xfcrgen/Bilder/ich 1.bmp").AppendZero().Append("/tmp/\xe4.bmp").AppendZero();
}

}  // namespace fixtures
