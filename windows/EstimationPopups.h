#pragma once
// The explanation popups of the trick estimation window: what each hot spot of a rule sheet says
// about the shown player's hand. Four families, one per hot-spot mode (suit games, Grand, Null,
// Ramsch); the window hit-tests, erases and routes, the family formats, measures and draws.
// A family reaches the window only through PopupCanvas, so tests drive it over a recording
// surface without a window.

#include <cstdint>
#include <string_view>

#include "computer/evaluation/ComputerState.h"
#include "platform/core/DeviceContext.h"
#include "platform/core/Geometry.h"

class CPlayer;

// One block of a player's trick estimation sheet: 35 rows of 26 words, 65535 for empty.
using EstimationSheetBlock = std::int32_t[SHEET_ROWS][SHEET_FIELDS];

// Hot-spot modes: the row of the window's spot table that a view uses.
constexpr int kPopupModeSuit = 0;
constexpr int kPopupModeGrand = 1;
constexpr int kPopupModeNull = 2;
constexpr int kPopupModeRamsch = 3;

// What a popup family needs of the trick estimation window while it draws one popup.
class PopupCanvas {
public:
    virtual ~PopupCanvas() = default;

    // The window's device context with the popup font (Arial 12, bold) selected and the window's
    // text colours; every popup text is measured and drawn with it.
    virtual platform::DeviceContext& Context() = 0;

    // The hot-spot mode of the shown view (kPopupMode...); spot 0 of every mode has the suit
    // family's popup, placed by this mode's spot table.
    virtual int PopupMode() const = 0;

    // Places the popup of `spot` in `mode` above its spot box (shifted by xOffset, and to the
    // left for a right-hand spot), saves the window's pixels under it, fills it white and frames
    // it with the current pen. The window keeps (width, height) and the returned rectangle as
    // the shown popup's size and rectangle, so that the next move off the spot erases it.
    virtual platform::Rect DrawPopupBox(int mode, int spot, int width, int height,
                                        int xOffset) = 0;

    // The player whose sheet is shown; null before the panel chose one (then no popup).
    virtual const CPlayer* ShownPlayer() = 0;
    // The sheet block being shown; null before the first paint (then no popup).
    virtual const EstimationSheetBlock* ShownBlock() = 0;
    // The trump suit index of the suit popups: 3 minus the game combo's selection, or taken from
    // the view when the combo has no selection.
    virtual int TrumpSuit() const = 0;

    // The small symbol of suit index 0..3 (Clubs, Spades, Hearts, Diamonds) with its top-left
    // corner at (x, y); a symbol takes 14 pixels of a popup line.
    virtual void DrawSymbol(int suit, int x, int y) = 0;

    // Text in the popup font, through Context().
    platform::Size MeasureText(std::string_view text) { return Context().GetTextExtent(text); }
    void DrawText(int x, int y, std::string_view text) { Context().TextOut(x, y, text); }
};

// The popup of a hot spot, one entry point per family. Each draws nothing when the canvas has no
// shown player or block, or when the spot has no popup in its family; whatever it draws goes
// through DrawPopupBox first. Every game-type change made while looking cards up is undone
// before it returns.
//   suit games: spot 0 of every mode and spots 1..33 of mode 0
//   Grand:      spots 1..34 of mode 1
//   Null:       spots 1..31 of mode 2
//   Ramsch:     spots 1..32 of mode 3
void DrawSuitPopup(PopupCanvas& canvas, int spot);
void DrawGrandPopup(PopupCanvas& canvas, int spot);
void DrawNullPopup(PopupCanvas& canvas, int spot);
void DrawRamschPopup(PopupCanvas& canvas, int spot);
