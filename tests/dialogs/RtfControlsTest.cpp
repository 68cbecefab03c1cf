// A rule text's rich-text control words taken out for the plain list of causes.
#include "dialogs/RtfControls.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct StripCase {
    const char* name;
    const char* text;
    const char* plain;
};

// A failing case names itself, not its bytes.
void PrintTo(const StripCase& c, std::ostream* out) { *out << c.name; }

class StripRtf : public ::testing::TestWithParam<StripCase> {};

TEST_P(StripRtf, RemovesControlWords) { EXPECT_EQ(StripRtfControls(GetParam().text), GetParam().plain); }

INSTANTIATE_TEST_SUITE_P(Cases, StripRtf,
                         ::testing::Values(StripCase{"Plain", "no controls", "no controls"},
                                           StripCase{"Between", "\\b bold\\b0 text", "boldtext"},
                                           StripCase{"Leading", "\\qc centred", "centred"},
                                           StripCase{"NoBlankEnds", "kept \\b0", "kept "},
                                           StripCase{"Empty", "", ""},
                                           StripCase{"Several", "a\\b b\\cf2 c\\par d", "abcd"}),
                         [](const ::testing::TestParamInfo<StripCase>& info) { return std::string(info.param.name); });

}  // namespace
