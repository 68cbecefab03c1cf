#include "model/ModelGlobals.h"

#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/InternalError.h"
#include "model/PlayerServices.h"
#include "model/Settings.h"
#include "model/TableServices.h"
#include "model/Trace.h"

void ResetModelGlobals() {
    g_Game.Reset();
    g_Settings.Reset();
    g_Knowledge.Reset();
    ClearDeckTaken();
    g_PlayerServices.Reset();
    g_TableServices.Reset();
    SetTraceSink({});
    SetInternalErrorHandler({});
}
