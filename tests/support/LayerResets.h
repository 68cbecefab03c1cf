#pragma once
// The globals of one layer at a time back at their start values, for fixtures that start a layer
// without the whole program:
// - the model: the game record, the settings, the card knowledge and the deck's taken flags; the
//   hooks the layers above install (player and table services, trace sink, internal error handler)
//   empty again, so the model answers with its plain rules until a program or a test installs them;
// - the computer player: its own state and the risk settings, the frame's services empty (no game
//   object, open cards off, no animated exchange), no scripted draws left in the random source, and
//   the defenders' fallback counts at zero;
// - the voices: sound on, no voice folder, the German edition, the wording generator unseeded and
//   unscripted (the synthesized clips stay);
// - the match files: no protected paths and no statistics block (a new run of the program).

#include "audio/SpeechLogic.h"
#include "audio/VoiceClips.h"
#include "audio/VoicePlayer.h"
#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/play/SuitDefenderFrame.h"
#include "match/OwnFiles.h"
#include "match/Statistics.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/PlayerServices.h"
#include "model/Settings.h"
#include "model/TableServices.h"
#include "model/Trace.h"
#include "platform/core/Random.h"

namespace testsupport {

inline void ResetModelGlobals() {
    g_Game.Reset();
    g_Settings.Reset();
    g_Knowledge.Reset();
    ClearDeckTaken();
    g_PlayerServices.Reset();
    g_TableServices.Reset();
    SetTraceSink({});
    SetInternalErrorHandler({});
}

inline void ResetComputerGlobals() {
    g_Computer = ComputerState{};
    g_Risk = RiskSettings{};
    g_ComputerFrame.Reset();
    platform::Random().ClearScript();
    g_SuitFallbacks.Reset();
}

inline void ResetVoicePlayer() {
    SetSoundEnabled(1);
    SetVoiceBaseDirectory(nullptr);
    SetVoiceEdition(0);
    VoiceRandom().ClearScript();
    VoiceRandom().Seed(0);
}

inline void ResetOwnFiles() {
    g_ProtectedFiles.clear();
    g_pStatistics.reset();
}

}  // namespace testsupport
