// The frame's timers, the pause level and the 200 ms tick.
#include "flow/MainFrame.h"
#include "flow/FrameAudio.h"
#include "flow/FrameDeclaration.h"
#include "flow/RamschRounds.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/GiveUp.h"
#include "flow/MatchSeries.h"

#include "dialogs/RamschBars.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "tavlo/Tavlo.h"

#include <cstdint>
#include <cstdio>

std::int64_t StampPauseLevel(int level) {
    g_Game.PauseLevel = level;
    return Time64();
}

void CMainFrame::SetFlowState(int state, bool verbose) {
    g_Game.FlowState = state;
    std::string line = ":State(";
    line += FlowStateName(state);
    line += ")";
    WriteTrace(line, verbose ? LOG_MAINFRAME | LOG_VERBOSE : LOG_MAINFRAME);
}

int CMainFrame::SetPause(int level) {
    const int previous = g_Game.PauseLevel;
    if (level == 0) {
        g_Game.PauseLevel = 0;
        return previous;
    }
    g_Game.PauseLevel = level;
    MatchSeries().StartPlayClock();
    // The reminder goes away: the person is busy with something else now.
    const int balloon = previous < 6 ? 5 : 6;
    if (WB_IsBalloonShown(g_Frame.hTableWnd, balloon)) WB_RemoveBalloon(g_Frame.hTableWnd, balloon);
    return previous;
}

void CMainFrame::PressButton(int button) {
    if (::IsWindow(Prompts().PromptDialog))
        ::PostMessage(Prompts().PromptDialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(button), 0), 0);
}

void CMainFrame::OnTimer(unsigned id) {
    if (id != TM_TICK) KillTimer(id);
    switch (id) {
        case TM_VOLUME: FrameAudio().ApplyVolume(); break;
        case TM_TICK: OnTick(); break;
        case TM_DEAL: PostMessage(WM_COMMAND, CM_DEAL); break;
        case TM_ASSIGN: PostMessage(WM_COMMAND, CM_ASSIGNED_CARDS); break;
        case TM_CONTINUE: PressButton(BTN_CONTINUE); break;
        case TM_STATUS:
            FrameTexts().EndStatusForAWhile();
            break;
        case TM_DEMO_BID: PressButton(BTN_BID); break;
        case TM_DEMO_PASS: PressButton(BTN_PASS); break;
        case TM_DEMO_SUGGEST_GAME: PressButton(BTN_SUGGEST_GAME); break;
        case TM_DEMO_CLOSE_MESSAGE:
            if (::IsWindow(MessageDialog())) ::PostMessage(MessageDialog(), WM_CLOSE);
            break;
        case TM_DEMO_RANDOM_STARTER:
            if (::IsWindow(MessageDialog()))
                ::PostMessage(MessageDialog(), WM_COMMAND, BTN_RANDOM_STARTER, 0);
            break;
        case TM_DEMO_SUGGEST_CARD: PressButton(BTN_SUGGEST); break;
        case TM_DEMO_PLAY_CARD: FrameTrickPlay().DemoPlayPersonCard(); break;
        case TM_DEMO_PICKUP: PressButton(BTN_PICKUP); break;
        case TM_DEMO_HAND: PressButton(BTN_HAND); break;
        case TM_DEMO_DECLARED: PostMessage(WM_COMMAND, CM_DECLARED); break;
        case TM_DEMO_DECLARE: FrameDeclaration().DemoDeclareBestGame(); break;
        case TM_DEMO_SUGGEST_SKAT:
            if (g_Game.GameType == GAME_RAMSCH) RamschRounds().DemoPushRamschSkat();
            else if (::IsWindow(Prompts().PromptDialog)) SendMessage(WM_COMMAND, CM_SUGGEST_SKAT);
            break;
        case TM_DEMO_CONTINUE: PressButton(BTN_CONTINUE); break;
        case TM_DEMO_OK: {
            if (::IsWindow(MessageDialog())) {
                ::PostMessage(MessageDialog(), WM_COMMAND, IDOK, 0);
                break;
            }
            // Only a modal dialog of the frame whose loop runs is ended; never the frame itself or
            // a side window, which would end the program or lose a window.
            HWND popup = GetLastActivePopup(Handle());
            platform::Window* window = WindowFromHandle(popup);
            if (popup && popup != Handle() && window && window->GetOwner() == Handle()) {
                for (platform::Window* modal : platform::WindowSystem::Instance().ModalLoops())
                    if (modal == window) EndModalLoop(popup, 0);
            }
            break;
        }
        case TM_DEMO_FINISH_SWAP: PressButton(BTN_FINISH_SWAP); break;
        case TM_DEMO_KONTRA_REVOLUTION:
            if (::IsWindow(MessageDialog())) {
                ::PostMessage(MessageDialog(), WM_CLOSE);
                if (g_Game.Soloist != 2) SetTimer(TM_DEMO_KONTRA_REVOLUTION, g_Settings.Delay.Demo);
            } else {
                // The suggested exchange arms timer 102, which ends the exchange: a second end
                // would start the play twice.
                PressButton(BTN_SUGGEST);
            }
            break;
        case TM_DEMO_FINISH_OR_PLAY:
            if (::IsWindow(Prompts().PromptDialog)) PressButton(BTN_FINISH_SWAP);
            else SendMessage(WM_COMMAND, CM_PLAY);
            break;
        // The demonstration answers the Ramsch bars as the computer would for the person; the
        // Durchmarsch box only advises, so the bar's own answer follows it.
        case TM_DEMO_GRAND_HAND:
            if (OpenBarAs<CGrandHandDialog>(*this))
                PressButton(EditGameObject().PersonThinks([](CPlayer& person) { return person.InitPlayEstimate(); })
                                ? BTN_GRAND_HAND
                                : BTN_RAMSCH);
            break;
        case TM_DEMO_RAMSCH_SKAT:
            if (OpenBarAs<CSkatRamschDialog>(*this)) {
                if (EditGameObject().PersonThinks([](CPlayer& person) { return person.PlanPlay(false); })) {
                    PressButton(BTN_DURCHMARSCH);
                    PressButton(BTN_PASS_ON);
                } else {
                    PressButton(EditGameObject().PersonThinks([](CPlayer& person) { return person.AnalysePlayRisk(); })
                                    ? BTN_PASS_ON
                                    : BTN_PICKUP);
                }
            }
            break;
        case TM_DEMO_END_SWAP_RAMSCH:
            if (OpenBarAs<CEndSwapRamschDialog>(*this)) {
                if (EditGameObject().PersonThinks([](CPlayer& person) { return person.PlanPlay(false); }))
                    PressButton(BTN_DURCHMARSCH);
                PressButton(BTN_SUGGEST);
            }
            break;
        // The wait between the deal packets reads the clock itself; its timer only woke it.
        case TM_PACKET_WAIT: break;
        // Timers 33 and 51 choose for the person with the computer's card play and game choice;
        // they come with those steps.
        default: break;
    }
}

// The 200 ms tick, step by step.
void CMainFrame::OnTick() {
    // Step 1: the match clock.
    const std::int64_t now = Time64();
    const std::int64_t elapsed = now - Series().MatchStartTime;
    const std::int64_t remaining = g_Settings.Game.MaxTime - elapsed;

    const bool promptOpen = ::IsWindow(Prompts().PromptDialog);
    const bool messageOpen = ::IsWindow(MessageDialog());

    // A close signal waits: a message the step opened meanwhile is answered as by Esc.
    EndModalDialogsForExit();

    // Step 2: a finished game whose prompt is still up is broken off.
    if (promptOpen && Series().RepeatAllowed) GiveUp().OnBreak();

    if (Timers().FocusPending) FrameTimers().RestoreDialogFocus(promptOpen, messageOpen);
    if (g_Game.MatchMode == 1) FrameTimers().ShowMatchClock(elapsed, remaining);

    // Step 5: a full repaint asked for by a resize or the side windows.
    if (FrameTimers().TakeRedrawRequest()) {
        RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    // Step 6: hints and balloons, not while a message dialog is up.
    if (!messageOpen) {
        FrameTimers().PostIdleHint();
        if (g_Game.PauseLevel != 0) FrameTimers().RemindByBalloon(now);
    }

    // A refusal or a toggle of voices or sounds gives way to the status text after its 20 ticks,
    // whether the rotation runs or not.
    FrameTimers().CountDownStatusText();

    if (Timers().StatusRotation) FrameTimers().RotateStatusTexts();
}
