// The annotation panel: its caption, the creator's text shown and written back on losing the focus
// and on closing, and its limit of 2000 characters.
#include "SettingsDialogFixture.h"

#include "dialogs/AnnotationDialog.h"
#include "platform/core/Edit.h"
#include "platform/core/WindowApi.h"

namespace {

class AnnotationDialogTest : public testsupport::SettingsDialogFixture {
protected:
    CAnnotationDialog* Open(std::string* text, const std::string& suffix = "Abend.skg") {
        return CreateBar<CAnnotationDialog>(suffix, text);
    }
};

TEST_F(AnnotationDialogTest, TheCaptionEndsWithTheGameAndTheFieldShowsTheText) {
    for (const platform::ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        UseEdition(*edition);
        std::string text = "Kreuz-Bube {\"blank\"} \\ offen";
        CAnnotationDialog* panel = Open(&text);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->Title(), std::string(edition == &GermanResources() ? "Anmerkung: " : "Annotation: ") + "Abend.skg");
        EXPECT_EQ(panel->GetDlgItemText(CAnnotationDialog::kText), text);  // shown as typed
        panel->DestroyWindow();
    }
}

TEST_F(AnnotationDialogTest, TypedTextIsKeptWhenThePanelLosesTheFocusAndWhenItCloses) {
    std::string text = "alt";
    CAnnotationDialog* panel = Open(&text);
    ASSERT_NE(panel, nullptr);
    panel->ShowWindow(SW_SHOW);
    auto* edit = panel->GetControlAs<platform::Edit>(CAnnotationDialog::kText);
    edit->SetSel(0, -1);
    for (char32_t c : std::u32string(U"Grand Hand!")) edit->Type(c);
    EXPECT_EQ(text, "alt");  // not yet: the panel still has the focus
    ::SendMessage(panel->Handle(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), 0);
    EXPECT_EQ(text, "Grand Hand!");
    edit->Type(U'?');
    panel->DestroyWindow();
    EXPECT_EQ(text, "Grand Hand!?");
}

TEST_F(AnnotationDialogTest, TypingStopsAtTwoThousandCharacters) {
    std::string text(1999, 'x');
    CAnnotationDialog* panel = Open(&text);
    ASSERT_NE(panel, nullptr);
    auto* edit = panel->GetControlAs<platform::Edit>(CAnnotationDialog::kText);
    EXPECT_TRUE(edit->Type(U'ä'));
    EXPECT_FALSE(edit->Type(U'y'));
    panel->DestroyWindow();
    EXPECT_EQ(platform::CountCharacters(text), 2000u);
}

}  // namespace
