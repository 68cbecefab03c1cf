// The frame's settings commands of the Options and Variations menus that run one of the settings
// dialogs with the game paused, and what follows each.
#include "dialogs/MatchSettingsDialogs.h"
#include "dialogs/PlayerOptionDialogs.h"
#include "dialogs/RuleOptionDialogs.h"
#include "dialogs/ViewDialogs.h"
#include "flow/MainFrame.h"
#include "flow/FrameSettings.h"
#include "model/GameState.h"

// Options > Logging: what the trace log records and whether its window shows; OK has stored the
// settings and asked for the log window to follow them.
void CFrameSettings::OnLogging() {
    const int previous = frame_.SetPause(0);
    CLoggingDialog dialog;
    dialog.DoModal();
    frame_.SetPause(previous);
}

// Options > Risk Disposition: how boldly each seat bids; OK has stored the risks.
void CFrameSettings::OnRiskDisposition() {
    const int previous = frame_.SetPause(0);
    CRiskDispositionDialog dialog(frame_.GetPlayerName(0), frame_.GetPlayerName(1), frame_.GetPlayerName(2));
    dialog.DoModal();
    frame_.SetPause(previous);
}

// Options > Sorting: a confirmed order sorts and lays out the hands again.
void CFrameSettings::OnSortDialog() {
    const int previous = frame_.SetPause(0);
    CSortDialog dialog;
    dialog.DoModal();
    frame_.SetPause(previous);
    if (dialog.Confirmed) frame_.OnSortCards();
}

// Variations > Ramsch Evaluation: OK has stored the scoring.
void CFrameSettings::OnRamschEvalMode() {
    const int previous = frame_.SetPause(0);
    CRamschEvalModeDialog dialog;
    dialog.DoModal();
    frame_.SetPause(previous);
}

// Match > Match End: the end condition. A running Bock or Ramsch round makes switching to Bierlachs
// ask first; OK has stored the condition and refreshed the view.
void CFrameSettings::OnTermination() {
    const int previous = frame_.SetPause(0);
    CTerminationDialog dialog(g_Game.RoundStatus != ROUND_NORMAL);
    dialog.DoModal();
    frame_.SetPause(previous);
}

// A match file whose end condition is already met offers to change it: the match-end dialog.
void CFrameSettings::OpenTerminationDialog() {
    CTerminationDialog dialog(g_Game.RoundStatus != ROUND_NORMAL);
    dialog.DoModal();
}
