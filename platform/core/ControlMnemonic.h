#pragma once
// Mnemonics: in a control or menu text, '&' marks the next character as the key that chooses it
// with Alt (or plainly, inside an open menu); "&&" stands for a literal '&'. Texts are UTF-8, and
// mnemonics may be umlauts, so the key is a code point.

#include <string>
#include <string_view>

namespace platform {

// The mnemonic of a text in lower case, or 0 when it has none.
char32_t MnemonicOf(std::string_view text);
// Whether the key (a code point, any case) chooses this text.
bool MatchesMnemonic(std::string_view text, char32_t key);
// The text as displayed: markers removed, "&&" shown as '&'.
std::string StripMnemonic(std::string_view text);
// Lower case for ASCII and the Latin-1 letters (umlauts); other code points unchanged.
char32_t FoldMnemonicCase(char32_t c);

}  // namespace platform
