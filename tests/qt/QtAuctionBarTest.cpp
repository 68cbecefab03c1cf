// The auction bar over the real program on the Qt host: a caption-less strip where the placement
// puts it, in the edition's captions, pressed by the mouse; as a new user meets it, after New with
// the person in middlehand, two clicks end the auction. The declaration bar shows the suit symbols.
// With KARTOVAN_TEST_PNG_DIR set, the frame with its bar is written there as a PNG.

#include "flow/FrameAuction.h"
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/ProgramFrame.h"
#include "dialogs/AuctionDialog.h"
#include "dialogs/DeclareDialog.h"
#include "flow/MainFrame.h"
#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/FileTestSupport.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/core/WindowApi.h"
#include "platform/qt/CardPictureStore.h"
#include "platform/qt/QtWindowWidget.h"
#include "QtTestSupport.h"
#include "QtTextFits.h"
#include "resources/Editions.h"
#include "shell/SkatApp.h"
#include "support/ProgramGlobals.h"
#include "tavlo/CardPictures.h"

namespace {

using testsupport::ScopedEnvironment;
using testsupport::TempFolder;

// Answers any modal message that comes (a computer's game message) with its second OK.
class MessageCloser : public platform::Window {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_TIMER) {
            const auto& loops = platform::WindowSystem::Instance().ModalLoops();
            if (!loops.empty() && loops.back()->IsAlive()) {
                ++closed;
                ::PostMessage(loops.back()->Handle(), WM_COMMAND, IDCANCEL, 0);
            }
            return 0;
        }
        return platform::Window::WindowProc(message, wParam, lParam);
    }
    int closed = 0;
};

struct EditionCase {
    const char* name;
    bool german;
    int suggest;  // Options/Suggest of the opened bar: the suggestion button shows or the bar is narrowed
    const char* bid;  // the bid button at the opening, as the native button shows it
    const char* pass;
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

    // The profile of a game played at once: no delays, the person in middlehand, voices off.
    static void PersonInMiddlehandWithoutDelays() {
        for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap",
                                  "Switch"})
            WriteProfileInt("Delay", delay, 0);
        WriteProfileInt("Actual", "Leader", 1);
        WriteProfileInt("Actual", "Forehand", 1);
        WriteProfileInt("Audio", "Voice", 0x00888BA9);
    }
    void CreateProgram() {
        app_ = std::make_unique<CSkatApp>();
        ASSERT_TRUE(app_->InitInstance());
        ASSERT_TRUE(program::AttachProgramFrame(*app_));
    }
    void StartProgram() {
        CreateProgram();
        if (HasFatalFailure()) return;
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
        app_->MainFrame()->RecordOpenPrompt(bar->Handle());
        bar_ = bar->Handle();
        qttest::PumpFor(100);
        return bar;
    }
    QWidget* Native(HWND hwnd) { return host_->WidgetOf(hwnd); }
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

// The auction as a new user meets it: after New the bar lies over the table of a 1024 x 768
// screen in the edition's captions; a mouse press and release on the bid button, then on the pass
// button, end the auction.
TEST_P(QtAuctionBarTest, AfterNewTheBarLiesOverTheTableAndTwoClicksEndTheAuction) {
    const EditionCase& c = GetParam();
    PersonInMiddlehandWithoutDelays();
    CreateProgram();
    if (HasFatalFailure()) return;
    CMainFrame& frame = *app_->MainFrame();
    // A screen of 1024 x 768, as a new user's: the offscreen one is smaller.
    const QMargins margins = dynamic_cast<const platform::QtWindowWidget&>(*Native(frame.Handle())).ClientMargins();
    const platform::Rect room = program::ClientRoom(QRect(0, 0, 1024, 768), margins);
    g_Shell.Desktop = room;
    g_Shell.WorkArea = room;
    ASSERT_TRUE(qttest::PumpUntil([] { return g_Game.FlowState == STATE_IDLE; }, 10000));
    frame.MoveWindow(room, true);
    MessageCloser closer;
    closer.Create(platform::CreateParams{});
    closer.SetTimer(1, 100);

    SeedRand(4711);
    frame.SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(qttest::PumpUntil([&frame] { return frame.FrameAuction().IsAuctionBarOpen(); }, 20000));
    ASSERT_TRUE(qttest::PumpUntil(
        [&frame] { return ::IsWindowEnabled(::GetDlgItem(frame.Prompts().PromptDialog, BTN_BID)); }, 20000));
    qttest::PumpFor(200);
    EXPECT_EQ(g_Game.FlowState, STATE_AUCTION);

    // The bar: visible, centred over the frame, in the table's lower half, with the edition's captions.
    QWidget* bar = Native(frame.Prompts().PromptDialog);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    platform::Rect frameRect, barRect;
    ::GetWindowRect(frame.Handle(), &frameRect);
    ::GetWindowRect(frame.Prompts().PromptDialog, &barRect);
    EXPECT_LE(std::abs((barRect.left + barRect.right) - (frameRect.left + frameRect.right)), 1);
    EXPECT_GT(barRect.top, (frameRect.top + frameRect.bottom) / 2);
    EXPECT_LT(barRect.bottom, frameRect.bottom);
    auto* bid = qobject_cast<QAbstractButton*>(Native(::GetDlgItem(frame.Prompts().PromptDialog, BTN_BID)));
    auto* pass = qobject_cast<QAbstractButton*>(Native(::GetDlgItem(frame.Prompts().PromptDialog, BTN_PASS)));
    ASSERT_NE(bid, nullptr);
    ASSERT_NE(pass, nullptr);
    // The native buttons show the mnemonic underlined, not its "&".
    EXPECT_EQ(bid->text().remove('&').toStdString(), c.bid);
    EXPECT_EQ(pass->text().remove('&').toStdString(), c.pass);
    if (const char* folder = std::getenv("KARTOVAN_TEST_PNG_DIR")) {
        const QImage shot = Native(frame.Handle())->grab().toImage();
        shot.save(QString::fromStdString(std::string(folder) + "/auction-bar-" + c.name + ".png"));
        bar->grab().toImage().save(QString::fromStdString(std::string(folder) + "/auction-bar-only-" + c.name + ".png"));
    }

    // The bid: the computers answer inside the click.
    Click(bid);
    qttest::PumpFor(200);
    ASSERT_GE(g_Game.HasBid[2], 1);
    if (frame.FrameAuction().IsAuctionBarOpen()) {
        // The pass ends it.
        ASSERT_TRUE(qttest::PumpUntil(
            [&frame] { return ::IsWindowEnabled(::GetDlgItem(frame.Prompts().PromptDialog, BTN_PASS)); }, 20000));
        Click(qobject_cast<QAbstractButton*>(Native(::GetDlgItem(frame.Prompts().PromptDialog, BTN_PASS))));
    }
    ASSERT_TRUE(qttest::PumpUntil([&frame] { return !frame.FrameAuction().IsAuctionBarOpen() && frame.Run().BusyFlag == 0; }, 30000));
    qttest::PumpFor(300);
    EXPECT_NE(g_Game.Soloist, 3);
    EXPECT_TRUE(g_Game.FlowState == STATE_SKAT || g_Game.FlowState == STATE_PLAY) << g_Game.FlowState;
}

// The declaration bar: two rows, the suit buttons showing the suit symbols, the boxes below.
TEST_P(QtAuctionBarTest, TheDeclarationBarShowsTheSuitSymbols) {
    StartProgram();
    if (HasFatalFailure()) return;
    CDeclareDialog* bar = CreateBar<CDeclareDialog>();
    ASSERT_NE(bar, nullptr);
    bar->ShowWindow(SW_SHOW);
    app_->MainFrame()->RecordOpenPrompt(bar->Handle());
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
                         ::testing::Values(EditionCase{"German", true, 1, "reize  18", "passe"},
                                           EditionCase{"English", false, 0, "Bid  18", "Pass"}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return std::string(info.param.name); });

}  // namespace
