#pragma once
// A chosen deal played the way the person plays a deal of the cards assignment again: the
// program starts with the test's settings, the deal lies in the store, the person asks to play it
// (and answers Yes), and from there the program deals, bids and plays by itself; the test answers
// the bars and plays the person's cards by clicks and keys.

#include "flow/FrameAuction.h"
#include "flow/TrickPlay.h"
#include "flow/FlowFixture.h"
#include "flow/MatchSeries.h"

#include "flow/FrameGlobals.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "resources/FlowIds.h"

#include "match/StoreRows.h"
#include "support/CardNames.h"
#include "model/CardCodes.h"
#include "model/InternalError.h"
#include "platform/headless/HeadlessHost.h"
#include "tavlo/Tavlo.h"

#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace testsupport {

// A card by rank and suit, for writing deals.
inline int C(int rank, int suit) { return CardCodeOf(rank, suit); }

struct ChosenDeal {
    std::array<std::vector<int>, 3> hands;  // seat 0, seat 1, the person
    std::vector<int> skat;
};

// Comp2 (middlehand) bids a Spades game without two; Comp1 passes. The person holds the two top
// Jacks, three Spades, two Aces and no Club: his own rule gives Kontra against Spades. With `weak`
// Comp1 holds the two Jacks and the person two small Clubs in their place.
inline ChosenDeal SpadesDeal(bool weak) {
    ChosenDeal deal;
    deal.hands[0] = CardsOf("C8 C9 CQ CK H7 H8 H9 HQ D7 D8");
    deal.hands[1] = CardsOf("HJ DJ SA ST SK SQ HK CA CT DK");
    deal.hands[2] = CardsOf("CJ SJ S7 S8 HA HT S9 DA DT D9");
    if (weak) {
        std::swap(deal.hands[0][0], deal.hands[2][0]);
        std::swap(deal.hands[0][1], deal.hands[2][1]);
    }
    deal.skat = CardsOf("C7 DQ");
    return deal;
}

class StoredDealFixture : public FlowFixture {
protected:
    void TearDown() override { SetInternalErrorHandler({}); }

    // The program with the trace on and a helper that answers every modal message with `answer`.
    void Start() {
        TraceOn();
        StartProgram();
        answerer_.answer = IDOK;
        answerer_.Start();
        SetInternalErrorHandler([this](const std::string& text) { reports_.push_back(text); });
    }

    // The deal goes into the store and is played again from there (Yes to the question).
    void PlayDeal(const ChosenDeal& deal) {
        std::array<int, 40> words{};
        words[7] = 1;
        for (int i = 0; i < 2; ++i) words[static_cast<std::size_t>(8 + i)] = deal.skat[static_cast<std::size_t>(i)];
        for (int seat = 0; seat < 3; ++seat)
            for (int i = 0; i < 10; ++i)
                words[static_cast<std::size_t>(10 + 10 * seat + i)] =
                    deal.hands[static_cast<std::size_t>(seat)][static_cast<std::size_t>(i)];
        g_StoreRows.Reset("Kartenzuordnung\nCards Assignment");
        g_StoreRows.Bytes.resize(40 + 160, 0);
        g_Game.StoreCount = 1;
        for (int w = 0; w < 40; ++w) g_StoreRows.SetDealWord(1, w, words[static_cast<std::size_t>(w)]);
        answerer_.answers = {IDYES};
        Frame().LoadFromStore(0, words);
    }

    // The person bids once, then leaves the game to the computer who bids more.
    void BidOnceThenPass() {
        ASSERT_TRUE(WaitForThePerson());
        ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen());
        Press(BTN_BID);
        ASSERT_TRUE(WaitForThePerson());
        ASSERT_TRUE(Frame().FrameAuction().IsAuctionBarOpen()) << LogText();
        Press(BTN_PASS);
    }
    // Pumps until the person is asked something (a bar, or his card) or the game is scored.
    bool WaitForThePerson() {
        return host_->PumpUntil(
            [this] { return Frame().Series().Record.scored || Frame().FrameTrickPlay().PersonMayPlay() || Bar() != nullptr; }, 60000);
    }

    const CPerson& Person() { return Frame().GameObject().Person(); }
    // The screen point of a card on the table: a point of it that no other card covers (in a row of
    // overlapping cards only a strip of each shows), low enough that the press, which raises the
    // person's card, leaves it under the point).
    platform::Point CardPoint(int card) {
        const HWND table = g_Frame.hTableWnd;
        const int x = WC_GetCardX(table, card), y = WC_GetCardY(table, card);
        const int width = WC_GetCardWidth(table, card), height = WC_GetCardHeight(table, card);
        for (int dy = 12; dy < height; dy += 4)
            for (int dx = 4; dx < width; dx += 4)
                if (WC_GetCardDealt(table, x + dx, y + dy, 0, 1) == card)
                    return platform::HeadlessHost::ScreenPoint(table, {x + dx, y + dy});
        ADD_FAILURE() << "card " << card << " is nowhere to be clicked";
        return platform::HeadlessHost::ScreenPoint(table, {x + 8, y + 40});
    }
    void ClickCard(int card) {
        host_->Click(host_->NowMs() + 10, CardPoint(card));
        host_->PumpFor(100);
    }
    // The first card of the person's hand that the follow rule allows.
    int FirstLegalCard() {
        for (int slot = 0; slot < Person().capacity; ++slot)
            if (Person().present[slot] && Person().ValidCard(slot, Frame().GameObject().Trick()))
                return Person().cards[slot];
        return NO_CARD;
    }
    // Presses a button of the open bar as a click on it does.
    void Press(int button) {
        ::SendMessage(Bar(), WM_COMMAND, static_cast<WPARAM>(button), 0);
        host_->PumpUntilIdle();
    }
    // The lines of the log that start with `prefix`.
    std::vector<std::string> LinesStartingWith(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& line : LogBodies())
            if (line.rfind(prefix, 0) == 0) found.push_back(line);
        return found;
    }

    std::vector<std::string> reports_;
};

}  // namespace testsupport
