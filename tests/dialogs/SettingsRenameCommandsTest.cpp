// Options > Settings and the two renames in the running program: the edited texts reach the match
// list's header and the stored deals as "German\nEnglish" pairs, the counting reaches both, Cancel
// and a refused text store nothing; a rename names the file the next save writes, and the open
// note panel follows the game's new name.
#include "dialogs/AnnotationDialog.h"
#include "flow/MatchFiles.h"
#include "flow/FramePanels.h"
#include "dialogs/MatchSettingsDialogs.h"
#include "dialogs/RenameDialog.h"
#include "dialogs/SettingsIds.h"
#include "resources/FlowIds.h"
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "match/StoreRows.h"
#include "platform/core/DialogAnswer.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"

namespace {

using platform::DialogAction;

class SettingsRenameCommandsTest : public testsupport::FrameFixture {
protected:
    void Command(int id) {
        Frame().PostMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), 0), 0);
        host_->PumpUntilIdle();
    }
    // A list and a store with texts of their own in both editions.
    void KnownTexts() {
        ListHeader& header = g_GameList.Header;
        header.SetText(LIST_TITLE, 56, "Liste\nList");
        header.SetText(LIST_SUBTITLE_1, 20, "Herbstrunde");
        for (int piece = 0; piece < 3; ++piece) header.SetText(LIST_SUBTITLE_2 + piece * kListSeatStride, 11, "");
        header.SetInt(LIST_COUNTING, 1);
        header.SetInt(LIST_SETTLEMENT, 0);
        g_StoreRows.SetTitle("Karten\nCards");
        g_StoreRows.SetDealWord(1, DEAL_NUMBERING, 1);
    }
};

TEST_F(SettingsRenameCommandsTest, SettingsStoreTheEditionsHalfAndTheCountingInListAndStore) {
    StartProgram();
    KnownTexts();
    g_Settings.Settings.Balloon = 1;
    g_Game.PauseLevel = 2;
    const std::string longSubtitle = "Autumn round of the clubs";  // 25: across three of the four pieces
    host_->Answers().PushDialogAnswer(IDD_SETTINGS, {DialogAction::TypeText(CSettingsDialog::kListTitle, "League"),
                                                    DialogAction::TypeText(CSettingsDialog::kSubtitle, longSubtitle),
                                                    DialogAction::TypeText(CSettingsDialog::kStoreTitle, "Deals"),
                                                    DialogAction::Check(CSettingsDialog::kByRound),
                                                    DialogAction::Check(CSettingsDialog::kBoth),
                                                    DialogAction::Check(CSettingsDialog::kBalloon, 0),
                                                    DialogAction::Press(IDOK)});
    Command(ID_SETTINGS);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_EQ(g_Game.PauseLevel, 2);
    const ListHeader& header = g_GameList.Header;
    EXPECT_EQ(header.Text(LIST_TITLE, 56), "Liste\nLeague");
    EXPECT_EQ(header.Subtitle(), "Herbstrunde\n" + longSubtitle);
    EXPECT_EQ(g_StoreRows.Title(), "Karten\nDeals");
    EXPECT_EQ(header.Int(LIST_COUNTING), 0);
    EXPECT_EQ(header.Int(LIST_SETTLEMENT), 2);
    EXPECT_EQ(g_StoreRows.DealWord(1, DEAL_NUMBERING), 0);
    EXPECT_EQ(g_Settings.Settings.Balloon, 0);
    // Edited again with nothing typed: the texts come back whole and stay as they are.
    host_->Answers().PushDialogAnswer(IDD_SETTINGS, {DialogAction::Press(IDOK)});
    Command(ID_SETTINGS);
    EXPECT_EQ(header.Subtitle(), "Herbstrunde\n" + longSubtitle);
    EXPECT_EQ(header.Text(LIST_TITLE, 56), "Liste\nLeague");
    EXPECT_EQ(g_StoreRows.Title(), "Karten\nDeals");
}

TEST_F(SettingsRenameCommandsTest, CancelAndARefusedTextStoreNothing) {
    StartProgram();
    KnownTexts();
    const ListHeader before = g_GameList.Header;
    const CStoreRows storeBefore = g_StoreRows;
    const std::size_t beeps = host_->Beeps().size();
    host_->Answers().PushDialogAnswer(IDD_SETTINGS, {DialogAction::TypeText(CSettingsDialog::kListTitle, "League"),
                                                    DialogAction::Check(CSettingsDialog::kByRound),
                                                    DialogAction::Press(IDCANCEL)});
    Command(ID_SETTINGS);
    // A letter outside the files' code page: refused with a beep, then given up.
    host_->Answers().PushDialogAnswer(IDD_SETTINGS, {DialogAction::TypeText(CSettingsDialog::kStoreTitle, "Ωmega"),
                                                    DialogAction::Press(IDOK), DialogAction::Press(IDCANCEL)});
    Command(ID_SETTINGS);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_GT(host_->Beeps().size(), beeps);
    EXPECT_EQ(g_GameList.Header.Bytes, before.Bytes);
    EXPECT_EQ(g_StoreRows.Bytes, storeBefore.Bytes);
}

TEST_F(SettingsRenameCommandsTest, RenamingTheGameNamesItsFileAndTheOpenNote) {
    StartProgram();
    Command(ID_ANNOTATION);
    const HWND note = Frame().FramePanels().PanelWindow(CM_CLOSE_ANNOTATION);
    ASSERT_NE(note, nullptr);
    const std::size_t beeps = host_->Beeps().size();
    // A name with a slash is refused (beep, the dialog stays), then a good one is taken.
    host_->Answers().PushDialogAnswer(IDD_RENAME, {DialogAction::TypeText(CRenameDialog::kName, "a/b"), DialogAction::Press(IDOK),
                                                  DialogAction::TypeText(CRenameDialog::kName, "Abend"),
                                                  DialogAction::Press(IDOK)});
    Command(ID_RENAME_GAME);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_GT(host_->Beeps().size(), beeps);
    EXPECT_EQ(g_Profile.SktName, "Abend.skt");
    EXPECT_EQ(Frame().Files().GamePath.substr(Frame().Files().GamePath.rfind('/') + 1), "Abend.skt");
    EXPECT_EQ(::WindowFromHandle(note)->Title(), "Annotation: Abend.skt");
    // Cancel keeps the name.
    host_->Answers().PushDialogAnswer(IDD_RENAME, {DialogAction::TypeText(CRenameDialog::kName, "Morgen"),
                                                  DialogAction::Press(IDCANCEL)});
    Command(ID_RENAME_GAME);
    EXPECT_EQ(g_Profile.SktName, "Abend.skt");
}

TEST_F(SettingsRenameCommandsTest, RenamingTheMatchNamesItsList) {
    StartProgram();
    host_->Answers().PushDialogAnswer(IDD_RENAME, {DialogAction::TypeText(CRenameDialog::kName, "Liga"), DialogAction::Press(IDOK)});
    Command(ID_RENAME_SERIES);
    EXPECT_EQ(host_->Answers().PendingDialogAnswers(), 0u);
    EXPECT_EQ(g_Profile.SkmName, "Liga.skm");
    EXPECT_EQ(Frame().Files().ListPath.substr(Frame().Files().ListPath.rfind('/') + 1), "Liga.skm");
}

}  // namespace
