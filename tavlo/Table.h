#pragma once
// tavlo::Table: everything tavlo keeps for one window (its card deck, balloons and symbols) and the
// drawing of it on the window. tavlo draws at once on the window's retained surface; an area it
// leaves (a card moved or taken away, a balloon or symbol removed) is invalidated, so that the
// window's own paint puts its background back and asks tavlo to redeal the cards there.
//
// Tables live in a registry by window handle while any of their decks exists. Callers that pump
// messages (slides) hold a shared pointer, so a deck deleted meanwhile stays valid until they return.

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/core/DeviceContext.h"
#include "platform/core/Message.h"
#include "tavlo/Balloons.h"
#include "tavlo/CardDeck.h"
#include "tavlo/CardPainter.h"
#include "tavlo/Symbols.h"

namespace tavlo {

class SlideClock;

// A drag in progress (or ended and not yet undone).
struct DragRecord {
    int card = 0;
    bool moving = false;           // between WC_InitDrag and WC_EndDrag
    platform::Point grab;          // the pointer's offset from the card's corner
    platform::Point origin;        // where the card lay before the drag
    int successor = 0;             // the card that lay next above it before the drag
};

// The card part of a table.
struct CardLayer {
    CardDeck deck;
    int zoom = 100;
    int faceDesign = 0;  // 0..9
    int backDesign = 0;  // 0..31
    std::optional<DragRecord> drag;
};

class Table {
public:
    explicit Table(HWND window);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    HWND Window() const { return m_window; }
    bool IsEmpty() const { return !cards && !balloons && !symbols; }

    std::optional<CardLayer> cards;
    std::optional<BalloonDeck> balloons;
    std::optional<SymbolDeck> symbols;

    // Set when the card deck is deleted or the registry is reset: running slides end.
    std::uint64_t cardGeneration = 0;

    CardLook LookOf(int card) const;
    // Everything of tavlo that meets the area, in stacking order: cards, then symbols, then balloons.
    void PaintInto(platform::DeviceContext& dc, const platform::Rect& area);
    // PaintInto on the window's surface, clipped to the area; nothing where the surface keeps no
    // pixels. Where the host shows the surface later (a screen), the area waits for that, or for
    // the next drawing on the window by anyone, and is drawn as the table stands then.
    void Redraw(const platform::Rect& area);
    // The areas whose drawing waits, each drawn now.
    void DrawPending();
    // The window's own paint is asked to restore the area.
    void Erase(const platform::Rect& area) const;

    // Moves a dealt card, erasing where it was and drawing where it is now.
    void MoveCard(int card, platform::Point position);

    // The timer window of this table's slides, made on first use; nullptr when the window cannot
    // have one (no window system host, or no such window).
    SlideClock* Clock();
    // Ends every slide of the card at once (it stays where it is).
    void StopSlides(int card);

private:
    // Keeps an area to draw; one inside an area already kept adds nothing.
    void AddPending(const platform::Rect& area);
    void DrawNow(const platform::Rect& area);

    HWND m_window;
    std::unique_ptr<SlideClock> m_clock;
    std::vector<platform::Rect> m_pending;
};

// The registry.
Table* FindTable(HWND window);
std::shared_ptr<Table> ShareTable(HWND window);
Table& ObtainTable(HWND window);
// Drops the table once none of its decks is left.
void ReleaseTableIfEmpty(HWND window);
// Forgets every table (tests start from here).
void ResetTables();

}  // namespace tavlo
