// Demonstration mode declares for the person (timers 51 and 53): with the skat picked up he lays
// away and declares as a computer would; playing Hand he declares his most valuable game.
#include "flow/MainFrame.h"

#include "computer/evaluation/GameOption.h"
#include "model/CardCodes.h"
#include "model/GameState.h"

#include <algorithm>
#include "model/Trace.h"
#include "platform/core/WindowApi.h"

void CMainFrame::DemoDeclare() {
    if (!::IsWindow(PromptDialog) || (g_Game.FlowState != STATE_ASK && g_Game.FlowState != STATE_HAND)) return;
    CPerson& person = Game.person;
    if (g_Game.HandAnnounced) {
        // The most valuable Hand game; the first of equal values.
        int(*options)[13] = person.ChooseGame(-1);
        int best = 0, bestValue = std::max(0, options[0][OPT_VALUE]);
        for (int type = 1; type <= GAME_GRAND; ++type)
            if (options[type][OPT_BASE] != 0 && options[type][OPT_VALUE] > bestValue) {
                best = type;
                bestValue = options[type][OPT_VALUE];
            }
        g_Game.SetGameType(best);
        g_Game.OuvertAnnounced = options[best][OPT_OUVERT];
        g_Game.SchneiderAnnounced = options[best][OPT_SCHNEIDER];
        g_Game.SchwarzAnnounced = options[best][OPT_SCHWARZ];
    } else {
        // The skat goes back into its row for the computer's lay-away, then into the trick again,
        // where the declaration takes the laid-away cards from.
        MoveTrickToSkat();
        person.Declare(Game);
        g_Game.HandAnnounced = 0;
        g_Game.SetGameType(g_Game.GameType);
        MoveSkatToTrick();
    }
    WriteTrace(":DemoDeclare(" + std::to_string(g_Game.GameType) + ")", LOG_MAINFRAME);
    SendMessage(WM_COMMAND, CM_DECLARE);
}
