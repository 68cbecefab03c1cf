#pragma once
// CCards: the one container of cards in the program. A row of slots, each with a card code and a
// present flag, so that a card leaving the row keeps its slot (and its place on the table) until
// the row is cleared; the row remembers the cards it was dealt, so a game can be replayed from the
// same deal. It also carries its table layout and selection (drawn by the card-table part).
//
// Fields are public: the game flow, the computer player and the table drawing read and write the
// rows directly, as one record each.

#include "platform/core/Geometry.h"

#include <string>
#include <vector>

namespace platform {
class DeviceContext;
}

class CCards {
public:
    CCards(const std::string& name, int capacity, bool open, bool fixedPlaces);
    virtual ~CCards() = default;
    CCards(const CCards&) = delete;
    CCards& operator=(const CCards&) = delete;

    // The three replaceable operations, in slot order.
    // Every slot to -1 and not present, face down, no selection, rememberedSuit -1. The count
    // stays: callers that need an empty row set it (CTrick::Reset) or refill the row.
    virtual void Clear();
    // Fills every slot with a random card of DeckTable not yet taken (Rand() % 32, drawn again
    // while taken), marks it taken and keeps it in dealt. Reports an internal error and stops,
    // instead of drawing forever, when the deck has no free card left for a slot.
    virtual void Deal();
    // Every slot present, count = capacity; with fromDealt the cards come back from dealt first.
    virtual void Restore(bool fromDealt);

    // Puts a card (code >= 1) into a slot (present, count + 1); a negative slot makes present
    // again the first absent slot holding the card (a card taken out is put back).
    void SetCard(int slot, int card);
    // Appends a card at slot count when the row is not full.
    void AddCard(int card);
    // Slot of a card among capacity + 2 entries, present or not; -1 when absent.
    int FindCard(int card) const;
    // True when a present slot holds the card. Inline: the computer asks it for every card it weighs.
    bool HasCard(int card) const {
        for (std::size_t i = 0; i < cards.size(); ++i)
            if (present[i] && cards[i] == card) return true;
        return false;
    }
    int GetSelectedCard() const;
    bool IsSelectedCard(int card) const;
    bool IsComplete() const { return count == capacity; }
    // Card points of the cards in all slots (an empty slot counts 0).
    int CountPoints() const;
    // Takes this row's cards out, then copies the other row's cards slot by slot.
    void CopyFrom(const CCards& other);
    // The card of a slot; with take (and cards in the row) the slot leaves the row. The card's
    // picture leaves the table in any case.
    int RemoveCard(int slot, bool take);
    // Plays the card of a slot: it leaves the row, the forced card of the card play is updated,
    // and the row is laid out again so that the remaining cards close up.
    int PlayCard(int slot);
    // Display sort by the setting View/SortMode and the game type (also sorts dealt for the
    // players' rows).
    void Sort();
    // Sorts dealt by SortKeyTables table 1; once after each deal.
    void SortByTable();
    // Sorts slots 0..capacity-1 (cards with their present flags) by a SortKeyTables table.
    void SortSlots(int table);

    // --- The row on the table window (model/CardsOnTable*.cpp) -----------------------------------
    // Every present card's picture leaves the table; with take the slots leave the row.
    void RemoveCards(bool take);
    void RemoveCardsIfAny(bool take);
    // Lays the row out on the table (mode 0 plain, 1 dealing, 2 ordering); slots first..last
    // (last 0 = capacity - 1); with keepGaps an empty slot keeps its place. With a device context
    // the cards are drawn into it (printing) instead of being put on the table.
    void PaintCards(int mode = 0, bool keepGaps = false, int first = 0, int last = 0,
                    platform::DeviceContext* dc = nullptr);
    void SetLayout(int x, int y, int dx, int dy);
    void SetLayoutOffset(int x, int y);
    // Where a slot's card lies (top-left corner); sets the layout cursor there. A negative slot
    // gives the origin without offset.
    platform::Point GetSlotPosition(int slot);
    // Advances the layout cursor by one card and answers it.
    platform::Point NextLayoutPosition();
    // Shows the slot's card at (x, y) and, unless target is -1, slides it to its slot position
    // (target 1 deal, 2 play, 3 swap: the delay of that setting).
    void DealSlot(int slot, int x, int y, int target, bool showFaceUp);
    // Every present card goes to (x, y): the trick gathered to one point.
    void DealAll(int x, int y);
    // Puts the card into the slot and shows it where the dealing animation starts.
    void DealCard(int slot, int card);
    // The same for a row of three fixed places.
    void DealCardToPile(int slot, int card);
    // Where the cards of a pile are gathered: nine steps along the row from its origin.
    platform::Point GetPilePosition(int pile);
    // Face up when the row is open or turned face up, or every card is shown open.
    void ExposeCard(int card);
    // With show the row is turned face up (not a closed Null Ouvert under variant rules); paints it.
    void Redraw(bool show);
    void OpenCards();
    void CloseCards();
    // Draws again the cards that meet the area (after an expose of the window).
    void Relayout(const platform::Rect& area);
    // The person's keyboard and mouse selection: raises a card (modes 1 previous, 2 next, 3 by
    // card, 4 keep, 5 deselect, 6 ignore the next call); answers the raised slot or -1.
    int SelectCard(int mode, int card, bool sound);
    // Moves the dragged card with the pointer; answers the card it is held over.
    int DragCard(int x, int y);
    // True when the point lies within the row's area (the trick's drop area).
    bool HitTest(int x, int y) const;

    // The per-game-type option records of a player (nine records of 13 words), written and read
    // by the computer player's evaluation; never touched by the row itself.
    int gameOptions[9][13] = {};

    std::vector<unsigned char> present;  // capacity entries
    std::vector<int> cards;              // capacity + 2 entries; -1 = empty
    std::vector<int> dealt;              // capacity entries, the cards as dealt
    int count = 0;
    int capacity = 0;

    // Fields of the computer player's card play, kept per row (reset or suspended by the model).
    int rememberedSuit = -1;   // a suit remembered by the card play; -1 none
    int FaceUpSeen = 0;       // a defender has met the soloist's cards laid face up (give-up offer)
    int forcedCard = 0;        // > 0 committed, < 0 suspended, 0 none
    int partnerTopSuits = 0;   // bit s: the partner's card in a won trick was the top of suit s
    int ForcedCardCount = 0;  // the hand's count when forcedCard was committed

    bool faceUp = false;
    bool open = false;         // always shown open (the person's hand, the trick rows)
    bool fixedPlaces = false;  // laid out on three fixed places (the trick)

    int originX = 0, originY = 0;
    int stepX = 0, stepY = 0;
    int offsetX = 0, offsetY = 0;
    std::string name;  // "Comp1", "Comp2", "Person" for the players, empty for the others
    int cursorX = 0, cursorY = 0;
    int cursorSlot = 0;
    int selectedX = 0, selectedY = 0;
    int selectedSlot = 0;
    bool selectionActive = false;
    bool skipNextSelect = false;  // SelectCard mode 6: the next selection does nothing

protected:
    // PaintCards with no card deck on the table: the layout cursor's walk over slots first..last
    // (last already resolved) and where the selected slot lies (-1: none noted), nothing drawn.
    void WalkLayout(bool keepGaps, int first, int last, int selected);
    // The forced-card rule after card c left the row.
    void UpdateForcedCard(int card);
};
