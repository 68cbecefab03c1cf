// The card and game statistics windows of the real program on the Qt host, in both editions and at
// both sizes: the size buttons show their pictures pixel for pixel, the panel's texts are uncut, the
// window is not blank, its tinted cells show their tint, and its texts stand where the recording
// surface puts them.
//
// With KARTOVAN_TEST_PNG_DIR set, every screenshot is written there as a PNG to look at.

#include <algorithm>
#include "flow/FramePanels.h"
#include <ostream>
#include <string>
#include <vector>

#include <QImage>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include "AppOnQtHost.h"
#include "flow/MainFrame.h"
#include "QtSettled.h"
#include "QtShotChecks.h"
#include "QtTestImages.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "QtWantedSize.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/QtWindowWidget.h"
#include "resources/CommandIds.h"
#include "windows/CardStatistics.h"
#include "windows/CardStatisticsPanel.h"
#include "windows/GameStatistics.h"
#include "windows/GameStatisticsPanel.h"

namespace {

using platform::Color;

constexpr Color kCaptionBlue{0, 0, 128};
constexpr Color kFrameBlack{0, 0, 0};

struct EditionCase {
    const char* name;
    bool german;
};
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

// What a size button shows: the caption's blue pixels and the height of the picture's left frame.
struct ButtonPicture {
    int captionPixels = 0;
    int frameHeight = 0;
};

ButtonPicture ReadButtonPicture(QWidget* button) {
    const QImage shot = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ButtonPicture seen;
    int left = shot.width();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (qttest::At(shot, x, y) == kCaptionBlue) {
                ++seen.captionPixels;
                left = std::min(left, x);
            }
    // The frame's column lies just left of the caption.
    if (left > 0 && left < shot.width())
        for (int y = 0; y < shot.height(); ++y) seen.frameHeight += qttest::At(shot, left - 1, y) == kFrameBlack ? 1 : 0;
    return seen;
}

class QtStatisticsWindowsTest : public ::testing::TestWithParam<EditionCase> {
protected:
    QtStatisticsWindowsTest() : app_(GetParam().german) {}

    QWidget* WidgetOf(HWND hwnd) const { return app_.Host().WidgetOf(hwnd); }

    // The window's client area as the screen shows it.
    QImage ClientShot(HWND window, const std::string& name) const {
        auto* widget = dynamic_cast<platform::QtWindowWidget*>(WidgetOf(window));
        if (!widget) return QImage();
        const QImage whole = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QMargins m = widget->ClientMargins();
        const QImage client = whole.copy(whole.rect().marginsRemoved(m));
        qttest::SaveForViewing(client, std::string("statistics-") + GetParam().name + "-" + name);
        return client;
    }

    // Both size buttons of a panel show their own picture, unscaled.
    void ExpectSizeButtons(platform::Dialog& panel, int compactId, int fullId) {
        auto* compact = qobject_cast<QPushButton*>(WidgetOf(panel.GetDlgItem(compactId)));
        auto* full = qobject_cast<QPushButton*>(WidgetOf(panel.GetDlgItem(fullId)));
        ASSERT_NE(compact, nullptr);
        ASSERT_NE(full, nullptr);
        EXPECT_FALSE(compact->icon().isNull());
        EXPECT_FALSE(full->icon().isNull());
        // Each picture's caption is a 10 x 2 bar; the full window's frame runs over all 16 rows,
        // the compact one's over 7.
        const ButtonPicture compactSeen = ReadButtonPicture(compact);
        const ButtonPicture fullSeen = ReadButtonPicture(full);
        EXPECT_EQ(compactSeen.captionPixels, 20) << compact->size().width() << "x" << compact->size().height();
        EXPECT_EQ(compactSeen.frameHeight, 7);
        EXPECT_EQ(fullSeen.captionPixels, 20) << full->size().width() << "x" << full->size().height();
        EXPECT_EQ(fullSeen.frameHeight, 16);
    }

    // Every control of the panel that shows a text is as wide as its widget asks, in the window.
    void ExpectTextsFit(platform::Dialog& panel) {
        int checked = 0;
        for (HWND child : panel.Children()) {
            const platform::Window* control = platform::WindowSystem::Instance().FromHandle(child);
            QWidget* widget = WidgetOf(child);
            if (!control || !widget || control->Title().empty() || !widget->isVisible()) continue;
            const QSize wanted = qttest::WantedSize(widget);
            EXPECT_GE(widget->width(), wanted.width()) << "\"" << control->Title() << "\"";
            EXPECT_GE(widget->height(), wanted.height()) << "\"" << control->Title() << "\"";
            ++checked;
        }
        EXPECT_GT(checked, 3);
        // And as laid out in the window: no text cut by its control, its group's frame or the panel.
        QWidget* shown = WidgetOf(panel.Handle());
        ASSERT_NE(shown, nullptr);
        const std::vector<std::string> cut = qttest::CutTexts(shown);
        EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);
    }

    // The window painted on the recording surface and on the screen agree: every text has ink in
    // its box, every tinted cell shows its tint at its centre. Returns the tinted cells seen.
    template <class Paint>
    static int ExpectShotFollowsRecording(const QImage& shot, Paint paint) {
        return qttest::ExpectShotFollowsRecording(shot, qttest::RecordAsShot(shot, paint)).tints;
    }

    static void ExpectNotBlank(const QImage& shot) { qttest::ExpectNotBlank(shot); }

    qttest::AppOnQtHost app_;
};

TEST_P(QtStatisticsWindowsTest, TheCardStatisticsShowTheirPicturesTintsAndTextsAtBothSizes) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Frame().SendMessage(WM_COMMAND, ID_LIST_CARD_STATISTICS);
    EXPECT_TRUE(qttest::PumpUntilSettled());
    auto* window = dynamic_cast<CCardStatistics*>(
        ::WindowFromHandle(app_.Frame().FramePanels().SideWindow(ID_LIST_CARD_STATISTICS)));
    ASSERT_NE(window, nullptr);
    CCardsDialog* panel = window->Panel();
    ASSERT_NE(panel, nullptr);
    // The test view with one deal: every column has its cards, so the cells are tinted.
    ::SendMessage(panel->GetDlgItem(CCardsDialog::kTest), BM_CLICK, 0, 0);
    ::SendMessage(panel->GetDlgItem(CCardsDialog::kDeal), BM_CLICK, 0, 0);
    EXPECT_TRUE(qttest::PumpUntilSettled());
    ExpectSizeButtons(*panel, CCardsDialog::kCompact, CCardsDialog::kFull);
    ExpectTextsFit(*panel);

    int compactHeight = 0;
    for (const auto& [size, button] : {std::pair{"compact", CCardsDialog::kCompact}, std::pair{"full", CCardsDialog::kFull}}) {
        SCOPED_TRACE(size);
        ::SendMessage(panel->GetDlgItem(button), BM_CLICK, 0, 0);
        EXPECT_TRUE(qttest::PumpUntilSettled());
        const QImage shot = ClientShot(window->Handle(), std::string("cards-") + size);
        ExpectNotBlank(shot);
        const int tints = ExpectShotFollowsRecording(shot, [&](platform::DeviceContext& dc) { window->PaintGrid(dc, 0, 0); });
        EXPECT_GT(tints, 0);
        if (compactHeight == 0) compactHeight = shot.height();
        else EXPECT_GT(shot.height(), compactHeight);
    }
}

TEST_P(QtStatisticsWindowsTest, TheGameStatisticsShowTheirPicturesAndTextsAtBothSizes) {
    app_.Start(1024, 768);
    if (HasFatalFailure()) return;
    app_.Frame().SendMessage(WM_COMMAND, ID_LIST_GAME_STATISTICS);
    EXPECT_TRUE(qttest::PumpUntilSettled());
    auto* window = dynamic_cast<CGameStatistics*>(
        ::WindowFromHandle(app_.Frame().FramePanels().SideWindow(ID_LIST_GAME_STATISTICS)));
    ASSERT_NE(window, nullptr);
    CGamesDialog* panel = window->Panel();
    ASSERT_NE(panel, nullptr);
    ExpectSizeButtons(*panel, CGamesDialog::kCompact, CGamesDialog::kFull);
    ExpectTextsFit(*panel);

    int compactHeight = 0;
    for (const auto& [size, button] : {std::pair{"compact", CGamesDialog::kCompact}, std::pair{"full", CGamesDialog::kFull}}) {
        SCOPED_TRACE(size);
        ::SendMessage(panel->GetDlgItem(button), BM_CLICK, 0, 0);
        EXPECT_TRUE(qttest::PumpUntilSettled());
        const QImage shot = ClientShot(window->Handle(), std::string("games-") + size);
        ExpectNotBlank(shot);
        ExpectShotFollowsRecording(shot, [&](platform::DeviceContext& dc) { window->PaintChart(dc, 0, 0); });
        if (compactHeight == 0) compactHeight = shot.height();
        else EXPECT_GT(shot.height(), compactHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(Editions, QtStatisticsWindowsTest,
                         ::testing::Values(EditionCase{"german", true}, EditionCase{"english", false}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return std::string(info.param.name); });

}  // namespace
