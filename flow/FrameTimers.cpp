// The frame's 200 ms tick: the steps that count its ticks and write the timers record.
#include "flow/FrameTimers.h"

#include "flow/FrameGlobals.h"
#include "flow/FrameTexts.h"
#include "flow/MainFrame.h"
#include "flow/AuctionState.h"
#include "flow/FramePanels.h"
#include "flow/MatchSeries.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Skat.h"
#include "model/Settings.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "tavlo/Tavlo.h"

#include <cstdint>
#include <cstdio>
#include <string>

CFrameTimers& CMainFrame::FrameTimers() { return *timers_; }
const TimerState& CMainFrame::Timers() const { return timers_->State(); }

// OnTick's step 3: the focus back into the open dialog.
void CFrameTimers::RestoreDialogFocus(bool promptOpen, bool messageOpen) {
    if (promptOpen) {
        HWND button = frame_.Auction().FocusButton
                          ? ::GetDlgItem(frame_.Prompts().PromptDialog, frame_.Auction().FocusButton)
                          : nullptr;
        if (::IsWindow(button))
            ::SendMessage(frame_.Prompts().PromptDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), 1);
        else ::SetFocus(frame_.Prompts().PromptDialog);
    } else if (messageOpen) ::SetFocus(::GetDlgItem(frame_.MessageDialog(), IDOK));
    timers_.FocusPending = 0;
}

// OnTick's step 4: a match ended by time shows its clock.
void CFrameTimers::ShowMatchClock(std::int64_t elapsed, std::int64_t remaining) {
    const bool newSecond = elapsed != timers_.ElapsedShown;
    if (newSecond) timers_.ElapsedShown = static_cast<int>(elapsed);
    if (g_Settings.Game.CountDown > remaining) {
        char text[48];
        std::snprintf(text, sizeof text, "%d:%02d-%d", g_Settings.Game.CountDown / 60, g_Settings.Game.CountDown % 60,
                      10 - frame_.GameObject().PersonsHand().count);
        frame_.FrameTexts().SetClockText(text);
        frame_.SetStatusPane(1, frame_.Texts().ClockText);
        g_Settings.Game.CountDown = static_cast<int>(remaining);
    }
    if (newSecond) frame_.FramePanels().ShowDataPanelClock();
}

// OnTick's step 6a: the idle hint, every 22 ticks while the person does not play.
void CFrameTimers::PostIdleHint() {
    if (g_Game.FlowState == STATE_PLAY && !::IsWindow(frame_.Prompts().PromptDialog) &&
        !::IsWindow(frame_.Prompts().ContinuePrompt) && !g_Settings.Options.Suggest) {
        if (timers_.IdleTicks++ > 20) {
            timers_.IdleTicks = 0;
            frame_.PostMessage(WM_COMMAND, CM_YOUR_TURN);
        }
    }
}

// OnTick's step 6b: the reminder balloons.
void CFrameTimers::RemindByBalloon(std::int64_t now) {
    const HWND table = g_Frame.hTableWnd;
    const std::int64_t t = now - frame_.Series().PlayClock;
    const bool speechBalloon = g_Game.PauseLevel == 5 || g_Game.PauseLevel == 6;
    if (g_Settings.Settings.Balloon) {
        if (speechBalloon) {
            CountDownBidBalloon(table);
        } else if (WB_IsBalloonShown(table, 5)) {
            if (timers_.ReminderPending == 1) {
                timers_.ReminderPending = 0;
                frame_.MatchSeries().StartPlayClock(now);
            } else if (t >= g_Settings.Delay.Show / 1000) {
                WB_RemoveBalloon(table, 5);
                frame_.MatchSeries().StartPlayClock(now);
            }
        } else if (t < g_Settings.Delay.Answer / 1000) {
            timers_.ReminderPending = 1;
        } else {
            platform::Rect rect;
            GetWindowRect(table, &rect);
            std::string text = frame_.GetPlayerName(2).substr(0, 10);
            if (g_Game.PauseLevel >= 1 && g_Game.PauseLevel <= 3)
                text += platform::LoadString(IDS_REMIND_DECIDE + g_Game.PauseLevel - 1);
            WB_ShowBalloon(table, 5, rect.Width() / 2 - 74, rect.Height() / 2 - 14, 20, text);
        }
    } else if (g_Game.FlowState == STATE_AUCTION) {
        CountDownBidBalloon(table);
    } else if (t >= g_Settings.Delay.Show / 1000) {
        WB_RemoveBalloon(table, g_Game.PauseLevel);
        frame_.MatchSeries().StampPause(2);
    }
}

// A bid's balloon stands for the bid delay in ticks of 200 ms, at least two.
void CFrameTimers::CountDownBidBalloon(HWND table) {
    if (timers_.BalloonTicks == 0) {
        timers_.BalloonTicks = static_cast<int>((std::int64_t{g_Settings.Delay.Bid} + 199) / 200);
        if (timers_.BalloonTicks < 2) timers_.BalloonTicks = 2;
    }
    if (--timers_.BalloonTicks == 0) {
        WB_RemoveBalloon(table, g_Game.PauseLevel);
        frame_.MatchSeries().StampPause(2);
    }
}

// OnTick's step 7: the rotation of the status texts.
void CFrameTimers::RotateStatusTexts() {
    if (timers_.StatusRotationTicks > 0) {
        --timers_.StatusRotationTicks;
        return;
    }
    timers_.StatusRotationTicks = 20;
    timers_.StatusRotationIndex = (timers_.StatusRotationIndex + 1) % 3;
    if (timers_.StatusRotationIndex == 1 && (frame_.Texts().HintText.empty() || !g_Settings.Options.Suggest))
        timers_.StatusRotationIndex = 2;
    const std::string& third = frame_.Texts().DemoText.empty() ? frame_.Texts().CheatText : frame_.Texts().DemoText;
    if (timers_.StatusRotationIndex == 2 && third.empty()) timers_.StatusRotationIndex = 0;
    frame_.SetStatusPane(0, timers_.StatusRotationIndex == 0   ? frame_.Texts().StatusText
                            : timers_.StatusRotationIndex == 1 ? frame_.Texts().HintText
                                                               : third);
    if (g_Game.KontraState != KONTRA_NONE) {
        timers_.Pane2Toggle = 1 - timers_.Pane2Toggle;
        if (timers_.Pane2Toggle == 1) frame_.SetStatusPane(2, frame_.Texts().KontraText);
        else frame_.SetStatusPane(2, g_Settings.Options.Count ? frame_.Texts().PointsText : frame_.Texts().RuleText);
    }
}

bool CFrameTimers::TakeRedrawRequest() {
    if (!timers_.RedrawPending) return false;
    timers_.RedrawPending = 0;
    timers_.FullRepaint = 1;
    return true;
}

void CFrameTimers::CountDownStatusText() {
    if (timers_.StatusTextTicks > 0 && --timers_.StatusTextTicks == 0)
        frame_.SetStatusPane(0, frame_.Texts().StatusText);
}

void CFrameTimers::AskDialogFocus() { timers_.FocusPending = 1; }
void CFrameTimers::HoldStatusText(int ticks) { timers_.StatusTextTicks = ticks; }
void CFrameTimers::AskFullRepaint() { timers_.FullRepaint = 1; }
void CFrameTimers::FullRepaintDone() { timers_.FullRepaint = 0; }
void CFrameTimers::AskRedraw() { timers_.RedrawPending = 1; }
void CFrameTimers::DropRedraw() { timers_.RedrawPending = 0; }
void CFrameTimers::ResetIdle() { timers_.IdleTicks = 0; }
void CFrameTimers::ResetBalloonTicks() { timers_.BalloonTicks = 0; }
void CFrameTimers::SetStatusRotation(bool on) { timers_.StatusRotation = on ? 1 : 0; }

void CFrameTimers::StartStatusRotation() {
    timers_.StatusRotation = 1;
    timers_.StatusRotationIndex = 0;
}

void CFrameTimers::RotateFrom(int index) { timers_.StatusRotationIndex = index; }
void CFrameTimers::DelayRotation(int ticks) { timers_.StatusRotationTicks = ticks; }
void CFrameTimers::ResetPane2Toggle() { timers_.Pane2Toggle = 0; }
