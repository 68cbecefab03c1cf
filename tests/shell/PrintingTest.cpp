// The printed reports: how many pages each has, the orientation switch, the header's date in the
// edition's form, a footer that counts the pages, and header, footer and body on the page at any
// resolution; the job's set-up is undone also when the print dialog is cancelled.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePrinting.h"
#include "flow/MatchFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "match/GameList.h"
#include "match/ListTotals.h"
#include "match/StoreRows.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/Clock.h"
#include "platform/core/FileIo.h"
#include "platform/headless/DesktopRecorder.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"
#include "resources/Editions.h"
#include "shell/Printing.h"
#include "windows/Store.h"

namespace {

using testsupport::FrameFixture;

// Books n games of the same deal, each into the list and the cards assignment.
void BookGames(CMainFrame& frame, int n) {
    g_Game.GameCount = 0;
    g_Game.StoreCount = 0;
    g_GameList.Games.clear();
    for (int i = 0; i < n; ++i) {
        g_Game.GameCount += 1;
        g_Game.StoreCount += 1;
        g_Game.Soloist = 1;
        g_Game.Leader = 0;
        g_Game.GameType = 0;
        AddGameToList(-24, "Gd24", 3);
        CStore::AddDeal(1, frame.GameObject());
    }
}

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
        Frame().MatchFiles().SetEdition(c.english ? "ge" : "en");
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
    g_GameList.Games.assign(97, ListRecord());
    Frame().SendMessage(WM_COMMAND, ID_PRINT_SCORE_SHEET);
    ASSERT_EQ(desktop_.PrintJobs().size(), 1u);
    const auto& job = desktop_.PrintJobs()[0];
    ASSERT_EQ(job.pages.size(), 3u);
    const std::vector<std::string> second = Texts(*job.pages[1].dc);
    EXPECT_TRUE(HasMatch(second, "Page 2 of 3"));
}

// A game counter above what the list holds (a damaged match file) prints no empty pages.
TEST_F(PrintingTest, PagesFollowWhatTheListsHold) {
    g_Settings.Print.Orient = 1;
    g_Game.GameCount = 97;
    g_GameList.Games.assign(10, ListRecord());
    g_Game.StoreCount = 31;
    g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
    EXPECT_EQ(Frame().FramePrinting().MakePrintDocument(PRINT_SCORE_SHEET).pageCount, 1);
    EXPECT_EQ(Frame().FramePrinting().MakePrintDocument(PRINT_CARDS_ASSIGNMENT).pageCount, 1);
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
            Frame().FramePrinting().PrintPage(PRINT_SCORE_SHEET, dc, page);
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

// On every page of the printer the lists' bodies keep between the header's line and the footer's:
// the page height sets the scale, so a page's block never runs into its header.
TEST_F(PrintingTest, TheListsBodiesStayBetweenHeaderAndFooter) {
    g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
    BookGames(Frame(), 49);
    for (int kind : {PRINT_SCORE_SHEET, PRINT_CARDS_ASSIGNMENT}) {
        for (int orient : {1, 2}) {
            SCOPED_TRACE(std::to_string(kind) + " orient " + std::to_string(orient));
            g_Settings.Print.Orient = orient;
            const std::size_t before = desktop_.PrintJobs().size();
            Frame().SendMessage(WM_COMMAND, kind == PRINT_SCORE_SHEET ? ID_PRINT_SCORE_SHEET : ID_PRINT_CARDS_ASSIGNMENT);
            ASSERT_EQ(desktop_.PrintJobs().size(), before + 1);
            const auto& job = desktop_.PrintJobs().back();
            ASSERT_FALSE(job.pages.empty());
            for (const auto& page : job.pages) {
                SCOPED_TRACE(page.info.number);
                const std::vector<platform::DrawRecord> records = page.dc->Records();
                // Header and footer come first: their two lines, then date, program and page.
                const auto lines = page.dc->RecordsOfKind(platform::DrawKind::Line);
                ASSERT_GE(lines.size(), 2u);
                const int top = lines[0].bounds.bottom, bottom = lines[1].bounds.top;
                int texts = 0, lineCount = 0, bodyTexts = 0;
                for (const platform::DrawRecord& record : records) {
                    bool ours = false;  // drawn by the header or the footer
                    if (record.kind == platform::DrawKind::Text) ours = texts++ < 3;
                    else if (record.kind == platform::DrawKind::Line) ours = lineCount++ < 2;
                    else continue;
                    if (ours || record.visible.IsEmpty()) continue;
                    if (record.kind == platform::DrawKind::Text) ++bodyTexts;
                    EXPECT_GE(record.visible.top, top) << platform::FormatRecord(record);
                    EXPECT_LE(record.visible.bottom, bottom) << platform::FormatRecord(record);
                }
                EXPECT_GT(bodyTexts, 0) << "the page shows a part of the list";
            }
        }
    }
}

TEST_F(PrintingTest, APageWithoutASizePrintsNothing) {
    platform::PrintPageInfo page;
    page.pixels = {100, 100};
    page.dotsPerInchX = page.dotsPerInchY = 300;
    platform::RecordingDC dc(page.pixels);
    Frame().FramePrinting().PrintPage(PRINT_TABLE, dc, page);
    EXPECT_TRUE(dc.Records().empty());
}

TEST_F(PrintingTest, ACancelledDialogStillPutsTheTitleAndThePromptBack) {
    desktop_.SetPrintDialogAccepted(false);
    const std::string title = GetWindowText(Frame().Handle());
    std::string duringJob;
    Frame().SendMessage(WM_COMMAND, ID_PRINT_TABLE);
    EXPECT_EQ(desktop_.PrintJobs().back().outcome, platform::PrintOutcome::Cancelled);
    EXPECT_EQ(Frame().FramePrinting().Record().PrintingActive, 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(GetWindowText(Frame().Handle()), title);
}

// The lists' hidden windows exist from the set-up to the tear-down of their job only, whether it
// printed or was cancelled.
TEST_F(PrintingTest, AListJobsHiddenWindowsLiveOnlyForTheJob) {
    BookGames(Frame(), 3);
    for (bool accepted : {false, true}) {
        for (int command : {ID_PRINT_SCORE_SHEET, ID_PRINT_CARDS_ASSIGNMENT}) {
            SCOPED_TRACE(std::to_string(command) + (accepted ? " printed" : " cancelled"));
            desktop_.SetPrintDialogAccepted(accepted);
            Frame().FramePrinting().ChooseReport(command == ID_PRINT_SCORE_SHEET ? PRINT_SCORE_SHEET : PRINT_CARDS_ASSIGNMENT);
            Frame().FramePrinting().PreparePrinting(true);
            EXPECT_NE(Frame().FramePrinting().Record().PrintWindows, nullptr);
            Frame().FramePrinting().PreparePrinting(false);
            EXPECT_EQ(Frame().FramePrinting().Record().PrintWindows, nullptr);
            Frame().SendMessage(WM_COMMAND, command);
            EXPECT_EQ(desktop_.PrintJobs().back().outcome,
                      accepted ? platform::PrintOutcome::Done : platform::PrintOutcome::Cancelled);
            EXPECT_EQ(Frame().FramePrinting().Record().PrintWindows, nullptr);
            EXPECT_EQ(Frame().FramePrinting().Record().PrintingActive, 0);
        }
    }
    // The table needs none.
    Frame().FramePrinting().ChooseReport(PRINT_TABLE);
    Frame().FramePrinting().PreparePrinting(true);
    EXPECT_EQ(Frame().FramePrinting().Record().PrintWindows, nullptr);
    Frame().FramePrinting().PreparePrinting(false);
}

TEST_F(PrintingTest, TheTitleShowsTheJobWhileItRuns) {
    std::string seen;
    platform::PrintDocument document = Frame().FramePrinting().MakePrintDocument(PRINT_COURSE);
    Frame().FramePrinting().ChooseReport(PRINT_COURSE);
    Frame().FramePrinting().PreparePrinting(true);
    seen = GetWindowText(Frame().Handle());
    EXPECT_EQ(Frame().FramePrinting().Record().PrintingActive, 1);
    Frame().FramePrinting().PreparePrinting(false);
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
    void Book(int n) { BookGames(Frame(), n); }
    // The text pdftotext finds on one page of the file ("" past its last page).
    std::string PageText(const std::string& pdf, int page) {
        const std::string text = temp_.File("page.txt");
        std::remove(text.c_str());
        const std::string number = std::to_string(page);
        const std::string command = "pdftotext -q -f " + number + " -l " + number + " '" + pdf + "' '" + text + "'";
        if (std::system(command.c_str()) != 0) return {};
        std::string read = platform::ReadWholeFile(text).Text();
        read.erase(std::remove(read.begin(), read.end(), '\f'), read.end());
        return read;
    }
    static int Count(const std::string& text, const std::string& word) {
        int found = 0;
        for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + word.size())) ++found;
        return found;
    }
    platform::DesktopRecorder desktop_;
};

TEST_F(PrintToPdfTest, TheTableGoesToAOnePagePdfFile) {
    const std::string path = temp_.File("table.pdf");
    ASSERT_EQ(Frame().FramePrinting().PrintReport(PRINT_TABLE, PrintTarget::Pdf, path), platform::PrintOutcome::Done);
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
    ASSERT_EQ(std::system("command -v pdftotext > /dev/null 2>&1"), 0) << "pdftotext (poppler-utils) is not installed";
    struct Case {
        int kind;
        const char* name;
    };
    for (const Case& c : {Case{PRINT_TABLE, "Gambling Table"}, Case{PRINT_COURSE, "Game Course"}}) {
        SCOPED_TRACE(c.name);
        const std::string pdf = temp_.File("report.pdf");
        const std::string text = temp_.File("report.txt");
        ASSERT_EQ(Frame().FramePrinting().PrintReport(c.kind, PrintTarget::Pdf, pdf), platform::PrintOutcome::Done);
        ASSERT_EQ(std::system(("pdftotext '" + pdf + "' '" + text + "'").c_str()), 0);
        const std::string extracted = platform::ReadWholeFile(text).Text();
        EXPECT_NE(extracted.find(c.name), std::string::npos) << extracted;
        EXPECT_NE(extracted.find("skat"), std::string::npos);
        EXPECT_NE(extracted.find("Page 1 of 1"), std::string::npos);
        EXPECT_NE(extracted.find(platform::FormatLocalTime("%Y-%m-%d", Time64())), std::string::npos);
        EXPECT_EQ(std::count(extracted.begin(), extracted.end(), '\f'), 1) << "one page";
    }
}

// The lists print their own bodies, page by page: 48 games (96 in landscape) or 10 deals (30) to a
// page, each page's part read back from the PDF file.
TEST_F(PrintToPdfTest, TheListsBodiesArePagedOntoTheSheets) {
    ASSERT_EQ(std::system("command -v pdftotext > /dev/null 2>&1"), 0) << "pdftotext (poppler-utils) is not installed";
    // Numbered by rounds: game 48 is "16.3", game 49 "17.1"; each stored deal shows its game "Gd24".
    g_GameList.Header.SetInt(LIST_COUNTING, 0);
    g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
    Book(49);
    struct Case {
        int kind, orient;
        std::vector<std::string> pages;  // the body's marks expected on each page, in order
    };
    const Case cases[] = {
        {PRINT_SCORE_SHEET, 1, {"16.3", "17.1"}},
        {PRINT_SCORE_SHEET, 2, {"16.3 17.1"}},
        {PRINT_CARDS_ASSIGNMENT, 1, {"10", "10", "10", "10", "9"}},
        {PRINT_CARDS_ASSIGNMENT, 2, {"30", "19"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " orient " + std::to_string(c.orient));
        g_Settings.Print.Orient = c.orient;
        const std::string pdf = temp_.File("list.pdf");
        ASSERT_EQ(Frame().FramePrinting().PrintReport(c.kind, PrintTarget::Pdf, pdf), platform::PrintOutcome::Done);
        const int pages = static_cast<int>(c.pages.size());
        for (int page = 1; page <= pages; ++page) {
            SCOPED_TRACE(page);
            const std::string text = PageText(pdf, page);
            EXPECT_NE(text.find("Page " + std::to_string(page) + " of " + std::to_string(pages)), std::string::npos) << text;
            const std::string& expected = c.pages[static_cast<std::size_t>(page - 1)];
            if (c.kind == PRINT_SCORE_SHEET) {
                // The page's rows and no other page's.
                for (const char* row : {"16.3", "17.1"})
                    EXPECT_EQ(text.find(row) != std::string::npos, expected.find(row) != std::string::npos) << row << text;
            } else {
                EXPECT_EQ(Count(text, "Gd24"), std::stoi(expected)) << text;
            }
        }
        EXPECT_TRUE(PageText(pdf, pages + 1).empty()) << "no page beyond the count";
    }
    EXPECT_EQ(Frame().FramePrinting().Record().PrintWindows, nullptr) << "the job's hidden windows are gone";
}

TEST_F(PrintToPdfTest, AnUnwritablePathFailsAndChangesNothing) {
    const std::string title = GetWindowText(Frame().Handle());
    EXPECT_EQ(Frame().FramePrinting().PrintReport(PRINT_TABLE, PrintTarget::Pdf, temp_.File("no folder/table.pdf")),
              platform::PrintOutcome::Failed);
    EXPECT_EQ(Frame().FramePrinting().Record().PrintingActive, 0);
    host_->PumpUntilIdle();
    EXPECT_EQ(GetWindowText(Frame().Handle()), title);
}

}  // namespace
