#pragma once
// Puts every global of the running program back to its start, one reset per layer: the model's
// (game record, settings, card knowledge, services, trace sink, error handler), the computer
// player's (its state, the risk settings, the frame's services, the random script, the defenders'
// fallback counts), the match's profile, game list and stored deals, the side windows, the flow's
// and the shell's state, the panels' texts and the game status snapshot, the card-table library and
// its sound folder, the voices and the match files; then the program's hooks are installed as at a
// start. Test fixtures that start the whole program call it before and after each test.
//
// What stays is what the host installs and owns (the platform's services, the sound output, the
// card pictures, the application object for its life) and the speech engine with the clips it has
// synthesized, which depend only on what was asked of them.

#include "audio/VoicePlayer.h"
#include "dialogs/DataDialog.h"
#include "dialogs/StateDialog.h"
#include "flow/FrameGlobals.h"
#include "model/FlowGlobals.h"
#include "match/GameList.h"
#include "match/Profile.h"
#include "match/StoreRows.h"
#include "platform/core/Registry.h"
#include "shell/ProgramHooks.h"
#include "shell/ShellGlobals.h"
#include "tavlo/SoundApi.h"
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
    g_Frame.Reset();
    g_DataPanelTexts.Reset();
    CStateDialog::StoreSnapshot(EmptyGameStatusSnapshot());
    tavlo::ResetAll();
    Sound_Path("");
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
