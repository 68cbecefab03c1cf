#pragma once
// The ticks of the timers as the timers part keeps them: idle time, the reminder, the balloons, the
// status bar's rotation and the repaints they ask for. Only CFrameTimers writes it; every other
// part reads it through the frame's Timers().

struct TimerState {
    int IdleTicks = 0, ReminderPending = 0, BalloonTicks = 0, ElapsedShown = 0;
    int StatusRotation = 0, StatusRotationTicks = 0, StatusRotationIndex = 0, Pane2Toggle = 0;
    // Ticks until a status text of SetStatusText or ToggleAudio gives way to StatusText.
    int StatusTextTicks = 0;
    int FocusPending = 0, RedrawPending = 0, FullRepaint = 0;
};
