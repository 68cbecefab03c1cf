// The term catalogue: names, short forms and which terms share one recording.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "audio/VoiceTerms.h"

namespace {

TEST(VoiceTermsTest, NamesFollowTheLadderTheSuitGamesAndTheWords) {
    struct Case {
        int term;
        const char* name;
        const char* shortName;
    };
    const Case cases[] = {
        {0, "18", ""},          {1, "20", ""},           {2, "22", "2"},          {3, "23", "3"},
        {5, "27", "7"},         {14, "48", "8"},         {18, "59", "9"},         {23, "72", "2"},
        {26, "81", "1"},        {33, "100", ""},         {57, "187", "7"},        {58, "192", ""},
        {63, "264", ""},        {64, "Clubs", ""},       {67, "ClubsHandOuvert", ""},
        {79, "DiamondsHandOuvert", ""}, {83, "NullOuvertHand", ""}, {88, "GrandHandOuvert", ""},
        {117, "Welcome", ""},   {119, "Seven", "7"},     {120, "Eight", ""},      {121, "Nine", ""},
        {126, "OfClubs", "Clubs"}, {129, "OfDiamonds", "Diamonds"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(GetVoiceTermName(c.term), c.name) << c.term;
        EXPECT_STREQ(GetVoiceShortName(c.term), c.shortName) << c.term;
    }
    EXPECT_STREQ(GetVoiceTermName(-1), "");
    EXPECT_STREQ(GetVoiceTermName(130), "");
    EXPECT_STREQ(GetVoiceShortName(130), "");
    std::set<std::string> names(VoiceTermNames.begin(), VoiceTermNames.end());
    EXPECT_EQ(names.size(), 130u) << "every term has a name of its own";
}

TEST(VoiceTermsTest, FoldersAreNamedAsTheReplacementTreeIsLaidOut) {
    EXPECT_STREQ(LanguageFolders[0], "ge\\");
    EXPECT_STREQ(LanguageFolders[1], "en\\");
    EXPECT_STREQ(VoiceFolders[0], "voice1\\");
    EXPECT_STREQ(VoiceFolders[5], "voice6\\");
}

TEST(VoiceTermsTest, BidsWithOneShortFormShareOneRecording) {
    for (int language = 0; language < 2; ++language)
        for (int a = 0; a < 64; ++a)
            for (int b = 0; b < 64; ++b) {
                const std::string shortA = GetVoiceShortName(a), shortB = GetVoiceShortName(b);
                const bool same = a == b || (!shortA.empty() && shortA == shortB);
                EXPECT_EQ(VoiceClipOwner(a, language) == VoiceClipOwner(b, language), same) << a << " " << b;
            }
}

TEST(VoiceTermsTest, SevenEightNineAndTheGermanSuitsShareTheirClips) {
    for (int language = 0; language < 2; ++language) {
        EXPECT_EQ(VoiceClipOwner(TERM_SEVEN, language), 5);   // 27
        EXPECT_EQ(VoiceClipOwner(TERM_EIGHT, language), 14);  // 48
        EXPECT_EQ(VoiceClipOwner(TERM_NINE, language), 18);   // 59
        EXPECT_EQ(VoiceClipOwner(122, language), 122);        // Ten has its own
    }
    for (int suit = 0; suit < 4; ++suit) {
        EXPECT_EQ(VoiceClipOwner(126 + suit, 0), 64 + 4 * suit) << "German: the suit word";
        EXPECT_EQ(VoiceClipOwner(126 + suit, 1), 126 + suit) << "English: \"of Clubs\" is its own";
    }
    EXPECT_EQ(VoiceClipOwner(130, 0), -1);
    EXPECT_EQ(VoiceClipOwner(-1, 0), -1);
    EXPECT_EQ(VoiceClipOwner(0, 2), -1);
}

TEST(VoiceTermsTest, EachSpeakerHas92GermanAnd96EnglishRecordings) {
    const auto recordings = [](int language) {
        int count = 0;
        for (int term = 0; term < VOICE_TERM_COUNT; ++term)
            if (VoiceClipOwner(term, language) == term) ++count;
        return count;
    };
    EXPECT_EQ(recordings(0), 92);
    EXPECT_EQ(recordings(1), 96);
}

TEST(VoiceTermsTest, EveryRecordingHasAText) {
    for (int language = 0; language < 2; ++language)
        for (int term = 0; term < VOICE_TERM_COUNT; ++term) {
            const bool owns = VoiceClipOwner(term, language) == term;
            EXPECT_EQ(!VoiceClipText(term, language).empty(), owns) << term << " in " << language;
        }
    EXPECT_EQ(VoiceClipText(2, 0), "zwo");
    EXPECT_EQ(VoiceClipText(67, 0), "Kreuz Hand uwähr");
    EXPECT_EQ(VoiceClipText(126, 1), "of Clubs");
    EXPECT_EQ(VoiceClipText(0, 1), "18");
}

}  // namespace
