#include "tavlo/CardDeckApi.h"

#include <cstdint>
#include <memory>

#include "platform/core/WindowApi.h"
#include "tavlo/CardPictures.h"
#include "tavlo/SlideClock.h"
#include "tavlo/Table.h"

namespace {

using tavlo::CardDeck;
using tavlo::CardLayer;

CardLayer* CardsOf(HWND window) {
    tavlo::Table* table = tavlo::FindTable(window);
    return table && table->cards ? &*table->cards : nullptr;
}

platform::Size ZoomedSize(const CardLayer& layer) {
    const platform::Size natural = tavlo::Pictures().CardSize(layer.faceDesign);
    return {static_cast<int>(std::int64_t{natural.cx} * layer.zoom / 100),
            static_cast<int>(std::int64_t{natural.cy} * layer.zoom / 100)};
}

void RedrawCard(tavlo::Table& table, int card) {
    if (const auto area = table.cards->deck.Area(card)) table.Redraw(*area);
}

// Takes the card off the table: its slides and its drag end with it.
bool TakeCard(tavlo::Table& table, int card) {
    CardLayer& layer = *table.cards;
    table.StopSlides(card);
    if (layer.drag && layer.drag->card == card) layer.drag.reset();
    return layer.deck.Take(card);
}

}  // namespace

int WC_NewCardDeck(HWND window) {
    tavlo::Table& table = tavlo::ObtainTable(window);
    if (!table.cards) {
        table.cards.emplace();
        table.cards->deck.SetCardSize(ZoomedSize(*table.cards));
    }
    return 1;
}

int WC_HasCardDeck(HWND window) { return CardsOf(window) ? 1 : 0; }

int WC_DeleteCardDeck(HWND window) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards) return 0;
    for (const CardDeck::Dealt& dealt : table->cards->deck.Stacking()) table->StopSlides(dealt.card);
    table->cards.reset();
    ++table->cardGeneration;
    tavlo::ReleaseTableIfEmpty(window);
    return 1;
}

int WC_SetZoom(HWND window, int percent) {
    CardLayer* layer = CardsOf(window);
    if (!layer || percent <= 0 || percent > 1000) return 0;
    layer->zoom = percent;
    layer->deck.SetCardSize(ZoomedSize(*layer));
    return 1;
}

int WC_SetCardBack(HWND window, int, int back) {
    CardLayer* layer = CardsOf(window);
    if (!layer || back < 1 || back > 32) return 0;
    layer->backDesign = back - 1;
    return 1;
}

int WC_SetCardFace(HWND window, int face) {
    CardLayer* layer = CardsOf(window);
    if (!layer || face < 1 || face > 10) return 0;
    layer->faceDesign = face - 1;
    layer->deck.SetCardSize(ZoomedSize(*layer));
    return 1;
}

int WC_DealCard(HWND window, int card, int x, int y) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !CardDeck::IsCardCode(card)) return 0;
    CardDeck& deck = table->cards->deck;
    table->StopSlides(card);
    if (const auto before = deck.Area(card); before && deck.Position(card) != platform::Point{x, y}) {
        table->Erase(*before);
    }
    deck.Deal(card, {x, y});
    RedrawCard(*table, card);
    return 1;
}

int WC_ExposeCard(HWND window, int card, int faceUp) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !CardDeck::IsCardCode(card)) return 0;
    CardDeck& deck = table->cards->deck;
    const bool up = faceUp != 0;
    if (deck.IsFaceUp(card) != up) {
        deck.SetFaceUp(card, up);
        RedrawCard(*table, card);
    }
    return 1;
}

int WC_Slide(HWND window, int card, int x, int y, int delay, int) {
    std::shared_ptr<tavlo::Table> table = tavlo::ShareTable(window);
    if (!table || !table->cards || !table->cards->deck.IsDealt(card)) return 0;
    CardDeck& deck = table->cards->deck;
    const platform::Point target{x, y};
    table->StopSlides(card);
    deck.Raise(card);
    const platform::Point from = *deck.Position(card);
    tavlo::SlideClock* clock = delay > 0 && from != target ? table->Clock() : nullptr;
    if (!clock) {
        table->MoveCard(card, target);
        RedrawCard(*table, card);
        return 1;
    }
    RedrawCard(*table, card);
    const UINT slide = clock->Start(card, from, target, delay);
    const std::uint64_t generation = table->cardGeneration;
    const bool noQuit = WaitWhile([&] {
        return table->cardGeneration == generation && clock->IsAlive() && clock->IsRunning(slide);
    });
    // A quit request ends the wait early: the card still arrives.
    if (!noQuit && table->cardGeneration == generation) clock->Finish(slide);
    return 1;
}

int WC_RedealCard(HWND window, int card) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !table->cards->deck.IsDealt(card)) return 0;
    RedrawCard(*table, card);
    return 1;
}

int WC_RemoveCard(HWND window, int card) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards) return 0;
    const auto area = table->cards->deck.Area(card);
    if (!area || !TakeCard(*table, card)) return 0;
    table->Erase(*area);
    return 1;
}

int WC_CancelCard(HWND window, int card) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards) return 0;
    return TakeCard(*table, card) ? 1 : 0;
}

int WC_IsCardDealt(HWND window, int card) {
    const CardLayer* layer = CardsOf(window);
    return layer && layer->deck.IsDealt(card) ? 1 : 0;
}

int WC_GetCardX(HWND window, int card) {
    const CardLayer* layer = CardsOf(window);
    const auto position = layer ? layer->deck.Position(card) : std::nullopt;
    return position ? position->x : 0;
}

int WC_GetCardY(HWND window, int card) {
    const CardLayer* layer = CardsOf(window);
    const auto position = layer ? layer->deck.Position(card) : std::nullopt;
    return position ? position->y : 0;
}

int WC_GetCardWidth(HWND window, int) {
    const CardLayer* layer = CardsOf(window);
    return layer ? layer->deck.CardSize().cx : 0;
}

int WC_GetCardHeight(HWND window, int) {
    const CardLayer* layer = CardsOf(window);
    return layer ? layer->deck.CardSize().cy : 0;
}

int WC_GetSuccCardDealt(HWND window, int card, int, int) {
    const CardLayer* layer = CardsOf(window);
    return layer ? layer->deck.Successor(card) : 0;
}

int WC_OrderCard(HWND window, int card, int above) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !table->cards->deck.PlaceBelow(card, above)) return 0;
    RedrawCard(*table, card);
    return 1;
}

int WC_GetCardDealt(HWND window, int x, int y, int, int) {
    const CardLayer* layer = CardsOf(window);
    if (!layer) return 0;
    const int card = layer->deck.TopmostAt({x, y});
    return card ? card : WC_NO_CARD_HERE;
}

int WC_HighlightCard(HWND window, int card, int on) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !CardDeck::IsCardCode(card)) return 0;
    CardDeck& deck = table->cards->deck;
    if (deck.IsHighlighted(card) != (on != 0)) {
        deck.SetHighlighted(card, on != 0);
        RedrawCard(*table, card);
    }
    return 1;
}

int WC_DrawCard(HWND window, int card, int x, int y, platform::DeviceContext* dc) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !CardDeck::IsCardCode(card)) return 0;
    const platform::Rect area = table->cards->deck.AreaAt({x, y});
    if (dc) {
        tavlo::DrawCard(*dc, table->LookOf(card), area);
        return 1;
    }
    platform::DeviceContext* surface = GetDC(window);
    if (!surface) return 0;
    tavlo::DrawCard(*surface, table->LookOf(card), area);
    ReleaseDC(window, surface);
    return 1;
}

int WC_InitDrag(HWND window, int x, int y, int) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards) return 0;
    CardLayer& layer = *table->cards;
    const int card = layer.deck.TopmostAt({x, y});
    if (!card) return 0;
    table->StopSlides(card);
    const platform::Point origin = *layer.deck.Position(card);
    layer.drag = tavlo::DragRecord{card, true, {x - origin.x, y - origin.y}, origin, layer.deck.Successor(card)};
    layer.deck.Raise(card);
    RedrawCard(*table, card);
    return card;
}

int WC_DoDrag(HWND window, int x, int y) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !table->cards->drag || !table->cards->drag->moving) return 0;
    const tavlo::DragRecord drag = *table->cards->drag;
    table->MoveCard(drag.card, {x - drag.grab.x, y - drag.grab.y});
    return table->cards->deck.TopmostAt({x, y}, drag.card);
}

int WC_EndDrag(HWND window, int x, int y) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !table->cards->drag || !table->cards->drag->moving) return WC_NO_DROP_TARGET;
    tavlo::DragRecord& drag = *table->cards->drag;
    drag.moving = false;
    table->MoveCard(drag.card, {x - drag.grab.x, y - drag.grab.y});
    const int target = table->cards->deck.TopmostAt({x, y}, drag.card);
    return target ? target : WC_NO_DROP_TARGET;
}

int WC_GetSuccCardDragged(HWND window) {
    const CardLayer* layer = CardsOf(window);
    return layer && layer->drag ? layer->drag->successor : 0;
}

namespace {
// Ends the drag record and puts the card's stacking back; the caller moves it home.
tavlo::DragRecord TakeDrag(CardLayer& layer) {
    const tavlo::DragRecord drag = *layer.drag;
    layer.drag.reset();
    return drag;
}
}  // namespace

int WC_AbortDrag(HWND window) {
    tavlo::Table* table = tavlo::FindTable(window);
    if (!table || !table->cards || !table->cards->drag) return 0;
    const tavlo::DragRecord drag = TakeDrag(*table->cards);
    table->cards->deck.PlaceBelow(drag.card, drag.successor);
    table->MoveCard(drag.card, drag.origin);
    return drag.card;
}

int WC_UndoDrag(HWND window, int delay) {
    std::shared_ptr<tavlo::Table> table = tavlo::ShareTable(window);
    if (!table || !table->cards || !table->cards->drag) return 0;
    const tavlo::DragRecord drag = TakeDrag(*table->cards);
    const std::uint64_t generation = table->cardGeneration;
    WC_Slide(window, drag.card, drag.origin.x, drag.origin.y, delay, 3);
    // The deck may have gone while the card slid.
    if (table->cardGeneration != generation || !table->cards->deck.IsDealt(drag.card)) return 0;
    table->cards->deck.PlaceBelow(drag.card, drag.successor);
    RedrawCard(*table, drag.card);
    return drag.card;
}

platform::Bitmap WC_Bitmap(int index) { return tavlo::SampleBitmap(index); }

namespace tavlo {
void ResetAll() { ResetTables(); }
}  // namespace tavlo
