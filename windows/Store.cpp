#include "windows/Store.h"

#include "match/GameList.h"
#include "match/StoreRows.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "platform/core/ControlMessages.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Resources.h"
#include "platform/core/SystemMenu.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "tavlo/SymbolApi.h"
#include "windows/Score.h"
#include "windows/WindowFrameServices.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

constexpr int kBandLeft = 52, kBandRight = 442, kBandWidth = 390, kBandHeight = 72, kPitch = 92, kFirstBand = 32;

const SideWindowTraits kStoreTraits = [] {
    SideWindowTraits traits;
    traits.toggleCommand = ID_LIST_STORE;
    traits.className = "CStore";
    traits.section = "RectStore";
    traits.helpTopic = "::/Bedienung/Kartenzuordnung.htm#load";
    traits.sheetWidth = 445;
    traits.horizontalRangeWidth = 495;
    traits.lineX = 18;
    traits.lineY = 18;
    traits.verticalOnlyWhileShown = false;
    traits.wheelOnlyWhileShown = true;
    traits.rangesAlways = true;
    traits.erasesToWhite = true;
    return traits;
}();

}  // namespace

CStore::CStore() : CSideWindow(kStoreTraits, &g_Settings.View.ListStore) {}

int CStore::SheetHeight() const { return SheetHeightFor(g_StoreRows.StoredDeals()); }

int CStore::CompactHeight(int games) { return std::min(std::max(games, 0), 6) * 80 + 176; }

int CStore::DealAt(int x, int y) {
    // Truncating towards zero, so the strip above the first band also tests band 1.
    const int r = (y - kFirstBand) / kPitch;
    const int top = kFirstBand + kPitch * r;
    if (x < kBandLeft || x > kBandRight || y < top || y > top + kBandHeight) return 0;
    return r + 1;
}

void CStore::Paint(platform::DeviceContext& dc, int xOffset, int yOffset) {
    DrawList(dc, xOffset, yOffset + 6);
    ScrollX = xOffset;
    ScrollY = yOffset;
}

bool CStore::OnCreateWindow() {
    if (platform::Menu* menu = platform::GetSystemMenu(Handle()))
        platform::InsertMenuItemAt(*menu, 5, ID_SCORE_OPTIMIZE, platform::LoadString(ID_SCORE_OPTIMIZE));
    FullHeight = false;
    // The highlight darkens the band by ANDing it with grey 220.
    MaskBitmap = platform::Bitmap(kBandWidth, kBandHeight, platform::Rgb(220, 220, 220));
    SaveBitmap = platform::Bitmap(kBandWidth, kBandHeight);
    HighlightedDeal = 0;
    WS_NewSymbolDeck(Handle());
    return true;
}

void CStore::OnPlainClose() { WS_DeleteSymbolDeck(Handle()); }

LRESULT CStore::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A vertical scroll (also by the wheel) takes the highlight away first.
    if (message == WM_VSCROLL) {
        Selection = 0;
        HighlightRow();
    }
    return CSideWindow::WindowProc(message, wParam, lParam);
}

void CStore::OnMouseMove(platform::Point point) {
    // 1. The first movement after a click restores the clicked deal without a hit test.
    if (Selection < 0) {
        Selection = -Selection;
    } else {
        // 2.-3. The band under the pointer, in sheet coordinates.
        Selection = DealAt(point.x + ScrollX, point.y + ScrollY);
    }
    // 4. Past the stored deals nothing is selected and the highlight stays as it is.
    if (Selection > g_StoreRows.StoredDeals()) {
        Selection = 0;
        return;
    }
    // 5. A selection that moved gets the highlight.
    if (Selection != HighlightedDeal) HighlightRow();
}

void CStore::HighlightRow() {
    platform::DeviceContext* dc = GetDC(Handle());
    if (!dc) return;
    // 2. What lay under the old band goes back.
    if (HighlightedDeal != 0) {
        const int x = kBandLeft - ScrollX, y = HighlightTop - ScrollY;
        if (saved) {
            dc->BitBlt(x, y, kBandWidth, kBandHeight, SaveBitmap, 0, 0, platform::RasterOp::SrcCopy);
        } else {
            // A surface that keeps no pixels gets the band drawn again in place, without a paint.
            const platform::Rect band{x, y, x + kBandWidth, y + kBandHeight};
            dc->SaveDC();
            dc->IntersectClipRect(band);
            dc->FillRect(band, platform::Brush::Solid(platform::Rgb(255, 255, 255)));
            DrawList(*dc, ScrollX, ScrollY + 6);
            dc->RestoreDC(-1);
        }
        HighlightedDeal = 0;
    }
    // 3. The new band: keep its pixels, then darken it.
    if (Selection != 0) {
        HighlightedDeal = Selection;
        HighlightTop = kFirstBand + kPitch * (Selection - 1);
        const int x = kBandLeft - ScrollX, y = HighlightTop - ScrollY;
        saved = dc->CopyPixels({x, y, x + kBandWidth, y + kBandHeight}, SaveBitmap);
        dc->BitBlt(x, y, kBandWidth, kBandHeight, MaskBitmap, 0, 0, platform::RasterOp::SrcAnd);
    }
    ReleaseDC(Handle(), dc);
}

bool CStore::OnLeftClick(platform::Point) {
    // The click acts on the deal the last movement selected, and only while it is stored.
    const int deal = std::abs(Selection);
    if (deal == 0) return false;
    if (deal <= g_StoreRows.StoredDeals()) {
        std::array<int, 40> words{};
        for (int w = 0; w < 40; ++w) words[static_cast<std::size_t>(w)] = g_StoreRows.DealWord(deal, w);
        g_SideWindowFrame.LoadFromStore(g_StoreRows.DealWord(1, DEAL_NUMBERING), words);
    }
    Selection = -Selection;
    return true;
}

bool CStore::WheelAllowedAt(platform::Point screen) const {
    platform::Point client = screen;
    ScreenToClient(Handle(), &client);
    platform::Rect area;
    GetClientRect(Handle(), &area);
    const int x = client.x + ScrollX;
    return !(x >= kBandLeft && x <= std::min(area.right, kBandRight));
}

void CStore::OnRightClick(platform::Point) { SwitchStoreSize(); }

void CStore::OnSysCommand(int id) {
    if (id == ID_SCORE_OPTIMIZE) SwitchStoreSize();
}

// The first switch gives the full height; the compact one counts the score list's games.
void CStore::SwitchStoreSize() {
    const int height = FullHeight ? CompactHeight(g_Game.GameCount) : kFullHeight;
    FullHeight = !FullHeight;
    HighlightedDeal = 0;
    SwitchSize(kWidth, height);
}

void CStore::UpdateScrollBars(bool show) {
    // 1. Ranges and the newest deals in view.
    platform::Rect client;
    GetClientRect(Handle(), &client);
    const int height = SheetHeight();
    SetBarRange(false, 0, 495 - client.Width());
    SetBarRange(true, 0, height - client.Height());
    SetBarPosition(true, VerticalBar().high);
    // The saved pixels no longer match the moved content.
    HighlightedDeal = 0;
    Selection = 0;
    if (!show) return;
    // 2. The bars, measured before they change, and a repaint.
    ShowBars(client.Width() < 445, client.Height() < height);
    RedrawWindow(Handle(), nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    g_SideWindowFrame.FocusFrame();
}
