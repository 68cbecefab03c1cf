// Every dialog template of both editions on the Qt host, on screens scaled once and twice: made as
// the program makes a dialog from its template, each static text, check box, radio button, push
// button and group title stands whole in its control as the native widgets lay it out, every
// control inside the dialog and inside the frame of its group. The design choosers, whose lists the
// program fills when they open, show every caption whole and the card faces' two rows uncut.
//
// With KARTOVAN_TEST_PNG_DIR set, each dialog is written there as template-<edition>-<id>-<scale>.png.

#include <memory>
#include <string>
#include <vector>

#include <QListWidget>
#include <QScrollBar>
#include <QWidget>

#include <gtest/gtest.h>

#include "QtScaledTwice.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "dialogs/SettingsIds.h"
#include "dialogs/ViewDialogs.h"
#include "model/Settings.h"
#include "platform/core/Dialog.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/CardPictureStore.h"
#include "platform/qt/QtHost.h"
#include "resources/Editions.h"
#include "tavlo/CardPictures.h"

namespace {

using namespace platform;

// The ids of the edition's dialog templates: every id its lookup answers.
std::vector<int> TemplateIds() {
    std::vector<int> ids;
    for (int id = 1; id < 70000; ++id)
        if (FindDialog(id)) ids.push_back(id);
    return ids;
}

void EveryTemplateShowsItsTextsWhole() {
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 1000, 800}));
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        const std::vector<int> ids = TemplateIds();
        // The scan finds the dialogs a player meets, the ones once seen cut among them.
        for (int known : {IDD_LOGGING, IDD_CARD_FACE, IDD_SETTINGS, IDD_CONFIGURATION})
            EXPECT_NE(std::find(ids.begin(), ids.end(), known), ids.end()) << known;
        for (int id : ids) {
            SCOPED_TRACE(std::string(edition->language) + " " + qttest::ScaleName() + " template " +
                         std::to_string(id));
            Dialog dialog(*FindDialog(id));
            ASSERT_TRUE(dialog.Create(frame.Handle()));
            dialog.ShowWindow(SW_SHOW);
            qttest::PumpFor(30);
            QWidget* window = host.WidgetOf(dialog.Handle());
            ASSERT_NE(window, nullptr);
            const std::vector<std::string> cut = qttest::CutTexts(window);
            EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);
            qttest::SaveForViewing(window->grab().toImage(), std::string("template-") + edition->language + "-" +
                                                                 std::to_string(id) + "-" + qttest::ScaleName());
            dialog.DestroyWindow();
        }
    }
    SetResources(nullptr);
}

TEST(QtTemplateTexts, EveryTemplateShowsItsTextsWhole) { EveryTemplateShowsItsTextsWhole(); }

TEST(QtTemplateTexts, EveryTemplateShowsItsTextsWholeScaledTwice) {
    if (qttest::RanAgainScaledTwice("QtTemplateTexts.EveryTemplateShowsItsTextsWholeScaledTwice")) return;
    EveryTemplateShowsItsTextsWhole();
}

// The design choosers as the program opens them, their lists filled with the pictures: every
// caption in view stands whole under its picture and the chosen design is in view. The ten card
// faces fill two rows, which the list shows whole without scrolling.
void ChoosersShowWholePictures() {
    QtHost host;
    CardPictureStore pictures;
    tavlo::SetCardPictures(&pictures);
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 1000, 800}));
    for (const ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        SetResources(edition);
        const std::unique_ptr<CDesignChooserDialog> choosers[] = {std::make_unique<CCardFaceDialog>(),
                                                                  std::make_unique<CCardBackDialog>()};
        for (const auto& dialog : choosers) {
            const bool faces = dynamic_cast<CCardFaceDialog*>(dialog.get()) != nullptr;
            SCOPED_TRACE(std::string(edition->language) + " " + qttest::ScaleName() + (faces ? " faces" : " backs"));
            ASSERT_TRUE(dialog->Create(frame.Handle()));
            dialog->ShowWindow(SW_SHOW);
            qttest::PumpFor(60);
            QWidget* window = host.WidgetOf(dialog->Handle());
            ASSERT_NE(window, nullptr);
            const std::vector<std::string> cut = qttest::CutTexts(window);
            EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);
            auto* list = qobject_cast<QListWidget*>(host.WidgetOf(dialog->GetDlgItem(CDesignChooserDialog::kList)));
            ASSERT_NE(list, nullptr);
            ASSERT_EQ(list->count(), faces ? CCardFaceDialog::kDecks : CCardBackDialog::kDesigns);
            const QRect view = list->viewport()->rect();
            for (int row = 0; row < list->count(); ++row) {
                QListWidgetItem* item = list->item(row);
                const QRect cell = list->visualItemRect(item);
                const std::string what = item->text().toStdString() + " at " + qttest::textfits::Box(cell) + " in " +
                                         qttest::textfits::Box(view);
                // The ten faces all stand whole in the list; the backs scroll, their chosen one in view.
                if (faces || row == list->currentRow()) {
                    EXPECT_TRUE(view.contains(cell)) << what;
                }
                if (view.contains(cell)) {
                    EXPECT_LE(list->fontMetrics().horizontalAdvance(item->text()), cell.width()) << what;
                }
            }
            if (faces) {
                EXPECT_FALSE(list->verticalScrollBar()->isVisible());
            }
            qttest::SaveForViewing(window->grab().toImage(), std::string("chooser-") + edition->language + "-" +
                                                                 (faces ? "faces-" : "backs-") + qttest::ScaleName());
            dialog->DestroyWindow();
        }
    }
    SetResources(nullptr);
    tavlo::SetCardPictures(nullptr);
}

TEST(QtTemplateTexts, ChoosersShowWholePictures) { ChoosersShowWholePictures(); }

TEST(QtTemplateTexts, ChoosersShowWholePicturesScaledTwice) {
    if (qttest::RanAgainScaledTwice("QtTemplateTexts.ChoosersShowWholePicturesScaledTwice")) return;
    ChoosersShowWholePictures();
}

}  // namespace
