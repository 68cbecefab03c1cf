// The printed reports: how many pages each has, the orientation switch, the header's date in the
// edition's form, a footer that counts the pages, and header, footer and body on the page at any
// resolution; the job's set-up is undone also when the print dialog is cancelled.
#include "flow/FrameFixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/Clock.h"
#include "platform/core/FileIo.h"
#include "platform/headless/DesktopRecorder.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "resources/Editions.h"
#include "shell/Printing.h"

namespace {

using testsupport::FrameFixture;

TEST(PrintPageCount, ByReportAndOrientation) {
    struct Case {
        int kind;
        int count;  // games or deals
        int portrait, landscape;
    };
    const Case cases[] = {
        {PRINT_SCORE_SHEET, 0, 1, 1},  {PRINT_SCORE_SHEET, 1, 1, 1},  {PRINT_SCORE_SHEET, 48, 1, 1},
        {PRINT_SCORE_SHEET, 49, 2, 1}, {PRINT_SCORE_SHEET, 96, 2, 1}, {PRINT_SCORE_SHEET, 97, 3, 2},
        {PRINT_CARDS_ASSIGNMENT, 0, 1, 1},  {PRINT_CARDS_ASSIGNMENT, 10, 1, 1}, {PRINT_CARDS_ASSIGNMENT, 11, 2, 1},
        {PRINT_CARDS_ASSIGNMENT, 30, 3, 1}, {PRINT_CARDS_ASSIGNMENT, 31, 4, 2},
        {PRINT_TABLE, 500, 1, 1},      {PRINT_COURSE, 500, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " with " + std::to_string(c.count));
        const int games = c.kind == PRINT_SCORE_SHEET ? c.count : 0;
        const int deals = c.kind == PRINT_CARDS_ASSIGNMENT ? c.count : 0;
        EXPECT_EQ(PrintPageCount(c.kind, false, games, deals), c.portrait);
        EXPECT_EQ(PrintPageCount(c.kind, true, games, deals), c.landscape);
    }
}

class PrintingTest : public FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        WriteProfileInt("View", "LogList", 0);
        StartProgram();
    }
    // Every text drawn on a page.
    static std::vector<std::string> Texts(const platform::RecordingDC& dc) {
        std::vector<std::string> texts;
        for (const platform::DrawRecord& record : dc.RecordsOfKind(platform::DrawKind::Text)) texts.push_back(record.text);
        return texts;
    }
    // Whether a text has the shape: '9' stands for any digit, every other character for itself.
    static bool HasMatch(const std::vector<std::string>& texts, const std::string& shape) {
        for (const std::string& text : texts) {
            if (text.size() != shape.size()) continue;
            bool same = true;
            for (std::size_t i = 0; i < text.size() && same; ++i)
                same = shape[i] == '9' ? (text[i] >= '0' && text[i] <= '9') : text[i] == shape[i];
            if (same) return true;
        }
        return false;
    }
    platform::DesktopRecorder desktop_;
};

TEST_F(PrintingTest, TheOrientationCommandSwitchesBetweenPortraitAndLandscape) {
    g_Settings.Print.Orient = 1;
    Frame().SendMessage(WM_COMMAND, ID_ORIENTATION);
    EXPECT_EQ(g_Settings.Print.Orient, 2);
    Frame().SendMessage(WM_COMMAND, ID_ORIENTATION);
    EXPECT_EQ(g_Settings.Print.Orient, 1);
    g_Settings.Print.Orient = 0;  // any other value is landscape; the switch makes it portrait
    Frame().SendMessage(WM_COMMAND, ID_ORIENTATION);
    EXPECT_EQ(g_Settings.Print.Orient, 1);
}

TEST_F(PrintingTest, TheHeaderDatesThePageInTheEditionsForm) {
    struct Case {
        const platform::ResourceSet* edition;
        int english;
        const char* pattern;
        const char* title;
    };
    const Case cases[] = {
        {&EnglishResources(), 1, "9999-99-99", "Kartovan+: Gambling Table"},
        {&GermanResources(), 0, "99.99.9999", "Kartovan+: Spieltisch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        UseEdition(*c.edition);
        Frame().EnglishEdition = c.english;
        const std::size_t before = desktop_.PrintJobs().size();
        Frame().SendMessage(WM_COMMAND, ID_PREVIEW_TABLE);
        ASSERT_EQ(desktop_.PrintJobs().size(), before + 1);
        const auto& job = desktop_.PrintJobs().back();
        EXPECT_EQ(job.kind, platform::DesktopRecorder::PrintJob::Kind::Preview);
        EXPECT_EQ(job.title, c.title);
        ASSERT_EQ(job.pages.size(), 1u);
        const std::vector<std::string> texts = Texts(*job.pages[0].dc);
        EXPECT_TRUE(HasMatch(texts, c.pattern));
        EXPECT_TRUE(HasMatch(texts, "skat"));
    }
}

TEST_F(PrintingTest, TheFooterCountsThePages) {
    g_Settings.Print.Orient = 1;
    g_Game.GameCount = 97;
    Frame().SendMessage(WM_COMMAND, ID_PRINT_SCORE_SHEET);
    ASSERT_EQ(desktop_.PrintJobs().size(), 1u);
    const auto& job = desktop_.PrintJobs()[0];
    ASSERT_EQ(job.pages.size(), 3u);
    const std::vector<std::string> second = Texts(*job.pages[1].dc);
    EXPECT_TRUE(HasMatch(second, "Page 2 of 3"));
}

TEST_F(PrintingTest, HeaderFooterAndTitleLieOnThePageAtAnyResolution) {
    struct Case {
        int dpi;
        bool landscape;
    };
    const Case cases[] = {{300, false}, {600, false}, {300, true}, {600, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dpi) + (c.landscape ? " landscape" : " portrait"));
        g_Settings.Print.Orient = c.landscape ? 2 : 1;
        // A4 less 5 mm margins.
        platform::PrintPageInfo page;
        page.millimetres = c.landscape ? platform::Size{287, 200} : platform::Size{200, 287};
        page.pixels = {page.millimetres.cx * c.dpi * 10 / 254, page.millimetres.cy * c.dpi * 10 / 254};
        page.dotsPerInchX = page.dotsPerInchY = c.dpi;
        for (int number : {1, 2}) {
            SCOPED_TRACE(number);
            page.number = number;
            page.pageCount = 2;
            platform::RecordingDC dc(page.pixels);
            Frame().PrintPage(PRINT_SCORE_SHEET, dc, page);
            const auto lines = dc.RecordsOfKind(platform::DrawKind::Line);
            const auto texts = dc.RecordsOfKind(platform::DrawKind::Text);
            ASSERT_EQ(lines.size(), 2u) << "the header's and the footer's lines";
            ASSERT_EQ(texts.size(), 3u) << "date, program, page";
            for (const auto& record : lines) {
                EXPECT_FALSE(record.visible.IsEmpty()) << platform::FormatRecord(record);
                EXPECT_FALSE(record.clipped) << platform::FormatRecord(record);
            }
            for (const auto& record : texts) EXPECT_FALSE(record.clipped) << platform::FormatRecord(record);
            // The header stands at the top, the footer near the bottom.
            EXPECT_LT(lines[0].bounds.top, page.pixels.cy / 10);
            EXPECT_GT(lines[1].bounds.top, page.pixels.cy * 8 / 10);
        }
    }
}

TEST_F(PrintingTest, APageWithoutASizePrintsNothing) {
    platform::PrintPageInfo page;
    page.pixels = {100, 100};
    page.dotsPerInchX = page.dotsPerInchY = 300;
    platform::RecordingDC dc(page.pixels);
    Frame().PrintPage(PRINT_TABLE, dc, page);
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(PrintingTest, ACancelledDialogStillPutsTheTitleAndThePromptBack) {
    desktop_.SetPrintDialogAccepted(false);
    const std::string title = GetWindowText(Frame().Handle());
    std::string duringJob;
    Frame().SendMessage(WM_COMMAND, ID_PRINT_TABLE);
    EXPECT_EQ(desktop_.PrintJobs().back().outcome, platform::PrintOutcome::Cancelled);
    EXPECT_EQ(Frame().PrintingActive, 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(GetWindowText(Frame().Handle()), title);
}

TEST_F(PrintingTest, TheTitleShowsTheJobWhileItRuns) {
    std::string seen;
    platform::PrintDocument document = Frame().MakePrintDocument(PRINT_COURSE);
    Frame().PrintKind = PRINT_COURSE;
    Frame().PreparePrinting(true);
    seen = GetWindowText(Frame().Handle());
    EXPECT_EQ(Frame().PrintingActive, 1);
    Frame().PreparePrinting(false);
    EXPECT_EQ(seen, document.title);
    EXPECT_EQ(seen, "Kartovan+: Game Course");
}

}  // namespace

namespace {

class PrintToPdfTest : public testsupport::FrameFixture {
protected:
    void SetUp() override {
        WriteProfileInt("Delay", "Switch", 0);
        WriteProfileInt("View", "LogList", 0);
        StartProgram();
    }
    platform::DesktopRecorder desktop_;
};

TEST_F(PrintToPdfTest, TheTableGoesToAOnePagePdfFile) {
    const std::string path = temp_.File("table.pdf");
    ASSERT_EQ(Frame().PrintReport(PRINT_TABLE, PrintTarget::Pdf, path), platform::PrintOutcome::Done);
    const std::string pdf = platform::ReadWholeFile(path).Text();
    ASSERT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1 "), std::string::npos) << "one page";
    EXPECT_NE(pdf.find("(Gambling Table) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("(skat) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("(Page 1 of 1) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("/Title (Kartovan+: Gambling Table)"), std::string::npos);
    // The cross-reference table points at each object's start.
    const std::size_t xref = pdf.find("xref\n");
    ASSERT_NE(xref, std::string::npos);
    const std::size_t first = pdf.find(" 00000 n \n", xref);
    ASSERT_NE(first, std::string::npos);
    const std::size_t offset = std::stoul(pdf.substr(first - 10, 10));
    EXPECT_EQ(pdf.compare(offset, 8, "1 0 obj\n"), 0);
}

// What a PDF reader finds in the file: the text poppler-utils' pdftotext extracts.
TEST_F(PrintToPdfTest, APdfReaderFindsTheReportsTexts) {
    if (std::system("command -v pdftotext > /dev/null 2>&1") != 0) GTEST_SKIP() << "pdftotext is not installed";
    struct Case {
        int kind;
        const char* name;
    };
    for (const Case& c : {Case{PRINT_TABLE, "Gambling Table"}, Case{PRINT_COURSE, "Game Course"}}) {
        SCOPED_TRACE(c.name);
        const std::string pdf = temp_.File("report.pdf");
        const std::string text = temp_.File("report.txt");
        ASSERT_EQ(Frame().PrintReport(c.kind, PrintTarget::Pdf, pdf), platform::PrintOutcome::Done);
        ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + text + "'").c_str()), 0);
        const std::string extracted = platform::ReadWholeFile(text).Text();
        EXPECT_NE(extracted.find(c.name), std::string::npos) << extracted;
        EXPECT_NE(extracted.find("skat"), std::string::npos);
        EXPECT_NE(extracted.find("Page 1 of 1"), std::string::npos);
        EXPECT_NE(extracted.find(platform::FormatLocalTime("%Y-%m-%d", Time64())), std::string::npos);
        EXPECT_EQ(std::count(extracted.begin(), extracted.end(), '\f'), 1) << "one page";
    }
}

TEST_F(PrintToPdfTest, AnUnwritablePathFailsAndChangesNothing) {
    const std::string title = GetWindowText(Frame().Handle());
    EXPECT_EQ(Frame().PrintReport(PRINT_TABLE, PrintTarget::Pdf, temp_.File("no folder/table.pdf")),
              platform::PrintOutcome::Failed);
    EXPECT_EQ(Frame().PrintingActive, 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(GetWindowText(Frame().Handle()), title);
}

}  // namespace
