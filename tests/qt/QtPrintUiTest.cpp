// The print dialog and the print preview of the Qt host: modal to the program while our loop keeps
// running (our timers fire), the owner disabled meanwhile; accepting prints, cancelling does not.
#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QFile>
#include <QTimer>

#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtPrintUi.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

template <typename DialogType>
DialogType* OpenDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<DialogType*>(widget); dialog && dialog->isVisible()) return dialog;
    return nullptr;
}

class QtPrintUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 300, 200}));
        document.title = "Kartovan+ test";
        document.pageCount = 2;
        document.paintPage = [this](DeviceContext&, const PrintPageInfo& info) { paintedPages.push_back(info.number); };
    }

    // Once the dialog shows and the frame's timer has come three times meanwhile, `answer` ends it.
    template <typename DialogType>
    void AnswerWhileTheTimerRuns(std::function<void(DialogType&)> answer) {
        SetTimer(frame.Handle(), 1, 20);
        answerer.setInterval(50);
        QObject::connect(&answerer, &QTimer::timeout, [this, answer] {
            DialogType* dialog = OpenDialog<DialogType>();
            if (!dialog || frame.Count(WM_TIMER) < 3) return;
            answerer.stop();
            ownerWasDisabled = !IsWindowEnabled(frame.Handle());
            dialogEnabled = dialog->isEnabled();
            answer(*dialog);
        });
        answerer.start();
        QTimer::singleShot(20000, [] {  // never a hung test
            if (QDialog* dialog = OpenDialog<QDialog>()) QMetaObject::invokeMethod(dialog, "reject");
        });
    }

    QWidget* OwnerWidget() { return host.WidgetOf(frame.Handle())->window(); }

    QtHost host;
    qttest::RecordingWindow frame;
    PrintDocument document;
    std::vector<int> paintedPages;
    QTimer answerer;
    bool ownerWasDisabled = false;
    bool dialogEnabled = false;
};

TEST_F(QtPrintUiTest, CancellingThePrintDialogPrintsNothing) {
    AnswerWhileTheTimerRuns<QPrintDialog>([](QPrintDialog& dialog) { QMetaObject::invokeMethod(&dialog, "reject"); });
    EXPECT_EQ(QtPrintUi().Print(OwnerWidget(), document), PrintOutcome::Cancelled);
    EXPECT_GE(frame.Count(WM_TIMER), 3);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(dialogEnabled);
    EXPECT_TRUE(IsWindowEnabled(frame.Handle()));
    EXPECT_TRUE(paintedPages.empty());
}

TEST_F(QtPrintUiTest, AcceptingThePrintDialogPrintsEveryPage) {
    const QString pdf = QDir::temp().filePath(QStringLiteral("kartovan-print-ui-test.pdf"));
    QFile::remove(pdf);
    AnswerWhileTheTimerRuns<QPrintDialog>([pdf](QPrintDialog& dialog) {
        // The person chose printing into a file.
        dialog.printer()->setOutputFileName(pdf);
        dialog.done(QDialog::Accepted);
    });
    EXPECT_EQ(QtPrintUi().Print(OwnerWidget(), document), PrintOutcome::Done);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(IsWindowEnabled(frame.Handle()));
    EXPECT_EQ(paintedPages, (std::vector<int>{1, 2}));
    QFile::remove(pdf);
}

TEST_F(QtPrintUiTest, ThePreviewKeepsOurLoopRunningUntilItCloses) {
    AnswerWhileTheTimerRuns<QPrintPreviewDialog>([](QPrintPreviewDialog& dialog) {
        QMetaObject::invokeMethod(&dialog, "reject");
    });
    EXPECT_EQ(QtPrintUi().Preview(OwnerWidget(), document), PrintOutcome::Done);
    EXPECT_GE(frame.Count(WM_TIMER), 3);
    EXPECT_TRUE(ownerWasDisabled);
    EXPECT_TRUE(dialogEnabled);
    EXPECT_TRUE(IsWindowEnabled(frame.Handle()));
    EXPECT_FALSE(paintedPages.empty()) << "the preview drew the pages";
}

}  // namespace
