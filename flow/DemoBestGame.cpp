// Demonstration mode declares for the person (timer 51): the most valuable game his hand allows
// with the skat as it lies, pressed on the declaration bar like the person's own click.
#include "flow/FrameDeclaration.h"
#include "flow/MainFrame.h"

#include "computer/evaluation/GameOption.h"
#include "dialogs/DialogIds.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/WindowApi.h"

#include <algorithm>

void CFrameDeclaration::DemoDeclareBestGame() {
    if (!::IsWindow(frame_.Prompts().PromptDialog) || (g_Game.FlowState != STATE_ASK && g_Game.FlowState != STATE_HAND))
        return;
    // Step 1: the skat lies in the trick while the person holds it, else in its own row.
    const int mode = g_Game.HandAnnounced ? 0 : 1;
    int(*options)[OPT_FIELD_COUNT] = game_.PersonThinksOnSkat(
        !g_Game.HandAnnounced, [mode](CPlayer& person, CCards& skat) { return person.SuggestGame(mode, skat); });
    // Step 3: the greatest value; the first of equal ones. Only the games the person could press
    // count: the Ramsch and Durchmarsch records are no game he declares, and a button the rules
    // have disabled (Revolution outside a Hand game of the variants) is none either.
    static constexpr int kButtons[GAME_GRAND + 1] = {IDC_CLUBS, IDC_CLUBS + 1, IDC_CLUBS + 2, IDC_CLUBS + 3,
                                                     IDC_NULL,  IDC_REVOLUTION, IDC_GRAND};
    const auto pressable = [this](int type) {
        return ::IsWindowEnabled(::GetDlgItem(frame_.Prompts().PromptDialog, kButtons[type]));
    };
    int best = GAME_CLUBS, bestValue = std::max(0, options[GAME_CLUBS][OPT_VALUE]);
    for (int type = GAME_SPADES; type <= GAME_GRAND; ++type)
        if (options[type][OPT_BASE] != 0 && options[type][OPT_VALUE] > bestValue && pressable(type)) {
            best = type;
            bestValue = options[type][OPT_VALUE];
        }
    // Step 4: the best game, with its announcements, is the declared one.
    g_Game.SetGameType(best);
    g_Game.HandAnnounced = options[best][OPT_HAND];
    g_Game.OuvertAnnounced = options[best][OPT_OUVERT];
    g_Game.SchneiderAnnounced = options[best][OPT_SCHNEIDER];
    g_Game.SchwarzAnnounced = options[best][OPT_SCHWARZ];
    WriteTrace(":DemoDeclare(" + std::to_string(best) + ")", LOG_MAINFRAME);
    // Step 5: the game's button.
    int button = kButtons[best];
    if (best == GAME_NULL && options[GAME_NULL][OPT_OUVERT]) button = IDC_NULL_OUVERT;
    frame_.PressButton(button);
    // A click may only settle the bar (the skat suggestion it asks for first, or the announcements
    // of another game dropped); the timer looks again once the click is through and presses again
    // while the bar still waits.
    frame_.SetTimer(TM_DEMO_DECLARE, g_Settings.Delay.Demo);
}
