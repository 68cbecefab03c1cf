// File dialogs in the Qt host: Qt's dialog answers the program's request, while our loop keeps
// running and the owner is disabled as under a modal dialog.
#include <gtest/gtest.h>

#include <QApplication>
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

TEST(QtHostFileDialog, AnswersWhileOurLoopRuns) {
    const testsupport::TempFolder temp;
    ASSERT_FALSE(temp.Path().empty());
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 300, 200}));
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
    QTimer::singleShot(20000, [] {  // never a hung test
        if (QFileDialog* dialog = OpenFileDialog()) QMetaObject::invokeMethod(dialog, "reject");
    });
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

}  // namespace
