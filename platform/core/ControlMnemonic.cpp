#include "platform/core/ControlMnemonic.h"

namespace platform {

namespace {

// Decodes the UTF-8 sequence at text[pos]; a broken sequence yields the byte itself so that a
// damaged text still gives some key rather than none.
char32_t DecodeAt(std::string_view text, std::size_t pos) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    std::size_t extra = (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : 0;
    if (extra == 0 || pos + extra >= text.size()) return lead;
    char32_t c = lead & (0x3F >> extra);
    for (std::size_t i = 1; i <= extra; ++i) {
        unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80) return lead;
        c = (c << 6) | (next & 0x3F);
    }
    return c;
}

}  // namespace

char32_t FoldMnemonicCase(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    return c;
}

char32_t MnemonicOf(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '&') continue;
        if (text[i + 1] == '&') {
            ++i;
            continue;
        }
        return FoldMnemonicCase(DecodeAt(text, i + 1));
    }
    return 0;
}

bool MatchesMnemonic(std::string_view text, char32_t key) {
    char32_t mnemonic = MnemonicOf(text);
    return mnemonic != 0 && mnemonic == FoldMnemonicCase(key);
}

std::string StripMnemonic(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;  // keep what follows: the letter, or the second '&'
        else if (text[i] == '&') continue;                // a lone marker at the end shows nothing
        shown += text[i];
    }
    return shown;
}

}  // namespace platform
