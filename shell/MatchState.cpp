// The match state in the status bar.
#include "flow/MainFrame.h"
#include "flow/FrameTexts.h"

#include "match/GameList.h"

#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Rounds.h"
#include "model/Skat.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"

#include <cstdio>

void CMainFrame::ShowMatchState() {
    const int t = g_Game.FlowState == STATE_PLAY ? 10 - GameObject().PersonsHand().count : 0;
    char text[96];
    switch (g_Game.MatchMode) {
        case 1:
            FrameTexts().SetStatusText(platform::LoadString(IDS_MODE_DURATION));
            break;
        case 2: {
            // The person's balance, then every seat's.
            const int* balance = g_GameList.Balances;
            std::snprintf(text, sizeof text, "%4d-%d", balance[2], t);
            FrameTexts().SetClockText(text);
            std::snprintf(text, sizeof text, " (%d, %d, %d)", balance[0], balance[1], balance[2]);
            FrameTexts().SetStatusText(platform::LoadString(IDS_MODE_BIERLACHS));
            FrameTexts().AppendStatusText(text);
            break;
        }
        default: {
            // The next game's number as the list counts: straight through "game-cards", or by
            // rounds of three games "round.game-cards".
            const int g = g_Game.GameCount + 1;
            const int inRound = g % 3 == 0 ? 3 : g % 3;
            if (g_GameList.Header.Int(LIST_COUNTING) == 1) std::snprintf(text, sizeof text, "%4d-%d", g, t);
            else std::snprintf(text, sizeof text, "%3d.%d-%d", (g + 2) / 3, inRound, t);
            FrameTexts().SetClockText(text);
            FrameTexts().SetStatusText(platform::LoadString(g_Game.MatchMode == 3 ? IDS_MODE_UNLIMITED : IDS_MODE_SERIES));
            break;
        }
    }
    if (g_Game.FlowState != STATE_PLAY) SetStatusPane(0, Texts().StatusText);
    SetStatusPane(1, Texts().ClockText);
    g_Shell.GameNumberText = Texts().ClockText.substr(0, Texts().ClockText.find('-'));
}
