#pragma once
// CFrameTimers: the frame's 200 ms tick and what it counts. It alone writes the timers record: the
// idle time before the hint, the reminder and the bid balloons, the match clock shown, the rotation
// of the status texts, the focus and the repaints asked for. The frame's tick calls its steps;
// every other part asks through its methods and reads the record through Timers().

#include "flow/TimerState.h"
#include "platform/core/Message.h"

#include <cstdint>

class CMainFrame;

class CFrameTimers {
public:
    explicit CFrameTimers(CMainFrame& frame) : frame_(frame) {}
    CFrameTimers(const CFrameTimers&) = delete;
    CFrameTimers& operator=(const CFrameTimers&) = delete;

    const TimerState& State() const { return timers_; }

    // --- The tick's steps (flow/FrameTimers.cpp) -------------------------------------------------
    // The focus back into the open dialog, the clock of a match ended by time, a full repaint
    // asked for (true: it is due now), the idle hint, the reminder balloons, a bid balloon's
    // countdown, the status text after a passing one, and the rotation of the status texts.
    void RestoreDialogFocus(bool promptOpen, bool messageOpen);
    void ShowMatchClock(std::int64_t elapsed, std::int64_t remaining);
    bool TakeRedrawRequest();
    void PostIdleHint();
    void RemindByBalloon(std::int64_t now);
    void CountDownBidBalloon(HWND table);
    void CountDownStatusText();
    void RotateStatusTexts();

    // --- What other parts ask of the tick (flow/FrameTimers.cpp) ---------------------------------
    // The next tick puts the focus back into the open dialog.
    void AskDialogFocus();
    // A passing text stands in status pane 0 for so many ticks.
    void HoldStatusText(int ticks);
    // The table's next paint is a full one; the paint has been made; a full repaint at the next
    // tick, or none after all.
    void AskFullRepaint();
    void FullRepaintDone();
    void AskRedraw();
    void DropRedraw();
    // The person acted: the idle hint counts afresh. The bid balloon's countdown starts afresh.
    void ResetIdle();
    void ResetBalloonTicks();
    // The status texts rotate (or not), from the status text on; from the given text on (0 status,
    // 1 hint, 2 manipulation or demonstration); after so many ticks; pane 2 shows Kontra at its
    // next turn.
    void SetStatusRotation(bool on);
    void StartStatusRotation();
    void RotateFrom(int index);
    void DelayRotation(int ticks);
    void ResetPane2Toggle();

private:
    CMainFrame& frame_;
    TimerState timers_;
};
