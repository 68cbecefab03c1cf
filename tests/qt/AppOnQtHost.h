#pragma once
// The real program on the Qt host for the tests that look at it as a person would: the application
// object starts its frame and view (InitInstance), the program's own wiring puts the bars around the
// frame, and a seeded game can be dealt with every delay 0.

#include "flow/FrameAuction.h"
#include <memory>
#include <string>

#include <QImage>
#include <QMargins>
#include <QWidget>

#include <gtest/gtest.h>

#include "app/ProgramFrame.h"
#include "flow/MainFrame.h"
#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "platform/FileTestSupport.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/qt/CardPictureStore.h"
#include "QtSettled.h"
#include "QtTestSupport.h"
#include "resources/Editions.h"
#include "shell/SkatApp.h"
#include "support/ProgramGlobals.h"
#include "tavlo/CardPictures.h"
#include "tavlo/Tavlo.h"

namespace qttest {

class AppOnQtHost {
public:
    explicit AppOnQtHost(bool german)
        : data_("XDG_DATA_HOME", temp_.Folder() + "data"),
          config_("XDG_CONFIG_HOME", temp_.Folder() + "config"),
          home_("HOME", temp_.Folder()) {
        testsupport::ResetProgramGlobals();
        platform::SetResources(german ? &GermanResources() : &EnglishResources());
        host_ = std::make_unique<platform::QtHost>();
        tavlo::SetCardPictures(&pictures_);
        g_Shell.FrameBarsOutside = true;
        // Every wait and glide takes no time: a deal runs straight through to START.
        for (const char* delay : {"Bid", "Answer", "Show", "Continue", "Demo", "Deal", "Play", "Order", "Swap",
                                  "Switch"})
            WriteProfileInt("Delay", delay, 0);
    }

    ~AppOnQtHost() {
        app_.reset();
        host_.reset();
        tavlo::SetCardPictures(nullptr);
        testsupport::ResetProgramGlobals();
        platform::SetResources(nullptr);
    }

    // Starts the program on a desktop on which its widget is exactly width x height, and waits for
    // the table to stand idle.
    void Start(int width, int height) {
        program::UseProgramIcon();
        app_ = std::make_unique<CSkatApp>();
        ASSERT_TRUE(app_->InitInstance());
        ASSERT_TRUE(program::AttachProgramFrame(*app_));
        widget_ = host_->WidgetOf(Frame().Handle());
        ASSERT_NE(widget_, nullptr);
        margins_ = dynamic_cast<const platform::QtWindowWidget&>(*widget_).ClientMargins();
        // The offscreen screen is smaller than the sizes looked at: the desktop is set here.
        room_ = program::ClientRoom(QRect(0, 0, width, height), margins_);
        g_Shell.Desktop = room_;
        g_Shell.WorkArea = room_;
        ASSERT_TRUE(PumpUntil([] { return g_Game.FlowState == STATE_IDLE; }, 60000));
        Frame().MoveWindow(room_, true);
    }

    // Deals a seeded game; the deal is done when the auction waits for the person.
    void Deal() {
        SeedRand(4711);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(PumpUntil([this] { return Frame().FrameAuction().IsAuctionBarOpen(); }, 60000));
        ASSERT_TRUE(PumpUntilSettled());  // the last paints
    }

    // The frame's widget as the screen shows it, saved as app-<name>.png where
    // KARTOVAN_TEST_PNG_DIR points.
    QImage Shot(const std::string& name) const {
        QImage shot = widget_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (const char* folder = std::getenv("KARTOVAN_TEST_PNG_DIR"))
            shot.save(QString::fromStdString(std::string(folder) + "/app-" + name + ".png"));
        return shot;
    }

    CMainFrame& Frame() const { return *app_->MainFrame(); }
    platform::QtHost& Host() const { return *host_; }
    CSkatApp& App() const { return *app_; }
    platform::CardPictureStore& Pictures() { return pictures_; }
    QWidget* Widget() const { return widget_; }
    const QMargins& Margins() const { return margins_; }

private:
    testsupport::TempFolder temp_;
    testsupport::ScopedEnvironment data_;
    testsupport::ScopedEnvironment config_;
    testsupport::ScopedEnvironment home_;
    std::unique_ptr<platform::QtHost> host_;
    platform::CardPictureStore pictures_;
    std::unique_ptr<CSkatApp> app_;
    QWidget* widget_ = nullptr;
    QMargins margins_;
    platform::Rect room_;
};

}  // namespace qttest
