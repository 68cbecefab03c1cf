// The desktop services as the program calls them: help topics, shell requests, dragging files out,
// printing, the sound volume and a second instance's file name, on the headless host's recorder.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "EngineFixture.h"
#include "FileTestSupport.h"
#include "platform/core/DesktopInstance.h"
#include "platform/core/DesktopServices.h"
#include "platform/headless/DesktopRecorder.h"

using namespace platform;
using enginetest::TestWindow;

namespace {

// --- Help topics ---------------------------------------------------------------------------------

struct TopicCase {
    const char* text;
    std::optional<HelpTopic> expected;
};

TEST(HelpTopics, ProgramTopicsSplitIntoFolderPageAndAnchor) {
    const TopicCase cases[] = {
        {"/usr/share/kartovan/ge::/Lexikon/RegelnReizen.htm#12", HelpTopic{"/usr/share/kartovan/ge/", "Lexikon/RegelnReizen.htm", "12"}},
        {"/help/::/Anleitung/Spielanleitung.htm", HelpTopic{"/help/", "Anleitung/Spielanleitung.htm", ""}},
        {"::/Bedienung/Tastatur.htm#help", HelpTopic{"", "Bedienung/Tastatur.htm", "help"}},
        {"Bedienung/Protokoll.htm#x", HelpTopic{"", "Bedienung/Protokoll.htm", "x"}},
        {"C:\\Hilfe::\\Bedienung\\Audio.htm", HelpTopic{"C:/Hilfe/", "Bedienung/Audio.htm", ""}},
        {"Glossar.htm#", HelpTopic{"", "Glossar.htm", ""}},
        // Not topics: nothing to show, or a way out of the help folder.
        {"", std::nullopt},
        {"/help::/", std::nullopt},
        {"#anchor", std::nullopt},
        {"::/../../etc/passwd", std::nullopt},
        {"Bedienung/../../x.htm", std::nullopt},
        {"/etc/passwd", std::nullopt},
        {"::/Bedienung//Audio.htm", std::nullopt},
        {"::/Bedienung/./Audio.htm", std::nullopt},
        {"::/Bedienung/Audio.htm\n", std::nullopt},
    };
    for (const TopicCase& c : cases) {
        EXPECT_EQ(ParseHelpTopic(c.text), c.expected) << '"' << c.text << '"';
    }
    EXPECT_FALSE(ParseHelpTopic(std::string("::/").append(kMaxHelpTopicBytes, 'a')).has_value());
    EXPECT_EQ(HelpTopicText(*ParseHelpTopic("x::/Lexikon/Glossar.htm#3")), "Lexikon/Glossar.htm#3");
}

// --- Services on the recorder ------------------------------------------------------------------------

class DesktopServicesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(frame.Create(enginetest::TopLevel(WindowKind::Overlapped, "frame", {0, 0, 400, 300})));
    }

    HeadlessHost host;
    DesktopRecorder desktop;
    TestWindow frame;
};

TEST_F(DesktopServicesTest, HelpOpensTopicsAndKnowsWhetherItIsOpen) {
    EXPECT_FALSE(IsHelpWindowOpen());
    EXPECT_TRUE(ShowHelpTopic(frame.Handle(), "/help::/Bedienung/Audio.htm#volume"));
    ASSERT_EQ(desktop.HelpRequests().size(), 1u);
    EXPECT_EQ(desktop.HelpRequests()[0].owner, frame.Handle());
    EXPECT_EQ(desktop.HelpRequests()[0].topic, (HelpTopic{"/help/", "Bedienung/Audio.htm", "volume"}));
    EXPECT_TRUE(IsHelpWindowOpen());

    CloseAllHelpWindows();
    EXPECT_FALSE(IsHelpWindowOpen());
    EXPECT_EQ(desktop.HelpClosings(), 1);

    EXPECT_TRUE(ShowHelpTopic(frame.Handle(), "::/Lexikon/Glossar.htm"));
    desktop.PersonClosesHelp();
    EXPECT_FALSE(IsHelpWindowOpen()) << "closed by the person, not the program";

    EXPECT_FALSE(ShowHelpTopic(frame.Handle(), "::/../secret.htm")) << "no topic: the help is not asked";
    EXPECT_EQ(desktop.HelpRequests().size(), 2u);

    desktop.SetHelpAvailable(false);
    EXPECT_FALSE(ShowHelpTopic(frame.Handle(), "::/Lexikon/Glossar.htm"));
    EXPECT_FALSE(IsHelpWindowOpen());
}

TEST_F(DesktopServicesTest, ShellRequestsAreCheckedBeforeTheHostSeesThem) {
    testsupport::TempFolder folder;
    using Kind = DesktopRecorder::ShellRequest::Kind;

    struct UrlCase {
        std::string url;
        bool openable;
    };
    const UrlCase urls[] = {
        {"http://example.org/skat", true}, {"HTTPS://example.org/", true}, {"mailto:a@example.org", true},
        {"https://", false}, {"file:///etc/passwd", false}, {"javascript:alert(1)", false},
        {"http://exa mple.org", false}, {"http://example.org/\n", false}, {"", false},
        {std::string("http://").append(2048, 'a'), false}, {"/usr/bin/xterm", false},
    };
    std::vector<DesktopRecorder::ShellRequest> expected;
    for (const UrlCase& c : urls) {
        const ShellResult result = OpenUrl(c.url);
        EXPECT_EQ(result.done, c.openable) << c.url;
        EXPECT_EQ(result.error.empty(), c.openable) << c.url;
        if (c.openable) expected.push_back({Kind::Url, c.url, {}});
    }

    EXPECT_TRUE(OpenFolder(folder.Folder()).done);
    expected.push_back({Kind::Folder, folder.Folder(), {}});
    EXPECT_FALSE(OpenFolder(folder.File("missing")).done);
    std::ofstream(folder.File("plain.txt")) << "x";
    EXPECT_FALSE(OpenFolder(folder.File("plain.txt")).done) << "a file is no folder";
    EXPECT_FALSE(OpenFolder("").done);

    EXPECT_TRUE(StartEdition(Edition::English, {"/tmp/a.skt"}).done);
    expected.push_back({Kind::Edition, "kartovan-en", {"/tmp/a.skt"}});
    EXPECT_TRUE(StartEdition(Edition::German, {}).done);
    expected.push_back({Kind::Edition, "kartovan-ge", {}});
    EXPECT_FALSE(StartEdition(Edition::German, std::vector<std::string>(17, "x")).done);
    EXPECT_FALSE(StartEdition(Edition::German, {std::string("a\0b", 3)}).done);

    EXPECT_EQ(desktop.ShellRequests(), expected);

    desktop.SetShellFailure("no browser");
    const ShellResult failed = OpenUrl("http://example.org/");
    EXPECT_FALSE(failed.done);
    EXPECT_EQ(failed.error, "no browser");
}

TEST(EditionPrograms, LieBesideTheRunningProgram) {
    EXPECT_STREQ(EditionProgramName(Edition::German), "kartovan-ge");
    EXPECT_STREQ(EditionProgramName(Edition::English), "kartovan-en");
    EXPECT_EQ(EditionProgramPath(Edition::English, "/opt/kartovan/"), "/opt/kartovan/kartovan-en");
    EXPECT_EQ(EditionProgramPath(Edition::German, "/opt/kartovan"), "/opt/kartovan/kartovan-ge");
}

TEST_F(DesktopServicesTest, DraggingOutNeedsExistingFilesAndALiveWindow) {
    testsupport::TempFolder folder;
    std::ofstream(folder.File("cards~.skt")) << "game";
    std::ofstream(folder.File("list.skm")) << "list";
    const std::vector<std::string> files{folder.File("cards~.skt"), folder.File("list.skm")};

    EXPECT_TRUE(DragFilesOut(frame.Handle(), files));
    desktop.SetDragsDropped(false);
    EXPECT_FALSE(DragFilesOut(frame.Handle(), {files[0]})) << "cancelled by the person";
    ASSERT_EQ(desktop.DragsOut().size(), 2u);
    EXPECT_EQ(desktop.DragsOut()[0].from, frame.Handle());
    EXPECT_EQ(desktop.DragsOut()[0].paths, files);

    EXPECT_FALSE(DragFilesOut(frame.Handle(), {folder.File("missing.skt")}));
    EXPECT_FALSE(DragFilesOut(frame.Handle(), {folder.Folder()})) << "a folder is no file";
    EXPECT_FALSE(DragFilesOut(frame.Handle(), {}));
    EXPECT_FALSE(DragFilesOut(nullptr, files));
    EXPECT_EQ(desktop.DragsOut().size(), 2u) << "refused drags never reach the host";
}

TEST_F(DesktopServicesTest, PrintedPagesAreDrawnWithTheirPageDescription) {
    std::vector<PrintPageInfo> seen;
    PrintDocument document;
    document.title = "Kartovan+: Spielliste";
    document.pageCount = 2;
    document.paintPage = [&](DeviceContext& dc, const PrintPageInfo& page) {
        seen.push_back(page);
        dc.TextOut(10, 20, std::string("Seite ").append(std::to_string(page.number)));
    };

    ASSERT_EQ(PrintDocumentWithDialog(frame.Handle(), document), PrintOutcome::Done);
    ASSERT_EQ(desktop.PrintJobs().size(), 1u);
    const auto& job = desktop.PrintJobs()[0];
    EXPECT_EQ(job.kind, DesktopRecorder::PrintJob::Kind::Printer);
    EXPECT_EQ(job.owner, frame.Handle());
    EXPECT_EQ(job.title, "Kartovan+: Spielliste");
    ASSERT_EQ(job.pages.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const auto texts = job.pages[i].dc->RecordsOfKind(DrawKind::Text);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, std::string("Seite ").append(std::to_string(i + 1)));
        EXPECT_EQ(job.pages[i].info, seen[i]);
        EXPECT_EQ(seen[i].number, i + 1);
        EXPECT_EQ(seen[i].pageCount, 2);
    }
    // A4 less 5 mm margins at 300 dpi; the sizes agree with each other.
    EXPECT_EQ(seen[0].pixels, (Size{2362, 3390}));
    EXPECT_EQ(seen[0].millimetres, (Size{200, 287}));
    EXPECT_EQ(PrintableMillimetres(seen[0].pixels, seen[0].dotsPerInchX, seen[0].dotsPerInchY), seen[0].millimetres);

    document.orientation = PageOrientation::Landscape;
    document.pageCount = 1;
    seen.clear();
    ASSERT_EQ(PreviewDocument(frame.Handle(), document), PrintOutcome::Done);
    EXPECT_EQ(desktop.PrintJobs()[1].kind, DesktopRecorder::PrintJob::Kind::Preview);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].pixels, (Size{3390, 2362}));
    EXPECT_EQ(seen[0].millimetres, (Size{287, 200}));

    ASSERT_EQ(PrintDocumentToPdf(document, "/tmp/out.pdf"), PrintOutcome::Done);
    EXPECT_EQ(desktop.PrintJobs()[2].path, "/tmp/out.pdf");
    EXPECT_EQ(desktop.PrintJobs()[2].pages.size(), 1u);
}

TEST_F(DesktopServicesTest, CancelledOrImpossibleJobsDrawNothing) {
    int drawn = 0;
    PrintDocument document;
    document.paintPage = [&](DeviceContext&, const PrintPageInfo&) { ++drawn; };

    desktop.SetPrintDialogAccepted(false);
    EXPECT_EQ(PrintDocumentWithDialog(frame.Handle(), document), PrintOutcome::Cancelled);
    EXPECT_EQ(PreviewDocument(frame.Handle(), document), PrintOutcome::Cancelled);
    EXPECT_EQ(desktop.PrintJobs().size(), 2u);
    EXPECT_TRUE(desktop.PrintJobs()[0].pages.empty());
    desktop.SetPrintDialogAccepted(true);

    for (int pages : {0, -1, kMaxPrintPages + 1}) {
        document.pageCount = pages;
        EXPECT_EQ(PrintDocumentWithDialog(frame.Handle(), document), PrintOutcome::Failed) << pages;
        EXPECT_EQ(PrintDocumentToPdf(document, "/tmp/x.pdf"), PrintOutcome::Failed) << pages;
    }
    document.pageCount = 1;
    EXPECT_EQ(PrintDocumentToPdf(document, ""), PrintOutcome::Failed);
    document.paintPage = nullptr;
    EXPECT_EQ(PreviewDocument(frame.Handle(), document), PrintOutcome::Failed);
    EXPECT_EQ(drawn, 0);
    EXPECT_EQ(desktop.PrintJobs().size(), 2u) << "impossible jobs never reach the host";
}

TEST(PrintMapping, LogicalAreaFillsThePageCentredAtOneScale) {
    struct Case {
        PageOrientation orientation;
        Size logical;
        bool widthBound;  // the width fills the page, else the height does
    };
    const Case cases[] = {
        {PageOrientation::Portrait, {610, 1048}, false},
        {PageOrientation::Portrait, {100, 100}, true},
        {PageOrientation::Landscape, {100, 100}, false},
        {PageOrientation::Landscape, {1420, 600}, true},
    };
    for (const Case& c : cases) {
        const PrintPageInfo page = DesktopRecorder::PageOf(c.orientation, 1, 1);
        RecordingDC dc(page.pixels);
        MapLogicalOntoPage(dc, page, c.logical);
        const Point topLeft = dc.LPtoDP(Point{0, 0});
        const Point bottomRight = dc.LPtoDP(Point{c.logical.cx, c.logical.cy});
        const int spareX = page.pixels.cx - bottomRight.x;
        const int spareY = page.pixels.cy - bottomRight.y;
        if (c.widthBound) {
            EXPECT_EQ(topLeft.x, 0);
            EXPECT_EQ(spareX, 0);
            EXPECT_GT(topLeft.y, 0);
        } else {
            EXPECT_EQ(topLeft.y, 0);
            EXPECT_EQ(spareY, 0);
            EXPECT_GT(topLeft.x, 0);
        }
        EXPECT_NEAR(topLeft.x, spareX, 1) << "centred";
        EXPECT_NEAR(topLeft.y, spareY, 1) << "centred";
        EXPECT_NEAR(double(bottomRight.x - topLeft.x) / c.logical.cx,
                    double(bottomRight.y - topLeft.y) / c.logical.cy, 0.01) << "one scale";
    }

    const PrintPageInfo portrait = DesktopRecorder::PageOf(PageOrientation::Portrait, 1, 1);
    RecordingDC untouched(portrait.pixels);
    MapLogicalOntoPage(untouched, portrait, {0, 100});
    EXPECT_EQ(untouched.GetMapMode(), MapMode::Text) << "an empty area maps nothing";
}

TEST_F(DesktopServicesTest, VolumeLevelsBecomeAShareOfFullVolume) {
    const std::pair<int, double> levels[] = {{15, 1.0}, {0, 0.0}, {5, 1.0 / 3}, {20, 1.0}, {-3, 0.0}};
    for (auto [level, volume] : levels) {
        SetSoundVolumeLevel(level, 15);
        EXPECT_DOUBLE_EQ(desktop.SoundVolume(), volume) << level;
    }
    SetSoundVolumeLevel(3, 0);
    EXPECT_DOUBLE_EQ(desktop.SoundVolume(), 0.0) << "no scale: unchanged";
}

TEST(NoDesktopServices, EveryRequestFailsQuietly) {
    HeadlessHost host;
    ASSERT_EQ(InstalledDesktopServices(), nullptr);
    TestWindow frame;
    ASSERT_TRUE(frame.Create(enginetest::TopLevel(WindowKind::Overlapped, "frame", {0, 0, 100, 100})));
    PrintDocument document;
    document.paintPage = [](DeviceContext&, const PrintPageInfo&) {};

    EXPECT_FALSE(ShowHelpTopic(frame.Handle(), "::/Lexikon/Glossar.htm"));
    EXPECT_FALSE(IsHelpWindowOpen());
    CloseAllHelpWindows();
    EXPECT_FALSE(OpenUrl("https://example.org/").done);
    EXPECT_FALSE(OpenFolder("/").done);
    EXPECT_FALSE(StartEdition(Edition::German, {}).done);
    EXPECT_FALSE(DragFilesOut(frame.Handle(), {"/"}));
    EXPECT_EQ(PrintDocumentWithDialog(frame.Handle(), document), PrintOutcome::Failed);
    EXPECT_EQ(PrintDocumentToPdf(document, "/tmp/x.pdf"), PrintOutcome::Failed);
    SetSoundVolumeLevel(5, 15);
}

TEST(DesktopRecorderLifetime, UninstallsOnlyItself) {
    {
        DesktopRecorder first;
        EXPECT_EQ(InstalledDesktopServices(), &first);
        {
            DesktopRecorder second;
            EXPECT_EQ(InstalledDesktopServices(), &second);
            InstallDesktopServices(&first);
        }
        EXPECT_EQ(InstalledDesktopServices(), &first) << "the second was no longer installed";
    }
    EXPECT_EQ(InstalledDesktopServices(), nullptr);
}

// --- A second instance's file name ---------------------------------------------------------------

TEST(HandedOverNames, OnlyBoundedCleanAbsolutePathsPass) {
    const std::string longest = std::string(1, '/').append(kMaxHandedOverNameBytes - 1, 'a');
    const std::pair<std::string, bool> cases[] = {
        {"/home/a/Spiel.skt", true},
        {"/home/a/Müller Ärger €.skm", true},
        {longest, true},
        {longest + "a", false},
        {"", false},
        {"Spiel.skt", false},
        {"/home/a/\nSpiel.skt", false},
        {std::string("/home/a\0b.skt", 13), false},
        {"/home/\xC3", false},          // cut in the middle of a character
        {"/home/\xC0\xAF", false},      // overlong '/'
        {"/home/\xED\xA0\x80", false},  // a surrogate
        {"/home/\xC2\x85", false},      // a C1 control character (next line)
        {"/home/\xFF", false},
    };
    for (const auto& [name, acceptable] : cases) {
        EXPECT_EQ(IsAcceptableHandedOverName(name), acceptable) << name;
    }
    EXPECT_EQ(HandedOverFileBytes("/a b.skt"), std::string("\"/a b.skt\"\0", 11));
}

TEST(HandedOverNames, ArriveAsCopyDataAtTheNextRetrieval) {
    HeadlessHost host;
    TestWindow frame;
    ASSERT_TRUE(frame.Create(enginetest::TopLevel(WindowKind::Overlapped, "frame", {0, 0, 100, 100})));
    std::vector<std::string> received;
    std::vector<std::uintptr_t> tags;
    std::vector<WPARAM> senders;
    frame.On(WM_COPYDATA, 0, [&](WPARAM wParam, LPARAM lParam) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        // Read as the main frame does: NUL-terminated text without its first and last character.
        const std::string text(static_cast<const char*>(data->lpData), std::strlen(static_cast<const char*>(data->lpData)));
        EXPECT_EQ(data->cbData, text.size() + 1);
        received.push_back(text.substr(1, text.size() - 2));
        tags.push_back(data->dwData);
        senders.push_back(wParam);
        return LRESULT{1};
    });

    EXPECT_TRUE(DeliverHandedOverFile(frame.Handle(), "/home/a/Spiel.skt"));
    EXPECT_FALSE(DeliverHandedOverFile(frame.Handle(), "relative.skt"));
    EXPECT_FALSE(DeliverHandedOverFile(nullptr, "/home/a/Spiel.skt"));
    EXPECT_TRUE(received.empty()) << "delivered by a pump, not at once";

    host.PumpUntilIdle();
    EXPECT_EQ(received, (std::vector<std::string>{"/home/a/Spiel.skt"}));
    EXPECT_EQ(tags, (std::vector<std::uintptr_t>{kHandedOverFileTag}));
    EXPECT_EQ(senders, (std::vector<WPARAM>{0}));
}

}  // namespace
