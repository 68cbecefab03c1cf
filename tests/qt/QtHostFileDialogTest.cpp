// File dialogs in the Qt host: Qt's dialog answers the program's request, while our loop keeps
// running and the owner is disabled as under a modal dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include "platform/FileTestSupport.h"
#include "platform/core/FileDialog.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

QFileDialog* OpenFileDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

// Never a hung test: a dialog still open after 20 s is cancelled.
void RejectIfStillOpenLater() {
    QTimer::singleShot(20000, [] {
        if (QFileDialog* dialog = OpenFileDialog()) QMetaObject::invokeMethod(dialog, "reject");
    });
}

// A frame of our own that owns the dialog, and a folder to look into.
class QtHostFileDialogOwned : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(temp.Path().empty());
        ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 300, 200}));
    }
    const testsupport::TempFolder temp;
    QtHost host;
    qttest::RecordingWindow frame;
};

TEST_F(QtHostFileDialogOwned, AnswersWhileOurLoopRuns) {
    SetTimer(frame.Handle(), 1, 20);
    bool ownerWasDisabled = false;
    bool dialogEnabled = false;
    // The person answers once the dialog shows, however long a loaded machine takes to open it.
    QTimer answerer;
    answerer.setInterval(50);
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        QFileDialog* dialog = OpenFileDialog();
        // The frame's timer keeps coming while the person looks for a file.
        if (!dialog || frame.Count(WM_TIMER) < 3) return;
        answerer.stop();
        ownerWasDisabled = !IsWindowEnabled(frame.Handle());
        dialogEnabled = dialog->isEnabled();
        // Typed by the person into the name field.
        dialog->setDirectory(QString::fromStdString(temp.Path()));
        if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(QStringLiteral("kartovan-test-answer"));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    answerer.start();
    RejectIfStillOpenLater();
    FileDialogRequest request;
    request.owner = frame.Handle();
    request.save = true;
    request.defaultExtension = "skm";
    request.filters = {{"Match lists", "*.skm"}};
    const FileDialogAnswer answer = RunFileDialog(request);

    EXPECT_TRUE(answer.accepted);
    EXPECT_EQ(answer.path, temp.File("kartovan-test-answer.skm"));
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(dialogEnabled);
    EXPECT_TRUE(IsWindowEnabled(frame.Handle()));
    EXPECT_GE(frame.Count(WM_TIMER), 3);
}

TEST(QtHostFileDialog, NameFilters) {
    EXPECT_EQ(QtNameFilters({{"Match lists", "*.skm"}, {"Games", "*.skg;*.sks"}, {"All files (*.*)", "*.*"}}),
              (QStringList{QStringLiteral("Match lists (*.skm)"), QStringLiteral("Games (*.skg *.sks)"),
                           QStringLiteral("All files (*.*)")}));
}

// A dialog that picks a file to delete says so on its accept button, in the person's edition;
// without a label of the program's, Qt's own "Open" stays.
TEST_F(QtHostFileDialogOwned, TheAcceptButtonCarriesTheRequestsLabel) {
    for (const char* label : {"&Delete", "&Löschen", ""}) {
        QString shown;
        QTimer reader;
        reader.setInterval(20);
        QObject::connect(&reader, &QTimer::timeout, [&] {
            QFileDialog* dialog = OpenFileDialog();
            if (!dialog) return;
            reader.stop();
            if (auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
                if (QPushButton* accept = box->button(QDialogButtonBox::Open)) shown = accept->text();
            QMetaObject::invokeMethod(dialog, "reject");
        });
        reader.start();
        RejectIfStillOpenLater();
        FileDialogRequest request;
        request.owner = frame.Handle();
        request.title = "Delete match";
        request.acceptLabel = label;
        request.folder = temp.Path();
        request.filters = {{"Match lists", "*.skm"}};
        EXPECT_FALSE(RunFileDialog(request).accepted);
        EXPECT_EQ(shown.toStdString(), *label ? std::string(label) : std::string("&Open")) << label;
    }
}

}  // namespace
