// The operations of the game object: the steps that move cards between the hands, the skat and the
// trick, and book what a trick is worth. Each ends with the card invariant checked.
#include "model/PlayerData.h"
#include "model/Skat.h"

#include "model/CardCodes.h"
#include "model/CardKnowledge.h"
#include "model/GameState.h"

#include <algorithm>
#include <cstddef>

namespace {

constexpr int kPersonSeat = 2;

}  // namespace

void CSkat::ClearForDeal() {
    Clear();
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->Clear();
    trick.Clear();
    lastTrick.Clear();
    courseSkat.Clear();
    for (CTrick& row : courseRows) row.Clear();
}

void CSkat::DealHands(int forehand) {
    const int second = NextSeat(forehand), third = NextSeat(second);
    // The random source draws in this order: the same seed gives the same hands to the same seats.
    EditPlayer(forehand)->Deal();
    EditPlayer(second)->Deal();
    EditPlayer(third)->Deal();
    Deal();
    CheckCardInvariant();
}

void CSkat::RestoreDeal(int forehand) {
    const int second = NextSeat(forehand), third = NextSeat(second);
    EditPlayer(forehand)->Restore(true);
    EditPlayer(second)->Restore(true);
    EditPlayer(third)->Restore(true);
    Restore(true);
    CheckCardInvariant();
}

void CSkat::SortDealtByTable() {
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->SortByTable();
    SortByTable();
}

void CSkat::MoveSkatToTrick() {
    const int first = cards[0], second = cards[1];
    RemoveCards(true);
    trick.DealCardToPile(0, first);
    trick.DealCardToPile(1, second);
    CheckCardInvariant();
}

void CSkat::MoveTrickToSkat() {
    const int first = trick.RemoveCard(0, true);
    const int second = trick.RemoveCard(1, true);
    DealCard(0, first);
    DealCard(1, second);
    CheckCardInvariant();
}

void CSkat::ShowSkatBehindPersonsHand() {
    person->cards[10] = cards[0];
    person->cards[11] = cards[1];
}

int CSkat::ServeCard(int seat, void (*serve)(CPlayer& player, CTrick& trick)) {
    CPlayer* player = EditPlayer(seat);
    if (player == nullptr) return NO_CARD;
    serve(*player, trick);
    const auto slot = static_cast<std::size_t>(seat);
    const int card = trick.present[slot] ? trick.cards[slot] : NO_CARD;
    // A player who gives up serves nothing, and the give-up step clears the table after it.
    if (IsCardCode(card)) CheckCardInvariant();
    return card;
}

int CSkat::PlayPersonCard(int slot, platform::Point from) {
    const int card = person->cards[static_cast<std::size_t>(slot)];
    person->PlayCard(slot);
    person->Discard(card);
    SetCardLocation(card, CARD_PLAYED);
    trick.SetCard(kPersonSeat, card);
    trick.DealSlot(kPersonSeat, from.x, from.y, 2, true);
    courseRows[kPersonSeat].AddCard(card);
    CheckCardInvariant();
    return card;
}

void CSkat::NoteCourseCard(int seat, int card) { courseRows[seat].AddCard(card); }

bool CSkat::BookTrickPoints() {
    const bool won = trick.Valuate();
    CheckCardInvariant();
    return won;
}

void CSkat::NoteTrumpsShown(int referenceCard) { trick.ControlTrump(referenceCard); }

void CSkat::CountTrick() {
    if (g_Game.GameType == GAME_RAMSCH) ++g_Game.PartyTricks[g_Game.TrickWinner];
    else ++g_Game.PartyTricks[g_Game.TrickWinner == g_Game.Soloist ? 0 : 1];
    CheckCardInvariant();
}

void CSkat::CountNullSoloistTrick() {
    g_Game.PartyTricks[0] = 10;
    CheckCardInvariant();
}

bool CSkat::SweepTrickToPile(int winner) {
    if (courseSkat.count == 0) {
        for (int slot = 0; slot < 2; ++slot)
            if (cards[static_cast<std::size_t>(slot)] > 0) courseSkat.SetCard(slot, cards[static_cast<std::size_t>(slot)]);
    }
    if (trick.count == 0) return false;
    lastTrick.CopyFrom(trick);
    const platform::Point pile = EditPlayer(winner)->GetPilePosition(winner);
    trick.DealAll(pile.x, pile.y);
    trick.RemoveCards(false);
    return true;
}

void CSkat::ClearTrick() {
    trick.Reset();
    CheckCardInvariant();
}

void CSkat::LayDownHand(int seat) {
    if (CPlayer* player = EditPlayer(seat)) player->OpenCards();
}

void CSkat::CloseHand(int seat) {
    if (CPlayer* player = EditPlayer(seat)) player->CloseCards();
}

namespace {

// The played row of a seat loses its last card (the one the trick takes back).
void DropLastCard(CCards& row) {
    if (row.count <= 0) return;
    const auto last = static_cast<std::size_t>(row.count - 1);
    row.cards[last] = -1;
    row.present[last] = 0;
    --row.count;
}

// A trick row shows the cards of a record, slot = seat.
void LayTrick(CTrick& row, const int (&cards)[3]) {
    for (int seat = 0; seat < 3; ++seat)
        if (IsCardCode(cards[seat])) row.SetCard(seat, cards[seat]);
}

}  // namespace

void CSkat::TakeTrickOffTable(bool hideRows) {
    if (hideRows) {
        RemoveCardsIfAny(false);
        for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->RemoveCardsIfAny(false);
    }
    for (int seat = 0; seat < 3; ++seat) {
        const auto slot = static_cast<std::size_t>(seat);
        if (trick.present[slot] && IsCardCode(trick.cards[slot])) DropLastCard(courseRows[seat]);
    }
    trick.Reset();
    lastTrick.Reset();
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->SelectCard(5, 0, false);
}

void CSkat::ReturnCardsToHands(const int (&cards)[3], bool layOutAll) {
    if (layOutAll) PaintCards();
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& player = *EditPlayer(seat);
        const int card = cards[seat];
        if (!layOutAll && !IsCardCode(card)) continue;
        player.RemoveCardsIfAny(false);
        if (IsCardCode(card) && !player.HasCard(card)) player.SetCard(-1, card);
        player.PaintCards();
    }
}

void CSkat::LayTrickRows(const int (&last)[3], const int (&current)[3]) {
    LayTrick(lastTrick, last);
    LayTrick(trick, current);
    trick.PaintCards();
}

void CSkat::StartTrickAgain(const int (&last)[3]) {
    trick.Reset();
    lastTrick.Reset();
    LayTrick(lastTrick, last);
}

void CSkat::PlayRecordedCard(int seat, int card) {
    CPlayer& player = *EditPlayer(seat);
    const int slot = player.FindCard(card);
    if (slot >= 0 && player.present[static_cast<std::size_t>(slot)]) player.PlayCard(slot);
    trick.SetCard(seat, card);
    courseRows[seat].AddCard(card);
}

void CSkat::ShowTrickRow() { trick.PaintCards(); }

void CSkat::SetDeal(const int* hands, const int* skat) {
    for (int i = 0; i < 2; ++i) dealt[static_cast<std::size_t>(i)] = skat[i];
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& player = *EditPlayer(seat);
        for (int i = 0; i < 10; ++i) player.dealt[static_cast<std::size_t>(i)] = hands[10 * seat + i];
    }
}

void CSkat::LayDealBack() {
    Restore(true);
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->Restore(true);
}

void CSkat::TakeCardsOffTable(bool withTricks) {
    RemoveCards(true);
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->RemoveCards(true);
    if (!withTricks) return;
    trick.RemoveCards(true);
    lastTrick.RemoveCards(true);
}

void CSkat::ClearCourse() {
    for (CTrick& row : courseRows) row.Reset();
    courseSkat.Reset();
}

void CSkat::NoteCourseSkatCard(int card) { courseSkat.AddCard(card); }

void CSkat::CompleteCourse() {
    constexpr int kCourseLength = 10;  // cards each seat plays in a whole game
    if (courseRows[0].count >= kCourseLength) return;
    // 1. The shortest row sets the number of whole tricks; an interrupted trick is led again by
    //    its leader.
    int shortest = kCourseLength;
    for (const CTrick& row : courseRows) shortest = std::min(shortest, row.count);
    if (g_Game.CourseTricks == kCourseLength) {
        g_Game.CourseTricks = shortest;
        g_Game.PreviousForehand = g_Game.Forehand;
        g_Game.TurnSeat = g_Game.Forehand;
        g_Game.TrickWinner = g_Game.Forehand;
    }
    // 2. The first pass fills up the seats that had not played to the interrupted trick; from
    //    the second on every seat gives one card.
    int bound = shortest;
    for (int pass = g_Game.CourseTricks; pass < kCourseLength; ++pass) {
        for (int seat = 0; seat < 3; ++seat) {
            CTrick& row = courseRows[seat];
            if (row.count > bound || row.IsComplete()) continue;
            CPlayer& player = *EditPlayer(seat);
            const int card = player.FindFirstHeldCard();
            // A card already in the course was booked without leaving the hand: never show it twice.
            if (card < 0 || row.HasCard(card)) continue;
            player.Discard(card);
            row.AddCard(card);
        }
        bound = kCourseLength;
    }
}

void CSkat::PaintCourse() {
    courseSkat.PaintCards();
    for (CTrick& row : courseRows) row.PaintCards();
}

void CSkat::RemoveCourse(bool take) {
    courseSkat.RemoveCards(take);
    for (CTrick& row : courseRows) row.RemoveCards(take);
}

void CSkat::ShowLastTrickInSkatsPlace() {
    RemoveCards(false);
    lastTrick.PaintCards();
}

void CSkat::ShowSkatInItsPlace() {
    if (lastTrick.count > 0) lastTrick.RemoveCards(false);
    PaintCards();
}
