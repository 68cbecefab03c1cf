// Playing a stored deal of the cards assignment again: the person clicks a deal, is asked, and on
// Yes the running game (if any) is broken off and the deal is dealt anew with its hands and skat.
#include "flow/MainFrame.h"
#include "flow/GiveUp.h"

#include "match/GameFile.h"
#include "match/StoreRows.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

#include <algorithm>
#include <string>

namespace {

// The deal's place in the store, for a deal whose game number is no use as a name; 0 when the
// deal is not stored (any more).
int PlaceInStore(const std::array<int, 40>& deal) {
    for (int k = 1; k <= g_StoreRows.StoredDeals(); ++k) {
        bool same = true;
        for (int w = 0; w < kStoreDealWords && same; ++w) same = g_StoreRows.DealWord(k, w) == deal[static_cast<std::size_t>(w)];
        if (same) return k;
    }
    return 0;
}

// The same number the cards assignment shows beside the deal: straight through in mode 1, else
// by rounds of three games (game 11 is the second of round 4).
std::string StoredDealName(int numberingMode, int game) {
    return StoredGameNumber(numberingMode == 1 ? 1 : 0, game) + ".skt";
}

}  // namespace

void CMainFrame::LoadFromStore(int numberingMode, const std::array<int, 40>& deal) {
    WriteTrace(":LoadFromStore(" + std::to_string(deal[DEAL_GAME]) + ")", LOG_MAINFRAME);
    // 1. The game's name. A deal without a sound game number is named by its place in the store.
    int game = deal[DEAL_GAME];
    if (game < 1) game = std::max(PlaceInStore(deal), 1);
    const std::string name = StoredDealName(numberingMode, game);
    // Only a whole deal can be played: 32 different cards of the deck in the skat and the hands.
    std::array<std::int32_t, 32> cards{};
    std::copy(deal.begin() + DEAL_SKAT, deal.end(), cards.begin());
    if (!IsWholeDeal(cards)) {
        MessageBox(Handle(), platform::LoadString(IDS_NO_GAME_FILE), {name}, platform::LoadString(IDS_PRODUCT_NAME),
                   platform::MB_OK | platform::MB_ICONEXCLAMATION);
        return;
    }
    // 2. Asked as the table stands: between two games, or with a game under way.
    const bool idle = g_Game.FlowState == STATE_IDLE;
    const int answer =
        MessageBox(Handle(), platform::LoadString(idle ? IDS_QUERY_STORED_DEAL : IDS_QUERY_STORED_DEAL_RUNNING), {name},
                   platform::LoadString(IDS_PRODUCT_NAME), platform::MB_YESNO | platform::MB_ICONQUESTION);
    if (answer != IDYES) return;
    // 3. The running game ends; the stored skat and hands become the deal, which is dealt again.
    if (g_Game.FlowState != STATE_IDLE) GiveUp().OnBreak();
    EditGameObject().SetDeal(&deal[DEAL_HAND_0], &deal[DEAL_SKAT]);
    SetTitle(name, 3);
    GiveUp().OnRepeat();
}
