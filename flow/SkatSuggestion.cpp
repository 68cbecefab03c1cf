// The skat suggestion: the two cards the evaluation would lay away go into the skat, the status bar
// names the best game after laying them away, and the declaration bar's boxes show the announcements.
#include "flow/FrameDeclaration.h"
#include "flow/MainFrame.h"
#include "flow/FramePanels.h"
#include "flow/RamschRounds.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"

#include <algorithm>
#include <cstdio>

#include "dialogs/DeclareDialog.h"
#include "dialogs/GameNames.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "model/Trace.h"
#include "platform/core/Resources.h"
#include "resources/ids.h"

namespace {

constexpr int kBoxOuvert = 1022;
constexpr int kBoxSchwarz = 1027;
constexpr int kBoxSchneider = 1045;
constexpr int kSuggestionPrefix = 41071;  // "Suggestion: "
constexpr int kLaidAway = 1000, kNotRecommended = 2000, kOverbid = 3000;

}  // namespace

void CFrameDeclaration::OnSuggestSkat() {
    const CPerson& person = frame_.GameObject().Person();
    const CTrick& skatRow = frame_.GameObject().Trick();
    // The person's lay-away of the skat in the trick row: carryOut lays away, else only values it.
    const auto suggestSkat = [this](bool carryOut) {
        return game_.PersonThinksOnSkat(
            true, [carryOut](CPlayer& planner, CCards& skat) { return planner.SuggestSkat(skat, carryOut); });
    };
    // The two skat cards lie in the trick row while the person holds the skat; anywhere else
    // there is nothing to lay away.
    // A suggestion already moving cards is not begun again: its second swap would take the cards
    // that lie in the trick row by then.
    if (frame_.Ramsch().SkatSuggestionRunning || skatRow.count != 2 || !skatRow.present[0] || !skatRow.present[1]) {
        WriteTrace(":OnSuggestSkat(refused)", LOG_MAINFRAME);
        return;
    }
    const bool ramsch = g_Game.VariantMode == VARIANT_RAMSCH_ONLY || (g_Game.VariantMode == VARIANT_SKAT && g_Game.GameType == GAME_RAMSCH);
    // The exchange of the Ramsch skat must still run: a suggestion asked for before the skat was
    // pushed on may arrive after play has begun, when two cards of a trick lie in the row.
    if (ramsch && !frame_.RamschRounds().RamschExchangeRunning()) {
        WriteTrace(":OnSuggestSkat(refused)", LOG_MAINFRAME);
        return;
    }
    // 1. The demonstration lays away once per deal; its declaration follows by timer 51.
    if (g_Game.DemoMode && !ramsch) {
        if (!frame_.Series().FreshDeal) return;
        frame_.MatchSeries().FreshDealUsed();
    }
    // 2. The trace; the play pauses and the person's hand is looked at afresh.
    WriteTrace(":OnSuggestSkat(" + person.name + ")", LOG_MAINFRAME);
    g_Game.PauseLevel = 1;
    frame_.FrameTimers().ResetIdle();
    game_.PersonThinks([](CPlayer& planner) { planner.AnalyseHand(0); });
    if (ramsch) {
        // 3. The slides of the two swaps wait for the clock: a push of the skat meanwhile (the
        // person's Finish, the demonstration's timer) follows once both cards lie.
        frame_.RamschRounds().BeginSkatSuggestion();
        suggestSkat(true);
        if (frame_.RamschRounds().EndSkatSuggestion() && frame_.RamschRounds().RamschExchangeRunning())
            frame_.PostMessage(WM_COMMAND, CM_PUSH_SKAT);
    } else {
        // 4. The best game after laying away, tried from Grand down; a tie keeps the higher type.
        const int type = g_Game.GameType, hand = g_Game.HandAnnounced, ouvert = g_Game.OuvertAnnounced,
                  schneider = g_Game.SchneiderAnnounced, schwarz = g_Game.SchwarzAnnounced;
        g_Game.HandAnnounced = g_Game.SchneiderAnnounced = g_Game.SchwarzAnnounced = 0;
        int best = 0, bestType = GAME_CLUBS;
        std::string suffix;
        for (int t = GAME_GRAND; t >= GAME_CLUBS; --t) {
            if (t == GAME_REVOLUTION && g_Game.VariantMode != VARIANT_SKAT) continue;
            g_Game.SetGameType(t);
            if (t == GAME_NULL) {
                // Null Ouvert at 46 wins over whatever came before.
                g_Game.OuvertAnnounced = 1;
                if (suggestSkat(false) == 46) {
                    best = 46;
                    bestType = GAME_NULL;
                    suffix = platform::LoadString(IDS_SUFFIX_OUVERT);
                }
                g_Game.OuvertAnnounced = 0;
            }
            const int r = suggestSkat(false);
            if (r > 0 && r > best) {
                best = r;
                bestType = t;
                suffix.clear();
            }
        }
        g_Game.SetGameType(type);
        g_Game.HandAnnounced = hand;
        g_Game.OuvertAnnounced = ouvert;
        g_Game.SchneiderAnnounced = schneider;
        g_Game.SchwarzAnnounced = schwarz;
        // 5. The lay-away for the game as it stands.
        const int result = suggestSkat(true);
        if (result == kLaidAway) {
            char value[16];
            std::snprintf(value, sizeof value, " (%d)", best);
            frame_.FrameTexts().SetStatusText(platform::LoadString(kSuggestionPrefix) +
                                       platform::LoadString(GameNameId(bestType)) + suffix + value);
        } else if (result == kNotRecommended || result == kOverbid) {
            const bool overbid = result == kOverbid && g_Game.OuvertAnnounced == ouvert;
            frame_.FrameTexts().SetStatusText(platform::LoadString(GameNameId(g_Game.GameType)) + "-" +
                                       platform::LoadString(overbid ? IDS_GAME_OVERBID : IDS_GAME_NOT_RECOMMENDED));
        }
        frame_.SetStatusPane(0, frame_.Texts().StatusText);
    }
    // 6. The estimation window following the person shows his sheet after the lay-away; the status
    //    window follows.
    frame_.FramePanels().RefreshEstimationOf(2);
    frame_.FramePanels().ShowGameStatusDialog();
    // 7. The boxes show the announcements.
    if (g_Game.GameType != GAME_RAMSCH) {
        if (CDeclareDialog* bar = OpenBarAs<CDeclareDialog>(frame_)) {
            bar->CheckDlgButton(kBoxSchneider, g_Game.SchneiderAnnounced && !g_Game.SchwarzAnnounced ? 1 : 0);
            bar->CheckDlgButton(kBoxSchwarz, g_Game.SchwarzAnnounced ? 1 : 0);
            const bool nullOrRevolution = g_Game.GameType == GAME_NULL || g_Game.GameType == GAME_REVOLUTION;
            bar->CheckDlgButton(kBoxOuvert, g_Game.OuvertAnnounced && !nullOrRevolution ? 1 : 0);
        }
    }
    // 8. The laid-away cards stay in the trick row, where the declaration takes them from.
    if (g_Game.DemoMode && !ramsch) frame_.SetTimer(TM_DEMO_DECLARE, g_Settings.Delay.Demo);
}
