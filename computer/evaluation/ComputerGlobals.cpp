#include "computer/evaluation/ComputerGlobals.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "platform/core/Random.h"

void ResetComputerGlobals() {
    g_Computer.Reset();
    g_Risk.Reset();
    g_ComputerFrame.Reset();
    platform::Random().ClearScript();
}
