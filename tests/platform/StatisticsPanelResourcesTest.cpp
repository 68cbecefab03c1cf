// The statistics windows' resources in both editions: the panels' templates with their controls
// (the English card panel moved where its texts need it), the size buttons' pictures, and the
// chapter of texts.
#include "platform/core/DialogTemplate.h"
#include "platform/core/Resources.h"

#include "resources/Editions.h"
#include "resources/ids.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

class StatisticsPanelResourcesTest : public ::testing::Test {
protected:
    void TearDown() override { platform::SetResources(nullptr); }

    static std::optional<platform::ControlTemplate> Control(const platform::DialogTemplate& dialog, int id, const char* text = nullptr) {
        for (const auto& control : dialog.controls)
            if (control.id == id && (!text || std::string(control.text) == text)) return control;
        return std::nullopt;
    }
};

TEST_F(StatisticsPanelResourcesTest, TheCardPanelHasItsControlsInBothEditions) {
    const struct {
        const platform::ResourceSet* edition;
        int groupX, groupWidth, radioX, buttonX, compactX, dialogWidth;
        const char* deal;
    } cases[] = {
        {&GermanResources(), 69, 218, 150, 232, 13, 292, "&Geben"},
        {&EnglishResources(), 74, 207, 147, 225, 12, 291, "&Deal"},
    };
    for (const auto& c : cases) {
        platform::SetResources(c.edition);
        const platform::DialogTemplate* panel = platform::FindDialog(IDD_CARD_STATISTICS);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->rect.cx, c.dialogWidth);
        const auto group = Control(*panel, -1, platform::LoadString(IDS_STATISTICS_CARDS) == "Karten" ? "Erfasste Spiele" : "Recorded Games");
        ASSERT_TRUE(group.has_value());
        EXPECT_EQ(group->rect.x, c.groupX);
        EXPECT_EQ(group->rect.cx, c.groupWidth);
        for (int radio : {1009, 1051, 1175}) {
            const auto control = Control(*panel, radio);
            ASSERT_TRUE(control.has_value()) << radio;
            EXPECT_EQ(control->kind, platform::ControlKind::RadioButton);
            EXPECT_EQ(control->rect.x, c.radioX);
            EXPECT_TRUE(control->style & platform::CTL_AUTO);
        }
        const auto deal = Control(*panel, 1047);
        ASSERT_TRUE(deal.has_value());
        EXPECT_STREQ(deal->text, c.deal);
        EXPECT_EQ(deal->rect.x, c.buttonX);
        EXPECT_TRUE(deal->style & platform::CTL_HIDDEN);  // only the test view shows it
        EXPECT_EQ(Control(*panel, 1082)->rect.x, c.buttonX);
        EXPECT_EQ(Control(*panel, 1292)->rect.x, c.compactX);
        EXPECT_TRUE(Control(*panel, 1050)->style & platform::CTL_READONLY);
    }
}

TEST_F(StatisticsPanelResourcesTest, TheGamePanelIsLaidOutAlikeInBothEditions) {
    platform::SetResources(&GermanResources());
    const platform::DialogTemplate* german = platform::FindDialog(IDD_GAME_STATISTICS);
    platform::SetResources(&EnglishResources());
    const platform::DialogTemplate* english = platform::FindDialog(IDD_GAME_STATISTICS);
    ASSERT_NE(german, nullptr);
    ASSERT_NE(english, nullptr);
    EXPECT_EQ(german->rect.cx, 333);
    EXPECT_EQ(german->rect.cy, 53);
    ASSERT_EQ(german->controls.size(), english->controls.size());
    for (std::size_t i = 0; i < german->controls.size(); ++i) {
        EXPECT_EQ(german->controls[i].id, english->controls[i].id);
        EXPECT_EQ(german->controls[i].rect.x, english->controls[i].rect.x);
        EXPECT_EQ(german->controls[i].rect.y, english->controls[i].rect.y);
    }
    EXPECT_EQ(Control(*german, 1081)->kind, platform::ControlKind::ComboBox);
    EXPECT_TRUE(Control(*german, 1081)->style & platform::CTL_DROPLIST);
    EXPECT_STREQ(Control(*german, 1116)->text, "pro &Serie");
    EXPECT_STREQ(Control(*english, 1116)->text, "per &Match");
}

TEST_F(StatisticsPanelResourcesTest, TheSizePicturesAreDrawnAlikeInBothEditions) {
    platform::SetResources(&GermanResources());
    const platform::Bitmap compact = platform::LoadBitmap(IDB_SIZE_COMPACT);
    const platform::Bitmap full = platform::LoadBitmap(IDB_SIZE_FULL);
    EXPECT_EQ(compact.Dimensions(), (platform::Size{16, 16}));
    EXPECT_EQ(full.Dimensions(), (platform::Size{16, 16}));
    EXPECT_NE(compact, full);
    // The full picture's window reaches the bottom row, the compact one's stops short of it.
    EXPECT_EQ(full.GetPixel(8, 15), (platform::Color{0, 0, 0}));
    EXPECT_NE(compact.GetPixel(8, 15), (platform::Color{0, 0, 0}));
    platform::SetResources(&EnglishResources());
    EXPECT_EQ(platform::LoadBitmap(IDB_SIZE_COMPACT), compact);
    EXPECT_EQ(platform::LoadBitmap(IDB_SIZE_FULL), full);
}

TEST_F(StatisticsPanelResourcesTest, TheStatisticsTextsInBothEditions) {
    const struct {
        int id;
        const char* german;
        const char* english;
    } cases[] = {
        {IDS_STATISTICS_ABS, "abs", "abs"},
        {IDS_STATISTICS_REL, "rel", "rel"},
        {IDS_STATISTICS_CARDS, "Karten", "Cards"},
        {IDS_STATISTICS_ATTRIBUTES, "Merkmale", "Attributes"},
        {IDS_STATISTICS_ROW_FIRST, "Alleispieler", "Soloist"},
        {IDS_STATISTICS_ROW_FIRST + 6, "Ergebnis", "Result"},
        {IDS_STATISTICS_ROW_FIRST + 13, "gechoben", "passed on"},
        {IDS_STATISTICS_ROW_FIRST + 17, "Rekontra", "Rekontra"},
        {IDS_STATISTICS_SKAT, "Skat", "Skat"},
    };
    for (const auto& c : cases) {
        platform::SetResources(&GermanResources());
        EXPECT_EQ(platform::LoadString(c.id), c.german) << c.id;
        platform::SetResources(&EnglishResources());
        EXPECT_EQ(platform::LoadString(c.id), c.english) << c.id;
    }
    for (int j = 0; j < 18; ++j) {
        platform::SetResources(&GermanResources());
        EXPECT_FALSE(platform::LoadString(IDS_STATISTICS_ROW_FIRST + j).empty()) << j;
        platform::SetResources(&EnglishResources());
        EXPECT_FALSE(platform::LoadString(IDS_STATISTICS_ROW_FIRST + j).empty()) << j;
    }
}

}  // namespace
