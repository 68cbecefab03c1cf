#include "computer/evaluation/SkatExchange.h"

#include "computer/evaluation/ComputerState.h"
#include "computer/evaluation/FrameServices.h"
#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/HandInfo.h"
#include "model/PlayerData.h"
#include "model/Skat.h"

void CPlayer::SwapCards(int handIndex, CCards& other, int otherIndex, bool animate) {
    if (handIndex < 0 || handIndex >= static_cast<int>(cards.size()) || otherIndex < 0 ||
        otherIndex >= static_cast<int>(other.cards.size()))
        return;
    const int handCard = cards[handIndex];
    const int otherCard = other.cards[otherIndex];
    if (animate && g_ComputerFrame.SwapCards) {
        g_ComputerFrame.SwapCards(handCard, *this, otherCard, other);
    } else {
        cards[handIndex] = otherCard;
        other.cards[otherIndex] = handCard;
    }
    ClearCardLocation(cards[handIndex]);
    SetCardLocation(other.cards[otherIndex], CARD_IN_SKAT);
}

void CPlayer::TakeSkatCounts(const CCards& skat) {
    for (int place = 0; place < 2; ++place) {
        const int card = place < static_cast<int>(skat.cards.size()) ? skat.cards[place] : NO_CARD;
        cards[10 + place] = card;
        if (IsCardCode(card) && GetCardRank(card) == JACK) ++handInfo.JackCount;
    }
}

void ExchangeDiscardResult(CPlayer& player, CCards& skat, bool animate) {
    const int i1 = g_Computer.Discard.DiscardResult[0].Index;
    const int i2 = g_Computer.Discard.DiscardResult[1].Index;
    if (i1 >= 0 && i1 < 10) player.SwapCards(i1, skat, i2 < 10 ? 0 : 11 - i2, animate);
    if (i2 >= 0 && i2 < 10) player.SwapCards(i2, skat, i1 < 10 ? 1 : 11 - i1, animate);
    if (g_ComputerFrame.Game) g_ComputerFrame.Game->CheckCardInvariant();
}
