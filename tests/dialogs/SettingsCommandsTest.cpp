// The settings commands of the running program: each opens its dialog with the game paused, puts
// the pause back, and does what follows the dialog; the menus offer them in both editions.
#include "dialogs/MatchSettingsDialogs.h"
#include "dialogs/SettingsIds.h"
#include "dialogs/ViewDialogs.h"
#include "resources/FlowIds.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "platform/core/DialogAnswer.h"
#include "platform/core/Menu.h"
#include "resources/CommandIds.h"

namespace {

using platform::DialogAction;

class SettingsCommandsTest : public testsupport::FrameFixture {
protected:
    void Command(int id) {
        Frame().PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
        host_->PumpUntilIdle();
    }
    // The command's dialog takes its scripted answer; the pause level is as before afterwards.
    void ExpectDialogRunsAndPauseStays(int templateId, int command) {
        g_Game.PauseLevel = 3;
        host_->Answers().PushDialogAnswer(templateId, {DialogAction::Press(IDCANCEL)});
        Command(command);
        EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u) << command << ": the dialog did not run";
        EXPECT_EQ(g_Game.PauseLevel, 3) << command;
    }
};

TEST_F(SettingsCommandsTest, EachCommandRunsItsDialogAndLeavesThePauseAsItWas) {
    StartProgram();
    ExpectDialogRunsAndPauseStays(IDD_SORT, ID_SORT_DIALOG);
    ExpectDialogRunsAndPauseStays(IDD_RISK_DISPOSITION, ID_RISK);
    ExpectDialogRunsAndPauseStays(IDD_RAMSCH_EVAL_MODE, ID_RAMSCH_EVAL_MODE);
    ExpectDialogRunsAndPauseStays(IDD_TERMINATION, ID_TERMINATION);
    ExpectDialogRunsAndPauseStays(IDD_LOGGING, ID_LOGGING);
}

TEST_F(SettingsCommandsTest, ConfirmedLoggingOpensTheLogWindowItAsksFor) {
    StartProgram();
    ASSERT_NE(g_pApp, nullptr);
    g_pApp->LogList = 0;
    host_->Answers().PushDialogAnswer(IDD_LOGGING, {DialogAction::Check(CLoggingDialog::kDisplay),
                                                  DialogAction::Press(IDOK)});
    Command(ID_LOGGING);
    EXPECT_EQ(g_pApp->LogList, 1);
    EXPECT_EQ(GetProfileInt("View", "LogList", 0), 1);
    EXPECT_NE(Frame().FramePanels().SideWindow(CM_LOG_WINDOW), nullptr);
}

TEST_F(SettingsCommandsTest, TheMatchEndAsksBeforeBierlachsOnlyWhileExtraRoundsRun) {
    StartProgram();
    const std::pair<int, std::size_t> cases[] = {{ROUND_NORMAL, 0}, {ROUND_BOCK, 1}, {ROUND_RAMSCH, 1}};
    for (auto [status, asked] : cases) {
        g_Game.RoundStatus = status;
        g_Game.MatchMode = 0;
        host_->Answers().PushMessageBoxAnswer(IDYES);
        host_->Answers().PushDialogAnswer(IDD_TERMINATION, {DialogAction::Check(CTerminationDialog::kBierlachs),
                                                           DialogAction::Press(IDOK)});
        Command(ID_TERMINATION);
        EXPECT_EQ(1u - host_->Answers().PendingMessageBoxAnswers(), asked) << status;
        EXPECT_EQ(g_Game.MatchMode, 2) << status;
        host_->Answers().Clear();
    }
}

TEST_F(SettingsCommandsTest, AConfirmedSortOrderIsStoredAndTheHandsAreSortedAgain) {
    StartProgram();
    g_Settings.View.SortMode = 258;
    // Re-sorting starts by pausing at level 1, so the level tells whether it ran.
    g_Game.PauseLevel = 3;
    host_->Answers().PushDialogAnswer(IDD_SORT, {DialogAction::Check(CSortDialog::kSpadesFirst),
                                                DialogAction::Check(CSortDialog::kNull), DialogAction::Press(IDCANCEL)});
    Command(ID_SORT_DIALOG);
    EXPECT_EQ(g_Settings.View.SortMode, 258);
    EXPECT_EQ(g_Game.PauseLevel, 3);
    host_->Answers().PushDialogAnswer(IDD_SORT, {DialogAction::Check(CSortDialog::kSpadesFirst),
                                                DialogAction::Check(CSortDialog::kNull), DialogAction::Press(IDOK)});
    Command(ID_SORT_DIALOG);
    EXPECT_EQ(g_Settings.View.SortMode, 0x401);
    EXPECT_EQ(g_Game.PauseLevel, 1);
}

TEST_F(SettingsCommandsTest, TheMenusOfferTheSettingsDialogsInBothEditions) {
    for (const platform::ResourceSet* edition : {&GermanResources(), &EnglishResources()}) {
        UseEdition(*edition);
        const platform::Menu menu(*platform::FindMenu(IDR_MAINFRAME));
        const platform::Menu& variations = *menu.Items()[3].popup;
        const platform::Menu& options = *menu.Items()[4].popup;
        ASSERT_NE(variations.FindCommand(ID_RAMSCH_EVAL_MODE), nullptr) << edition->language;
        EXPECT_EQ(variations.FindCommand(ID_RAMSCH_EVAL_MODE)->text,
                  std::string(edition == &GermanResources() ? "Ramsch-&Wertung ..." : "Ramsch-&Evaluation ..."));
        EXPECT_NE(options.FindCommand(ID_RISK), nullptr) << edition->language;
        EXPECT_NE(options.FindCommand(ID_SORT_DIALOG), nullptr) << edition->language;
    }
}

}  // namespace
