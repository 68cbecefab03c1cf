#pragma once
// What the bars and messages ask of the frame for every click: the click sound, trace lines and
// the commands to the frame.

#include "model/SoundEffectIds.h"

#include <string>

// CMainFrame::SoundEffect with the effect (the click by default), not looping; nothing without a
// frame.
void DialogSound(int effect = SOUND_BUTTON);
// One trace line of a dialog ("CDeclareDialog::OnClubs()") with its level bits.
void TraceDialog(const std::string& line, unsigned flags);
// Posts (the frame's handler runs after the button's) or sends (it runs now, nested) an internal
// command to the main frame.
void PostFrameCommand(int command);
void SendFrameCommand(int command);
// In demonstration mode: the one-shot timer on the frame that presses the open dialog's button
// after Delay/Demo (the frame's timer handler acts, never the dialog).
void ArmDemoTimer(unsigned timer);
