// The person answers a finished game's result with "No" and stays at the table: the seats' labels
// are drawn again at once, and the game data panel opened from the View menu shows the match as
// the score list has it, the game just booked included.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"

#include "dialogs/DataDialog.h"
#include "match/GameList.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"

#include <string>
#include <vector>

namespace {

using testsupport::FlowFixture;

class StayAtTheTableTest : public FlowFixture {
protected:
    // A demonstration game of the official rules whose result gets "No".
    void PlayOneGameAndStay(std::uint32_t seed) {
        WriteProfileInt("Options", "Demo", 1);
        WriteProfileInt("View", "LogLevelV", LOG_MAINFRAME);  // the table's texts are verbose lines
        TraceOn();
        StartProgram();
        SeedRand(seed);
        Frame().SendMessage(WM_COMMAND, ID_NEW);
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState == STATE_PLAY; }, 600000));
        answerer_.answer = IDCANCEL;
        answerer_.Start();
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.GameCount == 1 && g_Game.FlowState == STATE_IDLE; }, 3600000));
        host_->PumpUntilIdle();
    }
};

TEST_F(StayAtTheTableTest, TheSeatsLabelsComeBackBeforeTheGameEndsItsStep) {
    PlayOneGameAndStay(2);
    // The game's last step: from the result to its closing trace, the three seats are labelled.
    const std::vector<std::string> lines = LogBodies();
    int end = -1;
    for (int i = static_cast<int>(lines.size()) - 1; i >= 0 && end < 0; --i)
        if (lines[static_cast<std::size_t>(i)] == "CMainFrame::OnPlay()") end = i;
    ASSERT_GE(end, 0);
    int start = end;
    while (start > 0 && lines[static_cast<std::size_t>(start)] != "CMainFrame::State(IDLE)") --start;
    std::vector<std::string> labelled;
    for (int i = start; i < end; ++i)
        if (lines[static_cast<std::size_t>(i)].rfind("CMainFrame::MovePosText(", 0) == 0)
            labelled.push_back(lines[static_cast<std::size_t>(i)]);
    EXPECT_EQ(labelled.size(), 3u);
}

TEST_F(StayAtTheTableTest, GameDataFromTheViewMenuShowsTheScoreListsTotals) {
    PlayOneGameAndStay(2);
    ASSERT_EQ(g_GameList.ListedGames(), 1);
    Frame().SendMessage(WM_COMMAND, ID_LIST_DATA);
    host_->PumpUntilIdle();
    auto* panel = dynamic_cast<CDataDialog*>(::WindowFromHandle(Frame().FramePanels().PanelWindow(CM_CLOSE_DATA)));
    ASSERT_NE(panel, nullptr);
    bool someoneScored = false;
    for (int seat = 0; seat < 3; ++seat) {
        EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kPoints[static_cast<std::size_t>(seat)]),
                  std::to_string(g_GameList.MatchTotals[seat]))
            << seat;
        someoneScored = someoneScored || g_GameList.MatchTotals[seat] != 0;
    }
    EXPECT_TRUE(someoneScored) << "the game booked changed the totals";
    EXPECT_EQ(panel->GetDlgItemText(CDataDialog::kGames[static_cast<std::size_t>(g_Game.Soloist)]), "1");
}

}  // namespace
