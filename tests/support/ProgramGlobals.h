#pragma once
// Puts every global of the running program back to its start: the game record, the settings, the
// shell's and the flow's state, the card knowledge, the card-table library and the registry. Test
// fixtures that start the whole program call it before and after each test.

#include "flow/FlowGlobals.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/CardKnowledge.h"
#include "platform/core/Registry.h"
#include "model/TableServices.h"
#include "shell/ProgramHooks.h"
#include "shell/ShellGlobals.h"
#include "tavlo/Tavlo.h"

namespace testsupport {

inline void ResetProgramGlobals() {
    g_Game.Reset();
    g_Settings.Reset();
    g_Shell.Reset();
    g_Flow.Reset();
    g_Knowledge.Reset();
    tavlo::ResetAll();
    platform::SetRegistryKey("Kartovan+", "skat");
    platform::CurrentUserRegistry().Clear();
    g_TableServices.Reset();
    InstallProgramHooks();
}

}  // namespace testsupport
