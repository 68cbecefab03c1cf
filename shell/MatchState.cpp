// The match state in the status bar, the counted points, and the test for the end of a series.
#include "flow/MainFrame.h"

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
    const int t = g_Game.FlowState == STATE_PLAY ? 10 - GameObject().Person().count : 0;
    char text[96];
    switch (g_Game.MatchMode) {
        case 1: EditTexts().StatusText = platform::LoadString(IDS_MODE_DURATION); break;
        case 2: {
            // The person's balance, then every seat's.
            const int* balance = g_GameList.Balances;
            std::snprintf(text, sizeof text, "%4d-%d", balance[2], t);
            EditTexts().ClockText = text;
            std::snprintf(text, sizeof text, " (%d, %d, %d)", balance[0], balance[1], balance[2]);
            EditTexts().StatusText = platform::LoadString(IDS_MODE_BIERLACHS);
            EditTexts().StatusText += text;
            break;
        }
        default: {
            // The next game's number as the list counts: straight through "game-cards", or by
            // rounds of three games "round.game-cards".
            const int g = g_Game.GameCount + 1;
            const int inRound = g % 3 == 0 ? 3 : g % 3;
            if (g_GameList.Header.Int(LIST_COUNTING) == 1) std::snprintf(text, sizeof text, "%4d-%d", g, t);
            else std::snprintf(text, sizeof text, "%3d.%d-%d", (g + 2) / 3, inRound, t);
            EditTexts().ClockText = text;
            EditTexts().StatusText = platform::LoadString(g_Game.MatchMode == 3 ? IDS_MODE_UNLIMITED : IDS_MODE_SERIES);
            break;
        }
    }
    if (g_Game.FlowState != STATE_PLAY) SetStatusPane(0, Texts().StatusText);
    SetStatusPane(1, Texts().ClockText);
    g_Shell.GameNumberText = Texts().ClockText.substr(0, Texts().ClockText.find('-'));
}

void CMainFrame::ShowPoints() {
    if (!g_Settings.Options.Count) {
        SetStatusPane(2, Texts().RuleText);
        return;
    }
    int points = 0;
    if (g_Game.GameType == GAME_RAMSCH) points = g_Game.PartyPoints[2];
    else points = g_Game.Soloist == 2 ? g_Game.PartyPoints[0] : g_Game.PartyPoints[1];
    EditTexts().PointsText = std::to_string(points);
    SetStatusPane(2, Texts().PointsText);
}

// The end of a series by the match mode; with Bock or Ramsch games pending the person may go on.
bool CMainFrame::CheckSeriesEnd() {
    const bool extra = g_Game.RoundStatus != ROUND_NORMAL && g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Extra != 0;
    const std::string caption = platform::LoadString(IDS_PRODUCT_NAME);
    auto askToGoOn = [&](int firstId) {
        if (g_Game.DemoMode) SetTimer(TM_DEMO_OK, g_Settings.Delay.Demo);
        const std::string text = platform::LoadString(firstId) + platform::LoadString(IDS_EXTRA_GAMES_PENDING);
        return MessageBox(Handle(), text, caption, platform::MB_YESNO | platform::MB_ICONQUESTION) == IDYES;
    };
    switch (g_Game.MatchMode) {
        case 0:
            if (g_Game.GameCount < 3 * g_Settings.Game.MaxRounds) return false;
            if (!extra) return true;
            if (Series().ExtraGamesAccepted) return false;
            if (askToGoOn(IDS_GAMES_PLAYED)) {
                EditSeries().ExtraGamesAccepted = 1;
                return false;
            }
            g_Game.RoundStatus = ROUND_NORMAL;
            SetRoundLimits(0, 0);
            return true;
        case 1:
            if (g_Settings.Game.CountDown > 0) return false;
            if (!extra) return g_Game.RoundStatus == ROUND_NORMAL;
            if (Series().ExtraGamesAccepted) return false;
            if (askToGoOn(IDS_TIME_UP)) {
                EditSeries().ExtraGamesAccepted = 1;
                return false;
            }
            g_Game.RoundStatus = ROUND_NORMAL;
            return true;
        case 2: {
            const int* balance = g_GameList.Balances;
            int lowest = 0;
            if (balance[1] < balance[lowest]) lowest = 1;
            if (balance[2] < balance[lowest]) lowest = 2;
            if (balance[lowest] >= 0) return false;
            int atLowest = 0;
            for (int seat = 0; seat < 3; ++seat) atLowest += balance[seat] == balance[lowest] ? 1 : 0;
            if (atLowest == 1) return true;
            if (g_Game.DemoMode) SetTimer(TM_DEMO_OK, g_Settings.Delay.Demo);
            MessageBox(Handle(), platform::LoadString(IDS_BIERLACHS_TIE), caption,
                       platform::MB_OK | platform::MB_ICONINFORMATION);
            return false;
        }
        default: return false;
    }
}
