// Dialogs in the Qt host: a template's controls as native Qt widgets at their places, in step with
// the controls, and the person's clicks, choices and typing reaching the dialog's handler through
// our queue.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>

#include "platform/core/Button.h"
#include "platform/core/ComboBox.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Dialog.h"
#include "platform/core/DialogUnits.h"
#include "platform/core/ScrollBar.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtDialogFont.h"
#include "platform/qt/QtHost.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

constexpr int kPress = 100;
constexpr int kAutoCheck = 101;
constexpr int kPlainCheck = 102;
constexpr int kChoice = 103;
constexpr int kName = 104;
constexpr int kList = 105;
constexpr int kVolume = 106;

const ControlTemplate kControls[] = {
    {ControlKind::Edit, kName, "", {10, 8, 100, 12}, CTL_TABSTOP | CTL_GROUP},
    {ControlKind::PushButton, IDOK, "OK", {120, 8, 50, 14}, CTL_DEFAULT | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::PushButton, kPress, "&Press", {120, 26, 50, 14}, CTL_TABSTOP},
    {ControlKind::CheckBox, kAutoCheck, "Auto && more", {10, 26, 100, 10}, CTL_AUTO | CTL_TABSTOP | CTL_GROUP},
    {ControlKind::CheckBox, kPlainCheck, "Plain", {10, 40, 100, 10}, CTL_TABSTOP},
    {ControlKind::ComboBox, kChoice, "", {10, 54, 100, 60}, CTL_DROPLIST | CTL_TABSTOP},
    {ControlKind::ListBox, kList, "", {120, 44, 60, 40}, CTL_TABSTOP},
    {ControlKind::Slider, kVolume, "", {10, 90, 100, 14}, CTL_TABSTOP},
};

const DialogTemplate kTemplate{900, "Native test", DLG_MODELESS, {20, 20, 190, 110}, {"MS Sans Serif", 8}, kControls};

class RecordingDialog : public Dialog {
public:
    RecordingDialog() : Dialog(kTemplate) {}
    std::vector<std::pair<int, unsigned>> commands;
    int depthAtFirstCommand = -1;

    bool OnInitDialog() override {
        SendDlgItemMessage(kChoice, CB_ADDSTRING, "first");
        SendDlgItemMessage(kChoice, CB_ADDSTRING, "second");
        SendDlgItemMessage(kChoice, CB_SETCURSEL, WPARAM{0});
        SendDlgItemMessage(kList, LB_ADDSTRING, "one");
        SendDlgItemMessage(kList, LB_ADDSTRING, "two");
        ::SendMessage(GetDlgItem(kVolume), TBM_SETRANGE, 0, 10);
        return true;
    }
    bool OnCommand(int id, unsigned code, HWND control) override {
        if (commands.empty()) depthAtFirstCommand = WindowSystem::Instance().HandlerDepth();
        commands.emplace_back(id, code);
        if (id == IDOK || id == IDCANCEL) return true;  // stays open for the test
        return Dialog::OnCommand(id, code, control);
    }
    void SendDlgItemMessage(int id, UINT message, const char* text) {
        ::SendMessage(GetDlgItem(id), message, 0, reinterpret_cast<LPARAM>(text));
    }
    void SendDlgItemMessage(int id, UINT message, WPARAM wParam) { ::SendMessage(GetDlgItem(id), message, wParam, 0); }
    bool Got(int id, unsigned code) const {
        for (const auto& c : commands)
            if (c.first == id && c.second == code) return true;
        return false;
    }
};

class QtHostDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(SW_SHOW);
        qttest::PumpFor(30);  // settle: the first paints and syncs
    }
    template <class T>
    T* Native(int id) {
        return qobject_cast<T*>(host.WidgetOf(dialog.GetDlgItem(id)));
    }
    static void Click(QWidget* widget) {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        const QPointF global = widget->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
    static void Key(QWidget* widget, int key, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }

    QtHost host;
    RecordingDialog dialog;
};

// The controls are native widgets where the template puts them, with their texts shown without
// our mnemonic marks.
TEST_F(QtHostDialog, ControlsAreNativeWidgetsAtTheirPlaces) {
    QPushButton* press = Native<QPushButton>(kPress);
    ASSERT_NE(press, nullptr);
    EXPECT_EQ(press->text(), QStringLiteral("Press"));
    const Rect expected = dialog.MapDialogRect(kControls[2].rect);
    EXPECT_EQ(press->geometry(), QRect(expected.left, expected.top, expected.Width(), expected.Height()));
    EXPECT_TRUE(press->isVisible());
    ASSERT_NE(Native<QCheckBox>(kAutoCheck), nullptr);
    EXPECT_EQ(Native<QCheckBox>(kAutoCheck)->text(), QStringLiteral("Auto && more"));  // one literal '&'
    EXPECT_TRUE(Native<QPushButton>(IDOK)->isDefault());
    EXPECT_NE(Native<QLineEdit>(kName), nullptr);
    EXPECT_NE(Native<QSlider>(kVolume), nullptr);
    QComboBox* choice = Native<QComboBox>(kChoice);
    ASSERT_NE(choice, nullptr);
    EXPECT_EQ(choice->count(), 2);
    EXPECT_EQ(choice->currentText(), QStringLiteral("first"));
    ASSERT_NE(Native<QListWidget>(kList), nullptr);
    EXPECT_EQ(Native<QListWidget>(kList)->count(), 2);
}

// A control's own font shows on its native widget, and without one the widget shows the dialog's.
TEST_F(QtHostDialog, ControlFontShowsOnTheWidget) {
    QPushButton* press = Native<QPushButton>(kPress);
    ASSERT_NE(press, nullptr);
    const QFont dialogFont = host.WidgetOf(dialog.Handle())->font();
    const LogFont font{"Courier New", 14, 0, LogFont::kBold};
    SendMessage(dialog.GetDlgItem(kPress), WM_SETFONT, 1, reinterpret_cast<LPARAM>(&font));
    ASSERT_TRUE(qttest::PumpUntil([&] { return press->font().family() == QStringLiteral("Liberation Mono"); }));
    // Height 14 is the whole character cell: the characters are smaller, the cell about 14.
    EXPECT_LT(press->font().pixelSize(), 14);
    EXPECT_NEAR(QFontMetricsF(press->font()).height(), 14.0, 1.0);
    EXPECT_TRUE(press->font().bold());
    EXPECT_EQ(Native<QPushButton>(IDOK)->font().family(), dialogFont.family()) << "only the control it was sent to";
    SendMessage(dialog.GetDlgItem(kPress), WM_SETFONT, 1, 0);
    ASSERT_TRUE(qttest::PumpUntil([&] { return press->font().family() == dialogFont.family(); }));
    EXPECT_EQ(press->font().pixelSize(), dialogFont.pixelSize());
}

// A click on the native button is not handled inside Qt's delivery: it is queued, and the dialog's
// handler runs when our loop dispatches it.
TEST_F(QtHostDialog, ButtonClickReachesHandlerThroughQueue) {
    Click(Native<QPushButton>(kPress));
    EXPECT_TRUE(dialog.commands.empty());
    ASSERT_TRUE(qttest::PumpUntil([&] { return !dialog.commands.empty(); }));
    EXPECT_EQ(dialog.commands.front(), std::make_pair(kPress, BN_CLICKED));
    EXPECT_GT(dialog.depthAtFirstCommand, 0);  // inside a dispatch of our loop
}

// A button the program disabled before our loop took the click is not pressed; once the native
// widget is disabled too, a click does nothing at all.
TEST_F(QtHostDialog, DisabledButtonIsNotPressed) {
    Click(Native<QPushButton>(kPress));
    dialog.EnableDlgItem(kPress, false);
    qttest::PumpFor(50);
    EXPECT_FALSE(dialog.Got(kPress, BN_CLICKED));
    EXPECT_FALSE(Native<QPushButton>(kPress)->isEnabled());
    Click(Native<QPushButton>(kPress));
    qttest::PumpFor(50);
    EXPECT_FALSE(dialog.Got(kPress, BN_CLICKED));
}

// Check boxes change as our control says: an automatic one toggles, a plain one only notifies and
// keeps its state (on the native widget too).
TEST_F(QtHostDialog, CheckBoxesFollowTheirControl) {
    Click(Native<QCheckBox>(kAutoCheck));
    Click(Native<QCheckBox>(kPlainCheck));
    ASSERT_TRUE(qttest::PumpUntil([&] { return dialog.Got(kPlainCheck, BN_CLICKED); }));
    qttest::PumpFor(30);
    EXPECT_TRUE(dialog.Got(kAutoCheck, BN_CLICKED));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kAutoCheck), static_cast<int>(BST_CHECKED));
    EXPECT_EQ(dialog.IsDlgButtonChecked(kPlainCheck), static_cast<int>(BST_UNCHECKED));
    EXPECT_EQ(Native<QCheckBox>(kAutoCheck)->checkState(), Qt::Checked);
    EXPECT_EQ(Native<QCheckBox>(kPlainCheck)->checkState(), Qt::Unchecked);
    // The program sets a check: the widget shows it.
    dialog.CheckDlgButton(kPlainCheck, BST_CHECKED);
    qttest::PumpFor(30);
    EXPECT_EQ(Native<QCheckBox>(kPlainCheck)->checkState(), Qt::Checked);
}

// Choosing in the native combo box and list goes through the controls' choice: the selection
// changes and the dialog hears of it.
TEST_F(QtHostDialog, ChoicesReachTheControls) {
    Key(Native<QComboBox>(kChoice), Qt::Key_Down);
    Native<QListWidget>(kList)->setCurrentRow(1);
    ASSERT_TRUE(qttest::PumpUntil([&] { return dialog.Got(kChoice, CBN_SELCHANGE) && dialog.Got(kList, LBN_SELCHANGE); }));
    EXPECT_EQ(dialog.GetControlAs<ComboBox>(kChoice)->GetCurSel(), 1);
    EXPECT_EQ(::SendMessage(dialog.GetDlgItem(kList), LB_GETCURSEL, 0, 0), 1);
    // The program's own selection notifies nobody and shows on the widget.
    const std::size_t heard = dialog.commands.size();
    ::SendMessage(dialog.GetDlgItem(kChoice), CB_SETCURSEL, 0, 0);
    qttest::PumpFor(30);
    EXPECT_EQ(Native<QComboBox>(kChoice)->currentIndex(), 0);
    EXPECT_EQ(dialog.commands.size(), heard);
}

// Typing into the native field changes the control's text with a change notice; Enter, which the
// field does not take, reaches the dialog's keyboard handling and presses the default button.
TEST_F(QtHostDialog, TypingAndEnter) {
    QLineEdit* name = Native<QLineEdit>(kName);
    name->setFocus();
    Key(name, Qt::Key_A, QStringLiteral("a"));
    Key(name, Qt::Key_B, QStringLiteral("b"));
    ASSERT_TRUE(qttest::PumpUntil([&] { return dialog.GetDlgItemText(kName) == "ab"; }));
    EXPECT_TRUE(dialog.Got(kName, EN_CHANGE));
    Key(name, Qt::Key_Return);
    ASSERT_TRUE(qttest::PumpUntil([&] { return dialog.Got(IDOK, BN_CLICKED); }));
}

// Text the program sets shows in the field and is not reported back as typing.
TEST_F(QtHostDialog, ProgramTextShowsWithoutNotice) {
    dialog.SetDlgItemText(kName, "Anna");
    qttest::PumpFor(30);
    EXPECT_EQ(Native<QLineEdit>(kName)->text(), QStringLiteral("Anna"));
    EXPECT_FALSE(dialog.Got(kName, EN_CHANGE));
}

// The slider moves itself and tells its dialog with a scroll message.
TEST_F(QtHostDialog, SliderReportsScrolling) {
    QSlider* volume = Native<QSlider>(kVolume);
    ASSERT_EQ(volume->maximum(), 10);
    volume->triggerAction(QAbstractSlider::SliderPageStepAdd);
    ASSERT_TRUE(qttest::PumpUntil([&] { return dialog.GetControlAs<ScrollBar>(kVolume)->Range().position > 0; }));
    EXPECT_EQ(dialog.GetControlAs<ScrollBar>(kVolume)->Range().position, 10);  // a page is 10 by default
}

// Dialog units are measured with the real font: a larger font gives larger units, and the dialog's
// rectangle follows them.
TEST(QtHostDialogFont, BaseUnitsComeFromFontMetrics) {
    QtHost host;
    const DialogBaseUnits small = MeasureDialogFont({"MS Sans Serif", 8});
    const DialogBaseUnits large = MeasureDialogFont({"MS Sans Serif", 16});
    EXPECT_GT(small.x, 2);
    EXPECT_GT(small.y, 6);
    EXPECT_GT(large.x, small.x);
    EXPECT_GT(large.y, small.y);
}

// The units are measured once per font and kept: asked again, after other fonts, each font gives
// its own units, those of its average letter and its cell, never another size's.
TEST(QtHostDialogFont, KeptUnitsFollowTheFontAskedFor) {
    QtHost host;
    auto expected = [](const DialogFont& font) {
        const QFont qfont = DialogQFont(font);
        const int alphabet = QFontMetrics(qfont).horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        return std::pair{std::max(1, (alphabet / 26 + 1) / 2),
                         std::max(1, static_cast<int>(std::ceil(QFontMetricsF(qfont).height())))};
    };
    for (int round = 0; round < 2; ++round) {
        for (const DialogFont font : {DialogFont{"MS Sans Serif", 8}, DialogFont{"MS Sans Serif", 16},
                                      DialogFont{"Arial", 12}, DialogFont{"MS Sans Serif", 9}}) {
            const DialogBaseUnits units = MeasureDialogFont(font);
            EXPECT_EQ(std::pair(units.x, units.y), expected(font)) << font.face << " " << font.pointSize;
        }
    }
}

// A template's line of text is 8 units high: that holds the font's whole character cell, its
// fraction of a pixel below the descent included, in every size the templates use.
TEST(QtHostDialogFont, ALineOfEightUnitsHoldsTheWholeCell) {
    QtHost host;
    for (const DialogFont font :
         {DialogFont{"MS Sans Serif", 8}, DialogFont{"Arial", 8}, DialogFont{"MS Sans Serif", 9},
          DialogFont{"MS Sans Serif", 10}, DialogFont{"Arial", 12}}) {
        const double cell = QFontMetricsF(DialogQFont(font)).height();
        EXPECT_GE(DialogUnitsToPixelsY(8, MeasureDialogFont(font)), cell) << font.face << " " << font.pointSize;
    }
}

}  // namespace
