// Choosing the cards of the next trick while the complete trick waits under the continue bar: the
// person marks, with the mouse or the arrow keys, the card each hand is to play, the trick
// winner's first, each one the follow rule allows after it. Continuing the trick hands the marks
// over as the players' picked cards.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/TrickPlay.h"

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

bool CTrickPlay::CheckTrickWinnerCard(int seat, bool show) {
    if (seat != g_Game.TrickWinner || seat < 0 || seat > 2) return false;
    const int second = SeatAfter(seat);
    const bool laterChosen = frame_.GameObject().Player(second)->GetSelectedCard() > 0 ||
                             frame_.GameObject().Player(SeatAfter(second))->GetSelectedCard() > 0;
    if (laterChosen && show) frame_.FrameAudio().SetStatusText(IDS_WINNER_CARD_REQUIRED);
    return laterChosen;
}

void CTrickPlay::ManipulateTrickCard(platform::Point point) {
    // Step 1: the card under the point and the hand that holds it.
    const int card = WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1);
    const int winner = g_Game.TrickWinner;
    // Step 2: a card in one of the hands, with a trick's winner to lead.
    if (card <= 0 || winner < 0 || winner > 2) return;
    int owner = -1;
    for (int seat = 0; seat < 3 && owner < 0; ++seat)
        if (frame_.GameObject().Player(seat)->HasCard(card)) owner = seat;
    if (owner < 0) {
        frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
        return;
    }
    const CPlayer& player = *frame_.GameObject().Player(owner);
    const int required = frame_.Exchange().GroupPickedCards[winner + 1];
    // Step 5: the card is marked for its hand.
    auto pick = [&] {
        frame_.CardExchange().PickCard(owner + 1, card);
        game_.SelectHandCard(owner, 3, card, true);
        frame_.CardExchange().FocusKeyGroup(FocusOfSeat(owner));
    };
    // Step 3: a card the hand may play after the winner's; a second click takes it back, unless
    // a later hand has followed the winner's card already.
    if (player.CanPlayCard(card, required)) {
        if (!player.IsSelectedCard(card)) {
            pick();
        } else if (!CheckTrickWinnerCard(owner, true)) {
            frame_.CardExchange().PickCard(owner + 1, 0);
            game_.SelectHandCard(owner, 4, 0, true);
        }
        return;
    }
    // Step 4: the winner may change his suit only while nobody has followed it.
    if (owner == winner) {
        if (CheckTrickWinnerCard(owner, false)) frame_.FrameAudio().SetStatusText(IDS_KEEP_CARD_SUIT);
        else pick();
        return;
    }
    frame_.FrameAudio().SetStatusText(required > 0 ? IDS_FOLLOW_WINNER_CARD : IDS_WINNER_CARD_REQUIRED);
}

void CTrickPlay::NextTrickKey(int key) {
    const int winner = g_Game.TrickWinner;
    if (winner < 0 || winner > 2) return;
    // The hand the arrow keys act on; before the first key of a trick, the winner's.
    const int focused = frame_.Exchange().KeyGroup == 2 || frame_.Exchange().KeyGroup == 4 || frame_.Exchange().KeyGroup == 6
                            ? frame_.Exchange().KeyGroup / 2 - 1
                            : winner;
    const CPlayer& hand = *frame_.GameObject().Player(focused);
    // The winner leads: any card of his; the others follow his marked card.
    auto playable = [&](int card) {
        return focused == winner || hand.CanPlayCard(card, frame_.Exchange().GroupPickedCards[winner + 1]);
    };
    auto follow = [&] { frame_.CardExchange().PickCard(focused + 1, std::max(0, hand.GetSelectedCard())); };
    switch (key) {
        case VK_UP: {
            const CPlayer& winnerHand = *frame_.GameObject().Player(winner);
            if (winnerHand.GetSelectedCard() <= 0) {
                // The winner's card first.
                game_.SelectHandCard(winner, 4, 0, true);
                frame_.CardExchange().FocusKeyGroup(FocusOfSeat(winner));
                frame_.CardExchange().PickCard(winner + 1, std::max(0, winnerHand.GetSelectedCard()));
            } else if (hand.GetSelectedCard() > 0) {
                frame_.CardExchange().FocusKeyGroup(FocusOfSeat(SeatAfter(focused)));
            } else {
                // The hand's first card, then on to the first one that may follow the winner's;
                // round the hand without one, nothing stays raised.
                int start = 0;
                for (int slot = 0; slot < hand.capacity && start <= 0; ++slot)
                    if (hand.present[slot]) start = hand.cards[slot];
                if (start <= 0) return;
                game_.SelectHandCard(focused, 3, start, true);
                for (int step = 0; step < 10 && !playable(hand.GetSelectedCard()); ++step) {
                    game_.SelectHandCard(focused, 2, 0, true);
                    if (hand.GetSelectedCard() == start) {
                        game_.SelectHandCard(focused, 4, 0, true);
                        break;
                    }
                }
                if (hand.GetSelectedCard() > 0 && !playable(hand.GetSelectedCard())) game_.SelectHandCard(focused, 4, 0, true);
                follow();
            }
            return;
        }
        case VK_DOWN: {
            if (focused == winner) {
                if (CheckTrickWinnerCard(winner, true)) return;
                if (hand.GetSelectedCard() > 0) game_.SelectHandCard(focused, 4, 0, true);
                for (int seat = 0; seat < 3; ++seat) frame_.CardExchange().PickCard(seat + 1, 0);
            } else if (hand.GetSelectedCard() > 0) {
                // Lowered only: the hand's marked card stays as it was.
                game_.SelectHandCard(focused, 4, 0, true);
            } else {
                frame_.CardExchange().FocusKeyGroup(FocusOfSeat(SeatAfter(focused)));
            }
            return;
        }
        case VK_LEFT:
        case VK_RIGHT: {
            if (hand.GetSelectedCard() <= 0) return;
            if (focused == winner && CheckTrickWinnerCard(winner, false)) return;
            for (int step = 0; step < 10; ++step) {
                game_.SelectHandCard(focused, key == VK_LEFT ? 1 : 2, 0, true);
                if (playable(hand.GetSelectedCard())) break;
            }
            follow();
            return;
        }
        default: return;
    }
}
