#pragma once
// Puts every global of the running program back to its start, one reset per layer: the model's
// (game record, settings, card knowledge, services, trace sink, error handler), the computer
// player's (its state, the risk settings, the frame's services, the random script), the match's
// profile, the flow's and the shell's state, the card-table library; then the program's hooks are
// installed as at a start. Test fixtures that start the whole program call it before and after
// each test.

#include "audio/VoicePlayer.h"
#include "flow/FlowGlobals.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "match/StoreRows.h"
#include "platform/core/Registry.h"
#include "shell/ProgramHooks.h"
#include "shell/ShellGlobals.h"
#include "tavlo/Tavlo.h"
#include "windows/SideWindowGlobals.h"
#include "tests/support/LayerResets.h"

namespace testsupport {

// Every layer's globals at their start and the hooks installed; the settings in the registry stay,
// as for a second run of the program on what the first one left.
inline void ResetProgramState() {
    ResetModelGlobals();
    ResetComputerGlobals();
    g_Profile.Reset();
    g_GameList.Reset();
    g_StoreRows = CStoreRows();
    g_SideWindows.Reset();
    g_Flow.Reset();
    g_Shell.Reset();
    tavlo::ResetAll();
    ResetVoicePlayer();
    ResetOwnFiles();
    InstallProgramHooks();
}

// The same with a fresh, empty registry under the program's key.
inline void ResetProgramGlobals() {
    platform::SetRegistryKey("Kartovan+", "skat");
    platform::CurrentUserRegistry().Clear();
    ResetProgramState();
}

}  // namespace testsupport
