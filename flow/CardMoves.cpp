// Cards that change rows outside play: the animated exchange of two cards, the opening of an
// exchange for the person, the defenders' Revolution exchange and its suggestion, the click and
// drag pairing, and the groups, picks and keyboard focus that the other steps set.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAuction.h"
#include "flow/FrameAudio.h"
#include "flow/FrameDeclaration.h"
#include "flow/FramePanels.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"

#include "flow/GameObject.h"
#include "computer/evaluation/GameEvaluation.h"
#include "computer/evaluation/VoidTable.h"
#include "dialogs/SkatBars.h"
#include "model/FlowGlobals.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/ids.h"
#include "flow/PromptBars.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "flow/FrameGlobals.h"
#include "flow/TableTextHelpers.h"
#include "tavlo/Tavlo.h"

#include <algorithm>

namespace {

// The sound of a moving card (effect 6) when sounds and that effect are on.
void MoveSound() {
    const int sound = g_Settings.Audio.Sound;
    if ((sound >> 24 & 1) && (sound >> 12 & 1)) Sound_PlayInt(6, sound >> 13 & 1);
}

// Suit short name and rank text of a card ("Kz10").
std::string SuitRankText(int card) {
    const int suit = GetCardSuit(card, true);
    return (suit >= 0 ? GetAbbreviation(2 * suit) : std::string()) + GetRankText(GetCardRank(card));
}

}  // namespace

CCardExchange& CMainFrame::CardExchange() { return *exchange_; }
const ExchangeState& CMainFrame::Exchange() const { return exchange_->State(); }

CCards& CCardExchange::GroupRow(int group) { return game_.ExchangeRow(group); }

void CCardExchange::SetOpenGroups(int groups) { exchange_.ActiveGroups = groups; }
void CCardExchange::OpenGroups(int groups) { exchange_.ActiveGroups |= groups; }
void CCardExchange::PickCard(int group, int card) { exchange_.GroupPickedCards[group] = card; }
void CCardExchange::FocusKeyGroup(int group) { exchange_.KeyGroup = group; }
void CCardExchange::FocusLowerKeyGroup(int group) { exchange_.KeyFocusLowerGroup = group; }

void CCardExchange::ResetKeyGroups() {
    exchange_.KeyGroup = 1;
    exchange_.KeyGroupMask = 7;
}

void CCardExchange::ForgetDragCard() { exchange_.DragCard = 0; }

void CCardExchange::SwapCards(int cardA, CCards& rowA, int cardB, CCards& rowB, bool dragged) {
    // Step 1: the two cards in the trace.
    WriteTrace(":SwapCards(" + frame_.CardOwnerName(cardA, 0) + ":" + SuitRankText(cardA) + ":" +
                   frame_.CardOwnerName(cardB, 0) + ":" + SuitRankText(cardB) + ")",
               LOG_MAINFRAME);
    // Steps 2 and 3: no pause, and neither row keeps a raised card.
    g_Game.PauseLevel = 0;
    rowA.SelectCard(5, 0, false);
    rowB.SelectCard(5, 0, false);
    // Step 4: where both lie and what lies above them.
    const HWND table = g_Frame.hTableWnd;
    const int bx = WC_GetCardX(table, cardB), by = WC_GetCardY(table, cardB);
    const int ax = WC_GetCardX(table, cardA), ay = WC_GetCardY(table, cardA);
    const int aboveB = WC_GetSuccCardDealt(table, cardB, 0, 0);
    const int aboveA = dragged ? WC_GetSuccCardDragged(table) : WC_GetSuccCardDealt(table, cardA, 0, 0);
    // Step 5: both cards must be in their rows.
    const int slotA = rowA.FindCard(cardA);
    const int slotB = rowB.FindCard(cardB);
    if (slotA < 0 || slotB < 0) return;
    // Steps 6 and 7: the two cards change rows at their slots.
    rowA.RemoveCard(slotA, true);
    MoveSound();
    rowB.RemoveCard(slotB, true);
    MoveSound();
    rowA.SetCard(slotA, cardB);
    rowB.SetCard(slotB, cardA);
    // Step 8: each glides from the other's place.
    rowA.DealSlot(slotA, bx, by, frame_.Declaration().SwapAnimation, true);
    MoveSound();
    rowB.DealSlot(slotB, ax, ay, frame_.Declaration().SwapAnimation, true);
    MoveSound();
    // Step 9: each takes the other's place in the stacking.
    WC_OrderCard(table, cardB, aboveA);
    WC_OrderCard(table, cardA, aboveB);
    // Step 10: what is known of the two cards changes places with them.
    SwapCardLocations(cardA, cardB);
    g_Game.PauseLevel = 0;
}

void CCardExchange::SwapCardsPerson(bool skat, bool seat0, bool seat1, bool seat2, int mode) {
    // Step 1: no group takes part yet; whether the skat lay open is kept.
    WriteTrace(":SwapCardsPerson()", LOG_MAINFRAME);
    exchange_.ActiveGroups = 0;
    const bool moveSkat = (mode & 1) != 0;
    // Step 2: the skat takes part, moved to the trick's place when asked.
    if (skat) {
        if (moveSkat) frame_.FrameDeclaration().MoveSkatToTrick();
        exchange_.ActiveGroups |= 1;
    }
    // Step 3: the computers' hands open for the exchange.
    const bool takesPart[2] = {seat0, seat1};
    for (int seat = 0; seat < 2; ++seat) {
        if (!takesPart[seat]) continue;
        if (moveSkat) game_.OpenAndRedrawHand(seat);
        exchange_.ActiveGroups |= 2 << seat;
    }
    // Step 4: with only the skat to move, no exchange starts.
    if (mode == 1) return;
    // Step 5: the person's hand takes part.
    if (seat2) exchange_.ActiveGroups |= 8;
    // Step 6: the exchange starts; the keys walk all four groups.
    frame_.SetFlowState(STATE_SWAP);
    exchange_.KeyGroupFirst = 1;
    exchange_.KeyGroupLast = 8;
    mode &= ~1;
    // Step 7: the bar that ends the exchange.
    if (mode == 2) OpenPromptBar<CEndSwapGameDialog>(frame_);
    else OpenPromptBar<CEndSwapRevolutionDialog>(frame_);
    if (::IsWindow(frame_.Prompts().PromptDialog)) ::SetFocus(frame_.Prompts().PromptDialog);
}

void CCardExchange::SwapCardsOpponents(bool skatInTrick, int seat0, int seat1, int seat2) {
    // Step 1: the rows in the trace.
    const std::string skatName = skatInTrick ? frame_.GameObject().Trick().name : frame_.GameObject().name;
    WriteTrace(
        ":SwapCardsOpponents(" + skatName + ":" + frame_.GetPlayerName(seat0) + ":" + frame_.GetPlayerName(seat1) + ")",
        LOG_MAINFRAME | LOG_VERBOSE);
    // Steps 2 to 4: the order in which the defenders are handed over; the rows are laid out again
    // and the defenders look at their new hands.
    const int soloist = g_Game.Soloist, forehand = g_Game.Forehand;
    const bool seat0First = (soloist == 2 && forehand == 0) || (soloist == 0 && forehand == 2) ||
                            (soloist == 1 && forehand == 0);
    game_.SwapOpponentCards(
        skatInTrick, seat0, seat1, seat2, seat0First,
        [](CCards& skat, CPlayer& first, CPlayer& second, CPlayer& soloist) {
            CPlayer scratch("", 22, false, 3);
            scratch.SwapOpponentCards(skat, first, second, soloist);
        },
        LookAtNewHand);
}

void CCardExchange::OnRevolution() {
    frame_.CloseModelessDialog();
    // Steps 1 to 3: the exchange's notice goes, and the cards in the trick go back to the skat.
    frame_.FrameTable().MoveExtraText(0, IDS_NOTICE_SWAP_DECLARE, 0, nullptr, nullptr);
    frame_.FrameAudio().SoundEffect(SOUND_REMOVE_CARDS, false);
    frame_.FrameDeclaration().MoveTrickToSkat();
    // Steps 4 and 5: the computer soloist's hand is laid out again, his partner's closes; both
    // defenders look at their new hands.
    game_.CloseRevolutionExchange(g_Game.Soloist == 0 ? 0 : 1, LookAtNewHand);
    // Step 6: the play starts.
    WriteTrace(":OnRevolution()", LOG_MAINFRAME);
    frame_.SetFlowState(STATE_PLAY);
    // Step 7: the data and status windows, the history, and the first trick.
    frame_.FramePanels().ShowDataDialog(0, 1);
    frame_.FramePanels().ShowGameStatusDialog();
    frame_.FrameTrickPlay().InitHistory();
    frame_.FrameTrickPlay().OnPlay();
}

void CCardExchange::OnSuggestExchange() {
    frame_.SetPause(1);
    // Only inside the Revolution exchange; anywhere else nothing moves.
    if (g_Game.FlowState != STATE_SWAP || g_Game.GameType != GAME_REVOLUTION || g_Game.Soloist < 0 ||
        g_Game.Soloist > 2) {
        WriteTrace(":OnSuggestExchange(refused)", LOG_MAINFRAME);
        return;
    }
    if (g_Game.Soloist == 0) SwapCardsOpponents(true, 2, 1, 0);
    else SwapCardsOpponents(true, 0, 2, 1);
    if (g_Game.DemoMode)
        frame_.SetTimer(TM_DEMO_FINISH_OR_PLAY, static_cast<unsigned>(std::max(0, g_Settings.Delay.Demo)));
}

bool CCardExchange::FindClickedGroup(int card, int group, CCards*& row, CCards*& partnerRow, int& partnerCard,
                                     bool& noOtherSelection) {
    if (card < 1 || exchange_.GroupPickedCards[group] != card) return false;
    row = &GroupRow(group);
    partnerRow = nullptr;
    partnerCard = 0;
    for (int step = 1; step < 4 && !partnerRow; ++step) {
        CCards& other = GroupRow((group + step) % 4);
        const int selected = other.GetSelectedCard();
        if (selected > 0) {
            partnerRow = &other;
            partnerCard = selected;
        }
    }
    noOtherSelection = partnerRow == nullptr;
    return true;
}

bool CCardExchange::FindCardGroup(int dropped, int group, int& picked, CCards*& row, CCards*& partnerRow) {
    picked = exchange_.GroupPickedCards[group];
    if (picked < 1 || picked == dropped) return false;
    row = &GroupRow(group);
    partnerRow = nullptr;
    for (int step = 1; step < 4 && !partnerRow; ++step) {
        const int other = (group + step) % 4;
        if ((exchange_.ActiveGroups & (1 << other)) && GroupRow(other).HasCard(dropped)) partnerRow = &GroupRow(other);
    }
    return true;
}

void CCardExchange::ReevaluateHands(int soloistMode) {
    frame_.FrameAuction().EvaluateBidLimits(soloistMode);
}

void CCardExchange::ManipulateClick(platform::Point point) {
    // Steps 1 and 2: the clicked card must be the one picked in its group.
    const int card = WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1);
    CCards* row = nullptr;
    CCards* partnerRow = nullptr;
    int partnerCard = 0, group = -1;
    bool noOtherSelection = false;
    for (int g = 0; g < 4 && group < 0; ++g)
        if (FindClickedGroup(card, g, row, partnerRow, partnerCard, noOtherSelection)) group = g;
    // Step 3: a card that is in no group is not allowed.
    if (group < 0) {
        frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    // Step 4: the same card again lifts it.
    if (row->IsSelectedCard(card)) {
        row->SelectCard(4, 0, true);
        return;
    }
    // Step 5: the first card of a pair is raised.
    if (noOtherSelection) {
        const bool skatCard =
            card == frame_.GameObject().Trick().cards[0] || card == frame_.GameObject().Trick().cards[1];
        if (g_Game.FlowState == STATE_QUERY && GetCardRank(card) == JACK && !skatCard) {
            frame_.FrameAudio().SetStatusText(IDS_RAMSCH_JACK_IN_SKAT);
            return;
        }
        row->SelectCard(3, card, true);
        return;
    }
    // Step 6: the pair changes places.
    frame_.FrameDeclaration().UseSlowSwapSlide();
    SwapCards(card, *row, partnerCard, *partnerRow, false);
    frame_.FrameDeclaration().UseUsualSwapSlide();
    if (!g_Flow.SkatSwapOption)
        for (int g = 0; g < 4; ++g)
            if (&GroupRow(g) == partnerRow) exchange_.GroupPickedCards[g] = partnerCard;
    // Step 7: the soloist's hand is looked at with the skat while he exchanges.
    ReevaluateHands(g_Game.FlowState == STATE_ASK ? 4 : 0);
}

void CCardExchange::ManipulateDragEnd(platform::Point point) {
    // Step 1: a drop on no card changes nothing.
    const int dropped = WC_EndDrag(g_Frame.hTableWnd, point.x, point.y);
    if (dropped == WC_NO_DROP_TARGET) return;
    // Step 2: the group of the dropped card.
    CCards* row = nullptr;
    CCards* partnerRow = nullptr;
    int picked = 0;
    bool found = false;
    for (int g = 0; g < 4 && !found; ++g) found = FindCardGroup(dropped, g, picked, row, partnerRow);
    // Step 3: a card dropped on a card of the partner group changes places with it.
    if (found && partnerRow) {
        SwapCards(picked, *row, dropped, *partnerRow, true);
        ReevaluateHands(0);
        return;
    }
    // Step 4: the card glides back.
    WC_UndoDrag(g_Frame.hTableWnd, g_Settings.Delay.Play);
    if (row) row->SelectCard(5, 0, false);
    frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
}
