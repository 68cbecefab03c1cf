#pragma once
// The simple pixel rendering of the recording device context: fills, frames, lines, pixels and
// blits into a bitmap, each limited to a clip region in device pixels. Text glyphs, rounded
// rectangles, ellipses and polygons are not rendered.

#include "platform/core/Bitmap.h"
#include "platform/core/DrawingFlags.h"
#include "platform/core/DrawingObjects.h"
#include "platform/core/DrawingRegion.h"

namespace platform {

void RasterFill(Bitmap& target, const Region& clip, const Rect& rect, Color color);
// A border of the given thickness inside the rectangle.
void RasterFrame(Bitmap& target, const Region& clip, const Rect& rect, Size thickness, Color color);
// A line of square pen dots width pixels wide, centred on the ideal line. The end point is drawn
// only when includeEnd is set. Dashes are 18 pixels on, 6 off; dots 3 on, 3 off; a null pen draws
// nothing.
void RasterLine(Bitmap& target, const Region& clip, Point from, Point to, const Pen& pen,
                int width, bool includeEnd);
// Rectangle outline along the inside edges of the rectangle, with the pen.
void RasterOutline(Bitmap& target, const Region& clip, const Rect& rect, const Pen& pen, int width);
void RasterPixel(Bitmap& target, const Region& clip, Point point, Color color);
// Each destination pixel takes the source pixel at the matching place of sourceRect (nearest
// pixel, scaled when the sizes differ); where that lies outside the source it stays as it is.
void RasterBlit(Bitmap& target, const Region& clip, const Rect& destination, const Bitmap& source,
                const Rect& sourceRect, RasterOp op);

}  // namespace platform
