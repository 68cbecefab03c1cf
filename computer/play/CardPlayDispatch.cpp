// The one way a computer seat plays a card: ServeCard asks the dispatcher for the card of the
// game type, the seat's role and the trick position, then moves it from the hand into the trick on
// the table. The same dispatcher suggests a card to the person without playing it.
#include "computer/play/CardPlayDispatch.h"

#include "computer/play/GrandPlay.h"
#include "computer/play/NullPlay.h"
#include "computer/play/RamschPlay.h"
#include "computer/play/SuitDefenderPlay.h"
#include "computer/play/SuitSoloistPlay.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"

#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/VoidTable.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/TableServices.h"
#include "model/Trace.h"
#include "model/Trick.h"
#include "tavlo/Tavlo.h"

#include <string>

namespace {

// The card lying in a trick place, -1 for an empty place or no trick.
int TrickCardOf(const CTrick* trick, int seat) {
    if (!trick || seat < 0 || seat > 2 || seat >= trick->capacity) return NO_CARD;
    if (!trick->present[seat]) return NO_CARD;
    return trick->cards[seat];
}

// The rank text of the trace line ("A", "7" ... "10", "B", "D", "K"), two characters a rank as in
// the rank string both editions share.
std::string RankText(int rank) {
    if (rank < 0 || rank > 7) return {};
    const std::string ranks = "A 7 8 9 10B D K ";
    const std::size_t at = static_cast<std::size_t>(2 * rank);
    if (at >= ranks.size()) return {};
    std::string text = ranks.substr(at, 2);
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void TraceServe(const std::string& text) { WriteTrace("CPlayer::ServeCard(" + text + ")", LOG_PLAYER); }

}  // namespace

void CPlayer::ServeCard(CTrick* trick) {
    if (!trick) return;
    // 1. Kontra and Rekontra before this card: the message of the state as it stood, then the
    //    computers' own announcements.
    const int kontraState = g_Game.KontraState;
    if (g_ComputerFrame.ShowKontraMessage) g_ComputerFrame.ShowKontraMessage(kontraState, seat, name);
    if (g_ComputerFrame.AskComputersKontra) g_ComputerFrame.AskComputersKontra(seat, g_Game.Soloist);

    // 2. The strategy's card (an empty hand serves nothing).
    const int leader = g_Game.TrickWinner;
    int card = NO_CARD;
    if (count > 0)
        card = ServeCardDispatch(trick->count, TrickCardOf(trick, leader), TrickCardOf(trick, (leader + 1) % 3));
    // 3. No card, or one no longer in the hand (the last line of defence; the strategies'
    //    closing check already replaces such a card): nothing is played.
    const int slot = IsCardCode(card) ? FindCard(card) : -1;
    if (slot < 0 || !present[slot] || seat < 0 || seat > 2) {
        if (IsTraceOn(LOG_PLAYER)) TraceServe(name + ":none");
        return;
    }
    // 4. Where the card lies in the hand before it leaves.
    HWND table = g_TableServices.Window();
    const int x = WC_GetCardX(table, card);
    const int y = WC_GetCardY(table, card);
    // 5. The trace text (player, suit, rank) is built with the trace line, in step 9.
    // 6. The card's sound.
    if (g_ComputerFrame.SoundEffect) g_ComputerFrame.SoundEffect(SOUND_CARD_PLAYED, false);
    // 7. From the hand into this seat's trick place, marked played.
    PlayCard(slot);
    SetCardLocation(card, CARD_PLAYED);
    trick->SetCard(seat, card);
    trick->DealSlot(seat, x, y, 2, true);
    // 8. Stacked with its neighbour in the trick.
    const auto stack = [table](int below, int above) {
        if (IsCardCode(below)) WC_OrderCard(table, below, IsCardCode(above) ? above : 0);
    };
    if (seat == 0)
        stack(card, TrickCardOf(trick, 1));
    else if (seat == 1)
        stack(TrickCardOf(trick, 0), card);
    else
        stack(TrickCardOf(trick, 1), card);
    // 9. The trace line; its text only when a trace is written (this runs for every card).
    if (IsTraceOn(LOG_PLAYER))
        TraceServe(name + ":" + GetAbbreviation(2 * GetCardSuit(card, true)) + RankText(GetCardRank(card)));
}

int CPlayer::ChooseCardForTrick(CTrick* trick) {
    if (!trick || count <= 0) return NO_CARD;
    const int leader = g_Game.TrickWinner;
    return ServeCardDispatch(trick->count, TrickCardOf(trick, leader), TrickCardOf(trick, (leader + 1) % 3));
}

StrategyChoice ChooseStrategy(const CPlayer& player, int position) {
    StrategyChoice choice;
    // 1. The soloist follows this seat in playing order.
    choice.soloistNext = (player.seat + 1) % 3 == g_Game.Soloist;
    // 2. No strategy without a game (-1) or for Durchmarsch (8), nor outside the three places.
    const unsigned type = static_cast<unsigned>(g_Game.GameType);
    if (type > 7 || position < 0 || position > 2) return choice;
    // 3. Role: soloist or defender; in Ramsch the Durchmarsch aim.
    const bool soloist = type == GAME_RAMSCH ? player.durchmarschAim != 0 : player.seat == g_Game.Soloist;
    int family = 0;
    if (type <= 3)
        family = soloist ? SUIT_SOLOIST_LEAD : SUIT_OPPONENT_LEAD;
    else if (type == GAME_NULL || type == GAME_REVOLUTION)
        family = soloist ? NULL_SOLOIST_LEAD : NULL_OPPONENT_LEAD;
    else if (type == GAME_GRAND)
        family = soloist ? GRAND_SOLOIST_LEAD : GRAND_OPPONENT_LEAD;
    else
        family = soloist ? DURCHMARSCH_LEAD : RAMSCH_LEAD;
    choice.strategy = family + position;
    return choice;
}

int CPlayer::ServeCardDispatch(int position, int c1, int c2) {
    const StrategyChoice choice = ChooseStrategy(*this, position);
    if (choice.strategy == STRATEGY_NONE) return NO_CARD;
    trickLeadCard = position == 0 ? NO_CARD : c1;
    const bool f = choice.soloistNext;
    switch (choice.strategy) {
        case GRAND_SOLOIST_LEAD: return CGrandPlay(*this).PlayGrandSoloistLead();
        case GRAND_SOLOIST_SECOND: return CGrandPlay(*this).PlayGrandSoloistSecond(c1);
        case GRAND_SOLOIST_THIRD: return CGrandPlay(*this).PlayGrandSoloistThird(c1, c2);
        case GRAND_OPPONENT_LEAD: return CGrandPlay(*this).PlayGrandOpponentLead(f);
        case GRAND_OPPONENT_SECOND: return CGrandPlay(*this).PlayGrandOpponentSecond(f, c1);
        case GRAND_OPPONENT_THIRD: return CGrandPlay(*this).PlayGrandOpponentThird(f, c1, c2);
        case SUIT_SOLOIST_LEAD: return CSuitSoloistPlay(*this).PlaySuitSoloistLead();
        case SUIT_SOLOIST_SECOND: return CSuitSoloistPlay(*this).PlaySuitSoloistSecond(c1);
        case SUIT_SOLOIST_THIRD: return CSuitSoloistPlay(*this).PlaySuitSoloistThird(c1, c2);
        case SUIT_OPPONENT_LEAD: return CSuitDefenderPlay(*this).PlaySuitOpponentLead(f);
        case SUIT_OPPONENT_SECOND: return CSuitDefenderPlay(*this).PlaySuitOpponentSecond(f, c1);
        case SUIT_OPPONENT_THIRD: return CSuitDefenderPlay(*this).PlaySuitOpponentThird(f, c1, c2);
        case NULL_SOLOIST_LEAD: return CNullPlay(*this).PlayNullSoloistLead();
        case NULL_SOLOIST_SECOND: return CNullPlay(*this).PlayNullSoloistSecond(c1);
        case NULL_SOLOIST_THIRD: return CNullPlay(*this).PlayNullSoloistThird(c1, c2);
        case NULL_OPPONENT_LEAD: return CNullPlay(*this).PlayNullOpponentLead(f);
        case NULL_OPPONENT_SECOND: return CNullPlay(*this).PlayNullOpponentSecond(f, c1);
        case NULL_OPPONENT_THIRD: return CNullPlay(*this).PlayNullOpponentThird(f, c1, c2);
        case RAMSCH_LEAD: return CRamschPlay(*this).PlayRamschLead();
        case RAMSCH_SECOND: return CRamschPlay(*this).PlayRamschSecond(c1);
        case RAMSCH_THIRD: return CRamschPlay(*this).PlayRamschThird(c1, c2);
        case DURCHMARSCH_LEAD: return CRamschPlay(*this).PlayDurchmarschLead();
        case DURCHMARSCH_SECOND: return CRamschPlay(*this).PlayDurchmarschSecond(c1);
        case DURCHMARSCH_THIRD: return CRamschPlay(*this).PlayDurchmarschThird(c1, c2);
    }
    // ChooseStrategy names only the strategies above.
    return NO_CARD;
}
