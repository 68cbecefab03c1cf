// Small aids of the play: the switch for highlighting and speaking the card under the mouse, the
// suggested exchange of a Revolution game, laying the soloist's cards open once the rest is safe,
// and the Kontra advice before the person's first card.
#include "flow/MainFrame.h"
#include "flow/TrickPlay.h"
#include "flow/MatchSeries.h"

#include <algorithm>
#include <string>

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/KontraDecision.h"
#include "computer/play/EarlyFaceUp.h"
#include "computer/play/GrandPlay.h"
#include "computer/play/NullPlay.h"
#include "computer/play/SuitSoloistPlay.h"
#include "dialogs/HelpToggle.h"
#include "model/FlowGlobals.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"
#include "flow/PromptBars.h"
#include "flow/RuleButton.h"
#include "flow/TableState.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "resources/CommandIds.h"

void CTrickPlay::OnSupport() {
    auto& options = g_Settings.Options;
    // While suspended the support counts as off: the first use switches it on.
    const bool effective = options.Support && !options.SupportSuspended;
    options.SupportSuspended = 0;
    options.Support = effective ? 0 : 1;
    if (frame_.Table().MainMenu) frame_.Table().MainMenu->CheckItem(ID_SUPPORT, options.Support != 0);
}

void CTrickPlay::CheckEarlyFaceUp() {
    if (!g_Settings.Settings.Safe || !g_ComputerFrame.FaceUpAnnouncePending) return;
    const int forehand = g_Game.Forehand;
    const CPlayer* leader = frame_.GameObject().Player(forehand);
    if (!leader) return;
    if (forehand != g_Game.Soloist && !leader->IsDurchmarschAim()) return;
    switch (g_Game.GameType) {
        case GAME_CLUBS:
        case GAME_SPADES:
        case GAME_HEARTS:
        case GAME_DIAMONDS: game_.Think(forehand, [](CPlayer& p) { CSuitSoloistPlay(p).EarlyFaceUpSuit(); }); break;
        case GAME_GRAND: game_.Think(forehand, [](CPlayer& p) { CGrandPlay(p).EarlyFaceUpGrand(); }); break;
        case GAME_RAMSCH:
            game_.Think(forehand, [](CPlayer& p) { CGrandPlay(p).EarlyFaceUpGrand(); });
            if (g_Game.OuvertAnnounced)
                for (int seat = 0; seat < 3; ++seat) game_.LinkPartner(seat, forehand);
            break;
        default: break;  // Null and Revolution are never laid open early
    }
    // The game_'s line names the seat that laid its cards open first.
    if (g_Game.EarlyFaceUp == 1) frame_.MatchSeries().NoteFaceUp(g_Game.Forehand);
}

void CTrickPlay::LayDownCards(int seat, int card) {
    // Not while a suggestion is being worked out, only with the setting, and only a rest the
    // defenders can no longer force a trick on.
    if (g_ComputerFrame.CardAutoPlayFlag || !g_Settings.Settings.Safe ||
        !game_.Think(seat, [card](CPlayer& player) { return CNullPlay(player).EvaluateNullFollow(card, -1); }))
        return;
    if (g_Game.GameType != GAME_REVOLUTION) AnnounceFaceUp(seat);
    game_.LayDownHand(seat);
    if (g_Game.OuvertAnnounced == 0) g_Game.OuvertAnnounced = 2;
}

void CTrickPlay::AdviseKontra() {
    if (!::IsWindow(frame_.Prompts().PromptDialog) || !game_.PersonThinks([](CPlayer& person) { return CKontraDecision(person).DecideKontra(); })) return;
    // With suggestions the rule behind the advice is named on the bar and is the rule help's topic.
    if (g_Settings.Options.Suggest) {
        const int rule = frame_.GameObject().Person().GetRuleNumber();
        AppendToRuleButton(frame_.Prompts().PromptDialog, rule);
        g_Flow.RuleHelpTopic = RuleHelpTopic(rule);
    }
    const HWND kontra = ::GetDlgItem(frame_.Prompts().PromptDialog, IDC_KONTRA);
    if (::IsWindow(kontra)) ::SendMessage(frame_.Prompts().PromptDialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(kontra), 1);
}

void CTrickPlay::SetHighlightedCard(int card) { trickPlay_.HighlightedCard = card; }

void CTrickPlay::ForgetSelectedSlot() { trickPlay_.SelectedSlot = -1; }

void CTrickPlay::StartAutoComplete() { trickPlay_.AutoComplete = 1; }

void CTrickPlay::EndAutoComplete() { trickPlay_.AutoComplete = 0; }
