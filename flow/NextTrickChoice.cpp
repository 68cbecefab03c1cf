// Choosing the cards of the next trick while the complete trick waits under the continue bar: the
// person marks, with the mouse or the arrow keys, the card each hand is to play, the trick
// winner's first, each one the follow rule allows after it. Continuing the trick hands the marks
// over as the players' picked cards.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"

#include "model/GameState.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "tavlo/Tavlo.h"

#include <algorithm>

namespace {

// The seat after this one around the table (the model's NextSeat sends a stray value to 0).
int SeatAfter(int seat) { return (seat + 1) % 3; }

// The keyboard focus value of a seat's hand (2, 4, 6) and back.
int FocusOfSeat(int seat) { return 2 * (seat + 1); }

}  // namespace

bool CMainFrame::CheckTrickWinnerCard(int seat, bool show) {
    if (seat != g_Game.TrickWinner || seat < 0 || seat > 2) return false;
    const int second = SeatAfter(seat);
    const bool laterChosen = GameObject().Player(second)->GetSelectedCard() > 0 ||
                             GameObject().Player(SeatAfter(second))->GetSelectedCard() > 0;
    if (laterChosen && show) FrameAudio().SetStatusText(IDS_WINNER_CARD_REQUIRED);
    return laterChosen;
}

void CMainFrame::ManipulateTrickCard(platform::Point point) {
    // Step 1: the card under the point and the hand that holds it.
    const int card = WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1);
    const int winner = g_Game.TrickWinner;
    // Step 2: a card in one of the hands, with a trick's winner to lead.
    if (card <= 0 || winner < 0 || winner > 2) return;
    int owner = -1;
    for (int seat = 0; seat < 3 && owner < 0; ++seat)
        if (GameObject().Player(seat)->HasCard(card)) owner = seat;
    if (owner < 0) {
        FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    const CPlayer& player = *GameObject().Player(owner);
    const int required = Exchange().GroupPickedCards[winner + 1];
    // Step 5: the card is marked for its hand.
    auto pick = [&] {
        CardExchange().PickCard(owner + 1, card);
        EditGameObject().SelectHandCard(owner, 3, card, true);
        CardExchange().FocusKeyGroup(FocusOfSeat(owner));
    };
    // Step 3: a card the hand may play after the winner's; a second click takes it back, unless
    // a later hand has followed the winner's card already.
    if (player.CanPlayCard(card, required)) {
        if (!player.IsSelectedCard(card)) {
            pick();
        } else if (!CheckTrickWinnerCard(owner, true)) {
            CardExchange().PickCard(owner + 1, 0);
            EditGameObject().SelectHandCard(owner, 4, 0, true);
        }
        return;
    }
    // Step 4: the winner may change his suit only while nobody has followed it.
    if (owner == winner) {
        if (CheckTrickWinnerCard(owner, false)) FrameAudio().SetStatusText(IDS_KEEP_CARD_SUIT);
        else pick();
        return;
    }
    FrameAudio().SetStatusText(required > 0 ? IDS_FOLLOW_WINNER_CARD : IDS_WINNER_CARD_REQUIRED);
}

void CMainFrame::NextTrickKey(int key) {
    const int winner = g_Game.TrickWinner;
    if (winner < 0 || winner > 2) return;
    // The hand the arrow keys act on; before the first key of a trick, the winner's.
    const int focused = Exchange().KeyGroup == 2 || Exchange().KeyGroup == 4 || Exchange().KeyGroup == 6
                            ? Exchange().KeyGroup / 2 - 1
                            : winner;
    const CPlayer& hand = *GameObject().Player(focused);
    // The winner leads: any card of his; the others follow his marked card.
    auto playable = [&](int card) {
        return focused == winner || hand.CanPlayCard(card, Exchange().GroupPickedCards[winner + 1]);
    };
    auto follow = [&] { CardExchange().PickCard(focused + 1, std::max(0, hand.GetSelectedCard())); };
    switch (key) {
        case VK_UP: {
            const CPlayer& winnerHand = *GameObject().Player(winner);
            if (winnerHand.GetSelectedCard() <= 0) {
                // The winner's card first.
                EditGameObject().SelectHandCard(winner, 4, 0, true);
                CardExchange().FocusKeyGroup(FocusOfSeat(winner));
                CardExchange().PickCard(winner + 1, std::max(0, winnerHand.GetSelectedCard()));
            } else if (hand.GetSelectedCard() > 0) {
                CardExchange().FocusKeyGroup(FocusOfSeat(SeatAfter(focused)));
            } else {
                // The hand's first card, then on to the first one that may follow the winner's;
                // round the hand without one, nothing stays raised.
                int start = 0;
                for (int slot = 0; slot < hand.capacity && start <= 0; ++slot)
                    if (hand.present[slot]) start = hand.cards[slot];
                if (start <= 0) return;
                EditGameObject().SelectHandCard(focused, 3, start, true);
                for (int step = 0; step < 10 && !playable(hand.GetSelectedCard()); ++step) {
                    EditGameObject().SelectHandCard(focused, 2, 0, true);
                    if (hand.GetSelectedCard() == start) {
                        EditGameObject().SelectHandCard(focused, 4, 0, true);
                        break;
                    }
                }
                if (hand.GetSelectedCard() > 0 && !playable(hand.GetSelectedCard())) EditGameObject().SelectHandCard(focused, 4, 0, true);
                follow();
            }
            return;
        }
        case VK_DOWN: {
            if (focused == winner) {
                if (CheckTrickWinnerCard(winner, true)) return;
                if (hand.GetSelectedCard() > 0) EditGameObject().SelectHandCard(focused, 4, 0, true);
                for (int seat = 0; seat < 3; ++seat) CardExchange().PickCard(seat + 1, 0);
            } else if (hand.GetSelectedCard() > 0) {
                // Lowered only: the hand's marked card stays as it was.
                EditGameObject().SelectHandCard(focused, 4, 0, true);
            } else {
                CardExchange().FocusKeyGroup(FocusOfSeat(SeatAfter(focused)));
            }
            return;
        }
        case VK_LEFT:
        case VK_RIGHT: {
            if (hand.GetSelectedCard() <= 0) return;
            if (focused == winner && CheckTrickWinnerCard(winner, false)) return;
            for (int step = 0; step < 10; ++step) {
                EditGameObject().SelectHandCard(focused, key == VK_LEFT ? 1 : 2, 0, true);
                if (playable(hand.GetSelectedCard())) break;
            }
            follow();
            return;
        }
        default: return;
    }
}
