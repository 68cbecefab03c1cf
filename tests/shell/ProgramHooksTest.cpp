// The program's start-up connects every lower layer to the layers above it, and one reset per layer
// takes all of it back.
#include "flow/FrameFixture.h"
#include "flow/MainFrame.h"
#include "flow/MatchFiles.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/play/SuitDefenderFrame.h"
#include "dialogs/DataDialog.h"
#include "dialogs/DialogServices.h"
#include "flow/FrameGlobals.h"
#include "model/FlowGlobals.h"
#include "match/Profile.h"
#include "model/InternalError.h"
#include "model/Skat.h"
#include "support/LayerResets.h"
#include "model/PlayerServices.h"
#include "model/TableServices.h"
#include "model/Trace.h"
#include "resources/CommandIds.h"
#include "tavlo/SoundApi.h"
#include "windows/WindowFrameServices.h"

namespace {

using testsupport::FrameFixture;

class ProgramHooksTest : public FrameFixture {};

// Started as app/main.cpp starts it, the program has the computer player's analysis in the model's
// player hooks, its game object and open-cards option in the frame's services, the card sound, the
// voice, the edition's language and the flow's suit-led marks there too, the trace writer, the
// table services and the error box over the main frame.
TEST_F(ProgramHooksTest, AStartedProgramHasEveryHookInPlace) {
    testsupport::ResetModelGlobals();
    testsupport::ResetComputerGlobals();
    g_ComputerFrame.OpenCardsFlag = 1;
    g_ComputerFrame.LanguageIndex = 0;
    StartProgram();

    EXPECT_NE(g_PlayerServices.IsTopCard, nullptr);
    EXPECT_NE(g_PlayerServices.AnalyseHand, nullptr);
    EXPECT_NE(g_PlayerServices.GetMatadors, nullptr);
    EXPECT_EQ(g_ComputerFrame.Game, &Frame().GameObject());
    EXPECT_EQ(g_ComputerFrame.OpenCardsFlag, g_Game.AllCardsOpen);
    EXPECT_TRUE(g_ComputerFrame.SoundEffect);
    EXPECT_TRUE(g_ComputerFrame.PlayVoiceTerm);
    // The English edition speaks English clips.
    EXPECT_EQ(g_ComputerFrame.LanguageIndex, 1);
    EXPECT_EQ(g_ComputerFrame.LanguageIndex, Frame().Files().EnglishEdition);
    // A strategy's mark is the flow's mark.
    EXPECT_EQ(g_ComputerFrame.LedMarks(), g_Flow.SuitLedMarks);
    EXPECT_TRUE(IsTraceOn());
    // A line's text is built only for a category the application writes now.
    app_->Log = 1;
    app_->LogLevel = LOG_GAME;
    app_->LogLevelV = 0;
    EXPECT_TRUE(IsTraceOn(LOG_GAME));
    EXPECT_FALSE(IsTraceOn(LOG_MAINFRAME));
    EXPECT_FALSE(IsTraceOn(LOG_GAME | LOG_VERBOSE));
    app_->Log = 0;
    EXPECT_FALSE(IsTraceOn(LOG_GAME));
    ASSERT_TRUE(g_TableServices.TableWindow);
    EXPECT_EQ(g_TableServices.TableWindow(), g_Frame.hTableWnd);

    // An internal error shows its box over the frame: the box takes the answer lined up for it.
    host_->Answers().PushMessageBoxAnswer(IDOK);
    ReportInternalError(7, "MainFrm", 120);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
}

// Once the frame is gone, the computer player no longer reads its game object and an internal
// error shows no box (it is still traced).
TEST_F(ProgramHooksTest, TheFramesHooksGoWithTheFrame) {
    StartProgram();
    app_.reset();
    EXPECT_EQ(g_ComputerFrame.Game, nullptr);

    host_->Answers().PushMessageBoxAnswer(IDOK);
    ReportInternalError(7, "MainFrm", 120);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 1u);
}

// Until the view's first erase brings the table to life no hook reaches the frame, though the frame
// and its window are there; from then on the bars, the side windows, the card rows and the
// computer player ask this frame.
TEST_F(ProgramHooksTest, TheHooksReachTheFrameFromItsTablesFirstErase) {
    app_ = std::make_unique<CSkatApp>();
    ASSERT_TRUE(app_->InitInstance());
    ASSERT_TRUE(Frame().IsAlive());
    EXPECT_FALSE(Frame().Run().TableAlive);
    EXPECT_EQ(g_DialogFrame.FrameWindow(), HWND{});
    EXPECT_EQ(g_SideWindowFrame.GamePlayer(1), nullptr);
    EXPECT_FALSE(g_SideWindowFrame.SelectEstimatedGame());
    EXPECT_FALSE(g_TableServices.SetPause);
    EXPECT_FALSE(g_ComputerFrame.SendCommand);

    host_->PumpUntilIdle();
    EXPECT_TRUE(Frame().Run().TableAlive);
    EXPECT_EQ(g_DialogFrame.FrameWindow(), Frame().Handle());
    EXPECT_EQ(g_DialogFrame.Player(1), Frame().GameObject().Player(1));
    EXPECT_EQ(g_SideWindowFrame.GamePlayer(2), Frame().GameObject().Player(2));
    EXPECT_EQ(g_SideWindowFrame.GetPlayerName(1), Frame().GetPlayerName(1));
    EXPECT_NE(g_SideWindowFrame.GetPlayerName(1), "");
    EXPECT_TRUE(g_TableServices.SetPause);
    EXPECT_TRUE(g_ComputerFrame.SendCommand);
}

// The ways a frame's table goes: the person's close, the close on a signal, and the frame's end
// without a close (the tests' and the headless set-ups' road).
struct FrameEndCase {
    const char* name;
    void (*end)(std::unique_ptr<CSkatApp>& app, platform::HeadlessHost& host);
};

void PrintTo(const FrameEndCase& c, std::ostream* out) { *out << c.name; }

class FrameHooksEndTest : public FrameFixture, public ::testing::WithParamInterface<FrameEndCase> {};

// After each way, every hook answers as if there were no frame: none reaches the frame that closed
// or the one that is gone (the sanitizer sees any that would).
TEST_P(FrameHooksEndTest, NoHookReachesTheFrameAfterItsTableWent) {
    StartProgram();
    ASSERT_EQ(g_DialogFrame.FrameWindow(), Frame().Handle());
    ASSERT_NE(g_DialogFrame.PlayerName(1), "");
    GetParam().end(app_, *host_);

    EXPECT_EQ(g_DialogFrame.FrameWindow(), HWND{});
    EXPECT_EQ(g_DialogFrame.PlayerName(1), "");
    EXPECT_EQ(g_DialogFrame.PlayerVoice(1), 8);
    EXPECT_EQ(g_DialogFrame.Player(0), nullptr);
    SoloistSeries series;
    EXPECT_FALSE(g_DialogFrame.Series(series));
    EXPECT_EQ(g_DialogFrame.SuggestedGame(), -1);
    EXPECT_EQ(g_SideWindowFrame.GetPlayerName(1), "");
    EXPECT_EQ(g_SideWindowFrame.GamePlayer(1), nullptr);
    EXPECT_FALSE(g_SideWindowFrame.LockFlag(1, 0));
    EXPECT_FALSE(g_SideWindowFrame.SelectEstimatedGame());
    EXPECT_FALSE(g_SideWindowFrame.RouteSideWindowClose(ID_LIST_LEGEND));
    // The card rows and the computer player work on their own: the pause is the game record's.
    EXPECT_FALSE(g_TableServices.SetPause);
    EXPECT_FALSE(g_TableServices.DeckPosition);
    EXPECT_FALSE(g_TableServices.SelectionSound);
    EXPECT_FALSE(g_ComputerFrame.SendCommand);
    EXPECT_FALSE(g_ComputerFrame.Abandon);
    EXPECT_FALSE(g_ComputerFrame.SwapCards);
    g_Game.PauseLevel = 2;
    EXPECT_EQ(g_ComputerFrame.SetPause(5), 2);
    EXPECT_EQ(g_Game.PauseLevel, 5);
    // The hooks that would act on the frame do nothing.
    g_DialogFrame.SetPause(0);
    g_DialogFrame.ForgetSuggestedGame();
    g_SideWindowFrame.FocusFrame();
    g_SideWindowFrame.SendCommand(ID_NEW);
    EXPECT_EQ(g_Game.PauseLevel, 5);
    // An internal error shows no box.
    host_->Answers().PushMessageBoxAnswer(IDOK);
    ReportInternalError(7, "MainFrm", 120);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FrameHooksEndTest,
    ::testing::Values(FrameEndCase{"Close",
                                   [](std::unique_ptr<CSkatApp>& app, platform::HeadlessHost& host) {
                                       app->MainFrame()->PostMessage(WM_CLOSE);
                                       host.PumpUntilIdle();
                                       ASSERT_FALSE(app->MainFrame()->IsAlive());
                                   }},
                      FrameEndCase{"CloseSignal",
                                   [](std::unique_ptr<CSkatApp>& app, platform::HeadlessHost& host) {
                                       app->MainFrame()->OnCloseSignal();
                                       host.PumpUntilIdle();
                                       ASSERT_FALSE(app->MainFrame()->IsAlive());
                                   }},
                      FrameEndCase{"FrameGoes",
                                   [](std::unique_ptr<CSkatApp>& app, platform::HeadlessHost&) { app.reset(); }}),
    [](const ::testing::TestParamInfo<FrameEndCase>& info) { return std::string(info.param.name); });

// Each layer's reset takes back what its globals hold and what was installed into them.
TEST_F(ProgramHooksTest, EachLayersResetPutsItsGlobalsBack) {
    StartProgram();
    app_.reset();
    g_Game.Soloist = 2;
    g_Settings.Options.Drag = 1;
    g_Computer.SkatTaken = 1;
    g_Risk.RiskGrand[1] = 9;
    g_ComputerFrame.OpenCardsFlag = 1;
    g_ComputerFrame.PersonPendingCard = 5;
    platform::Random().Script({11, 12});

    testsupport::ResetModelGlobals();
    EXPECT_EQ(g_Game.Soloist, CGameState().Soloist);
    EXPECT_EQ(g_Settings.Options.Drag, CSettings().Options.Drag);
    EXPECT_EQ(g_PlayerServices.IsTopCard, nullptr);
    EXPECT_EQ(g_PlayerServices.AnalyseHand, nullptr);
    EXPECT_EQ(g_PlayerServices.GetMatadors, nullptr);
    EXPECT_FALSE(g_TableServices.TableWindow);
    EXPECT_FALSE(IsTraceOn());

    testsupport::ResetComputerGlobals();
    EXPECT_EQ(g_Computer.SkatTaken, 0);
    EXPECT_EQ(g_Risk.RiskGrand[1], 5);
    EXPECT_EQ(g_ComputerFrame.OpenCardsFlag, 0);
    EXPECT_EQ(g_ComputerFrame.PersonPendingCard, -1);
    EXPECT_EQ(platform::Random().ScriptedLeft(), 0u);
}

// The tests' one reset leaves nothing of a run behind: the computer's state, the risk settings,
// the profile, the frame's services, the random script, the sound folder, the data panel's texts,
// the defenders' fallback counts; the hooks are installed again, and the
// error handler is the program's own, which shows no box without a frame.
TEST_F(ProgramHooksTest, TheProgramResetLeavesNothingOfARun) {
    StartProgram();
    g_Computer.SkatTaken = 1;
    g_Risk.RiskNull[0] = 11;
    g_Profile.HelpTopic = 3;
    g_ComputerFrame.PersonPendingCard = 5;
    platform::Random().Script({11, 12});
    SetInternalErrorHandler([](const std::string&) { FAIL() << "the test's handler outlived the reset"; });
    // The frame set the sound folder at its start; a run fills the data panel's texts and counts the
    // defenders' fallbacks.
    ASSERT_NE(tavlo::ReplacementFile(5), "Sound5.wav");
    g_DataPanelTexts.Soloist = "Anna";
    g_DataPanelTexts.Won[2] = "3";
    g_SuitFallbacks.reached[FALLBACK_KINDS - 1] = 4;
    g_SuitFallbacks.replaced[0] = 2;
    app_.reset();

    testsupport::ResetProgramGlobals();
    EXPECT_EQ(tavlo::ReplacementFile(5), "Sound5.wav");
    EXPECT_EQ(g_DataPanelTexts.Soloist, "");
    EXPECT_EQ(g_DataPanelTexts.Won[2], "");
    EXPECT_EQ(g_SuitFallbacks.reached[FALLBACK_KINDS - 1], 0);
    EXPECT_EQ(g_SuitFallbacks.replaced[0], 0);
    EXPECT_EQ(g_Computer.SkatTaken, 0);
    EXPECT_EQ(g_Risk.RiskNull[0], 5);
    EXPECT_EQ(g_Profile.HelpTopic, 0);
    EXPECT_EQ(g_ComputerFrame.Game, nullptr);
    EXPECT_EQ(g_ComputerFrame.PersonPendingCard, -1);
    EXPECT_EQ(platform::Random().ScriptedLeft(), 0u);
    EXPECT_NE(g_PlayerServices.AnalyseHand, nullptr);

    host_->Answers().PushMessageBoxAnswer(IDOK);
    ReportInternalError(3, "Player", 40);
    EXPECT_EQ(host_->Answers().PendingMessageBoxAnswers(), 1u);
}

}  // namespace
