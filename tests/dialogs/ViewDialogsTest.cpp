// The design choosers, the sorting order and the two swaps, run modally with scripted actions.
#include "SettingsDialogFixture.h"

#include "dialogs/SettingsIds.h"
#include "dialogs/ViewDialogs.h"
#include "model/Settings.h"
#include "platform/core/IconList.h"
#include "platform/core/WindowApi.h"

namespace {

using testsupport::DialogAction;

class ViewDialogsTest : public testsupport::SettingsDialogFixture {};

TEST_F(ViewDialogsTest, TheBackChooserAtTheLastDesignSelectsAndShowsIt) {
    g_Settings.View.CardBack = 31;
    CCardBackDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const auto* list = dialog.GetControlAs<platform::IconList>(CDesignChooserDialog::kList);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Count(), 32);
    EXPECT_EQ(list->Caption(31), "32");
    EXPECT_EQ(list->Selection(), 31);
    EXPECT_EQ(list->FocusItem(), 31);
    EXPECT_TRUE(list->IsItemVisible(31));
    EXPECT_EQ(list->Picture(0).Width(), 71);
    EXPECT_EQ(list->Picture(0).Height(), 96);
    dialog.DestroyWindow();
}

TEST_F(ViewDialogsTest, TheChoosersStoreOnlyADifferentDesign) {
    struct Case {
        platform::DialogActions actions;
        int stored;
        bool changed;
    };
    const Case cases[] = {
        {{DialogAction::Press(IDOK)}, 5, false},
        {{DialogAction::Choose(CDesignChooserDialog::kList, 7), DialogAction::Press(IDOK)}, 7, true},
        {{DialogAction::Choose(CDesignChooserDialog::kList, 7), DialogAction::Press(IDCANCEL)}, 5, false},
        {{DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)}, 10, true},
    };
    for (const Case& c : cases) {
        g_Settings.View.CardBack = 5;
        Answer(IDD_CARD_BACK, c.actions);
        CCardBackDialog dialog;
        dialog.DoModal();
        EXPECT_EQ(g_Settings.View.CardBack, c.stored);
        EXPECT_EQ(dialog.Changed != 0, c.changed);
    }
}

TEST_F(ViewDialogsTest, TheFaceChooserShowsEachDeckByNameAndStandardIsTheFirst) {
    g_Settings.View.CardFace = 4;
    {
        CCardFaceDialog dialog;
        ASSERT_TRUE(dialog.Create());
        const auto* list = dialog.GetControlAs<platform::IconList>(CDesignChooserDialog::kList);
        ASSERT_EQ(list->Count(), 10);
        EXPECT_EQ(list->Caption(0), "1: Standard");
        EXPECT_EQ(list->Caption(6), "7: Groß");
        EXPECT_EQ(list->Selection(), 4);
        dialog.DestroyWindow();
    }
    UseEdition(EnglishResources());
    Answer(IDD_CARD_FACE, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
    CCardFaceDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(g_Settings.View.CardFace, 0);
    EXPECT_TRUE(dialog.Changed);
}

TEST(CardFacePictures, EachDeckShowsItsPictureCard) {
    const int expected[CCardFaceDialog::kDecks] = {54, 86, 118, 150, 182, 214, 246, 278, 310, 342};
    for (int deck = 0; deck < CCardFaceDialog::kDecks; ++deck) EXPECT_EQ(CCardFaceDialog::PictureOfDeck(deck), expected[deck]);
}

TEST_F(ViewDialogsTest, TheSortDialogPacksItsTwoChoices) {
    struct Case {
        int suits, values, stored;
    };
    const Case cases[] = {
        {CSortDialog::kSpadesFirst, CSortDialog::kNormal, 0x201},  {CSortDialog::kSpadesFirst, CSortDialog::kNull, 0x401},
        {CSortDialog::kSpadesFirst, CSortDialog::kAdjusted, 0x101}, {CSortDialog::kHeartsFirst, CSortDialog::kNormal, 0x202},
        {CSortDialog::kHeartsFirst, CSortDialog::kNull, 0x402},    {CSortDialog::kHeartsFirst, CSortDialog::kAdjusted, 0x102},
    };
    for (const Case& c : cases) {
        g_Settings.View.SortMode = 0x401;
        Answer(IDD_SORT, {DialogAction::Check(c.suits), DialogAction::Check(c.values), DialogAction::Press(IDOK)});
        CSortDialog dialog;
        dialog.DoModal();
        EXPECT_EQ(g_Settings.View.SortMode, c.stored) << c.suits << " " << c.values;
        EXPECT_TRUE(dialog.Confirmed);
    }
}

TEST_F(ViewDialogsTest, TheSortDialogOpensOnTheStoredModeAndCancelKeepsIt) {
    g_Settings.View.SortMode = 258;
    CSortDialog shown;
    ASSERT_TRUE(shown.Create());
    EXPECT_EQ(shown.IsDlgButtonChecked(CSortDialog::kHeartsFirst), 1);
    EXPECT_EQ(shown.IsDlgButtonChecked(CSortDialog::kSpadesFirst), 0);
    EXPECT_EQ(shown.IsDlgButtonChecked(CSortDialog::kAdjusted), 1);
    shown.DestroyWindow();
    Answer(IDD_SORT, {DialogAction::Check(CSortDialog::kNull), DialogAction::Press(IDCANCEL)});
    CSortDialog dialog;
    dialog.DoModal();
    EXPECT_EQ(g_Settings.View.SortMode, 258);
    EXPECT_FALSE(dialog.Confirmed);
}

TEST_F(ViewDialogsTest, EverySuitSwapHasItsCode) {
    struct Case {
        int pair, jacks, code;
    };
    std::vector<Case> cases;
    for (int pair = 0; pair < 6; ++pair) {
        cases.push_back({CSwapSuitsDialog::kFirstPair + pair, CSwapSuitsDialog::kExclude, pair + 1});
        cases.push_back({CSwapSuitsDialog::kFirstPair + pair, CSwapSuitsDialog::kInclude, pair + 9});
    }
    for (const Case& c : cases) {
        Answer(IDD_SWAP_SUITS, {DialogAction::Check(c.pair), DialogAction::Check(c.jacks), DialogAction::Press(IDOK)});
        CSwapSuitsDialog dialog;
        dialog.DoModal();
        EXPECT_EQ(dialog.Code, c.code) << c.pair << " " << c.jacks;
    }
    // Hearts with Diamonds, Jacks included.
    EXPECT_EQ(cases[11].code, 14);
    Answer(IDD_SWAP_SUITS, {DialogAction::Check(1184), DialogAction::Press(IDCANCEL)});
    CSwapSuitsDialog cancelled;
    cancelled.DoModal();
    EXPECT_EQ(cancelled.Code, 0);
}

TEST_F(ViewDialogsTest, EveryHandSwapHasItsCode) {
    const std::pair<int, int> cases[] = {{1037, 1}, {1038, 2}, {1039, 3}};
    for (auto [radio, code] : cases) {
        Answer(IDD_SWAP_HANDS, {DialogAction::Check(radio), DialogAction::Press(IDOK)});
        CSwapHandsDialog dialog;
        dialog.DoModal();
        EXPECT_EQ(dialog.Code, code) << radio;
    }
    Answer(IDD_SWAP_HANDS, {DialogAction::Check(1039), DialogAction::Press(IDCANCEL)});
    CSwapHandsDialog cancelled;
    cancelled.DoModal();
    EXPECT_EQ(cancelled.Code, 0);
}

}  // namespace
