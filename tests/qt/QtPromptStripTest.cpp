// Prompt strips in the Qt host: no caption, a thin border, kept above the main window; pictures on
// push buttons and in picture controls drawn from the card-table library's symbols.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWindow>

#include "platform/core/Button.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/Dialog.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtDialogPictures.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/QtPictures.h"
#include "platform/qt/QtWindowWidget.h"
#include "QtTestSupport.h"

using namespace platform;

namespace {

constexpr int kClubs = 1016;
constexpr int kGrand = 1023;
constexpr int kPicture = 1078;

const ControlTemplate kStripControls[] = {
    {ControlKind::PushButton, kClubs, "&Kreuz", {2, 2, 40, 14}, CTL_TABSTOP},
    {ControlKind::PushButton, kGrand, "&Grand", {44, 2, 40, 14}, CTL_TABSTOP},
    {ControlKind::Image, kPicture, "", {86, 2, 20, 14}, 0},
};
const DialogTemplate kStrip{901, "", DLG_MODELESS | DLG_NO_PARENT | DLG_STRIP, {0, 0, 110, 18}, {"MS Sans Serif", 8},
                            kStripControls};
const DialogTemplate kPlain{902, "Plain", DLG_MODELESS, {0, 0, 110, 18}, {"MS Sans Serif", 8}, kStripControls};

constexpr int kHiddenRule = 1185;
const ControlTemplate kMessageControls[] = {
    {ControlKind::PushButton, 1, "&OK", {2, 2, 40, 14}, CTL_TABSTOP},
    {ControlKind::PushButton, kHiddenRule, "", {44, 2, 30, 14}, CTL_TABSTOP | CTL_HIDDEN},
};
const DialogTemplate kMessage{903, "Message", DLG_MODELESS, {0, 0, 110, 18}, {"MS Sans Serif", 8}, kMessageControls};

class MainWindow : public Window {};

class QtPromptStrip : public ::testing::Test {
protected:
    void SetUp() override {
        CreateParams params;
        params.kind = WindowKind::Overlapped;
        params.rect = {100, 100, 700, 500};
        params.title = "Main";
        ASSERT_TRUE(main.Create(params));
        main.ShowWindow(SW_SHOW);
        Dialog::SetDefaultOwner(main.Handle());
    }
    void TearDown() override { Dialog::SetDefaultOwner(nullptr); }
    QWidget* Widget(HWND hwnd) { return host.WidgetOf(hwnd); }

    QtHost host;
    MainWindow main;
};

TEST_F(QtPromptStrip, AStripHasNoCaptionAThinBorderAndStaysAboveTheMainWindow) {
    Dialog strip(kStrip);
    ASSERT_TRUE(strip.Create(nullptr));
    strip.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    auto* widget = dynamic_cast<QtWindowWidget*>(Widget(strip.Handle()));
    ASSERT_NE(widget, nullptr);
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(widget->windowFlags().testFlag(Qt::Tool));
    EXPECT_TRUE(widget->HasThinBorder());
    // The border lies outside the strip's client area: the widget is one pixel larger all round.
    EXPECT_EQ(widget->width(), strip.WindowRect().Width() + 2);
    EXPECT_EQ(widget->height(), strip.WindowRect().Height() + 2);
    ASSERT_NE(widget->windowHandle(), nullptr);
    EXPECT_EQ(widget->windowHandle()->transientParent(), Widget(main.Handle())->windowHandle());
}

// The program's icon: strips and dialogs the main window owns carry its sizes up to 64 pixels, a
// window of its own every size.
TEST_F(QtPromptStrip, StripsAndOwnedDialogsCarryTheProgramIconsSmallSizesOnly) {
    const QIcon before = QApplication::windowIcon();
    const QIcon program = ProgramIcon();
    ASSERT_GT(program.availableSizes().size(), 1);
    QApplication::setWindowIcon(program);
    Dialog strip(kStrip);
    Dialog plain(kPlain);
    ASSERT_TRUE(strip.Create(nullptr));
    ASSERT_TRUE(plain.Create(nullptr));
    strip.ShowWindow(SW_SHOW);
    plain.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    ASSERT_NE(Widget(strip.Handle())->windowHandle(), nullptr);
    ASSERT_NE(Widget(plain.Handle())->windowHandle(), nullptr);
    QList<QSize> upTo64;
    for (const QSize& size : program.availableSizes())
        if (size.width() <= 64) upTo64.push_back(size);
    ASSERT_LT(upTo64.size(), program.availableSizes().size());
    EXPECT_EQ(Widget(strip.Handle())->windowHandle()->icon().availableSizes(), upTo64);
    EXPECT_EQ(Widget(plain.Handle())->windowHandle()->icon().availableSizes(), upTo64);
    MainWindow other;
    CreateParams params;
    params.kind = WindowKind::Overlapped;
    params.rect = {100, 100, 300, 300};
    params.title = "Other";
    Dialog::SetDefaultOwner(nullptr);
    ASSERT_TRUE(other.Create(params));
    other.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    ASSERT_NE(Widget(other.Handle())->windowHandle(), nullptr);
    EXPECT_EQ(Widget(other.Handle())->windowHandle()->icon().availableSizes(), program.availableSizes());
    other.DestroyWindow();
    strip.DestroyWindow();
    plain.DestroyWindow();
    QApplication::setWindowIcon(before);
}

TEST_F(QtPromptStrip, AnOrdinaryModelessDialogKeepsItsCaption) {
    Dialog plain(kPlain);
    ASSERT_TRUE(plain.Create(nullptr));
    plain.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    auto* widget = dynamic_cast<QtWindowWidget*>(Widget(plain.Handle()));
    ASSERT_NE(widget, nullptr);
    EXPECT_FALSE(widget->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(widget->HasThinBorder());
}

// A control made hidden stays hidden when its dialog shows, until the dialog shows it.
TEST_F(QtPromptStrip, AHiddenControlStaysHiddenUntilShown) {
    Dialog message(kMessage);
    ASSERT_TRUE(message.Create(nullptr));
    message.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    QWidget* ok = Widget(message.GetDlgItem(1));
    QWidget* rule = Widget(message.GetDlgItem(kHiddenRule));
    ASSERT_NE(ok, nullptr);
    ASSERT_NE(rule, nullptr);
    EXPECT_TRUE(ok->isVisible());
    EXPECT_FALSE(rule->isVisible());
    message.ShowDlgItem(kHiddenRule, true);
    qttest::PumpFor(30);
    EXPECT_TRUE(rule->isVisible());
    message.ShowDlgItem(kHiddenRule, false);
    qttest::PumpFor(30);
    EXPECT_FALSE(rule->isVisible());
}

TEST_F(QtPromptStrip, APictureOnAButtonShowsTheSuitSymbolInPlaceOfTheText) {
    Dialog strip(kStrip);
    ASSERT_TRUE(strip.Create(nullptr));
    ::SendMessage(strip.GetDlgItem(kClubs), BM_SETIMAGE, 295, 0);
    strip.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    auto* clubs = qobject_cast<QPushButton*>(Widget(strip.GetDlgItem(kClubs)));
    auto* grand = qobject_cast<QPushButton*>(Widget(strip.GetDlgItem(kGrand)));
    ASSERT_NE(clubs, nullptr);
    ASSERT_NE(grand, nullptr);
    EXPECT_FALSE(clubs->icon().isNull());
    EXPECT_TRUE(clubs->text().isEmpty());
    EXPECT_TRUE(grand->icon().isNull());
    EXPECT_EQ(grand->text(), QStringLiteral("Grand"));
    // The picture goes again: the text comes back.
    ::SendMessage(strip.GetDlgItem(kClubs), BM_SETIMAGE, 0, 0);
    qttest::PumpFor(30);
    EXPECT_TRUE(clubs->icon().isNull());
    EXPECT_EQ(clubs->text(), QStringLiteral("Kreuz"));
}

TEST_F(QtPromptStrip, APictureControlShowsTheGameSymbol) {
    Dialog strip(kStrip);
    ASSERT_TRUE(strip.Create(nullptr));
    ::SendMessage(strip.GetDlgItem(kPicture), STM_SETIMAGE, 181, 0);
    strip.ShowWindow(SW_SHOW);
    qttest::PumpFor(30);
    auto* picture = qobject_cast<QLabel*>(Widget(strip.GetDlgItem(kPicture)));
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
}

struct SymbolCase {
    int image;
    int symbol;
};

TEST(QtDialogPictures, EachSuitAndGamePictureHasItsSymbolAndOthersNone) {
    const SymbolCase cases[] = {{295, 1}, {385, 1}, {298, 2}, {396, 2}, {297, 3}, {397, 3}, {296, 4},
                                {398, 4}, {180, 5}, {293, 6}, {181, 7}, {269, 0}, {0, 0},   {-1, 0}};
    for (const SymbolCase& c : cases) EXPECT_EQ(DialogPictureSymbol(c.image), c.symbol) << c.image;
}

TEST(QtDialogPictures, APictureFitsItsRoomAndHasInk) {
    const QImage picture = DialogPictureImage(297, QSize(30, 16));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(30, 16));
    bool ink = false;
    for (int y = 0; y < picture.height() && !ink; ++y)
        for (int x = 0; x < picture.width() && !ink; ++x) ink = qAlpha(picture.pixel(x, y)) != 0;
    EXPECT_TRUE(ink);
    EXPECT_TRUE(DialogPictureImage(270, QSize(30, 16)).isNull());
    EXPECT_TRUE(DialogPictureImage(297, QSize(0, 0)).isNull());
}

// The Kontra messages' picture is our own drawing: red ink, square in its room, nothing beside.
TEST(QtDialogPictures, TheKontraPictureIsOurDrawing) {
    EXPECT_STREQ(DialogPictureDrawing(269), "kontra.svg");
    EXPECT_STREQ(DialogPictureDrawing(297), "");
    EXPECT_STREQ(DialogPictureDrawing(0), "");
    const QImage picture = DialogPictureImage(269, QSize(40, 20));
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(40, 20));
    int red = 0, outside = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qAlpha(pixel) == 0) continue;
            if (x < 10 || x >= 30) ++outside;
            else if (qRed(pixel) > 150 && qGreen(pixel) < 80) ++red;
        }
    }
    EXPECT_GT(red, 40);
    EXPECT_EQ(outside, 0);
}

}  // namespace
