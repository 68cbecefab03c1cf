// The seat names kept in the profile are the players' names from the program's start: the table's
// labels and the data panel show them before the names dialog is ever opened.
#include "flow/FrameAuction.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/FrameGlobals.h"
#include "flow/FrameTestSupport.h"

#include "dialogs/DataDialog.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "resources/CommandIds.h"
#include "flow/PanelObject.h"

namespace {

using testsupport::FrameFixture;

class SeatNamesStartTest : public FrameFixture {
protected:
    void SetUp() override { WriteProfileInt("Delay", "Switch", 0); }
};

TEST_F(SeatNamesStartTest, TheProfilesNamesAreOnTheTableFromTheStart) {
    WriteProfileString("Names", "Computer1", "Bernd");
    WriteProfileString("Names", "Person", "Gro\u00dfmutter Anneliese");
    StartProgram();
    const struct {
        int seat;
        const char* name;   // the player's name
        const char* label;  // what the table shows: at most ten characters
    } seats[] = {{0, "Bernd", "Bernd"},
                 {1, "Computer2", "Computer2"},
                 {2, "Gro\u00dfmutter Anneliese", "Gro\u00dfmutter"}};
    for (const auto& s : seats) EXPECT_EQ(Frame().GetPlayerName(s.seat), s.name) << s.seat;

    Frame().SendMessage(WM_COMMAND, ID_NEW);
    ASSERT_TRUE(host_->PumpUntil([this] { return Frame().FrameAuction().IsAuctionBarOpen(); }, 60000));
    const std::vector<std::string> texts = testsupport::DrawnTexts(*host_, g_Frame.hTableWnd);
    for (const auto& s : seats) EXPECT_TRUE(testsupport::WasDrawn(texts, s.label)) << s.label;
    // The rows' own seat names never reach the table.
    for (const char* internal : {"Comp1", "Comp2", "Person"}) EXPECT_FALSE(testsupport::WasDrawn(texts, internal)) << internal;

    // The data panel opened now names the players by the profile, too.
    Frame().SendMessage(WM_COMMAND, ID_LIST_DATA);
    host_->PumpUntilIdle();
    auto* data = PanelAs<CDataDialog>(Frame().FramePanels().PanelWindow(CM_CLOSE_DATA));
    ASSERT_NE(data, nullptr);
    for (const auto& s : seats)
        EXPECT_EQ(data->GetDlgItemText(CDataDialog::kNames[static_cast<std::size_t>(s.seat)]), std::string(s.name) + ":");
}

}  // namespace
