// The frame's timers, the pause level and the 200 ms tick.
#include "flow/MainFrame.h"

#include "dialogs/RamschBars.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/FlowStateNames.h"
#include "model/GameState.h"
#include "model/Settings.h"
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
    EditSeries().PlayClock = Time64();
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
        case TM_VOLUME: ApplyVolume(); break;
        case TM_TICK: OnTick(); break;
        case TM_DEAL: PostMessage(WM_COMMAND, CM_DEAL); break;
        case TM_ASSIGN: PostMessage(WM_COMMAND, CM_ASSIGNED_CARDS); break;
        case TM_CONTINUE: PressButton(BTN_CONTINUE); break;
        case TM_STATUS:
            EditTexts().StatusText = Texts().SavedStatusText;
            SetStatusPane(0, Texts().StatusText);
            EditTexts().SavedStatusText.clear();
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
        case TM_DEMO_PLAY_CARD: DemoPlayPersonCard(); break;
        case TM_DEMO_PICKUP: PressButton(BTN_PICKUP); break;
        case TM_DEMO_HAND: PressButton(BTN_HAND); break;
        case TM_DEMO_DECLARED: PostMessage(WM_COMMAND, CM_DECLARED); break;
        case TM_DEMO_DECLARE: DemoDeclareBestGame(); break;
        case TM_DEMO_SUGGEST_SKAT:
            if (g_Game.GameType == GAME_RAMSCH) DemoPushRamschSkat();
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
    if (promptOpen && Series().RepeatAllowed) OnBreak();

    if (Timers().FocusPending) RestoreDialogFocus(promptOpen, messageOpen);
    if (g_Game.MatchMode == 1) ShowMatchClock(elapsed, remaining);

    // Step 5: a full repaint asked for by a resize or the side windows.
    if (Timers().RedrawPending) {
        EditTimers().RedrawPending = 0;
        EditTimers().FullRepaint = 1;
        RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    }

    // Step 6: hints and balloons, not while a message dialog is up.
    if (!messageOpen) {
        PostIdleHint();
        if (g_Game.PauseLevel != 0) RemindByBalloon(now);
    }

    // A refusal or a toggle of voices or sounds gives way to the status text after its 20 ticks,
    // whether the rotation runs or not.
    if (Timers().StatusTextTicks > 0 && --EditTimers().StatusTextTicks == 0) SetStatusPane(0, Texts().StatusText);

    if (Timers().StatusRotation) RotateStatusTexts();
}

// Step 3: the focus back into the open dialog.
void CMainFrame::RestoreDialogFocus(bool promptOpen, bool messageOpen) {
    if (promptOpen) {
        HWND button = Auction().FocusButton ? ::GetDlgItem(Prompts().PromptDialog, Auction().FocusButton) : nullptr;
        if (::IsWindow(button))
            ::SendMessage(Prompts().PromptDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), 1);
        else ::SetFocus(Prompts().PromptDialog);
    }
    else if (messageOpen) ::SetFocus(::GetDlgItem(MessageDialog(), IDOK));
    EditTimers().FocusPending = 0;
}

// Step 4: a match ended by time shows its clock.
void CMainFrame::ShowMatchClock(std::int64_t elapsed, std::int64_t remaining) {
    const bool newSecond = elapsed != Timers().ElapsedShown;
    if (newSecond) EditTimers().ElapsedShown = static_cast<int>(elapsed);
    if (g_Settings.Game.CountDown > remaining) {
        char text[48];
        std::snprintf(text, sizeof text, "%d:%02d-%d", g_Settings.Game.CountDown / 60, g_Settings.Game.CountDown % 60,
                      10 - GameObject().Person().count);
        EditTexts().ClockText = text;
        SetStatusPane(1, Texts().ClockText);
        g_Settings.Game.CountDown = static_cast<int>(remaining);
    }
    if (newSecond) ShowDataPanelClock();
}

// Step 6a: the idle hint, every 22 ticks while the person does not play.
void CMainFrame::PostIdleHint() {
    if (g_Game.FlowState == STATE_PLAY && !::IsWindow(Prompts().PromptDialog) &&
        !::IsWindow(Prompts().ContinuePrompt) && !g_Settings.Options.Suggest) {
        if (EditTimers().IdleTicks++ > 20) {
            EditTimers().IdleTicks = 0;
            PostMessage(WM_COMMAND, CM_YOUR_TURN);
        }
    }
}

// Step 6b: the reminder balloons.
void CMainFrame::RemindByBalloon(std::int64_t now) {
    const HWND table = g_Frame.hTableWnd;
    const std::int64_t t = now - Series().PlayClock;
    const bool speechBalloon = g_Game.PauseLevel == 5 || g_Game.PauseLevel == 6;
    if (g_Settings.Settings.Balloon) {
        if (speechBalloon) {
            CountDownBidBalloon(table);
        } else if (WB_IsBalloonShown(table, 5)) {
            if (Timers().ReminderPending == 1) {
                EditTimers().ReminderPending = 0;
                EditSeries().PlayClock = now;
            } else if (t >= g_Settings.Delay.Show / 1000) {
                WB_RemoveBalloon(table, 5);
                EditSeries().PlayClock = now;
            }
        } else if (t < g_Settings.Delay.Answer / 1000) {
            EditTimers().ReminderPending = 1;
        } else {
            platform::Rect rect;
            GetWindowRect(table, &rect);
            std::string text = GetPlayerName(2).substr(0, 10);
            if (g_Game.PauseLevel >= 1 && g_Game.PauseLevel <= 3)
                text += platform::LoadString(IDS_REMIND_DECIDE + g_Game.PauseLevel - 1);
            WB_ShowBalloon(table, 5, rect.Width() / 2 - 74, rect.Height() / 2 - 14, 20, text);
        }
    } else if (g_Game.FlowState == STATE_AUCTION) {
        CountDownBidBalloon(table);
    } else if (t >= g_Settings.Delay.Show / 1000) {
        WB_RemoveBalloon(table, g_Game.PauseLevel);
        EditSeries().PlayClock = StampPauseLevel(2);
    }
}

// A bid's balloon stands for the bid delay in ticks of 200 ms, at least two.
void CMainFrame::CountDownBidBalloon(HWND table) {
    if (Timers().BalloonTicks == 0) {
        EditTimers().BalloonTicks = static_cast<int>((std::int64_t{g_Settings.Delay.Bid} + 199) / 200);
        if (Timers().BalloonTicks < 2) EditTimers().BalloonTicks = 2;
    }
    if (--EditTimers().BalloonTicks == 0) {
        WB_RemoveBalloon(table, g_Game.PauseLevel);
        EditSeries().PlayClock = StampPauseLevel(2);
    }
}

// Step 7: the rotation of the status texts.
void CMainFrame::RotateStatusTexts() {
    if (Timers().StatusRotationTicks > 0) {
        --EditTimers().StatusRotationTicks;
        return;
    }
    EditTimers().StatusRotationTicks = 20;
    EditTimers().StatusRotationIndex = (Timers().StatusRotationIndex + 1) % 3;
    if (Timers().StatusRotationIndex == 1 && (Texts().HintText.empty() || !g_Settings.Options.Suggest))
        EditTimers().StatusRotationIndex = 2;
    const std::string& third = Texts().DemoText.empty() ? Texts().CheatText : Texts().DemoText;
    if (Timers().StatusRotationIndex == 2 && third.empty()) EditTimers().StatusRotationIndex = 0;
    SetStatusPane(0, Timers().StatusRotationIndex == 0   ? Texts().StatusText
                     : Timers().StatusRotationIndex == 1 ? Texts().HintText
                                                         : third);
    if (g_Game.KontraState != KONTRA_NONE) {
        EditTimers().Pane2Toggle = 1 - Timers().Pane2Toggle;
        if (Timers().Pane2Toggle == 1) SetStatusPane(2, Texts().KontraText);
        else SetStatusPane(2, g_Settings.Options.Count ? Texts().PointsText : Texts().RuleText);
    }
}
