// The declaration bar's preselection: the game the evaluation rates best for the person gets the
// focus, its announcements are ticked, and the announcement flags follow the boxes.
#include "flow/FrameDeclaration.h"
#include "flow/MainFrame.h"

#include <cstdlib>

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/HandAnalysis.h"
#include "dialogs/DeclareDialog.h"
#include "model/FlowGlobals.h"
#include "flow/PromptBars.h"
#include "model/BidLadder.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Settings.h"
#include "model/Skat.h"
#include "platform/core/WindowApi.h"
#include "flow/FrameGlobals.h"

namespace {

constexpr int kBoxOuvert = 1022;
constexpr int kBoxSchwarz = 1027;
constexpr int kBoxSchneider = 1045;
constexpr int kNullOuvertButton = 1021;
// The game button of each option: Clubs..Diamonds, Null, Revolution, Grand, Ramsch, none.
constexpr int kGameButtons[GAME_OPTION_COUNT] = {1016, 1017, 1018, 1019, 1020, 1025, 1023, 1021, 0};
constexpr int kSuitBaseValues[4] = {12, 11, 10, 9};

}  // namespace

void CFrameDeclaration::SelectGame(int mode) {
    // 1. The matadors are counted as for a Clubs game.
    g_Game.SetGameType(GAME_CLUBS);
    const int matadors = GetMatadors(frame_.GameObject().Person(), GAME_CLUBS);
    // 2. The evaluation writes announcements as it goes; here the boxes decide them.
    const int ouvert = g_Game.OuvertAnnounced, schneider = g_Game.SchneiderAnnounced, schwarz = g_Game.SchwarzAnnounced;
    int(*options)[OPT_FIELD_COUNT] =
        mode == 4 ? game_.PersonThinksOnSkat(
                        true, [](CPlayer& person, CCards& skat) { return person.SuggestGame(4, skat); })
                  : game_.PersonThinks([mode](CPlayer& person) { return person.ChooseGame(mode); });
    g_Game.OuvertAnnounced = ouvert;
    g_Game.SchneiderAnnounced = schneider;
    g_Game.SchwarzAnnounced = schwarz;
    // 3. The boxes are ticked only with the suggestion on.
    if (!g_Settings.Options.Suggest) return;
    // 4. The most promising option that reaches the bid; Grand and Revolution at 60 % win whatever
    // the score.
    const int bid = BidValue(g_Game.BidIndex);
    int best = 0, chosen = -1, threshold = 0;
    for (int i = 0; i < GAME_OPTION_COUNT; ++i) {
        int* option = options[i];
        const int hand = option[OPT_HAND] || g_Game.HandAnnounced ? 1 : 0;
        int score = option[OPT_PROBABILITY] + hand;
        if (i <= GAME_DIAMONDS) {
            score += option[OPT_OUVERT] + option[OPT_SCHNEIDER] + option[OPT_SCHWARZ] +
                     (option[OPT_SUIT_COUNT] + option[OPT_JACK_COUNT] > 5 ? 1 : 0);
            threshold = (std::abs(matadors) + hand) * kSuitBaseValues[i];
        } else if (i == GAME_NULL && option[OPT_BASE] == 23) {
            if (bid > 23) {
                option[OPT_OUVERT] = 1;
                option[OPT_BASE] = 46;
            }
            threshold = g_Game.HandAnnounced && bid <= 35 ? 35 : 59;
        }
        if (option[OPT_BASE] <= 0 || (option[OPT_VALUE] < bid && threshold < bid)) continue;
        if (score > best || ((i == GAME_GRAND || i == GAME_REVOLUTION) && option[OPT_PROBABILITY] >= 60)) {
            chosen = i;
            best = score;
        }
    }
    CDeclareDialog* bar = OpenBarAs<CDeclareDialog>(frame_);
    // 5. With no option chosen, or no bar, the focus goes back to the table.
    if (chosen < 0 || !bar) {
        ::SetFocus(g_Frame.hTableWnd);
        return;
    }
    // 6. A box the rules have disabled is never ticked.
    const auto tick = [bar](int id, bool on) {
        if (!on || ::IsWindowEnabled(::GetDlgItem(bar->Handle(), id))) bar->CheckDlgButton(id, on ? 1 : 0);
    };
    const int* option = options[chosen];
    int button = kGameButtons[chosen];
    if (chosen == GAME_NULL || chosen == GAME_REVOLUTION) {
        tick(kBoxOuvert, false);
        if (chosen == GAME_NULL && option[OPT_OUVERT]) button = kNullOuvertButton;
    } else if (chosen != GAME_RAMSCH) {
        if (option[OPT_SCHNEIDER]) tick(kBoxSchneider, true);
        if (option[OPT_SCHWARZ]) {
            tick(kBoxSchwarz, true);
            tick(kBoxSchneider, false);
        }
        if (option[OPT_OUVERT]) {
            tick(kBoxOuvert, true);
            if (g_Game.VariantMode == VARIANT_OFFICIAL || (g_Game.VariantMode == VARIANT_SKAT && g_Settings.Variants.Ouvert == 3)) {
                tick(kBoxSchneider, false);
                tick(kBoxSchwarz, false);
            }
        }
    }
    // The announcement flags are what the boxes show.
    g_Game.OuvertAnnounced = bar->IsDlgButtonChecked(kBoxOuvert) ? 1 : 0;
    g_Game.SchneiderAnnounced = bar->IsDlgButtonChecked(kBoxSchneider) ? 1 : 0;
    g_Game.SchwarzAnnounced = bar->IsDlgButtonChecked(kBoxSchwarz) ? 1 : 0;
    // 7. The chosen game's button takes the focus.
    g_Flow.ChosenButton = button;
    ::SendMessage(bar->Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(bar->Handle(), button)), 1);
}
