// The two lists on paper: the pages of their print jobs, the hidden windows a job draws with, and an open
// window on the screen left alone by the job's end.
#include "windows/ListPrinting.h"

#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "match/GameList.h"
#include "match/StoreRows.h"
#include "platform/headless/DesktopRecorder.h"
#include "platform/headless/RecordingDC.h"
#include "resources/CommandIds.h"

#include <algorithm>
#include <string>

namespace {

using testsupport::FrameFixture;

class ListPrintingTest : public FrameFixture {
protected:
    void SetUp() override { StartProgram(); }
};

// The print command's job has as many pages as the list needs: 48 game lines (96 in landscape) or
// 10 deals (30) to a page; an empty list still prints its title on one page.
TEST_F(ListPrintingTest, LinesAndDealsPerPage) {
    platform::DesktopRecorder desktop;
    const struct {
        int kind, count;
        bool landscape;
        int pages;
    } cases[] = {
        {PRINT_SCORE_SHEET, 0, false, 1},       {PRINT_SCORE_SHEET, 48, false, 1}, {PRINT_SCORE_SHEET, 49, false, 2},
        {PRINT_SCORE_SHEET, 49, true, 1},       {PRINT_SCORE_SHEET, 97, true, 2},  {PRINT_CARDS_ASSIGNMENT, 11, false, 2},
        {PRINT_CARDS_ASSIGNMENT, 10, false, 1}, {PRINT_CARDS_ASSIGNMENT, 31, true, 2}, {PRINT_CARDS_ASSIGNMENT, 30, true, 1},
        {PRINT_CARDS_ASSIGNMENT, 0, false, 1},  {PRINT_TABLE, 5, false, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.kind) + " with " + std::to_string(c.count) + (c.landscape ? " landscape" : ""));
        g_Settings.Print.Orient = c.landscape ? 2 : 1;
        g_Game.GameCount = c.count;
        g_GameList.Games.assign(static_cast<std::size_t>(c.count), ListRecord());
        g_Game.StoreCount = c.count;
        g_StoreRows.Bytes.assign(static_cast<std::size_t>(40 + 160 * std::max(c.count, 1)), 0);
        const int command = c.kind == PRINT_SCORE_SHEET        ? ID_PRINT_SCORE_SHEET
                            : c.kind == PRINT_CARDS_ASSIGNMENT ? ID_PRINT_CARDS_ASSIGNMENT
                                                               : ID_PRINT_TABLE;
        const std::size_t before = desktop.PrintJobs().size();
        Frame().SendMessage(WM_COMMAND, command);
        ASSERT_EQ(desktop.PrintJobs().size(), before + 1);
        EXPECT_EQ(static_cast<int>(desktop.PrintJobs().back().pages.size()), c.pages);
    }
}

TEST_F(ListPrintingTest, AJobDrawsWithHiddenWindowsAndLeavesTheOpenOnesAlone) {
    g_GameList.Header.SetText(LIST_TITLE, 56, "Spielliste\nScoresheet");
    Frame().SendMessage(WM_COMMAND, ID_LIST_STORE);
    const HWND open = Frame().FramePanels().SideWindow(ID_LIST_STORE);
    ASSERT_TRUE(IsWindow(open));
    {
        CListPrintWindows job(Frame().Handle());
        platform::RecordingDC dc(platform::Size{2000, 3000});
        dc.SetPrinting(true);
        job.DrawBody(PRINT_SCORE_SHEET, dc);
        job.DrawBody(PRINT_CARDS_ASSIGNMENT, dc);
        std::vector<std::string> texts;
        for (const auto& r : dc.Records())
            if (r.kind == platform::DrawKind::Text) texts.push_back(r.text);
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Scoresheet"), texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), "Cards Assignment"), texts.end());
        // The job's titles sit 16 lower on paper than on the screen.
        const auto title = std::find_if(dc.Records().begin(), dc.Records().end(),
                                        [](const platform::DrawRecord& r) { return r.text == "Scoresheet"; });
        EXPECT_GE(title->bounds.top, 5 + 16 + 24);
    }
    EXPECT_TRUE(IsWindow(open));
    EXPECT_EQ(Frame().FramePanels().SideWindow(ID_LIST_STORE), open);
    EXPECT_EQ(g_Settings.View.ListStore, 1);
}

}  // namespace
