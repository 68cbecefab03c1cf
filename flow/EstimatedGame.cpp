// The frame's side of the trick estimation window: the window the panels part holds and the game
// it puts the window on; and whether a Ramsch is under way, which that game leaves alone.
#include "flow/EstimatedGame.h"

#include "dialogs/RamschBars.h"
#include "flow/FramePanels.h"
#include "flow/MainFrame.h"
#include "flow/DeclarationState.h"
#include "flow/PromptBars.h"
#include "flow/RamschRounds.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "windows/TrickEstimation.h"

int BestEstimatedGame(const int (*options)[OPT_FIELD_COUNT], int field) {
    auto playable = [&](int type) { return options[type][OPT_BASE] > 0; };
    int candidate = GAME_DIAMONDS, best = 0;
    if (playable(GAME_CLUBS) && options[GAME_CLUBS][field] > 0) {
        candidate = GAME_CLUBS;
        best = options[GAME_CLUBS][field];
    }
    for (int type = 1; type <= 3; ++type) {
        if (playable(type) && options[type][field] > best) {
            candidate = type;
            best = options[type][field];
        }
    }
    for (int type = 4; type < GAME_OPTION_COUNT; ++type) {
        if (playable(type) && options[type][field] >= best) {
            candidate = type;
            best = options[type][field];
        }
    }
    return candidate;
}

namespace {

// The evaluation behind the window writes the announcements of the game it prefers; the window only
// shows a game, so the announcements the person has made on the declaration bar stay.
int BestGameKeepingAnnouncements(CPlayer& player, int field) {
    const int ouvert = g_Game.OuvertAnnounced, schneider = g_Game.SchneiderAnnounced, schwarz = g_Game.SchwarzAnnounced;
    const int best = BestEstimatedGame(player.ChooseGame(0), field);
    g_Game.OuvertAnnounced = ouvert;
    g_Game.SchneiderAnnounced = schneider;
    g_Game.SchwarzAnnounced = schwarz;
    return best;
}

}  // namespace

CTrickEstimation* CFramePanels::TrickEstimationWindow() const {
    return dynamic_cast<CTrickEstimation*>(::WindowFromHandle(SideWindow(ID_LIST_TRICK_ESTIMATION)));
}

void CFramePanels::RefreshEstimation() {
    if (CTrickEstimation* window = TrickEstimationWindow()) window->UpdateEstimation(-1);
}

void CFramePanels::RefreshEstimationOf(int seat) {
    CTrickEstimation* window = TrickEstimationWindow();
    if (window && window->UpdateEstimation(1) != 0 && window->UpdateEstimation(2) == seat) window->UpdateEstimation(-1);
}

void CFramePanels::RefreshEstimationAfterExchange() {
    constexpr int kPersonSeat = 2;
    CTrickEstimation* window = TrickEstimationWindow();
    if (!window || window->UpdateEstimation(1) == 0 || window->UpdateEstimation(2) != kPersonSeat) return;
    // The person's most valuable game with the cards he now holds; a Ramsch being dealt out keeps
    // its type, which its skat round reads.
    if (!frame_.RamschRounds().RamschUnderWay())
        g_Game.SetGameType(game_.PersonThinks(
            [](CPlayer& person) { return BestGameKeepingAnnouncements(person, OPT_VALUE); }));
    window->UpdateEstimation(-1);
}

void CFramePanels::SelectEstimatedGame() {
    CTrickEstimation* window = TrickEstimationWindow();
    if (!window) return;
    // A Ramsch under way is decided as a game in play is: its offer of Grand Hand and its skat
    // round take the game type as the sign that the Ramsch has begun, so another type left here
    // would deal the round again or leave the person's buttons dead.
    if (frame_.RamschRounds().RamschUnderWay()) {
        window->UpdateEstimation(-1);
        return;
    }
    const int seat = window->UpdateEstimation(2);
    const bool known = frame_.GameObject().Player(seat) != nullptr;
    // Step 1, Ramsch only: the selected player's play estimate; the window shows Grand when he would
    // play Grand Hand instead, else Ramsch, and then the game type goes back as it was.
    if (g_Game.VariantMode == VARIANT_RAMSCH_ONLY) {
        const bool grandHand = known && game_.Think(seat, [](CPlayer& player) {
            return player.PreparePlay();
        }) && g_Settings.Variants.GrandHand != 0;
        const int saved = g_Game.GameType;
        if (grandHand) {
            g_Game.SetGameType(GAME_GRAND);
            window->UpdateEstimation(-1);
        } else {
            g_Game.SetGameType(GAME_RAMSCH);
            window->UpdateEstimation(-1);
            g_Game.SetGameType(saved);
        }
        return;
    }
    // Step 2: during the play, and during the skat swap pause, the game is decided: only refresh.
    if (g_Game.FlowState == STATE_PLAY ||
        (g_Game.FlowState == STATE_SWAP && frame_.Declaration().SwapPausePending != 0)) {
        window->UpdateEstimation(-1);
        return;
    }
    // Step 3: the most probable game of the selected player.
    if (!known) return;
    g_Game.SetGameType(game_.Think(
        seat, [](CPlayer& player) { return BestGameKeepingAnnouncements(player, OPT_PROBABILITY); }));
    window->UpdateEstimation(-1);
}
