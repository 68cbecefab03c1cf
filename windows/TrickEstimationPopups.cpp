// The explanation popups' machinery of the trick estimation window: the hit test over the hot
// spots, the popup state, the placement above the spot, the save-under and the erase. What a popup
// says belongs to its family (suit games, Grand, Null, Ramsch), reached through a PopupCanvas.
#include "platform/core/WindowApi.h"
#include "tavlo/SymbolApi.h"
#include "windows/EstimationPopups.h"
#include "windows/TrickEstimation.h"

// The window as the popup families see it while one popup is drawn.
class CEstimationPopupCanvas : public PopupCanvas {
public:
    CEstimationPopupCanvas(CTrickEstimation& owner, platform::DeviceContext& context, int popupMode)
        : window(owner), dc(context), mode(popupMode) {}

    platform::DeviceContext& Context() override { return dc; }
    int PopupMode() const override { return mode; }
    platform::Rect DrawPopupBox(int boxMode, int spot, int width, int height, int xOffset) override {
        window.PopupSize = {width, height};
        window.PopupRect = window.DrawPopupBox(boxMode, spot, width, height, xOffset, dc);
        return window.PopupRect;
    }
    const CPlayer* ShownPlayer() override { return window.Player; }
    const EstimationSheetBlock* ShownBlock() override {
        return window.Sheet ? reinterpret_cast<const EstimationSheetBlock*>(window.Sheet) : nullptr;
    }
    int TrumpSuit() const override { return window.ComboTrumpSuit(); }
    void DrawSymbol(int suit, int x, int y) override {
        if (suit >= 0 && suit <= 3) WS_DrawSymbol(window.Handle(), 9 + suit, x, y, &dc);
    }

private:
    CTrickEstimation& window;
    platform::DeviceContext& dc;
    int mode;
};

void CTrickEstimation::OnMouseMove(platform::Point point) { HandleMouseMove(point); }

// A mouse move: the popup of the hot spot under the pointer comes up, or the shown one goes.
void CTrickEstimation::HandleMouseMove(platform::Point point) {
    // 1. The window's context; without one the move changes nothing.
    platform::DeviceContext* dc = GetDC(Handle());
    if (!dc) return;
    // 2. The mode of the view.
    const int mode = ViewToPopupMode(View);
    // 3. The popup font, keeping the context's own.
    const platform::LogFont kept = dc->SelectFont(PopupFont());
    // 4. The hit test: while a popup shows only its spot, else the first spot that holds the point.
    auto inside = [&](int spot) {
        const platform::Point corner = HotSpots[mode][spot];
        return point.x >= corner.x && point.x <= corner.x + kSpotWidth && point.y >= corner.y &&
               point.y <= corner.y + kSpotHeight;
    };
    int hit = -1;
    if (CurrentSpot >= 0) {
        if (inside(CurrentSpot)) hit = CurrentSpot;
    } else {
        for (int spot = 0; spot < kHotSpots && hit < 0; ++spot)
            if (inside(spot)) hit = spot;
    }
    // 5. Exactly one of: stay, erase, draw, nothing. After an erase no other spot is tested, so
    // a neighbour's popup comes up on the next move.
    if (CurrentSpot >= 0 && hit != CurrentSpot) {
        ErasePopup(*dc);
    } else if (CurrentSpot < 0 && hit >= 0) {
        CurrentSpot = hit;
        DrawPopup(*dc, mode, hit);
    }
    // 6. The context's own font back, and the context released.
    dc->SelectFont(kept);
    ReleaseDC(Handle(), dc);
}

// Puts back what lay under the shown popup. A surface that keeps no pixels could not save them:
// the window is painted again instead (which ends the popup as every paint does).
void CTrickEstimation::ErasePopup(platform::DeviceContext& dc) {
    CurrentSpot = -1;
    const platform::Rect area{PopupRect.left, PopupRect.top, PopupRect.left + PopupSize.cx + 5,
                              PopupRect.top + PopupSize.cy + 5};
    if (area.Width() <= 5 && area.Height() <= 5) return;  // a spot without a popup drew nothing
    if (PopupSaved) {
        dc.BitBlt(area.left, area.top, area.Width(), area.Height(), PopupSaveBitmap, 0, 0, platform::RasterOp::SrcCopy);
        PopupSaved = false;
    } else {
        // The whole client again, background first: the sheet leaves parts of the client to the
        // background, which only an erase puts back.
        (void)dc;
        InvalidateRect(Handle(), nullptr, true);
    }
}

// 9. The popup of a spot by its mode: spot 0 of every mode is the suit family's.
void CTrickEstimation::DrawPopup(platform::DeviceContext& dc, int mode, int spot) {
    // A spot without a popup leaves an empty rectangle: its erase copies nothing back.
    PopupRect = {};
    PopupSize = {};
    PopupSaved = false;
    if (!Player || !Sheet) return;
    CEstimationPopupCanvas canvas(*this, dc, mode);
    if (spot == 0 || mode == kPopupModeSuit) DrawSuitPopup(canvas, spot);
    else if (mode == kPopupModeGrand) DrawGrandPopup(canvas, spot);
    else if (mode == kPopupModeNull) DrawNullPopup(canvas, spot);
    else if (mode == kPopupModeRamsch) DrawRamschPopup(canvas, spot);
}

platform::Rect CTrickEstimation::DrawPopupBox(int mode, int spot, int width, int height, int xOffset,
                                              platform::DeviceContext& dc) {
    // 1.-3. Above the spot, overlapping its top 4 pixels; a right-hand spot's box to its left.
    const platform::Point corner =
        mode >= 0 && mode < kPopupModes && spot >= 0 && spot < kHotSpots ? HotSpots[mode][spot] : platform::Point{};
    int left = corner.x + xOffset + 2;
    if (IsRightHandSpot(mode, spot)) left -= width + 4;
    const int right = left + width + 4;
    const int top = corner.y - height;
    const int bottom = corner.y + 4;
    // 4. The save-under holds the whole box (it takes the box's size).
    const platform::Rect saved{left, top, left + width + 5, top + height + 5};
    PopupSaved = dc.CopyPixels(dc.LPtoDP(saved), PopupSaveBitmap);
    // 5. White inside, framed with the current pen.
    dc.FillRect({left, top, right, bottom}, platform::Brush::Solid(platform::Rgb(255, 255, 255)));
    dc.MoveTo(left, top);
    dc.LineTo(right, top);
    dc.LineTo(right, bottom);
    dc.LineTo(left, bottom);
    dc.LineTo(left, top);
    return {left, top, right, bottom};
}
