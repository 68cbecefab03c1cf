#pragma once
// A game dealt from fixed hands on the headless host: the hands go into the cards assignment's
// store form and are dealt as the person's "play this deal again" deals them, so everything after
// the deal (the evaluation, the auction, the play) is the program's own.

#include "flow/FlowFixture.h"
#include "flow/MatchSeries.h"

#include "flow/FrameGlobals.h"
#include "match/StoreRows.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "support/CardNames.h"
#include "model/CardCodes.h"
#include "platform/headless/HeadlessHost.h"
#include "tavlo/Tavlo.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

// A deal in the store's form: the named cards of seat 0, seat 1, the person and the skat, each
// row filled up from the cards nobody named, in the deck's order (rows of 10, 10, 10 and 2).
inline std::array<int, 40> FixedDeal(std::initializer_list<const char*> named) {
    std::vector<std::vector<int>> rows;
    std::vector<bool> used(53, false);
    for (const char* text : named) {
        rows.push_back(CardsOf(text));
        for (int card : rows.back()) used[static_cast<std::size_t>(card)] = true;
    }
    rows.resize(4);
    std::vector<int> rest;
    for (int card = 1; card <= 52; ++card)
        if (IsCardCode(card) && !used[static_cast<std::size_t>(card)]) rest.push_back(card);
    std::size_t next = 0;
    for (std::size_t row = 0; row < 4; ++row)
        while (rows[row].size() < (row < 3 ? 10u : 2u) && next < rest.size()) rows[row].push_back(rest[next++]);
    std::array<int, 40> deal{};
    deal[DEAL_GAME] = 1;
    int at = DEAL_HAND_0;
    for (std::size_t row = 0; row < 3; ++row)
        for (int card : rows[row]) deal[static_cast<std::size_t>(at++)] = card;
    deal[DEAL_SKAT] = rows[3][0];
    deal[DEAL_SKAT + 1] = rows[3][1];
    return deal;
}

class FixedDealFixture : public FlowFixture {
protected:
    // Starts the program and deals the fixed hands with the given forehand under the rule set.
    // Under the Ramsch-only rules the dealt game waits at START (as DealAndHold's does) and a
    // test may run its own auction; under the others the auction begins at once.
    void DealFixed(const std::array<int, 40>& deal, int leader, int variant) {
        TraceOn();
        StartProgram();
        answerer_.Start();
        g_Game.VariantMode = variant;
        g_Game.Leader = g_Game.Forehand = leader;
        host_->Answers().PushMessageBoxAnswer(IDYES);
        Frame().LoadFromStore(0, deal);
        ASSERT_EQ(host_->Answers().PendingMessageBoxAnswers(), 0u);
        ASSERT_TRUE(host_->PumpUntil([] { return g_Game.FlowState != STATE_NEW && g_Game.FlowState != STATE_IDLE; }, 10000));
        // The record of the game holds the hands as dealt.
        for (int seat = 0; seat < 3; ++seat) {
            std::vector<int> dealt(Frame().Series().Record.hands[seat], Frame().Series().Record.hands[seat] + 10);
            std::vector<int> wanted(deal.begin() + DEAL_HAND_0 + 10 * seat, deal.begin() + DEAL_HAND_0 + 10 * seat + 10);
            std::sort(dealt.begin(), dealt.end());
            std::sort(wanted.begin(), wanted.end());
            ASSERT_EQ(dealt, wanted) << "seat " << seat;
        }
    }

    // The person's card: the first the rule allows, by a click on it.
    void ClickFirstAllowedCard() {
        const CPerson& person = Frame().GameObject().Person();
        for (int slot = 0; slot < person.capacity; ++slot) {
            if (!person.present[slot] || !person.ValidCard(slot, Frame().GameObject().Trick())) continue;
            const int card = person.cards[slot];
            const platform::Point client{WC_GetCardX(g_Frame.hTableWnd, card) + 12,
                                         WC_GetCardY(g_Frame.hTableWnd, card) + 12};
            host_->Click(host_->NowMs() + 10, platform::HeadlessHost::ScreenPoint(g_Frame.hTableWnd, client));
            host_->PumpFor(50);
            return;
        }
        ADD_FAILURE() << "the person holds no card to play";
    }
};

}  // namespace testsupport
