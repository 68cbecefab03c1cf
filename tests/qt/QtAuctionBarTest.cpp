// The auction bar over the real program on the Qt host: a caption-less strip where the placement
// puts it, in the edition's captions, pressed by the mouse. With KARTOVAN_TEST_PNG_DIR set, the
// frame with its bar is written there as a PNG.

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/ProgramFrame.h"
#include "dialogs/AuctionDialog.h"
#include "dialogs/DeclareDialog.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/FileTestSupport.h"
#include "platform/core/Registry.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/CardPictureStore.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"
#include "tavlo/CardPictures.h"

namespace {

using testsupport::ScopedEnvironment;
using testsupport::TempFolder;

struct EditionCase {
    const char* name;
    bool german;
    int suggest;  // Options/Suggest: the suggestion button shows or the bar is narrowed
    const char* pass;
    const char* bid;
};

// A failing case names itself, not its bytes.
void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class QtAuctionBarTest : public ::testing::TestWithParam<EditionCase> {
protected:
    QtAuctionBarTest()
        : data_("XDG_DATA_HOME", temp_.Folder() + "data"),
          config_("XDG_CONFIG_HOME", temp_.Folder() + "config"),
          home_("HOME", temp_.Folder()) {
        testsupport::ResetProgramGlobals();
        platform::SetResources(GetParam().german ? &GermanResources() : &EnglishResources());
        host_ = std::make_unique<platform::QtHost>();
        tavlo::SetCardPictures(&pictures_);
        g_Shell.FrameBarsOutside = true;
    }
    ~QtAuctionBarTest() override {
        if (bar_ && ::IsWindow(bar_)) ::DestroyWindow(bar_);
        app_.reset();
        host_.reset();
        tavlo::SetCardPictures(nullptr);
        testsupport::ResetProgramGlobals();
        platform::SetResources(nullptr);
    }

    void StartProgram() {
        app_ = std::make_unique<CSkatApp>();
        ASSERT_TRUE(app_->InitInstance());
        ASSERT_TRUE(program::AttachProgramFrame(*app_));
        ASSERT_TRUE(qttest::PumpUntil([] { return g_Game.FlowState == STATE_IDLE; }, 10000));
        // The window manager places the frame once it is shown; the bar is opened on the settled frame
        // (the frame places an open bar again whenever it moves).
        qttest::PumpFor(200);
    }
    // Opens the bar as the frame does and waits for its widget.
    CAuctionDialog* OpenAuctionBar() {
        CAuctionDialog* bar = CreateBar<CAuctionDialog>();
        if (!bar) return nullptr;
        bar->SetDlgItemText(IDC_BID, CAuctionDialog::BidButtonLabel());
        bar->ShowWindow(SW_SHOW);
        app_->MainFrame()->EditPrompts().PromptDialog = bar->Handle();
        bar_ = bar->Handle();
        qttest::PumpFor(100);
        return bar;
    }
    static void Click(QWidget* widget) {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        const QPointF global = widget->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }
    void SaveShot(const platform::Rect& barRect, const char* kind = "auction-bar-") {
        const char* folder = std::getenv("KARTOVAN_TEST_PNG_DIR");
        if (!folder) return;
        QWidget* frame = host_->WidgetOf(app_->MainFrame()->Handle());
        QWidget* bar = host_->WidgetOf(bar_);
        if (!frame || !bar) return;
        QImage shot = frame->grab().toImage();
        QPainter painter(&shot);
        const QPoint at = frame->mapFromGlobal(QPoint(barRect.left, barRect.top));
        painter.drawImage(at, bar->grab().toImage());
        painter.end();
        shot.save(QString::fromStdString(std::string(folder) + "/" + kind + GetParam().name + ".png"));
    }

    TempFolder temp_;
    ScopedEnvironment data_;
    ScopedEnvironment config_;
    ScopedEnvironment home_;
    std::unique_ptr<platform::QtHost> host_;
    platform::CardPictureStore pictures_;
    std::unique_ptr<CSkatApp> app_;
    HWND bar_ = nullptr;
};

TEST_P(QtAuctionBarTest, TheBarLiesOverTheTableAndTheMouseBidsAndPasses) {
    const EditionCase& c = GetParam();
    StartProgram();
    if (HasFatalFailure()) return;
    g_Settings.Options.Suggest = c.suggest;
    g_Game.Soloist = 2;
    g_Game.BidIndex = 0;
    CAuctionDialog* bar = OpenAuctionBar();
    ASSERT_NE(bar, nullptr);

    // A strip where the placement put it: its widget is the window with a one-pixel border.
    QWidget* strip = host_->WidgetOf(bar->Handle());
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_TRUE(strip->windowFlags().testFlag(Qt::FramelessWindowHint));
    const platform::Rect placed = bar->WindowRect();
    EXPECT_EQ(strip->geometry(), QRect(placed.left - 1, placed.top - 1, placed.Width() + 2, placed.Height() + 2));
    const platform::Rect frame = app_->MainFrame()->WindowRect();
    EXPECT_LE(std::abs((placed.left + placed.right) - (frame.left + frame.right)), 1)
        << placed.left << "," << placed.right << " " << frame.left << "," << frame.right;
    EXPECT_GT(placed.top, frame.top);
    EXPECT_LT(placed.bottom, frame.bottom);
    SaveShot(placed);

    // The edition's captions, without the mnemonic marks; the suggestion button lies beyond the
    // edge of a bar narrowed while suggestions are off.
    auto* bid = qobject_cast<QPushButton*>(host_->WidgetOf(bar->GetDlgItem(IDC_BID)));
    auto* pass = qobject_cast<QPushButton*>(host_->WidgetOf(bar->GetDlgItem(IDC_PASS)));
    ASSERT_NE(bid, nullptr);
    ASSERT_NE(pass, nullptr);
    EXPECT_EQ(pass->text(), QString::fromUtf8(c.pass));
    EXPECT_EQ(bid->text(), QString::fromUtf8(c.bid));
    auto* suggest = qobject_cast<QPushButton*>(host_->WidgetOf(bar->GetDlgItem(IDC_SUGGEST_GAME)));
    ASSERT_NE(suggest, nullptr);
    EXPECT_EQ(suggest->geometry().right() < strip->width() - 1, c.suggest != 0);
    const std::vector<std::string> cut = qttest::CutTexts(strip);
    EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);

    // Press and release on the bid button, then on pass: the person's answer and his pass.
    Click(bid);
    ASSERT_TRUE(qttest::PumpUntil([] { return g_Game.HasBid[2] == 1; }, 2000));
    Click(pass);
    ASSERT_TRUE(qttest::PumpUntil([] { return g_Game.Soloist == 3; }, 2000));
}

// The declaration bar: two rows, the suit buttons showing the suit symbols, the boxes below.
TEST_P(QtAuctionBarTest, TheDeclarationBarShowsTheSuitSymbols) {
    StartProgram();
    if (HasFatalFailure()) return;
    CDeclareDialog* bar = CreateBar<CDeclareDialog>();
    ASSERT_NE(bar, nullptr);
    bar->ShowWindow(SW_SHOW);
    app_->MainFrame()->EditPrompts().PromptDialog = bar->Handle();
    bar_ = bar->Handle();
    qttest::PumpFor(100);
    for (int id : {IDC_CLUBS, IDC_SPADES, IDC_HEARTS, IDC_DIAMONDS}) {
        auto* button = qobject_cast<QPushButton*>(host_->WidgetOf(bar->GetDlgItem(id)));
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->icon().isNull()) << id;
    }
    auto* grand = qobject_cast<QPushButton*>(host_->WidgetOf(bar->GetDlgItem(IDC_GRAND)));
    ASSERT_NE(grand, nullptr);
    EXPECT_EQ(grand->text(), QStringLiteral("Grand"));
    QWidget* strip = host_->WidgetOf(bar->Handle());
    ASSERT_NE(strip, nullptr);
    const std::vector<std::string> cut = qttest::CutTexts(strip);
    EXPECT_TRUE(cut.empty()) << qttest::Listed(cut);
    SaveShot(bar->WindowRect(), "declaration-bar-");
}

INSTANTIATE_TEST_SUITE_P(Editions, QtAuctionBarTest,
                         ::testing::Values(EditionCase{"German", true, 1, "passe", "reize  18"},
                                           EditionCase{"English", false, 0, "Pass", "Bid  18"}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return info.param.name; });

}  // namespace
