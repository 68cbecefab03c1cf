#include "tavlo/Table.h"

#include <map>
#include <utility>
#include <vector>

#include "platform/core/DrawingRegion.h"
#include "platform/core/WindowApi.h"
#include "tavlo/SlideClock.h"

namespace tavlo {

namespace {
std::map<HWND, std::shared_ptr<Table>> g_tables;
// The table last found: every call of the card, symbol and balloon functions names its window, and
// a program has one table, so the answer is nearly always the one before. Cleared when a table goes.
HWND g_lastWindow = nullptr;
Table* g_lastTable = nullptr;

void ForgetLastTable() {
    g_lastWindow = nullptr;
    g_lastTable = nullptr;
}
}  // namespace

Table::Table(HWND window) : m_window(window) {}

Table::~Table() = default;

CardLook Table::LookOf(int card) const {
    CardLook look;
    look.card = card;
    if (!cards) return look;
    look.faceUp = cards->deck.IsFaceUp(card);
    look.highlighted = cards->deck.IsHighlighted(card);
    look.faceDesign = cards->faceDesign;
    look.backDesign = cards->backDesign;
    return look;
}

void Table::PaintInto(platform::DeviceContext& dc, const platform::Rect& area) {
    // Cards and symbols leave only pixels; a balloon's drawing also settles its bounds, which hit
    // tests and later erasing read, so balloons are laid out on every surface.
    const bool keepsPixels = dc.KeepsPixels();
    if (cards && keepsPixels) {
        for (const CardDeck::Dealt& dealt : cards->deck.Stacking()) {
            const platform::Rect cardArea = cards->deck.AreaAt(dealt.position);
            if (cardArea.Intersects(area)) DrawCard(dc, LookOf(dealt.card), cardArea);
        }
    }
    if (symbols && keepsPixels) {
        for (const auto& [id, position] : symbols->shown) {
            if (SymbolArea(id, position).Intersects(area)) DrawSymbol(dc, id, position);
        }
    }
    if (balloons) {
        for (auto& [id, balloon] : balloons->shown) {
            if (balloon.bounds.Intersects(area)) {
                balloon.bounds = DrawBalloon(dc, id, balloon.position, balloon.tail, balloon.text).bounds;
            }
        }
    }
}

void Table::Redraw(const platform::Rect& area) {
    // A surface that keeps nothing shows nothing: the cards', symbols' and balloons' places are
    // state already (a balloon's bounds were laid out when it was shown), so nothing is drawn.
    if (area.IsEmpty() || !SurfaceKeepsPixels(m_window)) return;
    // On a screen the areas wait for the host to show the window (or for anyone else to draw on
    // it): a card sliding through many steps is drawn once where it lies then, not at every step.
    const HWND window = m_window;
    if (DeferDrawing(window, [window] {
            if (Table* table = FindTable(window)) table->DrawPending();
        })) {
        AddPending(area);
        return;
    }
    DrawNow(area);
}

void Table::AddPending(const platform::Rect& area) {
    for (const platform::Rect& pending : m_pending)
        if (pending.Intersect(area) == area) return;
    std::erase_if(m_pending, [&area](const platform::Rect& pending) { return area.Intersect(pending) == pending; });
    m_pending.push_back(area);
}

void Table::DrawPending() {
    const std::vector<platform::Rect> pending = std::move(m_pending);
    m_pending.clear();
    if (pending.empty()) return;
    // One drawing clipped to the areas together: a card that lies in several of them (the steps of
    // a slide) is drawn once, and nothing outside them is touched.
    platform::Rect bounds = pending.front();
    for (const platform::Rect& area : pending) bounds = bounds.Union(area);
    platform::Region outside(bounds);
    for (const platform::Rect& area : pending) outside.ExcludeRect(area);
    platform::DeviceContext* dc = GetDC(m_window);
    if (!dc) return;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(bounds);
    for (const platform::Rect& piece : outside.Rects()) dc->ExcludeClipRect(piece);
    PaintInto(*dc, bounds);
    dc->RestoreDC(saved);
    ReleaseDC(m_window, dc);
}

void Table::DrawNow(const platform::Rect& area) {
    platform::DeviceContext* dc = GetDC(m_window);
    if (!dc) return;
    const int saved = dc->SaveDC();
    dc->IntersectClipRect(area);
    PaintInto(*dc, area);
    dc->RestoreDC(saved);
    ReleaseDC(m_window, dc);
}

void Table::Erase(const platform::Rect& area) const {
    if (!area.IsEmpty()) InvalidateRect(m_window, &area, true);
}

void Table::MoveCard(int card, platform::Point position) {
    if (!cards) return;
    const std::optional<platform::Rect> before = cards->deck.Area(card);
    if (!before || before->TopLeft() == position || !cards->deck.Move(card, position)) return;
    Erase(*before);
    Redraw(cards->deck.AreaAt(position));
}

SlideClock* Table::Clock() {
    if (m_clock && m_clock->IsAlive()) return m_clock.get();
    if (!platform::WindowSystem::Instance().AttachedHost() || !IsWindow(m_window)) return nullptr;
    auto clock = std::make_unique<SlideClock>(*this);
    platform::CreateParams params;
    params.kind = platform::WindowKind::Child;
    params.parent = m_window;
    if (!clock->Create(params)) return nullptr;
    m_clock = std::move(clock);
    return m_clock.get();
}

void Table::StopSlides(int card) {
    if (m_clock) m_clock->Stop(card);
}

Table* FindTable(HWND window) {
    if (window && window == g_lastWindow) return g_lastTable;
    const auto it = g_tables.find(window);
    if (it == g_tables.end()) return nullptr;
    g_lastWindow = window;
    g_lastTable = it->second.get();
    return g_lastTable;
}

std::shared_ptr<Table> ShareTable(HWND window) {
    const auto it = g_tables.find(window);
    return it == g_tables.end() ? nullptr : it->second;
}

Table& ObtainTable(HWND window) {
    std::shared_ptr<Table>& table = g_tables[window];
    if (!table) table = std::make_shared<Table>(window);
    return *table;
}

void ReleaseTableIfEmpty(HWND window) {
    const auto it = g_tables.find(window);
    if (it != g_tables.end() && it->second->IsEmpty()) {
        if (it->second.get() == g_lastTable) ForgetLastTable();
        g_tables.erase(it);
    }
}

void ResetTables() {
    for (auto& [window, table] : g_tables) {
        ++table->cardGeneration;
        table->cards.reset();
    }
    g_tables.clear();
    ForgetLastTable();
}

}  // namespace tavlo
