#include "model/Cards.h"

#include "model/GameState.h"
#include "model/GameTypeLookups.h"
#include "model/Settings.h"
#include "model/CardCodes.h"
#include "model/InternalError.h"
#include "platform/core/Random.h"

#include <utility>

namespace {

// Exchange sort of the first n codes by a display-key table, skipping entries that hold no card.
void SortCodes(std::vector<int>& codes, int n, int table) {
    const int* keys = SortKeyTables[table];
    for (int i = 0; i + 1 < n; ++i) {
        for (int j = i + 1; j < n; ++j) {
            if (codes[i] < 0 || codes[j] < 0 || codes[i] > 52 || codes[j] > 52) continue;
            if (keys[codes[i]] > keys[codes[j]]) std::swap(codes[i], codes[j]);
        }
    }
}

}  // namespace

// The two spare entries behind the slots hold the skat while a player has it in hand, so the
// present flags cover them as well.
CCards::CCards(const std::string& rowName, int rowCapacity, bool isOpen, bool isFixed)
    : present(static_cast<std::size_t>(rowCapacity) + 2, 0),
      cards(static_cast<std::size_t>(rowCapacity) + 2, NO_CARD),
      dealt(static_cast<std::size_t>(rowCapacity), NO_CARD),
      count(rowCapacity),
      capacity(rowCapacity),
      open(isOpen),
      fixedPlaces(isFixed),
      name(rowName) {}

void CCards::Clear() {
    for (std::size_t i = 0; i < cards.size(); ++i) {
        cards[i] = NO_CARD;
        present[i] = 0;
    }
    faceUp = false;
    selectionActive = false;
    selectedSlot = 0;
    rememberedSuit = -1;
}

void CCards::Deal() {
    count = capacity;
    int freeRows = 0;
    for (const DeckRow& row : DeckTable)
        if (!row.taken) ++freeRows;
    for (int slot = 0; slot < capacity; ++slot) {
        // With no free card left the rejection draw would never end: report and stop, the rest
        // of the row stays empty.
        if (freeRows == 0) {
            ReportInternalError(slot, "Cards", __LINE__);
            count = slot;
            for (int rest = slot; rest < capacity; ++rest) {
                cards[rest] = NO_CARD;
                dealt[rest] = NO_CARD;
                present[rest] = 0;
            }
            return;
        }
        int row = Rand() % DECK_SIZE;
        while (DeckTable[row].taken) row = Rand() % DECK_SIZE;
        DeckTable[row].taken = 1;
        --freeRows;
        cards[slot] = DeckTable[row].code;
        dealt[slot] = DeckTable[row].code;
        present[slot] = 1;
    }
}

void CCards::Restore(bool fromDealt) {
    count = capacity;
    for (int slot = 0; slot < capacity; ++slot) {
        if (fromDealt) cards[slot] = dealt[slot];
        present[slot] = 1;
    }
}

void CCards::SetCard(int slot, int card) {
    if (card < 1) return;
    if (slot >= 0) {
        if (slot >= static_cast<int>(cards.size())) return;
        cards[slot] = card;
        present[slot] = 1;
        ++count;
        return;
    }
    // Put back a card that was taken out: its slot is still there, absent.
    for (std::size_t i = 0; i < cards.size(); ++i) {
        if (cards[i] == card && !present[i]) {
            present[i] = 1;
            ++count;
            return;
        }
    }
}

void CCards::AddCard(int card) {
    if (card < 1) return;
    if (count >= 0 && count < capacity) {
        cards[count] = card;
        present[count] = 1;
        ++count;
    }
}

int CCards::FindCard(int card) const {
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i] == card) return static_cast<int>(i);
    return -1;
}

int CCards::GetSelectedCard() const {
    if (!selectionActive || selectedSlot < 0 || selectedSlot >= static_cast<int>(cards.size())) return 0;
    return cards[selectedSlot];
}

bool CCards::IsSelectedCard(int card) const { return selectionActive && GetSelectedCard() == card; }

int CCards::CountPoints() const {
    int points = 0;
    for (int slot = 0; slot < capacity; ++slot) points += GetCardPoints(cards[slot]);
    return points;
}

void CCards::CopyFrom(const CCards& other) {
    if (count > 0) RemoveCards(true);
    if (other.count <= 0) return;
    for (int slot = 0; slot < capacity && slot < static_cast<int>(other.cards.size()); ++slot)
        SetCard(slot, other.cards[slot]);
}

int CCards::RemoveCard(int slot, bool take) {
    if (slot < 0 || slot >= static_cast<int>(cards.size())) return NO_CARD;
    int card = cards[slot];
    if (count > 0 && take && present[slot]) {
        present[slot] = 0;
        --count;
    }
    return card;
}

int CCards::PlayCard(int slot) {
    if (slot < 0 || slot >= static_cast<int>(cards.size())) return NO_CARD;
    int card = cards[slot];
    if (count > 0 && present[slot]) {
        present[slot] = 0;
        --count;
    }
    UpdateForcedCard(card);
    // The remaining cards close up on the table.
    RemoveCards(false);
    PaintCards();
    return card;
}

void CCards::UpdateForcedCard(int card) {
    int forced = forcedCard;
    if (forced > 0) {
        if (card == forced) {
            forcedCard = -forced;
        } else if (GetCardSuit(card, false) != GetCardSuit(forced, false) &&
                   GetCardSuit(card, false) != g_Game.GameType && g_Game.GameType != GAME_REVOLUTION) {
            // A card of another suit that is no trump: the plan waits until the suit comes back.
            forcedCard = -forced;
        }
    } else if (!IsNullGame()) {
        forcedCard = 0;
    }
}

void CCards::Sort() {
    int mode = g_Settings.View.SortMode;
    int table = (mode & 0x001) ? 0 : 1;
    if (mode & 0x100) {
        if (IsNullGame()) table += 8;
    } else if (mode & 0x400) {
        table += 8;
    }
    if (table == 0 || table == 1) {
        // The trump suit goes first only once the game is known; before that Clubs leads.
        int state = g_Game.FlowState;
        bool declared = state == STATE_HAND || state == STATE_ASK || state == STATE_PLAY;
        int trump = declared && IsSuitGame(g_Game.GameType) ? g_Game.GameType : 0;
        table = table == 1 ? table + trump + 3 : table + trump;
    }
    SortSlots(table);
    // The players' rows keep their dealt cards in the same order for the game course.
    if (!name.empty()) SortCodes(dealt, capacity, table);
}

void CCards::SortSlots(int table) {
    if (table < 0 || table > 9) return;
    const int* keys = SortKeyTables[table];
    for (int i = 0; i + 1 < capacity; ++i) {
        for (int j = i + 1; j < capacity; ++j) {
            if (cards[i] < 0 || cards[j] < 0 || cards[i] > 52 || cards[j] > 52) continue;
            if (keys[cards[i]] > keys[cards[j]]) {
                std::swap(cards[i], cards[j]);
                std::swap(present[i], present[j]);
            }
        }
    }
}

void CCards::SortByTable() { SortCodes(dealt, capacity, 1); }
