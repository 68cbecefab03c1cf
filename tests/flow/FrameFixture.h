#pragma once
// A running program on the headless host: settings in a fresh registry, folders in a private
// temporary folder, the edition's resources, and the application started up to its first paint.

#include "computer/evaluation/ComputerState.h"
#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardKnowledge.h"
#include "platform/FileTestSupport.h"
#include "platform/core/FileIo.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Random.h"
#include "platform/core/Registry.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "platform/headless/HeadlessHost.h"
#include "resources/Editions.h"
#include "support/ProgramGlobals.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "shell/SkatView.h"
#include "tavlo/Tavlo.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class CMainFrame;

namespace testsupport {

class FrameFixture : public ::testing::Test {
protected:
    FrameFixture()
        : data_("XDG_DATA_HOME", temp_.Folder() + "data"),
          config_("XDG_CONFIG_HOME", temp_.Folder() + "config"),
          home_("HOME", temp_.Folder()) {
        ResetGlobals();
        UseEdition(EnglishResources());
    }

    ~FrameFixture() override {
        app_.reset();
        host_.reset();
        ResetGlobals();
        platform::SetResources(nullptr);
    }

    static void ResetGlobals() { testsupport::ResetProgramGlobals(); }

    static void UseEdition(const platform::ResourceSet& edition) {
        platform::SetResources(&edition);
        platform::SetMessageBoxLanguage(edition.language);
    }

    // InitInstance and the pumps up to the first painted table (the first erase runs Startup).
    void StartProgram(const std::string& commandLine = std::string()) {
        app_ = std::make_unique<CSkatApp>();
        ASSERT_TRUE(app_->InitInstance(commandLine));
        host_->PumpUntilIdle();
    }

    // The trace on: every line of the four categories goes to the log file.
    void TraceOn() {
        WriteProfileInt("View", "Log", 1);
        WriteProfileInt("View", "LogDelete", 0);
    }

    // The frame by reference: a test that calls its methods includes flow/MainFrame.h itself.
    CMainFrame& Frame() { return *app_->MainFrame(); }
    std::string LogText() const { return platform::ReadWholeFile(app_->LogFilePath).Text(); }
    // The body lines of the log ("CMainFrame::OnNew()"), without heads and blank lines.
    std::vector<std::string> LogBodies() const {
        std::vector<std::string> lines;
        const std::string text = LogText();
        std::size_t at = 0;
        while (at < text.size()) {
            std::size_t end = text.find("\r\n", at);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(at, end - at);
            if (line.size() > 3) lines.push_back(line.substr(3));
            at = end + 2;
        }
        return lines;
    }
    // Index of the first body line equal to `body` from `from` on; -1 when there is none.
    int FindLine(const std::string& body, int from = 0) const {
        const std::vector<std::string> lines = LogBodies();
        for (int i = from; i < static_cast<int>(lines.size()); ++i)
            if (lines[static_cast<std::size_t>(i)] == body) return i;
        return -1;
    }

    TempFolder temp_;
    ScopedEnvironment data_;
    ScopedEnvironment config_;
    ScopedEnvironment home_;
    std::unique_ptr<platform::HeadlessHost> host_ = std::make_unique<platform::HeadlessHost>();
    std::unique_ptr<CSkatApp> app_;
};

}  // namespace testsupport
