// The about box: its texts and link targets per edition, the paused game, and the links' hover,
// opening and failure.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "shell/ModalReader.h"

#include "platform/core/ControlMessages.h"
#include "platform/core/Image.h"
#include "platform/core/WindowScrollBars.h"
#include "platform/headless/DesktopRecorder.h"
#include "resources/CommandIds.h"
#include "shell/AboutDialog.h"
#include "shell/HyperLink.h"

namespace {

using testsupport::FrameFixture;

class AboutTest : public FrameFixture {
protected:
    void Start(const platform::ResourceSet& edition) {
        UseEdition(edition);
        WriteProfileInt("Delay", "Switch", 0);
        StartProgram();
    }
    // The box, modeless, so that the test can pump while it shows.
    void Show() {
        // Made now: its template is the edition's chosen by Start.
        aboutBox_ = std::make_unique<CAboutDlg>();
        ASSERT_TRUE(About().Create(Frame().Handle()));
        About().ShowWindow(SW_SHOW);
        host_->PumpUntilIdle();
        ASSERT_NE(About().MailLink(), nullptr);
        ASSERT_NE(About().WebLink(), nullptr);
    }
    void MouseAt(HWND window, platform::Point client, UINT message = WM_MOUSEMOVE) {
        host_->Input(host_->NowMs(), {message, platform::HeadlessHost::ScreenPoint(window, client)});
    }
    static bool Underlined(const CHyperLink& link) { return link.Font() && link.Font()->underline; }

    platform::DesktopRecorder desktop_;
    CAboutDlg& About() { return *aboutBox_; }

    std::unique_ptr<CAboutDlg> aboutBox_;
    testsupport::ModalReader reader_;
};

struct AboutCase {
    const char* name;
    const platform::ResourceSet& (*edition)();
    const char* date;
    const char* webTarget;
    int notice;
};

// A failing case names itself, not its bytes.
void PrintTo(const AboutCase& c, std::ostream* out) { *out << c.name; }

class AboutEditionTest : public AboutTest, public ::testing::WithParamInterface<AboutCase> {};

TEST_P(AboutEditionTest, VersionDateAndLinkTargets) {
    const AboutCase& c = GetParam();
    Start(c.edition());
    Show();
    EXPECT_EQ(About().GetDlgItemText(CAboutDlg::kVersion), "Version 5.8");
    EXPECT_EQ(About().GetDlgItemText(CAboutDlg::kDate), c.date);
    EXPECT_EQ(About().GetDlgItemText(CAboutDlg::kProduct), "Kartovan+");
    EXPECT_FALSE(About().GetDlgItemText(c.notice).empty());
    EXPECT_EQ(About().MailLink()->GetURL(), "mailto:kartovan@example.org");
    EXPECT_EQ(About().MailLink()->Title(), "kartovan@example.org");
    EXPECT_EQ(About().WebLink()->GetURL(), c.webTarget);
    EXPECT_EQ(::GetToolTip(About().WebLink()->Handle()), c.webTarget) << "the target as tooltip";
    EXPECT_EQ(::GetToolTip(About().MailLink()->Handle()), "mailto:kartovan@example.org");
    EXPECT_EQ(About().MailLink()->TextColour(), CHyperLink::kLinkColour);
    EXPECT_EQ(::GetWindowCursor(About().WebLink()->Handle()), LoadCursor(SYSTEM_CURSOR_HAND));
    // The picture at the top left is the program's icon.
    const auto* icon = About().GetControlAs<platform::Image>(CAboutDlg::kIcon);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->ImageId(), IDR_MAINFRAME);
}

INSTANTIATE_TEST_SUITE_P(
    Editions, AboutEditionTest,
    ::testing::Values(AboutCase{"German", GermanResources, "17.07.2020", "https://example.org/kartovan/skat/", 1276},
                      AboutCase{"English", EnglishResources, "2020-07-17", "https://example.org/kartovan/en/skat", 1273}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutTest, TheGameWaitsWhileTheBoxIsOpen) {
    Start(EnglishResources());
    Frame().SetPause(2);
    int pauseWhileOpen = -1;
    reader_.look = [&](platform::Dialog& dialog) {
        if (dialog.Template() == nullptr || dialog.Template()->id != CAboutDlg::kTemplateId) return 0;
        pauseWhileOpen = g_Game.PauseLevel;
        return IDOK;
    };
    reader_.Start();
    Frame().SendMessage(WM_COMMAND, ID_APP_ABOUT);
    EXPECT_EQ(pauseWhileOpen, 0);
    EXPECT_EQ(g_Game.PauseLevel, 2);
}

TEST_F(AboutTest, HoverUnderlinesAndTheNormalFontReturnsWithin100ms) {
    Start(EnglishResources());
    Show();
    CHyperLink& link = *About().WebLink();
    EXPECT_FALSE(Underlined(link));
    MouseAt(link.Handle(), {2, 2});
    host_->PumpFor(1);
    EXPECT_TRUE(link.IsOverLink());
    EXPECT_TRUE(Underlined(link));
    EXPECT_EQ(link.TextColour(), CHyperLink::kHoverColour);
    // Still on the link a tick later: nothing changes.
    host_->PumpFor(150);
    EXPECT_TRUE(Underlined(link));
    // Off the link, onto the box itself.
    MouseAt(About().Handle(), {2, 2});
    host_->PumpFor(1);
    EXPECT_TRUE(Underlined(link)) << "the next tick notices";
    host_->PumpFor(100);
    EXPECT_FALSE(Underlined(link));
    EXPECT_FALSE(link.IsOverLink());
    EXPECT_EQ(link.TextColour(), CHyperLink::kLinkColour);
}

TEST_F(AboutTest, AnOpenedLinkIsVisited) {
    Start(EnglishResources());
    Show();
    CHyperLink& link = *About().WebLink();
    MouseAt(link.Handle(), {2, 2}, WM_LBUTTONDOWN);
    MouseAt(link.Handle(), {2, 2}, WM_LBUTTONUP);
    host_->PumpFor(10);
    ASSERT_EQ(desktop_.ShellRequests().size(), 1u);
    EXPECT_EQ(desktop_.ShellRequests()[0].target, "https://example.org/kartovan/en/skat");
    EXPECT_TRUE(link.GetVisited());
    EXPECT_EQ(link.TextColour(), CHyperLink::kVisitedColour);
}

TEST_F(AboutTest, ALinkThatCannotBeOpenedSaysWhyAndStaysUnvisited) {
    Start(GermanResources());
    Show();
    desktop_.SetShellFailure("no browser");
    reader_.Start();
    About().MailLink()->OpenTarget();
    ASSERT_EQ(reader_.boxTexts.size(), 1u);
    EXPECT_EQ(reader_.boxTexts[0], "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
    EXPECT_FALSE(About().MailLink()->GetVisited());
    EXPECT_EQ(About().MailLink()->TextColour(), CHyperLink::kLinkColour);
}

TEST_F(AboutTest, OnlyWebAndMailLinksAreHandedToTheDesktop) {
    Start(EnglishResources());
    Show();
    reader_.Start();
    for (const char* target : {"file:///etc/passwd", "javascript:alert(1)", "ftp://example.org/x", "/usr/bin/xterm"}) {
        About().WebLink()->SetURL(target);
        About().WebLink()->OpenTarget();
    }
    EXPECT_TRUE(desktop_.ShellRequests().empty());
    EXPECT_EQ(reader_.boxTexts.size(), 4u);
    EXPECT_FALSE(About().WebLink()->GetVisited());
}

TEST(HyperlinkErrorTextTest, ReasonsByResult) {
    EXPECT_EQ(HyperlinkErrorText(2), "Unable to open hyperlink:\n\nThe specified file was not found.");
    EXPECT_EQ(HyperlinkErrorText(26), "Unable to open hyperlink:\n\nA sharing violation occurred. ");
    EXPECT_EQ(HyperlinkErrorText(32), "Unable to open hyperlink:\n\nThe specified dynamic-link library was not found.");
    EXPECT_EQ(HyperlinkErrorText(1), "Unable to open hyperlink:\n\nUnknown Error (1) occurred.");
    EXPECT_EQ(HyperlinkErrorText(-7), "Unable to open hyperlink:\n\nUnknown Error (-7) occurred.");
}

TEST(AboutWebTargetTest, TheEditionsPage) {
    EXPECT_EQ(AboutWebTarget("https://x.example/", "en"), "https://x.example/skat/");
    EXPECT_EQ(AboutWebTarget("https://x.example/", "ge"), "https://x.example/en/skat");
}

}  // namespace
