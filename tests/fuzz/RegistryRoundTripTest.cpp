// The fuzzer's round trip on texts made by hand: damaged ones included, what was read comes back the
// same after writing and reading again.
#include <gtest/gtest.h>

#include <string>

#include "fuzz/RegistryRoundTrip.h"

namespace {

const std::string kHead = "Windows Registry Editor Version 5.00\n\n";

std::string Deep(int levels) {
    std::string path = "[HKEY_CURRENT_USER";
    for (int i = 0; i < levels; ++i) path += "\\A";
    return path + "]\n\"n\"=dword:00000001\n";
}

struct RoundTripCase {
    const char* name;
    std::string text;
};

// A failing case names itself, not its bytes.
void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }

class RegistryRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(RegistryRoundTrip, ComesBackTheSame) { EXPECT_EQ(fuzzcheck::CheckRegistryRoundTrip(GetParam().text), ""); }

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryRoundTrip,
    ::testing::Values(
        RoundTripCase{"Empty", ""},
        RoundTripCase{"HeaderOnly", kHead},
        RoundTripCase{"Values", kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\\\\y\\\"z\\x01\"\n@=dword:0000002a\n"
                                        "\"\"=\"empty name\"\n[HKEY_CURRENT_USER]\n\"root\"=\"r\"\n"},
        RoundTripCase{"SpellingsOfOneKey", kHead + "[HKEY_CURRENT_USER\\Key]\n\"A\"=\"1\"\n[HKEY_CURRENT_USER\\KEY]\n"
                                                   "\"a\"=\"2\"\n[HKEY_CURRENT_USER\\\\key\\\\]\n"},
        RoundTripCase{"BracketsAndQuotesInNames", kHead + "[HKEY_CURRENT_USER\\a]b\"c]\n\"x]\"=\"[y]\"\n"},
        RoundTripCase{"RawControlCharactersInValues", kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"x\ry\tz\x7f\"\n"},
        RoundTripCase{"DeepWithinTheBound", kHead + Deep(64)},
        RoundTripCase{"TooDeep", kHead + Deep(65) + Deep(3)},
        RoundTripCase{"ControlCharacterInAKeyName", kHead + "[HKEY_CURRENT_USER\\K\rL]\n\"a\"=\"x\"\n"},
        RoundTripCase{"DamagedLines", kHead + "[HKEY_CURRENT_USER\\K]\n\"a\"=\"cut\n\"b\"=dword:12\nnonsense\n"
                                              "[HKEY_LOCAL_MACHINE\\K]\n\"c\"=\"x\"\n"},
        RoundTripCase{"WindowsLineEndsAndMark",
                      "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\K]\r\n\"a\"=\"x\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
