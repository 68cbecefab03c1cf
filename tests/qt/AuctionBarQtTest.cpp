// The auction on the Qt host, as a new user meets it: the person sits in middlehand, so after New
// the auction bar lies over the table in the edition's captions; a mouse press and release on the
// bid button, then on the pass button, end the auction.
//
// With KARTOVAN_TEST_PNG_DIR set, the table with the bar is written there as a PNG.

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QString>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/ProgramFrame.h"
#include "dialogs/AuctionDialog.h"
#include "model/FlowGlobals.h"
#include "flow/MainFrame.h"
#include "model/GameState.h"
#include "platform/FileTestSupport.h"
#include "platform/core/Random.h"
#include "platform/core/WindowApi.h"
#include "platform/core/Registry.h"
#include "platform/qt/CardPictureStore.h"
#include "platform/qt/QtWindowWidget.h"
#include "QtTestSupport.h"
#include "resources/Editions.h"
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
    const char* bid;   // the bid button at the opening
    const char* pass;
};

void PrintTo(const EditionCase& c, std::ostream* out) { *out << c.name; }

class AuctionBarQtTest : public ::testing::TestWithParam<EditionCase> {
protected:
    AuctionBarQtTest()
        : data_("XDG_DATA_HOME", temp_.Folder() + "data"),
          config_("XDG_CONFIG_HOME", temp_.Folder() + "config"),
          home_("HOME", temp_.Folder()) {
        testsupport::ResetProgramGlobals();
        platform::SetResources(GetParam().german ? &GermanResources() : &EnglishResources());
        host_ = std::make_unique<platform::QtHost>();
        tavlo::SetCardPictures(&pictures_);
        g_Shell.FrameBarsOutside = true;
        for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap",
                                  "Switch"})
            WriteProfileInt("Delay", delay, 0);
        // The person in middlehand; voices off.
        WriteProfileInt("Actual", "Leader", 1);
        WriteProfileInt("Actual", "Forehand", 1);
        WriteProfileInt("Audio", "Voice", 0x00888BA9);
    }
    ~AuctionBarQtTest() override {
        app_.reset();
        host_.reset();
        tavlo::SetCardPictures(nullptr);
        testsupport::ResetProgramGlobals();
        platform::SetResources(nullptr);
    }

    QWidget* Native(HWND hwnd) { return host_->WidgetOf(hwnd); }
    static void PressAndRelease(QWidget* widget) {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        const QPointF global = widget->mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
    }

    TempFolder temp_;
    ScopedEnvironment data_;
    ScopedEnvironment config_;
    ScopedEnvironment home_;
    std::unique_ptr<platform::QtHost> host_;
    platform::CardPictureStore pictures_;
    std::unique_ptr<CSkatApp> app_;
};

TEST_P(AuctionBarQtTest, TheBarLiesOverTheTableAndTwoClicksEndTheAuction) {
    const EditionCase& c = GetParam();
    app_ = std::make_unique<CSkatApp>();
    ASSERT_TRUE(app_->InitInstance());
    ASSERT_TRUE(program::AttachProgramFrame(*app_));
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
    ASSERT_TRUE(qttest::PumpUntil([&frame] { return frame.IsAuctionBarOpen(); }, 20000));
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
    EXPECT_EQ(bid->text().remove('&').toStdString(), QString(c.bid).remove('&').toStdString());
    EXPECT_EQ(pass->text().remove('&').toStdString(), QString(c.pass).remove('&').toStdString());
    if (const char* folder = std::getenv("KARTOVAN_TEST_PNG_DIR")) {
        const QImage shot = Native(frame.Handle())->grab().toImage();
        shot.save(QString::fromStdString(std::string(folder) + "/auction-bar-" + c.name + ".png"));
        bar->grab().toImage().save(QString::fromStdString(std::string(folder) + "/auction-bar-only-" + c.name + ".png"));
    }

    // The bid: the computers answer inside the click.
    PressAndRelease(bid);
    qttest::PumpFor(200);
    ASSERT_GE(g_Game.HasBid[2], 1);
    if (frame.IsAuctionBarOpen()) {
        // The pass ends it.
        ASSERT_TRUE(qttest::PumpUntil(
            [&frame] { return ::IsWindowEnabled(::GetDlgItem(frame.Prompts().PromptDialog, BTN_PASS)); }, 20000));
        PressAndRelease(qobject_cast<QAbstractButton*>(Native(::GetDlgItem(frame.Prompts().PromptDialog, BTN_PASS))));
    }
    ASSERT_TRUE(qttest::PumpUntil([&frame] { return !frame.IsAuctionBarOpen() && frame.Run().BusyFlag == 0; }, 30000));
    qttest::PumpFor(300);
    EXPECT_NE(g_Game.Soloist, 3);
    EXPECT_TRUE(g_Game.FlowState == STATE_SKAT || g_Game.FlowState == STATE_PLAY) << g_Game.FlowState;
}

INSTANTIATE_TEST_SUITE_P(Editions, AuctionBarQtTest,
                         ::testing::Values(EditionCase{"English", false, "&Bid  18", "&Pass"},
                                           EditionCase{"German", true, "reiz&e  18", "&passe"}),
                         [](const ::testing::TestParamInfo<EditionCase>& info) { return std::string(info.param.name); });

}  // namespace
