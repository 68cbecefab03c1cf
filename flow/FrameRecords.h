#pragma once
// The main frame's own records: the open prompt and the run of the flow. Both are private members
// of CMainFrame, so the compiler holds who writes them: the frame's own methods, and every other
// part only through the frame's named steps (RecordOpenPrompt, MarkOpenPromptAs, MarkBusy,
// MarkTableAlive, RunStep); everyone reads them through the frame's const Prompts() and Run().

#include "flow/GameRecord.h"
#include "flow/GameSnapshot.h"
#include "platform/core/Window.h"

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class Dialog;
}

// The three typed slots a prompt bar can be marked as.
enum class PromptSlot { Continue, Kontra, RamschSkat };

// The open prompt bar and its three typed slots (each the prompt's handle or null), and the modal
// message of the game. Handles, not objects: a record of a destroyed window is stale and IsWindow
// says so.
struct PromptState {
    HWND PromptDialog = nullptr;
    HWND ContinuePrompt = nullptr;
    HWND KontraPrompt = nullptr;
    HWND RamschSkatPrompt = nullptr;
    // The open prompt that minimising the frame hid; restoring or maximising shows it again while it
    // is still the open prompt.
    HWND PromptHiddenByMinimise = nullptr;
    // The modal message DoModalDialog runs: the dialog lives in its caller's frame for exactly as
    // long as it is recorded here, and its handle is null once it is destroyed.
    platform::Dialog* RunningMessage = nullptr;
};

// The flow's run and the frame's close: steps under way, the busy step, the close requests.
struct RunState {
    // The person already agreed to close (the language switch asked): the close asks no more.
    int CloseConfirmed = 0;
    int ExitRequested = 0;
    int Destroying = 0;
    // From the view's first erase, which brings the table to life, until the close lets it go or
    // the frame goes: meanwhile the program's hooks reach this frame.
    int TableAlive = 0;
    int CloseDeferred = 0;  // a close arrived during a nested wait; done once it has unwound
    int BusyFlag = 0;       // a computer's auction or Ramsch step runs: a close request is dropped
    int StepDepth = 0;      // steps of the flow running (nested) right now
};
