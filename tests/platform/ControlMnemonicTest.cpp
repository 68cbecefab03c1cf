#include "platform/core/ControlMnemonic.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlMnemonicTest, FindsTheMarkedCharacter) {
    struct Case {
        const char* text;
        char32_t mnemonic;
        const char* shown;
    };
    const Case cases[] = {
        {"&OK", U'o', "OK"},
        {"reiz&e", U'e', "reize"},
        {"Rege&l", U'l', "Regel"},
        {"Fort && Weiter", 0, "Fort & Weiter"},
        {"A && &B", U'b', "A & B"},
        {"&\xC3\x9C" "bernehmen", U'\u00FC', "\xC3\x9C" "bernehmen"},  // &Ü: the umlaut, lower-cased
        {"Ende&", 0, "Ende"},
        {"", 0, ""},
        {"&\xC3", 0xC3 + 32, "\xC3"},  // cut UTF-8: the byte itself, no crash
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::MnemonicOf(c.text), c.mnemonic) << c.text;
        EXPECT_EQ(platform::StripMnemonic(c.text), c.shown) << c.text;
    }
}

TEST(ControlMnemonicTest, MatchesIgnoringCase) {
    EXPECT_TRUE(platform::MatchesMnemonic("&Neu", U'N'));
    EXPECT_TRUE(platform::MatchesMnemonic("&Neu", U'n'));
    EXPECT_TRUE(platform::MatchesMnemonic("&\xC3\x9C" "bernehmen", U'\u00DC'));
    EXPECT_FALSE(platform::MatchesMnemonic("Neu", U'n'));
    EXPECT_FALSE(platform::MatchesMnemonic("Neu", 0));
}

}  // namespace
