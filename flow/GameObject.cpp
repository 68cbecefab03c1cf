#include "flow/GameObject.h"

#include "computer/evaluation/HandAnalysis.h"
#include "model/FlowGlobals.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/CardKnowledge.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "model/Trick.h"
#include "platform/core/Clock.h"
#include "platform/core/Random.h"
#include "flow/FrameGlobals.h"
#include "tavlo/Tavlo.h"

void InitializeSkat(CSkat& game) {
    // Step 1: the trace.
    WriteTrace(":Initialize()", LOG_GAME);
    // Step 2: nothing is known of any card.
    ResetCardTables();
    ClearDeckTaken();
    ClearTrickCounters();
    ClearLedSuits();
    // Step 3: the game's state for a new deal; no suit marked, no declaration.
    g_Game.ResetForDeal();
    g_Flow.CardPlaySuitMarker = -1;
    g_Flow.DeclarationFlag = 0;
    // Step 4: no player has a picked card, a lone trump or a card plan.
    for (int seat = 0; seat < 3; ++seat) {
        game.SetUpPlayer(seat, [](CPlayer& player) {
            player.PickedCard = 0;
            player.oneTrumpFlag = 0;
            player.ResetCardPlan();
        });
    }
    // Step 5: every row back to empty.
    game.ClearForDeal();
}

void LookAtNewHand(CPlayer& player) { player.AnalyseHand(0); }

int SuggestedCard(CSkat& game, int seat) {
    return game.ThinkOnTrick(seat, [](CPlayer& player, CTrick& trick) { return player.ChooseCardForTrick(&trick); });
}

void StartupSkat(const CSkat& /*game*/, HWND table, const CMainFrame& /*frame*/) {
    WriteTrace(":Startup()", LOG_GAME);
    SeedRand(static_cast<std::uint32_t>(Time64()));
    WB_NewBalloonDeck(table);
    WS_NewSymbolDeck(table);
    WC_NewCardDeck(table);
    WC_SetZoom(table, g_Settings.Settings.Zoom ? g_Frame.ZoomPercent : 100);
    WC_SetCardBack(table, 0, g_Settings.View.CardBack + 1);
    WC_SetCardFace(table, g_Settings.View.CardFace + 1);
}
