// The pictures dialog: OK takes the paths and show boxes over only after a change, a browse asks
// the file dialog in the row's player's name, and a path the profile cannot keep is refused.
#include "SettingsDialogFixture.h"

#include "dialogs/ImageDialog.h"
#include "dialogs/SettingsIds.h"
#include "match/Profile.h"
#include "platform/core/WindowApi.h"

namespace {

using testsupport::DialogAction;
using I = CImageDialog;

class ImageDialogTest : public testsupport::SettingsDialogFixture {
protected:
    void SetUp() override {
        g_Profile.ImagesFolder = "/home/anna/.local/share/Kartovan+/Images/";
        auto& i = g_Profile.Image;
        i.ImageComputer1 = "/pics/a.bmp";
        i.ImageComputer2 = "/pics/b.bmp";
        i.ImagePerson1 = "";
        i.ImagePerson2 = "/pics/d.bmp";
        i.ShowComputer1 = 1;
        i.ShowComputer2 = 0;
        i.ShowPerson1 = 0;
        i.ShowPerson2 = 1;
    }
    static std::array<std::string, 4> Paths() {
        const auto& i = g_Profile.Image;
        return {i.ImageComputer1, i.ImageComputer2, i.ImagePerson1, i.ImagePerson2};
    }
    static std::array<int, 4> Shows() {
        const auto& i = g_Profile.Image;
        return {i.ShowComputer1, i.ShowComputer2, i.ShowPerson1, i.ShowPerson2};
    }
};

TEST_F(ImageDialogTest, OkWithoutAChangeLeavesThePictures) {
    g_Profile.Image.ImagePerson1 = "/pics/c.bmp";
    Answer(IDD_IMAGES, {DialogAction::Press(IDOK)});
    I dialog("Anna", "Bernd", "Du");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_FALSE(dialog.Changed());
    EXPECT_EQ(Paths(), (std::array<std::string, 4>{"/pics/a.bmp", "/pics/b.bmp", "/pics/c.bmp", "/pics/d.bmp"}));
}

TEST_F(ImageDialogTest, StandardGivesTheProgramsPortraits) {
    Answer(IDD_IMAGES, {DialogAction::Press(IDC_SETTINGS_STANDARD), DialogAction::Press(IDOK)});
    I dialog("Anna", "Bernd", "Du");
    dialog.DoModal();
    const std::string folder = g_Profile.ImagesFolder;
    EXPECT_EQ(Paths(), (std::array<std::string, 4>{folder + "Corvin.bmp", folder + "Pimmie.bmp", folder + "Tobb.bmp",
                                                    folder + "Tobb.bmp"}));
    EXPECT_EQ(Shows(), (std::array<int, 4>{1, 1, 1, 0}));
}

TEST_F(ImageDialogTest, AShowBoxOrATypedPathIsTakenAndCancelKeepsAll) {
    Answer(IDD_IMAGES, {DialogAction::Check(I::kShow[1]), DialogAction::TypeText(I::kPaths[0], "/neu/1.bmp"),
                        DialogAction::Press(IDOK)});
    I dialog("Anna", "Bernd", "Du");
    dialog.DoModal();
    EXPECT_EQ(Paths()[0], "/neu/1.bmp");  // the first row takes any text, not only digits
    EXPECT_EQ(Shows(), (std::array<int, 4>{1, 1, 0, 1}));
    Answer(IDD_IMAGES, {DialogAction::Check(I::kShow[0], 0), DialogAction::Press(IDCANCEL)});
    I cancelled("Anna", "Bernd", "Du");
    cancelled.DoModal();
    EXPECT_EQ(Shows(), (std::array<int, 4>{1, 1, 0, 1}));
}

TEST_F(ImageDialogTest, BrowseAsksInThePlayersNameAndTakesADifferentFile) {
    host->Answers().PushFileDialogAnswer("/fotos/bernd.bmp");
    host->Answers().PushFileDialogAnswer("/pics/d.bmp");  // the same file: no change
    Answer(IDD_IMAGES, {DialogAction::Press(I::kBrowse[1]), DialogAction::Press(I::kBrowse[3]), DialogAction::Press(IDOK)});
    I dialog("Anna", "Bernd", "Du");
    dialog.DoModal();
    ASSERT_EQ(host->FileDialogRequests().size(), 2u);
    EXPECT_EQ(host->FileDialogRequests()[0].title, "Bild für Bernd auswählen");
    EXPECT_EQ(host->FileDialogRequests()[0].folder, "/pics/");
    EXPECT_EQ(host->FileDialogRequests()[0].fileName, "b.bmp");
    EXPECT_EQ(host->FileDialogRequests()[1].title, "Bild für Du auswählen");  // the person's second picture
    EXPECT_EQ(Paths()[1], "/fotos/bernd.bmp");
    EXPECT_EQ(Paths()[3], "/pics/d.bmp");
}

TEST_F(ImageDialogTest, APathTheProfileCannotKeepIsRefused) {
    for (const char* path : {"bilder/a.bmp", "a.bmp"}) {
        host->ClearBeeps();
        bool open = false;
        testsupport::AfterOk<I> dialog("Anna", "Bernd", "Du");
        dialog.afterOk = [&] {
            open = dialog.IsRunningModal();
            dialog.EndDialog(IDCANCEL);
        };
        Answer(IDD_IMAGES, {DialogAction::Check(I::kShow[2]), DialogAction::TypeText(I::kPaths[2], path), DialogAction::Press(IDOK)});
        dialog.DoModal();
        EXPECT_TRUE(open) << path;
        EXPECT_EQ(Beeps(), 1u) << path;
        EXPECT_EQ(Paths()[2], "") << path;
        EXPECT_EQ(Shows()[2], 0) << path;
    }
}

TEST(PicturePaths, EmptyOrAbsoluteWithoutControlCharacters) {
    EXPECT_TRUE(IsAcceptablePicturePath(""));
    EXPECT_TRUE(IsAcceptablePicturePath("/home/anna/Bilder/Jürgen.bmp"));
    EXPECT_FALSE(IsAcceptablePicturePath("Bilder/a.bmp"));
    EXPECT_FALSE(IsAcceptablePicturePath("/a\nb.bmp"));
}

}  // namespace
