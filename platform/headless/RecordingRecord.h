#pragma once
// One drawing call as the recording device context noted it: what was drawn, where on the device
// (after mapping), how much of it the clip let through, and the attributes that decide its look.
// Only the fields that matter for a kind are filled; the others keep their defaults, so whole
// records compare meaningfully.

#include <iosfwd>
#include <string>
#include <vector>

#include "platform/core/DrawingFlags.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/Geometry.h"

namespace platform {

// Scroll: the surface's pixels in `bounds` moved by points[0] (ScrollSurface), not a drawing.
enum class DrawKind { Text, Line, Rectangle, RoundRect, Ellipse, Polygon, Fill, Frame, Pixel, Blit, Scroll };

struct DrawRecord {
    DrawKind kind = DrawKind::Text;
    // Device box the call covers: the text's cells, the shape, the line with its pen, the blit's
    // destination.
    Rect bounds;
    // Box around the part of bounds inside the clip ({0,0,0,0} when nothing shows).
    Rect visible;
    // Some of bounds lies outside the clip.
    bool clipped = false;

    // Text: the origin; Line: start and end; Polygon: the vertices; Pixel: the point; Scroll: the
    // distance moved.
    std::vector<Point> points;
    // Text only.
    std::string text;
    LogFont font;
    int escapement = 0;
    Color textColor;
    Color bkColor;
    BkMode bkMode = BkMode::Transparent;
    // Lines and shapes.
    Pen pen;
    // Shapes: the selected brush; Fill and Frame: the brush given.
    Brush brush;
    // RoundRect: corner ellipse size; Frame: border thickness.
    Size corner;
    // Pixel: its colour.
    Color color;
    // Blit: the source rectangle in bitmap pixels, the bitmap's size and the raster operation.
    Rect source;
    Size sourceSize;
    RasterOp rasterOp = RasterOp::SrcCopy;

    friend bool operator==(const DrawRecord&, const DrawRecord&) = default;
};

const char* DrawKindName(DrawKind kind);
// One line naming the kind and the fields it uses, e.g.
// `Text "Vh" at (10,20) box (10,20)-(28,32) font "Arial" 12/0/700 color 000000 transparent`.
std::string FormatRecord(const DrawRecord& record);
// Let test failures show records and values readably.
void PrintTo(const DrawRecord& record, std::ostream* out);
void PrintTo(const Point& point, std::ostream* out);
void PrintTo(const Size& size, std::ostream* out);
void PrintTo(const Rect& rect, std::ostream* out);
void PrintTo(const Color& color, std::ostream* out);

}  // namespace platform
