// The person's mouse on the table: raising and lowering the bid display in the auction, picking,
// clicking and dragging cards of the exchange, the card under the mouse highlighted and named for
// the support option, and the paint test of the person's hand. Playing a card and choosing the
// next trick's cards have their own files.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FramePanels.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTexts.h"
#include "flow/MatchSeries.h"

#include "computer/evaluation/GameOption.h"
#include "computer/evaluation/VoidTable.h"
#include "dialogs/AuctionDialog.h"
#include "model/FlowGlobals.h"
#include "model/FlowStateNames.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/ids.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/Cursor.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "flow/FrameGlobals.h"
#include "flow/TableTextHelpers.h"
#include "tavlo/Tavlo.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr unsigned kVerboseFrame = LOG_MAINFRAME | LOG_VERBOSE;

// Every call from the view, with its point (verbose): the view's forwarding shows in the trace.
void TraceCall(const char* name, platform::Point point, const char* extra = "") {
    char text[96];
    std::snprintf(text, sizeof text, ":%s(x:%d:y:%d%s)", name, point.x, point.y, extra);
    WriteTrace(text, kVerboseFrame);
}

bool InAuctionState() {
    const int state = g_Game.FlowState;
    return state == STATE_AUCTION || state == STATE_OBSERVE || state == STATE_REPLY;
}

// Reason codes of the person's game option that say "18, do not pass it out".
bool SaysNotPassOut(int code) {
    static const int kCodes[] = {1304, 1405, 1406, 1408, 1504, 1510, 1512, 1515, 1517, 1519, 1602, 1608, 1611, 1617, 1701};
    return std::find(std::begin(kCodes), std::end(kCodes), code) != std::end(kCodes);
}

}  // namespace

// A press on the table: the reminder goes, the pause level drops; the balloon's id is returned.
int CMainFrame::CutPause() {
    const int old = g_Game.PauseLevel;
    const int balloon = old > 5 ? 6 : 5;
    g_Game.PauseLevel = 1;
    MatchSeries().StartPlayClock();
    if (WB_IsBalloonShown(g_Frame.hTableWnd, balloon)) WB_RemoveBalloon(g_Frame.hTableWnd, balloon);
    return old;
}

bool CMainFrame::LButtonDown(platform::Point point) {
    TraceCall("LButtonDown", point);
    // Step 1: a click ends the pause and its balloon.
    const int oldPause = CutPause();
    const bool continueOpen = ::IsWindow(Prompts().ContinuePrompt);
    const bool promptOpen = ::IsWindow(Prompts().PromptDialog);
    const int state = g_Game.FlowState;
    // Step 2: refused silently.
    if (Exchange().GroupPickedCards[3] > 0 || TrickPlay().PlayStep == 6 ||
        (state == STATE_PLAY &&
         (TrickPlay().PlayStep == 3 || (promptOpen && Prompts().PromptDialog != Prompts().KontraPrompt))))
        return continueOpen;
    // Step 3: the card groups open to a pick-up in this state.
    const int card = WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1);
    if (state != STATE_AUCTION) {
        const bool personOpen = state == STATE_ASK || state == STATE_QUERY || state == STATE_SWAP || state == STATE_PLAY;
        const bool computersOpen = state == STATE_SWAP;
        const bool open[4] = {true, computersOpen, computersOpen, personOpen};
        for (int group = 0; group < 4; ++group) {
            const bool pickable = open[group] && (Exchange().ActiveGroups & (1 << group)) && card > 0;
            CardExchange().PickCard(group, pickable && CardExchange().GroupRow(group).HasCard(card) ? card : 0);
        }
    }
    // Step 4: a card is taken.
    int takenGroup = -1;
    for (int group = 0; group < 4 && takenGroup < 0; ++group)
        if (Exchange().GroupPickedCards[group] > 0) takenGroup = group;
    if (takenGroup >= 0) {
        if (g_Settings.Options.Drag) {
            for (int group = 0; group < 4; ++group) CardExchange().GroupRow(group).SelectCard(5, 0, false);
            WC_InitDrag(g_Frame.hTableWnd, point.x, point.y, 0);
        } else if (state == STATE_PLAY && takenGroup == 3 &&
                   !GameObject().Person().IsSelectedCard(Exchange().GroupPickedCards[3])) {
            EditGameObject().SelectHandCard(2, 3, Exchange().GroupPickedCards[3], true);
        }
        const int seat = takenGroup == 0 ? 3 : takenGroup - 1;
        const int taken = Exchange().GroupPickedCards[takenGroup];
        const int suit = GetCardSuit(taken, true);
        char text[96];
        std::snprintf(text, sizeof text, ":LButtonDown(%s:%s:%s%s)", FlowStateName(state).c_str(), SeatName(seat),
                      suit >= 0 ? GetAbbreviation(2 * suit).c_str() : "", GetRankText(GetCardRank(taken)).c_str());
        WriteTrace(text, kVerboseFrame);
        return false;
    }
    // Step 5: a prompt waits for something else.
    if (promptOpen && !continueOpen) {
        if (InAuctionState()) {
            if (oldPause < 5) {
                if (card > 0) {
                    FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
                } else {
                    ShowBiddingValue();
                    if (CAuctionDialog* bar = OpenBarAs<CAuctionDialog>(*this)) bar->AlterBidDisplay(true);
                    SetStatusPane(0, platform::LoadString(IDS_STATUS_RAISE_BID));
                }
            }
        } else if (state == STATE_MANIPULATE) {
            FrameAudio().SetStatusText(IDS_SWAP_SKAT_FIRST);
            Sleep(1000);
        } else {
            FrameAudio().SetStatusText(IDS_ILLEGAL_SWAP_PARTNER);
        }
    }
    // Step 6: the table may drag the game file out.
    FrameTexts().ShowStatusForAWhile(platform::LoadString(IDS_DRAG_GAME_FILE));
    return true;
}

// "Reizen: " and the person's value of the game on the table, or "18 (Nicht einpassen)".
void CMainFrame::ShowBiddingValue() {
    if (!Texts().SavedStatusText.empty()) return;
    int value = 0, code = 0;
    const int type = g_Game.GameType;
    if (type >= 0 && type < GAME_OPTION_COUNT) {
        value = GameObject().Person().gameOptions[type][OPT_VALUE];
        code = GameObject().Person().gameOptions[type][OPT_RULE];
        if (g_Game.VariantMode == VARIANT_SKAT && code > RULE_OVERRIDE_FLAG) code -= RULE_OVERRIDE_FLAG;
    }
    std::string text = platform::LoadString(IDS_BIDDING);
    text += SaysNotPassOut(code) ? "18 (" + platform::LoadString(IDS_NOT_PASS_OUT) + ")" : std::to_string(value);
    FrameTexts().ShowStatusForAWhile(text);
}

void CMainFrame::LButtonUp(platform::Point point) {
    TraceCall("LButtonUp", point);
    const int state = g_Game.FlowState;
    WriteTrace(":LButtonUp(" + FlowStateName(state) + ")", kVerboseFrame);
    const bool continueOpen = ::IsWindow(Prompts().ContinuePrompt);
    const bool promptOpen = ::IsWindow(Prompts().PromptDialog);
    // The person's card prompt in play (the suggestion bar or the Kontra bar before the first card).
    const bool cardPrompt = promptOpen && Prompts().PromptDialog == Prompts().KontraPrompt;
    if (g_Settings.Options.Drag && promptOpen && !continueOpen) {
        if (state == STATE_ASK || state == STATE_QUERY) CardExchange().DragMove(point);
        else if (state == STATE_SWAP) CardExchange().ManipulateDragEnd(point);
        else if (state == STATE_PLAY && cardPrompt) FrameTrickPlay().DragPlay(point);
        else WC_UndoDrag(g_Frame.hTableWnd, g_Settings.Delay.Play);
    } else if (state == STATE_PLAY) {
        // The card is looked up 9 pixels higher: the press raised it by that much.
        const platform::Point raised{point.x, point.y - 9};
        if (!promptOpen) {
            if (g_Settings.Options.Drag) FrameTrickPlay().DragPlay(point);
            else if (!g_Settings.Options.Suggest) FrameTrickPlay().ClickPlay(raised);
        } else if (cardPrompt) {
            FrameTrickPlay().ClickPlay(raised);
        } else if (continueOpen) {
            FrameTrickPlay().ManipulateTrickCard(point);
        } else {
            FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        }
    } else if (state == STATE_ASK) {
        CardExchange().ManipulateClick(point);
        CardExchange().AfterExchange();
    } else if (state == STATE_QUERY) {
        CardExchange().ManipulateClick(point);
        CardExchange().AfterExchange();
    } else if (state == STATE_SWAP) {
        CardExchange().ManipulateClick(point);
    }
    // The picks live from the press to the release.
    if (!continueOpen)
        for (int group = 1; group < 4; ++group) CardExchange().PickCard(group, 0);
    CardExchange().PickCard(0, 0);
}

// After the person changed cards with the skat: in ASK the game suggestion follows (with the
// flow held, so no step goes on inside it); in QUERY the person's play is prepared again. The
// panels and the estimation window then show the new hand.
void CCardExchange::AfterExchange() {
    if (g_Game.FlowState == STATE_ASK) {
        const StopState stop = g_Game.StopFlag;
        g_Game.StopFlag = StopState::Requested;
        frame_.SendMessage(WM_COMMAND, CM_SUGGEST_GAME);
        g_Game.StopFlag = stop;
    } else if (g_Game.FlowState == STATE_QUERY) {
        game_.PersonThinks([](CPlayer& person) {
            person.AnalyseHand(0);
            person.PreparePlay();
        });
    }
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FramePanels().RefreshEstimationAfterExchange();
}

void CCardExchange::DragMove(platform::Point point) {
    const int dropped = WC_EndDrag(g_Frame.hTableWnd, point.x, point.y);
    frame_.MatchSeries().StartPlayClock();
    // A hand card goes onto a skat card, or a skat card onto a hand card.
    CCards& skat = GroupRow(0);
    CCards& hand = GroupRow(3);
    const int handCard = exchange_.GroupPickedCards[3], skatCard = exchange_.GroupPickedCards[0];
    const bool skatSlot = dropped > 0 && (dropped == skat.cards[0] || dropped == skat.cards[1]) && skat.HasCard(dropped);
    if (handCard > 0 && skatSlot) {
        SwapCards(handCard, hand, dropped, skat, true);
    } else if (skatCard > 0 && dropped > 0 && hand.HasCard(dropped)) {
        SwapCards(skatCard, skat, dropped, hand, true);
    } else {
        WC_UndoDrag(g_Frame.hTableWnd, g_Settings.Delay.Play);
        return;
    }
    AfterExchange();
    ReevaluateHands(g_Game.FlowState == STATE_ASK ? 4 : 0);
}

void CMainFrame::RButtonDown(platform::Point point, int dragEnter) {
    TraceCall("RButtonDown", point, dragEnter ? ",1" : ",0");
    const int card = WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1);
    const int oldPause = CutPause();
    if (!::IsWindow(Prompts().PromptDialog)) return;
    // A right click goes on with the next trick while the trick waits under its bar.
    if (g_Game.FlowState == STATE_PLAY && !dragEnter && Prompts().PromptDialog != Prompts().KontraPrompt) {
        CloseModelessDialog();
        FrameTrickPlay().OnNextTrick();
        return;
    }
    if (InAuctionState() && oldPause < 5) {
        if (card > 0) {
            FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        } else {
            if (CAuctionDialog* bar = OpenBarAs<CAuctionDialog>(*this)) bar->AlterBidDisplay(false);
            SetStatusPane(0, platform::LoadString(IDS_STATUS_LOWER_BID));
        }
    } else if (Prompts().PromptDialog == Prompts().ContinuePrompt) {
        FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
    }
}

// The hand while a card is held, or over a card the person may take now: the trick row and the
// computers' hands while the skat is exchanged or cards are swapped, his own hand then and in the
// play; each row only while it is open to a pick-up. The arrow elsewhere.
static bool PointsAtPickableCard(CMainFrame& frame, platform::Point point) {
    for (int group = 0; group < 4; ++group)
        if (frame.Exchange().GroupPickedCards[group] > 0) return true;
    const int state = g_Game.FlowState;
    const bool exchanging = state == STATE_SWAP || state == STATE_ASK || state == STATE_PICKUP;
    const bool personOpen = exchanging || state == STATE_PLAY;
    const bool open[4] = {exchanging, exchanging, exchanging, personOpen};
    const int card = WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1);
    if (card <= 0) return false;
    for (int group = 0; group < 4; ++group)
        if (open[group] && (frame.Exchange().ActiveGroups & (1 << group)) &&
            frame.CardExchange().GroupRow(group).HasCard(card))
            return true;
    return false;
}

void CMainFrame::MouseMove(platform::Point point) {
    TraceCall("MouseMove", point);
    // Step 1: the cursor.
    ::SetCursor(g_Frame.hTableWnd,
                ::LoadCursor(PointsAtPickableCard(*this, point) ? SYSTEM_CURSOR_HAND : SYSTEM_CURSOR_ARROW));
    // Step 2: a picked card follows the pointer in the row that holds it.
    for (int group = 0; group < 4; ++group) {
        if (Exchange().GroupPickedCards[group] <= 0) continue;
        const int over = CardExchange().GroupRow(group).DragCard(point.x, point.y);
        if (group == 3) {
            g_Game.PauseLevel = 0;
            MatchSeries().StartPlayClock();
            WB_RemoveBalloon(g_Frame.hTableWnd, 5);
            if (over > 0) g_Settings.Options.SupportSuspended = 1;
        }
        return;
    }
    // Step 3: off every card the highlight goes; over a card the support option names it.
    const int card = WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1);
    if (card == WC_NO_CARD_HERE) {
        if (TrickPlay().HighlightedCard > 0) WC_HighlightCard(g_Frame.hTableWnd, TrickPlay().HighlightedCard, 0);
        FrameTrickPlay().SetHighlightedCard(0);
        return;
    }
    if (g_Settings.Options.Support && !g_Settings.Options.SupportSuspended) AnnounceCardUnderMouse(card);
}

void CMainFrame::AnnounceCardUnderMouse(int card) {
    const int state = g_Game.FlowState;
    if (card <= 0 || card == TrickPlay().HighlightedCard || (state == STATE_PLAY && GameObject().Person().count == 0))
        return;
    // The rows whose cards the person may have named: what he sees face up.
    std::vector<const CCards*> rows;
    const int soloist = g_Game.Soloist;
    const bool computerSoloist = soloist == 0 || soloist == 1;
    if (g_Game.AllCardsOpen) {
        rows = {&GameObject(), &GameObject().Trick(), &*GameObject().Player(0), &*GameObject().Player(1),
                &GameObject().Person()};
    } else if (g_Game.GameType == GAME_REVOLUTION) {
        // The defenders see each other's cards while they exchange, the soloist's afterwards.
        if (state == STATE_SWAP && computerSoloist) rows.push_back(GameObject().Player(1 - soloist));
        else if (state != STATE_SWAP && computerSoloist) rows.push_back(GameObject().Player(soloist));
        rows.push_back(&GameObject());
    } else if (g_Game.OuvertAnnounced && computerSoloist) {
        rows.push_back(GameObject().Player(soloist));
        rows.push_back(&GameObject().Trick());
    }
    rows.push_back(&GameObject().Trick());
    rows.push_back(&GameObject().Person());
    if (g_Game.GameType == GAME_NONE && state == STATE_SWAP) {
        rows.push_back(&*GameObject().Player(0));
        rows.push_back(&*GameObject().Player(1));
    }
    if (state == STATE_IDLE && TrickPlay().CourseShown) {
        rows.push_back(&GameObject().CourseSkat());
        for (int seat = 0; seat < 3; ++seat) rows.push_back(&GameObject().CourseRow(seat));
    }
    if (std::none_of(rows.begin(), rows.end(), [card](const CCards* row) { return row->HasCard(card); })) return;
    // One card shines at a time: the one named before goes dark again.
    if (TrickPlay().HighlightedCard > 0) WC_HighlightCard(g_Frame.hTableWnd, TrickPlay().HighlightedCard, 0);
    WC_HighlightCard(g_Frame.hTableWnd, card, 1);
    FrameAudio().VoiceSupport(card, -1);
    FrameTrickPlay().SetHighlightedCard(card);
}

bool CMainFrame::IsPersonHandInvalid(const platform::Rect& update) {
    if (::IsWindow(Prompts().PromptDialog)) {
        if (update.top > EditGameObject().SlotPosition(TableRow::Person, 0).y) {
            EditGameObject().RelayoutRow(TableRow::Person, update);
            return false;
        }
        return true;
    }
    return update.bottom != 0;
}
