// The game object's rows outside the card play: the players' thinking over the trick, the
// exchanges and the swaps of the manipulation commands, and the rows laid out and painted.
#include "model/PlayerData.h"
#include "model/Skat.h"

#include "model/CardCodes.h"
#include "model/GameState.h"

#include <cstddef>
#include <vector>

void CSkat::NoteSuitsShown(void (*control)(const CSkat& game, CPlayer& leader)) {
    const int forehand = g_Game.Forehand < 0 || g_Game.Forehand > 2 ? 0 : g_Game.Forehand;
    control(*this, *EditPlayer(forehand));
    CheckCardInvariant();
}

void CSkat::LinkPartner(int seat, int partnerSeat) {
    if (CPlayer* player = EditPlayer(seat)) player->SetPartner(EditPlayer(partnerSeat));
}

CCards& CSkat::ExchangeRow(int group) {
    if (group >= 1 && group <= 3) return *EditPlayer(group - 1);
    // The skat lies face up in the trick's first two places while the person exchanges.
    return trick;
}

void CSkat::SwapOpponentCards(bool skatInTrick, int first, int second, int third, bool firstHandedFirst,
                              void (*exchange)(CCards& skat, CPlayer& first, CPlayer& second, CPlayer& third),
                              LookAtHand look) {
    CCards& skat = skatInTrick ? static_cast<CCards&>(trick) : static_cast<CCards&>(*this);
    CPlayer& p0 = *EditPlayer(first);
    CPlayer& p1 = *EditPlayer(second);
    if (firstHandedFirst) exchange(skat, p0, p1, *EditPlayer(third));
    else exchange(skat, p1, p0, *EditPlayer(third));
    // The rows are laid out again and the defenders look at their new hands.
    for (CCards* row : {static_cast<CCards*>(&p0), static_cast<CCards*>(&p1), &skat}) {
        row->RemoveCards(false);
        row->PaintCards(2);
    }
    look(p0);
    look(p1);
    CheckCardInvariant();
}

void CSkat::CloseRevolutionExchange(int soloist, LookAtHand look) {
    CPlayer& soloistHand = *EditPlayer(soloist);
    CPlayer& partner = *EditPlayer(1 - soloist);
    soloistHand.RemoveCards(false);
    soloistHand.Redraw(true);
    partner.SelectCard(5, 0, false);
    partner.open = false;
    for (CPlayer* player : {&partner, static_cast<CPlayer*>(person.get())}) {
        if (player == person.get()) player->SelectCard(5, 0, false);
        player->RemoveCards(false);
        player->Sort();
        player->PaintCards(2);
        look(*player);
    }
    CheckCardInvariant();
}

void CSkat::EndSkatSwap(int seat, bool keepOpen, LookAtHand look) {
    MoveTrickToSkat();
    RemoveCards(false);
    Sort();
    PaintCards(0);
    CPlayer& swapper = *EditPlayer(seat);
    if (!keepOpen) swapper.open = false;
    swapper.RemoveCards(false);
    swapper.Sort();
    swapper.PaintCards(0);
    look(swapper);
    CheckCardInvariant();
}

void CSkat::KeepSwappedHands(int (&skat)[2]) {
    skat[0] = trick.RemoveCard(0, true);
    skat[1] = trick.RemoveCard(1, true);
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& hand = *EditPlayer(seat);
        hand.SelectCard(5, 0, true);
        // Every hand's swapped cards become its dealt cards, the person's too: with his old ones
        // kept, a repeat of this game would deal a card twice and lose the one he took.
        hand.dealt = hand.cards;
        if (seat < 2) {
            hand.open = false;
            hand.RemoveCards(false);
        }
    }
}

void CSkat::DealSwappedSkat(const int (&skat)[2], LookAtHand look) {
    DealCard(0, skat[0]);
    DealCard(1, skat[1]);
    dealt = cards;
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& hand = *EditPlayer(seat);
        hand.Sort();
        hand.PaintCards(0);
        look(hand);
    }
    CheckCardInvariant();
}

void CSkat::LayOutDealtCards() {
    for (CCards* row : {static_cast<CCards*>(computer0.get()), static_cast<CCards*>(computer1.get()),
                        static_cast<CCards*>(person.get()), static_cast<CCards*>(this)}) {
        row->Restore(true);
        row->Sort();
        row->PaintCards(0);
    }
}

void CSkat::SwapDealtHands(int first, int second) { EditPlayer(first)->dealt.swap(EditPlayer(second)->dealt); }

void CSkat::SwapDealtSuits(int suitA, int suitB, bool withJacks) {
    constexpr int kJack = 5;
    std::vector<int>* rows[4] = {&computer0->dealt, &computer1->dealt, &person->dealt, &dealt};
    for (std::vector<int>* row : rows) {
        for (int& card : *row) {
            if (!IsCardCode(card)) continue;
            const int rank = GetCardRank(card);
            if (rank == kJack && !withJacks) continue;
            const int suit = GetCardSuit(card, true);
            if (suit == suitA) card = CardCodeOf(rank, suitB);
            else if (suit == suitB) card = CardCodeOf(rank, suitA);
        }
    }
}

void CSkat::KeepHandsAsDealt() {
    for (int seat = 0; seat < 3; ++seat) {
        CPlayer& hand = *EditPlayer(seat);
        for (std::size_t slot = 0; slot < hand.dealt.size() && slot < hand.cards.size(); ++slot)
            hand.dealt[slot] = hand.cards[slot];
    }
}

void CSkat::NameRows(const std::string& skat, const std::string (&seats)[3]) {
    name = skat;
    for (int seat = 0; seat < 3; ++seat) EditPlayer(seat)->name = seats[seat];
}

CCards& CSkat::EditRow(TableRow row) {
    switch (row) {
        case TableRow::Computer0: return *computer0;
        case TableRow::Computer1: return *computer1;
        case TableRow::Person: return *person;
        case TableRow::Trick: return trick;
        case TableRow::LastTrick: return lastTrick;
        case TableRow::CourseSkat: return courseSkat;
        case TableRow::Course0: return courseRows[0];
        case TableRow::Course1: return courseRows[1];
        case TableRow::Course2: return courseRows[2];
        case TableRow::Skat: break;
    }
    return *this;
}

void CSkat::LayOutRow(TableRow row, platform::Point origin, platform::Point step, platform::Point offset) {
    CCards& cards = EditRow(row);
    cards.SetLayout(origin.x, origin.y, step.x, step.y);
    cards.SetLayoutOffset(offset.x, offset.y);
}

void CSkat::PaintRow(TableRow row, int mode, bool keepGaps, int first, int last, platform::DeviceContext* dc) {
    EditRow(row).PaintCards(mode, keepGaps, first, last, dc);
}

int CSkat::SelectHandCard(int seat, int mode, int card, bool sound) {
    CPlayer* hand = EditPlayer(seat);
    return hand ? hand->SelectCard(mode, card, sound) : -1;
}

void CSkat::RedrawHand(int seat, bool faceUp) {
    CPlayer& hand = *EditPlayer(seat);
    hand.RemoveCards(false);
    hand.Redraw(faceUp);
}

void CSkat::OpenAndRedrawHand(int seat) {
    EditPlayer(seat)->open = true;
    RedrawHand(seat, true);
}

void CSkat::RemoveRow(TableRow row, bool take) { EditRow(row).RemoveCards(take); }

void CSkat::SortRow(TableRow row) { EditRow(row).Sort(); }

void CSkat::RelayoutRow(TableRow row, const platform::Rect& area) { EditRow(row).Relayout(area); }

platform::Point CSkat::SlotPosition(TableRow row, int slot) { return EditRow(row).GetSlotPosition(slot); }

void CSkat::ForgetShownCourse() {
    lastTrick.count = 0;
    courseRows[0].count = 0;
}
