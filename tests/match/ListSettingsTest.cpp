// The settings a match list carries: written from the current settings, compared item by item
// under their headings, taken over only when the person agrees.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include "computer/evaluation/ComputerState.h"
#include "match/ListSettingsTable.h"
#include "match/Profile.h"

#include <filesystem>

namespace {

class ListSettingsTest : public testsupport::FrameFixture {};

TEST_F(ListSettingsTest, TheQuestionListsExactlyTheChangedItemsUnderTheirHeadings) {
    ListSettings settings = MakeListSettings("5.8");
    EXPECT_EQ(CompareWithCurrentSettings(settings).Count, 0);
    settings.Set(8, 0);                                        // Kontra off
    settings.Set(136, settings.At(136) + 1);                   // the swap delay, low half
    settings.Set(308, (3 << 16) | 1);                          // Bock rounds
    settings.Set(368, 2);                                      // landscape
    settings.Strings[1] = "Anna";                              // seat 1's name
    const ListSettingsDifferences differences = CompareWithCurrentSettings(settings);
    EXPECT_EQ(differences.Count, 5);
    EXPECT_EQ(differences.Text,
              "\n  Configuration\n\tKontra"
              "\n  Delay\n\tDelay on swapping"
              "\n  Aktual\n\tBock counter (total)"
              "\n  Print\n\tPrint page orientation"
              "\n  Names\n\tName player right");
}

TEST_F(ListSettingsTest, TheTrailerPacksAndTakingItBackNormalises) {
    g_Settings.Delay.Swap = 70000;  // beyond the 16 bits of its half
    g_Settings.Delay.Switch = 300;
    g_Settings.Settings.Safe = 1;
    g_Settings.Settings.Suggest = 1;
    g_Settings.Game.Bypass = 5;
    ListSettings settings = MakeListSettings("5.8 beta 2");
    EXPECT_EQ(static_cast<std::uint32_t>(settings.At(136)), (300u << 16) | 65535u);
    EXPECT_EQ(settings.At(188), 17);
    EXPECT_EQ(settings.At(252), 1);
    EXPECT_EQ(static_cast<std::uint32_t>(settings.At(4)) >> 8, 0x050802u);

    settings.Set(32, 7);    // Ouvert out of its range
    settings.Set(104, -5);  // a negative delay
    settings.Set(320, 99);  // a card back beyond the designs
    TakeListSettings(settings, nullptr);
    EXPECT_EQ(g_Settings.Variants.Ouvert, 3);
    EXPECT_EQ(g_Settings.Delay.Bid, 0);
    EXPECT_EQ(g_Settings.View.CardBack, CSettings().View.CardBack);
    EXPECT_EQ(g_Settings.Delay.Swap, 65535);
    EXPECT_EQ(g_Settings.Delay.Switch, 300);
}

TEST_F(ListSettingsTest, YesTakesAllNoTakesNothingAndMissingPortraitsAreCounted) {
    StartProgram();
    g_Game.FlowState = STATE_IDLE;
    ListSettings settings = MakeListSettings("5.8");
    settings.Set(8, 0);
    settings.Strings[0] = "Bert";
    settings.Strings[3] = "/no/such/left.bmp";
    settings.Strings[4] = "relative.bmp";
    const std::string existing = temp_.Folder() + "me.bmp";
    ASSERT_TRUE(platform::WriteFileAtomic(existing, std::string("BM")));
    settings.Strings[5] = existing;
    settings.Strings[6] = existing;

    host_->Answers().PushMessageBoxAnswer(IDNO);
    EXPECT_FALSE(Frame().MatchFiles().CompareListSettings(settings));
    EXPECT_EQ(g_Settings.Variants.Kontra, 1);
    EXPECT_EQ(g_Profile.Names[0], "Computer1");

    host_->Answers().PushMessageBoxAnswer(IDYES);
    host_->Answers().PushMessageBoxAnswer(IDOK);  // "2 Image paths do not exist."
    EXPECT_TRUE(Frame().MatchFiles().CompareListSettings(settings));
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
    EXPECT_EQ(g_Settings.Variants.Kontra, 0);
    EXPECT_EQ(g_Profile.Names[0], "Bert");
    EXPECT_EQ(g_Profile.Image.ImagePerson1, existing);
    EXPECT_NE(g_Profile.Image.ImageComputer1, "/no/such/left.bmp");
    EXPECT_NE(g_Profile.Image.ImageComputer2, "relative.bmp");
}

}  // namespace
