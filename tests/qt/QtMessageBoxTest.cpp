// Message boxes on the Qt host size themselves by the text as Qt draws it: no line is cut.
#include <gtest/gtest.h>

#include <QLabel>

#include "QtTestSupport.h"
#include "platform/core/MessageBox.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtHost.h"

namespace {

using namespace platform;

TEST(QtMessageBox, TextFieldHoldsEveryLineOfTheText) {
    QtHost host;
    qttest::RecordingWindow frame;
    ASSERT_TRUE(qttest::CreateWindowOf(frame, WindowKind::Overlapped, {0, 0, 800, 600}));
    int fieldHeight = 0;
    int labelHeight = 0;
    int fieldWidth = 0;
    int labelWidth = 0;
    SetTimer(frame.Handle(), 1, 50);
    frame.onMessage = [&](UINT message, WPARAM, LPARAM) {
        if (message != WM_TIMER) return;
        MessageBoxDialog* box = ActiveMessageBox();
        if (!box) return;
        KillTimer(frame.Handle(), 1);
        const HWND text = box->GetDlgItem(MessageBoxDialog::kTextId);
        Rect field;
        GetClientRect(text, &field);
        fieldHeight = field.Height();
        fieldWidth = field.Width();
        if (auto* label = qobject_cast<QLabel*>(host.WidgetOf(text))) {
            labelHeight = label->sizeHint().height();
            labelWidth = label->sizeHint().width();
        }
        box->EndDialog(IDOK);
    };
    const std::string text =
        "The current match is suspended.\nHowever, still a game is loaded.\n\nDo you really want to exit? WWWWWWWW";
    EXPECT_EQ(MessageBox(frame.Handle(), text, "Kartovan+", MB_YESNO | MB_ICONQUESTION), IDOK);
    ASSERT_GT(labelHeight, 0);
    EXPECT_GE(fieldHeight, labelHeight);
    EXPECT_GE(fieldWidth, labelWidth);
}

}  // namespace
