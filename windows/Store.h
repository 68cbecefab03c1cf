#pragma once
// CStore: the cards assignment, the side window that lists every stored deal of the match (number,
// skat, result, time and the three hands as suit and rank symbols). The deal under the pointer is
// highlighted; a click on it offers to replay it. Its two static operations keep the stored deals
// themselves and work whether or not the window is open. A hidden CStore prints the list.

#include "platform/core/Bitmap.h"
#include "windows/SideWindow.h"

class CSkat;

class CStore : public CSideWindow {
public:
    CStore();

    // Appends the deal of the game just counted (g_Game.StoreCount and g_Game.GameCount already
    // include it): the time, the numbering mode, the game's number and the cards as dealt. The
    // new deal's words 0-4 are zero, except that deal 1 keeps the old array's (the tail of a long
    // title runs into them).
    static void AddDeal(int numberingMode, const CSkat& game);
    // Sorts every stored skat and hand as the hands on the table are sorted now; empty slots keep
    // their places.
    static void ResortStoredHands();

    // Draws the title and every stored deal with the origin (5 - dx, 5 - dy).
    void DrawList(platform::DeviceContext& dc, int dx, int dy);
    // After the store changed: ranges, the newest deals in view, and with show the bars and a
    // repaint. The highlight is forgotten: the content under it moved.
    void UpdateScrollBars(bool show);
    // Brings the highlight in line with Selection, copying the band's pixels, never repainting.
    void HighlightRow();

    // The deal (from 1) whose band holds the sheet point, or 0.
    static int DealAt(int sheetX, int sheetY);
    static int SheetHeightFor(int deals) { return 92 * deals + 57; }
    static int CompactHeight(int games);
    static constexpr int kFullHeight = 656;
    static constexpr int kWidth = 484;

    int Selection = 0;        // the deal under the pointer; negative right after a click on it
    int HighlightedDeal = 0;
    int HighlightTop = 0;
    int ScrollX = 0, ScrollY = 0;
    bool FullHeight = false;

protected:
    int SheetHeight() const override;
    void Paint(platform::DeviceContext& dc, int xOffset, int yOffset) override;
    bool OnCreateWindow() override;
    void OnPlainClose() override;
    bool OnLeftClick(platform::Point point) override;
    void OnRightClick(platform::Point point) override;
    void OnSysCommand(int id) override;
    void OnMouseMove(platform::Point point) override;
    bool WheelAllowedAt(platform::Point screen) const override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SwitchStoreSize();

    platform::Bitmap SaveBitmap;
    platform::Bitmap MaskBitmap;
    bool saved = false;  // SaveBitmap holds the pixels under the highlight
};
