#pragma once
// The ten tricks as the trick play part keeps them: the play's steps, the person's choice, undo and
// redo, the last trick and the course. Only CTrickPlay writes it; every other part reads it through
// the frame's TrickPlay().

#include "flow/GameSnapshot.h"

struct TrickPlayState {
    int PlayStep = 0;
    // OnPlay's steps run: a computer's choice may wait inside them (the give-up question).
    int PlayRunning = 0;
    int SelectedSlot = -1;  // the person's chosen slot for the keyboard play, -1 none
    // The card last highlighted for the support voice, 0 none.
    int HighlightedCard = 0;
    int HistoryPosition = 0, RedoLimit = 0;
    int SparePosition = -1;  // the trick in which the spare record 11 was written, -1 none
    GameSnapshot History[12];
    int LastTrickAvailable = 0;
    int CourseRequested = 0, CourseAvailable = 0, CourseShown = 0;
    int AutoComplete = 0;
};
