// The person's card in play: a click (press raises, release over the same card plays), a drag
// onto the trick, or the arrow keys and Enter. A card the follow rule refuses stays in the hand.
#include "flow/MainFrame.h"
#include "flow/CardExchange.h"
#include "flow/FrameAudio.h"
#include "flow/FrameTable.h"
#include "flow/TrickPlay.h"
#include "flow/FrameTimers.h"
#include "flow/MatchSeries.h"

#include "flow/GameObject.h"
#include "computer/evaluation/FrameServices.h"
#include "computer/evaluation/VoidTable.h"
#include "model/CardCodes.h"
#include "model/GameTypeLookups.h"
#include "model/PlayerData.h"
#include "model/Skat.h"
#include "platform/core/Resources.h"
#include "flow/TableTextHelpers.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/WindowApi.h"
#include "resources/ids.h"
#include "flow/FrameGlobals.h"
#include "tavlo/Tavlo.h"

#include <cstdio>

namespace {

constexpr int kPersonSeat = 2;

std::string CardTraceText(const CPlayer& player, int card) {
    char text[96];
    std::snprintf(text, sizeof text, "%s:%s%s", player.name.c_str(), GetAbbreviation(2 * GetCardSuit(card, true)).c_str(),
                  GetRankText(GetCardRank(card)).c_str());
    return text;
}

}  // namespace

// The person's card leaves the hand for his place in the trick.
void CTrickPlay::PlayPersonCard(int slot, bool sound) {
    const int card = frame_.GameObject().Person().cards[slot];
    if (sound) frame_.FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false);
    g_Game.PauseLevel = 0;
    const platform::Point from{WC_GetCardX(g_Frame.hTableWnd, card), WC_GetCardY(g_Frame.hTableWnd, card)};
    game_.PlayPersonCard(slot, from);
    frame_.MatchSeries().NoteCard(kPersonSeat, card);
}

// Whether the person may put a card into the trick now: his turn, and no card of his is in it.
bool CTrickPlay::PersonMayPlay() const {
    return g_Game.FlowState == STATE_PLAY && trickPlay_.PlayStep == 2 && !frame_.GameObject().Trick().present[kPersonSeat];
}

void CTrickPlay::ClickPlay(platform::Point point) {
    const int card = frame_.Exchange().GroupPickedCards[3];
    // 1. Only a picked card, and only when the person may play.
    if (card <= 0 || !PersonMayPlay()) return;
    const CPerson& person = frame_.GameObject().Person();
    const int ouvert = g_Game.OuvertAnnounced;
    WriteTrace(":ClickPlay(" + CardTraceText(person, card) + ")", LOG_MAINFRAME);
    // 2. Without the suggestion the turn notice goes.
    if (!g_Settings.Options.Suggest) frame_.FrameTable().MoveExtraText(0, IDS_YOUR_TURN, 0, nullptr, nullptr);
    // 3. Only a release over the raised card plays it.
    if (person.IsSelectedCard(card)) {
        game_.SelectHandCard(kPersonSeat, 4, 0, false);
        if (WC_GetCardDealt(g_Frame.hTableWnd, point.x, point.y, 0, 1) != card) return;
    }
    // 4. Leading another suit than the one chosen for him under the continue bar, the person
    //    frees the computers from the cards chosen for them after it.
    const int picked = person.PickedCard;
    if (g_Game.Forehand == kPersonSeat && IsCardCode(picked) && GetCardSuit(picked, true) != GetCardSuit(card, true) &&
        (frame_.GameObject().Player(0)->PickedCard != 0 || frame_.GameObject().Player(1)->PickedCard != 0)) {
        for (int seat = 0; seat < 2; ++seat) {
            game_.Think(seat, [](CPlayer& computer) {
                int none = 0;
                computer.SetPickedCard(&none);
            });
        }
        frame_.SetStatusPane(0, platform::LoadString(IDS_FOREHAND_CARD_RELEASED));
    }
    // 5. The follow rule.
    const int slot = person.FindCard(card);
    trickPlay_.SelectedSlot = slot;
    if (slot < 0 || !person.ValidCard(slot, frame_.GameObject().Trick())) {
        RefuseInvalidCard();
        return;
    }
    // 6. The shadow suggestion keeps the person's plan where he plays another suit.
    const int forced = person.forcedCard;
    g_ComputerFrame.CardAutoPlayFlag = 1;
    g_Game.RealPlayFlag = 0;
    g_ComputerFrame.PersonPendingCard = card;
    const int suggested = SuggestedCard(game_, kPersonSeat);
    g_Game.RealPlayFlag = 1;
    g_ComputerFrame.CardAutoPlayFlag = 0;
    if (IsCardCode(suggested) && suggested != card &&
        (card == person.forcedCard || GetCardSuit(card, true) != GetCardSuit(suggested, true))) {
        game_.PersonThinks([forced](CPlayer& planner) { planner.forcedCard = forced; });
        if (g_Game.OuvertAnnounced != ouvert) g_Game.OuvertAnnounced = 0;
    }
    // 7. The card goes into the trick.
    PlayPersonCard(slot, true);
    // 8. The Null soloist following a trick lays his rest open once nothing can make him take one.
    if (g_Game.GameType == GAME_NULL && g_Game.Soloist == kPersonSeat && g_Game.Forehand != kPersonSeat &&
        g_ComputerFrame.PersonPendingCard != NO_CARD)
        LayDownCards(kPersonSeat, NO_CARD);
    // 9. The play goes on; no card of the person's waits.
    frame_.PostMessage(WM_COMMAND, CM_PLAY);
    g_ComputerFrame.PersonPendingCard = -1;
}

void CTrickPlay::RefuseInvalidCard() {
    frame_.SetStatusPane(0, platform::LoadString(IDS_INVALID_CARD));
    frame_.FrameTimers().DelayRotation(20);
    Sleep(200);
    frame_.FrameAudio().SoundEffect(SOUND_INVALID_CARD, false);
}

void CTrickPlay::DragPlay(platform::Point point) {
    const int card = frame_.Exchange().GroupPickedCards[3];
    const bool overTrick = card > 0 && frame_.GameObject().Trick().HitTest(point.x, point.y);
    const int slot = card > 0 ? frame_.GameObject().Person().FindCard(card) : -1;
    if (overTrick && PersonMayPlay() && slot >= 0 && frame_.GameObject().Person().ValidCard(slot, frame_.GameObject().Trick())) {
        WriteTrace(":DragPlay(" + CardTraceText(frame_.GameObject().Person(), card) + ")", LOG_MAINFRAME);
        WC_EndDrag(g_Frame.hTableWnd, point.x, point.y);
        g_Game.PauseLevel = 3;
        frame_.MatchSeries().StartPlayClock();
        PlayPersonCard(slot, false);
        frame_.PostMessage(WM_COMMAND, CM_PLAY);
        return;
    }
    // Beside the trick, a card the rule refuses, or a card of the trick: it slides back.
    WC_UndoDrag(g_Frame.hTableWnd, g_Settings.Delay.Play);
    frame_.FrameAudio().SetStatusText(IDS_ILLEGAL_ACTION);
}

// The play keys while the person's card is awaited.
void CTrickPlay::PlayKey(int key) {
    const CPerson& person = frame_.GameObject().Person();
    auto valid = [&](int slot) { return slot >= 0 && person.ValidCard(slot, frame_.GameObject().Trick()); };
    switch (key) {
        case VK_RETURN: {
            if (trickPlay_.SelectedSlot < 0 || !PersonMayPlay()) return;
            const int slot = trickPlay_.SelectedSlot;
            if (slot >= person.capacity || !person.present[slot]) return;
            if (!valid(slot)) {
                RefuseInvalidCard();
                return;
            }
            const int card = person.cards[slot];
            g_ComputerFrame.CardAutoPlayFlag = 1;
            g_Game.RealPlayFlag = 0;
            const int suggested = SuggestedCard(game_, kPersonSeat);
            g_Game.RealPlayFlag = 1;
            g_ComputerFrame.CardAutoPlayFlag = 0;
            if (IsCardCode(suggested) && suggested != card)
                game_.PersonThinks([](CPlayer& planner) { planner.forcedCard = 0; });
            frame_.SetPause(3);
            if (person.IsSelectedCard(card)) game_.SelectHandCard(kPersonSeat, 4, 0, false);
            PlayPersonCard(slot, false);
            trickPlay_.SelectedSlot = -1;
            frame_.CardExchange().PickCard(3, 0);
            frame_.FrameAudio().SoundEffect(SOUND_CARD_PLAYED, false);
            frame_.PostMessage(WM_COMMAND, CM_PLAY);
            return;
        }
        case VK_LEFT:
        case VK_RIGHT: {
            // The raised card moves on until the follow rule allows it (at most 11 steps).
            for (int step = 0; step < 11; ++step) {
                trickPlay_.SelectedSlot = game_.SelectHandCard(kPersonSeat, key == VK_LEFT ? 1 : 2, 0, true);
                if (valid(trickPlay_.SelectedSlot)) break;
            }
            return;
        }
        case VK_UP:
        case VK_DOWN: {
            trickPlay_.SelectedSlot = game_.SelectHandCard(kPersonSeat, 4, 0, true);
            if (trickPlay_.SelectedSlot < 0 || valid(trickPlay_.SelectedSlot)) return;
            if (key == VK_UP) {
                trickPlay_.SelectedSlot = game_.SelectHandCard(kPersonSeat, 4, 0, true);
                return;
            }
            for (int step = 0; step < 11 && !valid(trickPlay_.SelectedSlot); ++step)
                trickPlay_.SelectedSlot = game_.SelectHandCard(kPersonSeat, 2, 0, true);
            return;
        }
        default: return;
    }
}
