#pragma once
// The drawing interface every drawing routine of the program uses (table, score sheet, charts,
// printing), in the classic device-context style: selected font, pen and brush, text colours and
// modes, a clip region and a logical-to-device mapping, with state saved and restored as a stack.
//
// This base class keeps all of that state and does the arithmetic (alignment, DrawText layout,
// mapping, clipping); a host derives from it and puts each primitive, already in device
// coordinates, on its surface through the protected Device* functions. Every text is UTF-8.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Bitmap.h"
#include "platform/core/DrawingFlags.h"
#include "platform/core/DrawingMapping.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/DrawingRegion.h"
#include "platform/core/Geometry.h"

namespace platform {

// One piece of text placed on the device, as the host has to draw it.
struct TextRun {
    std::string text;
    // Device point of the run's start on its top line: the glyphs run from here along the
    // escapement, with their tops on this side.
    Point origin;
    // Device box of the text's cells (filled with the background colour when opaque).
    Rect box;
    // Tenths of a degree; DrawText always lays out horizontally and passes 0.
    int escapement = 0;
    // Device rectangle the run is clipped to besides the clip region (DrawText without NoClip).
    std::optional<Rect> clip;

    friend bool operator==(const TextRun&, const TextRun&) = default;
};

class DeviceContext {
public:
    DeviceContext() = default;
    virtual ~DeviceContext() = default;
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    // A context on the surface of a destroyed window, kept until its holder lets go: drawing does
    // nothing any more, while its objects, attributes and saved states still answer as before.
    void Retire() { retired_ = true; }
    bool Retired() const { return retired_; }
    // The context of a surface that serves a new window: the objects and attributes of a new
    // context, no saved states, drawing again.
    void StartAfresh() {
        state_ = State{};
        saved_.clear();
        retired_ = false;
    }

    // Whether the context draws a printed page (a printer, a preview or a PDF file) rather than a
    // window: drawings that differ on paper ask. The host that makes a page's context sets it.
    bool IsPrinting() const { return printing_; }
    void SetPrinting(bool printing) { printing_ = printing; }

    // Moves the pixels of the device rectangle `area` by (dx, dy) within it, as a window's retained
    // surface does when its content scrolls; what moves out of the area is lost, what it uncovers
    // keeps its old pixels until painted. Neither mapping nor clip applies.
    void ScrollSurface(const Rect& area, int dx, int dy);

    // ---- Objects and attributes; each setter returns the previous value, to be restored ----
    LogFont SelectFont(const LogFont& font);
    Pen SelectPen(const Pen& pen);
    Brush SelectBrush(const Brush& brush);
    const LogFont& CurrentFont() const { return state_.font; }
    const Pen& CurrentPen() const { return state_.pen; }
    const Brush& CurrentBrush() const { return state_.brush; }

    Color SetTextColor(Color color);
    Color GetTextColor() const { return state_.textColor; }
    Color SetBkColor(Color color);
    Color GetBkColor() const { return state_.bkColor; }
    BkMode SetBkMode(BkMode mode);
    BkMode GetBkMode() const { return state_.bkMode; }
    // TextAlign flags.
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return state_.textAlign; }

    // ---- Text (logical units) ----
    // Writes the text with its reference point at (x, y), placed by the text alignment. With
    // TextAlign::UpdateCP it starts at the current position instead and moves it past the text.
    void TextOut(int x, int y, std::string_view text);
    // Writes the text formatted in a rectangle (DrawTextFormat flags). VCenter and Bottom apply to
    // single-line text only, as in the classic interface. With CalcRect nothing is drawn: the
    // rectangle's right edge becomes left + the widest line and its bottom top + the lines' height.
    // Returns the text's height, or with VCenter or Bottom on a single line the distance from the
    // rectangle's top to the bottom of the text.
    int DrawText(std::string_view text, Rect& rect, unsigned format);
    // Width and height of the text in the selected font. For a font turned by a quarter (escapement
    // 900 or 2700) the axes are swapped, so the size is the box the text covers.
    Size GetTextExtent(std::string_view text) const;
    TextMetrics GetTextMetrics() const;

    // ---- Lines and shapes (logical units) ----
    // Returns the previous current position.
    Point MoveTo(int x, int y);
    // A line from the current position up to, not including, (x, y), which becomes current.
    void LineTo(int x, int y);
    Point GetCurrentPosition() const { return state_.currentPosition; }
    // Outlined with the pen and filled with the brush; right and bottom edges excluded.
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(std::span<const Point> points);
    // Fills with the given brush, not the selected one; the pen is not used.
    void FillRect(const Rect& rect, const Brush& brush);
    // A border one logical unit wide just inside the rectangle, in the given brush.
    void FrameRect(const Rect& rect, const Brush& brush);
    void SetPixel(int x, int y, Color color);

    // ---- Bitmaps ----
    // Combines the source's width x height pixels at (sourceX, sourceY) with the destination
    // rectangle at (x, y). Under a scaling mapping the pixels stretch to the mapped rectangle.
    // Source pixels outside the bitmap leave the destination untouched; a size below 1 draws
    // nothing. The source rectangle counts in the bitmap's units: pixels, or for a copy of a scaled
    // screen's surface that surface's units (Bitmap::PixelRatio).
    void BitBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                int sourceY, RasterOp op);
    void StretchBlt(int x, int y, int width, int height, const Bitmap& source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, RasterOp op);

    // ---- Clipping (rectangles in logical units, kept in device units) ----
    ClipKind SetClipRect(const Rect& rect);
    // Back to no clip region: everything on the surface is drawable.
    ClipKind RemoveClip();
    ClipKind IntersectClipRect(const Rect& rect);
    ClipKind ExcludeClipRect(const Rect& rect);
    // The logical box around the drawable area.
    Rect GetClipBox() const;
    bool RectVisible(const Rect& rect) const;
    bool PtVisible(int x, int y) const;

    // ---- Saved states: objects, attributes, position, mapping and clip ----
    // Returns the new depth of the stack (1 for the first save).
    int SaveDC();
    // A positive level restores the state saved by the SaveDC that returned it, dropping every
    // later one; a negative level counts back from the latest (-1 = the latest). False (and no
    // change) when there is no such saved state.
    bool RestoreDC(int level);

    // ---- Mapping ----
    MapMode SetMapMode(MapMode mode);
    MapMode GetMapMode() const { return state_.mapping.Mode(); }
    Point SetWindowOrg(int x, int y);
    Point SetViewportOrg(int x, int y);
    // Each returns the previous extent; see Mapping for when a change is refused.
    Size SetWindowExt(int cx, int cy);
    Size SetViewportExt(int cx, int cy);
    Point GetWindowOrg() const { return state_.mapping.WindowOrg(); }
    Point GetViewportOrg() const { return state_.mapping.ViewportOrg(); }
    Size GetWindowExt() const { return state_.mapping.WindowExt(); }
    Size GetViewportExt() const { return state_.mapping.ViewportExt(); }
    Point LPtoDP(Point logical) const { return state_.mapping.ToDevice(logical); }
    Rect LPtoDP(const Rect& logical) const { return state_.mapping.ToDevice(logical); }
    Point DPtoLP(Point device) const { return state_.mapping.ToLogical(device); }
    Rect DPtoLP(const Rect& device) const { return state_.mapping.ToLogical(device); }

    // Pixels of the device per device unit: above 1 on a scaled screen, where a picture drawn at
    // that many times its size shows every pixel of it.
    virtual double PixelRatio() const { return 1.0; }

    // Whether what is drawn here stays to be seen: false for a surface that keeps nothing, where
    // drawing whose only result is pixels (cards, symbols) may be left out. Measuring and the
    // layout that comes of it work the same either way.
    virtual bool KeepsPixels() const { return true; }

    // The surface's pixels in a rectangle of device coordinates, for a save-under (a highlight
    // that puts back what lay beneath it). False when the surface keeps no pixels; parts outside
    // the surface read black. On a scaled screen the copy holds every pixel of the screen there
    // (PixelRatio of them per unit each way), so that blitting it back changes nothing.
    virtual bool CopyPixels(const Rect& device, Bitmap& into) const {
        (void)device;
        (void)into;
        return false;
    }

protected:
    // The device area: a window's client area, a bitmap, a printed page.
    virtual Rect SurfaceBounds() const = 0;
    // Unturned size of a text in the font, and the font's metrics, in logical units.
    virtual Size MeasureText(std::string_view text, const LogFont& font) const = 0;
    virtual TextMetrics MeasureFont(const LogFont& font) const = 0;

    // The primitives in device coordinates. They use the current attributes (font, pen, brush,
    // colours, background mode) and must stay inside DrawableRegion().
    virtual void DeviceText(const TextRun& run) = 0;
    // From one point to another, the end excluded, with the current pen.
    virtual void DeviceLine(Point from, Point to) = 0;
    virtual void DeviceRectangle(const Rect& rect) = 0;
    virtual void DeviceRoundRect(const Rect& rect, Size corner) = 0;
    virtual void DeviceEllipse(const Rect& rect) = 0;
    virtual void DevicePolygon(const std::vector<Point>& points) = 0;
    virtual void DeviceFill(const Rect& rect, const Brush& brush) = 0;
    // A border of thickness.cx (left, right) and thickness.cy (top, bottom) inside the rectangle.
    virtual void DeviceFrame(const Rect& rect, const Brush& brush, Size thickness) = 0;
    virtual void DevicePixel(Point point, Color color) = 0;
    virtual void DeviceBlit(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                            RasterOp op) = 0;
    // ScrollSurface with `area` already inside the surface; a host without pixels does nothing.
    virtual void DeviceScroll(const Rect& area, int dx, int dy) { (void)area; (void)dx; (void)dy; }

    // Surface bounds within the clip region, in device pixels.
    Region DrawableRegion() const;
    // The current pen's width in device pixels, at least 1.
    int DevicePenWidth() const;
    const Mapping& CurrentMapping() const { return state_.mapping; }

private:
    struct State {
        LogFont font{"System", 16, 0, LogFont::kBold};
        Pen pen{};
        Brush brush{};
        Color textColor{};
        Color bkColor{255, 255, 255};
        BkMode bkMode = BkMode::Opaque;
        unsigned textAlign = TextAlign::Left | TextAlign::Top;
        Point currentPosition{};
        Mapping mapping{};
        std::optional<Region> clip;  // device pixels; none = the whole surface
    };

    ClipKind ClipResult() const;
    Region& ClipForChange();
    // Places text in logical space: its box starts at offset (along, down) from the reference
    // point in the font's direction.
    TextRun PlaceText(std::string_view text, Point reference, int along, int down, Size extent,
                      int escapement) const;

    State state_;
    std::vector<State> saved_;
    bool retired_ = false;
    bool printing_ = false;
};

}  // namespace platform
