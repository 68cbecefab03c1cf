#pragma once
// CTrickEstimation: the side window that lays out, for one of the three players, the computer
// player's bidding evaluation of that player's hand as a rule sheet: the suit games by trump, Grand,
// Null and Ramsch, each with its term boxes and rule lines. Resting the mouse on a box brings up a
// popup that explains the term; leaving the box puts back what lay under the popup. The window owns
// no game data: it shows what the evaluation left in the shown player's sheet when it paints.

#include "computer/evaluation/ComputerState.h"
#include "platform/core/Bitmap.h"
#include "platform/core/Geometry.h"
#include "windows/EstimationPopups.h"
#include "windows/EstimationSheetDrawing.h"
#include "windows/SideWindow.h"

#include <array>
#include <cstdint>
#include <string>

class CPlayer;
class CTrickEstimationDialog;

// The views in the order of the panel's game combo.
enum EstimationView : int {
    VIEW_DIAMONDS = 0,
    VIEW_HEARTS = 1,
    VIEW_SPADES = 2,
    VIEW_CLUBS = 3,
    VIEW_GRAND = 4,
    VIEW_NULL = 5,
    VIEW_RAMSCH = 6,
};
inline constexpr int kEstimationViews = 7;

// The hot-spot modes (kPopupMode...): which row of HotSpots a view records and its popups read.
inline constexpr int kPopupModes = 4;
inline constexpr int kHotSpots = 35;
// A hot spot's box; its sensitive area includes the right and bottom edges.
inline constexpr int kSpotWidth = 20;
inline constexpr int kSpotHeight = 17;

// The sheet's size where its texts leave it narrowest, and the window's sizes.
inline constexpr int kEstimationSheetWidth = 507;
inline constexpr int kEstimationSheetHeight = 669;

// The view of a game type (0 Clubs ... 8 Durchmarsch); a type outside 0..8 keeps `view`.
int GameTypeToView(int gameType, int view);
// The sheet block a view shows (suit views by trump suit index: view 0 Diamonds is block 3), or -1.
int ViewToBlock(int view);
// The hot-spot mode of a view.
int ViewToPopupMode(int view);
// Whether spot `spot` of `mode` is a right-hand spot: its popup stands to the left of it.
bool IsRightHandSpot(int mode, int spot);

class CTrickEstimation : public CSideWindow {
public:
    using SheetBlock = std::int32_t (*)[SHEET_FIELDS];
    using ConstSheetBlock = const std::int32_t (*)[SHEET_FIELDS];

    CTrickEstimation();
    ~CTrickEstimation() override;

    // Mode 1: the Auto flag. Mode 2: the player combo's seat. Any other mode refreshes: with Auto
    // the view follows the current game type; then the whole window is redrawn. Returns 0 then.
    int UpdateEstimation(int mode);
    // The panel's player choice again: shown player, phase text and, with Auto, the game.
    void UpdateDialog();
    // The whole sheet anew. What its paint shows besides the drawing (the block of the view, the
    // panel's players, place and phase; no popup up) is taken first, so that it holds also where
    // the host paints nothing.
    void Redraw();
    void SetCompactSize();
    void SetFullSize();

    // The painters of the three sheets (views 0-4, 5, 6) with the scroll offsets.
    void PaintSuitGrandSheet(platform::DeviceContext& dc, int xOffset, int yOffset);
    void PaintNullSheet(platform::DeviceContext& dc, int xOffset, int yOffset);
    void PaintRamschSheet(platform::DeviceContext& dc, int xOffset, int yOffset);
    // A hot-spot box at (x, y) with its label right of it.
    void DrawCellText(int x, int y, const std::string& label, platform::DeviceContext& dc);
    // Places a popup of the measured size above its spot, saves what lies under it and draws the
    // empty framed box; returns its rectangle.
    platform::Rect DrawPopupBox(int mode, int spot, int width, int height, int xOffset, platform::DeviceContext& dc);
    // The popup machinery's entry: the hit test and the popup of the spot under the point.
    void HandleMouseMove(platform::Point point);

    // The block the view shows, of the shown player (nullptr without a player).
    SheetBlock BlockOfView(int view) const;
    // The game combo's trump suit: 3 minus its selection, or from View when nothing is selected.
    int ComboTrumpSuit() const;
    // The player combo's seat (seat 2 when nothing is selected).
    int ComboSeat() const;
    CTrickEstimationDialog* PanelDialog() const { return Panel; }
    // The sheet's width as its columns are laid out.
    int SheetWidth() const override { return Columns.Width(); }
    // Lays the columns out from the labels and rule rows in the sheet font as `dc` measures them.
    void LayOutColumns(platform::DeviceContext& dc);

    // ---- The window's data ----
    platform::Bitmap PopupSaveBitmap;
    const CPlayer* Player = nullptr;
    std::array<std::string, 13> HeaderLabels;
    std::array<std::string, 17> ShortLabels;
    std::array<std::string, 4> ExtraLabels;
    std::array<std::string, 124> RuleRows;
    platform::Point HotSpots[kPopupModes][kHotSpots] = {};
    SheetBlock Sheet = nullptr;
    estimation::SheetColumns Columns;
    int Auto = 0;
    int View = 0;
    int PanelHeight = 0;
    int FrameExtraWidth = 0;
    int FrameExtraHeight = 0;
    // The popup shown (-1 none), its rectangle and its text size, for the erase.
    int CurrentSpot = -1;
    platform::Rect PopupRect{};
    platform::Size PopupSize{};
    // Whether PopupSaveBitmap holds the pixels under PopupRect (a surface that keeps none cannot).
    bool PopupSaved = false;

    // The window's dimensions of the size commands.
    static constexpr int kFullClientWidth = 507, kFullClientHeight = 703;
    static constexpr int kCompactClientWidth = 524, kCompactClientHeight = 176;

protected:
    int SheetHeight() const override { return kEstimationSheetHeight; }
    int HorizontalRangeWidth() const override { return Columns.Width(); }
    void Paint(platform::DeviceContext& dc, int xOffset, int yOffset) override;
    bool OnCreateWindow() override;
    void OnPlainClose() override;
    void OnMouseMove(platform::Point point) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    friend class CEstimationPopupCanvas;
    // The common start of every painter: the block, the panel, the font and the frame. Returns the
    // font the context had.
    platform::LogFont BeginSheet(platform::DeviceContext& dc, int xOffset, int yOffset);
    void LoadLabels();
    void ErasePopup(platform::DeviceContext& dc);
    void DrawPopup(platform::DeviceContext& dc, int mode, int spot);
    // The panel: the players again, moved with the sheet's scroll offsets, the phase.
    void ShowPanel(int xOffset, int yOffset);

    CTrickEstimationDialog* Panel = nullptr;
};

// The popup font: Arial, 12 pixels, bold.
platform::LogFont PopupFont();
// The sheet font: Arial, 14 pixels, bold.
platform::LogFont SheetFont();
