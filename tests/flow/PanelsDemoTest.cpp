// The four information panels through a seeded demonstration game: reopened at the start because
// they were open at the last exit, they follow the auction and the tricks, and once closed no
// record of them is left behind.
#include "flow/FlowFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameTexts.h"

#include "dialogs/AnnotationDialog.h"
#include "dialogs/DataDialog.h"
#include "dialogs/GameValueDialog.h"
#include "dialogs/StateDialog.h"
#include "model/BidLadder.h"
#include "platform/core/ComboBox.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"

namespace {

using testsupport::FlowFixture;

class PanelsDemoTest : public FlowFixture {
protected:
    template <class Panel>
    Panel* Open(int closeCommand) {
        return dynamic_cast<Panel*>(::WindowFromHandle(Frame().FramePanels().PanelWindow(closeCommand)));
    }
};

TEST_F(PanelsDemoTest, TheOpenPanelsFollowADemonstrationGameAndLeaveNothingBehind) {
    for (const char* flag : {"ListAnnotation", "ListData", "ListGameValue", "ListState"}) WriteProfileInt("View", flag, 1);
    WriteProfileInt("Options", "Demo", 1);
    TraceOn();
    StartProgram();
    ASSERT_NE(Open<CAnnotationDialog>(CM_CLOSE_ANNOTATION), nullptr);
    ASSERT_NE(Open<CDataDialog>(CM_CLOSE_DATA), nullptr);
    ASSERT_NE(Open<CGameValueDialog>(CM_CLOSE_GAME_VALUE), nullptr);
    ASSERT_NE(Open<CStateDialog>(CM_CLOSE_STATE), nullptr);
    // The computer at seat 1 wins this deal's auction; play is set up by the timers alone.
    SeedRand(2);
    Frame().SendMessage(WM_COMMAND, ID_NEW);
    host_->PumpUntil([this] { return FindLine("CMainFrame::InitHistory()") >= 0; }, 120000);
    ASSERT_EQ(g_Game.FlowState, STATE_PLAY);
    ASSERT_EQ(g_Game.Soloist, 1);
    // Notes open by themselves (Settings/Annotate): the fresh deal has none, so its panel closed.
    EXPECT_EQ(Frame().FramePanels().PanelWindow(CM_CLOSE_ANNOTATION), nullptr);
    EXPECT_EQ(g_Settings.View.ListAnnotation, 0);
    EXPECT_TRUE(Frame().Texts().AnnotationText.empty());
    auto* value = Open<CGameValueDialog>(CM_CLOSE_GAME_VALUE);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->GetControlAs<platform::ComboBox>(CGameValueDialog::kValue)->GetCurSel(), g_Game.BidIndex);
    auto* data = Open<CDataDialog>(CM_CLOSE_DATA);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->GetDlgItemText(CDataDialog::kSoloist), Frame().GetPlayerName(1));
    EXPECT_EQ(data->GetDlgItemText(CDataDialog::kBid), std::to_string(BidValue(-1)));
    EXPECT_FALSE(data->GetDlgItemText(CDataDialog::kGame).empty());
    // The first trick: its winner shows by name, and the status panel shows the person's view.
    host_->PumpUntil([] { return g_Game.TrickWinner < 3; }, 600000);
    ASSERT_LT(g_Game.TrickWinner, 3);
    host_->PumpFor(10);
    EXPECT_EQ(data->GetDlgItemText(CDataDialog::kTrickWinner), Frame().GetPlayerName(g_Game.TrickWinner));
    auto* status = Open<CStateDialog>(CM_CLOSE_STATE);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->GetDlgItemText(CStateDialog::kTitle), "left Opponent");  // seat 2 follows soloist 1
    EXPECT_FALSE(status->GetDlgItemText(CStateDialog::kGrid[0][0]).empty());
    // Closed from the menu, every record is gone with its window.
    for (int toggle : {ID_LIST_DATA, ID_LIST_GAME_VALUE, ID_LIST_STATE}) Frame().SendMessage(WM_COMMAND, toggle);
    for (int close : {CM_CLOSE_ANNOTATION, CM_CLOSE_DATA, CM_CLOSE_GAME_VALUE, CM_CLOSE_STATE})
        EXPECT_EQ(Frame().FramePanels().PanelWindow(close), nullptr) << close;
    EXPECT_EQ(Frame().Panels().AnnotationPanel, nullptr);
    EXPECT_EQ(Frame().Panels().DataPanel, nullptr);
    EXPECT_EQ(Frame().Panels().GameValuePanel, nullptr);
    EXPECT_EQ(Frame().Panels().StatePanel, nullptr);
    // The game plays on without them.
    host_->PumpFor(20000);
}

}  // namespace
