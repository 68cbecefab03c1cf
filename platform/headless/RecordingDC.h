#pragma once
// The device context of tests and tools: it records every drawing call as a DrawRecord and, when
// given a bitmap, also renders fills, frames, rectangles, lines, pixels, blits and the opaque
// background of text into it, so that tests can check both what was asked and the pixels.
//
// Text metrics are fixed and independent of any font file, in logical units:
//   h            = |height| of the font, or 16 when the height is 0
//   char width   = |width| if the width is not 0, else round(h x 0.5) = (h + 1) / 2;
//                  plus 1 for a bold font (weight 600 or more)
//   extent       = (code points x char width, h); "" gives (0, h)
//   line height  = h;  ascent = round(h x 4 / 5);  descent = h - ascent
//   average and maximum char width = char width
// Every UTF-8 code point counts as one character (a malformed byte counts as one, too). For a
// font turned by a quarter (escapement 900 or 2700) GetTextExtent swaps the extent's axes.
// Sizes are capped at 1 << 20 units. Examples: Arial 12/0/700 "Vh" is 14 x 12 (7 per character),
// Arial 20/6/700 "skat" is 28 x 20, ascent of height 14 is 11.

#include <string>
#include <vector>

#include "platform/core/Bitmap.h"
#include "platform/core/DeviceContext.h"
#include "platform/headless/RecordingRecord.h"

namespace platform {

class RecordingDC : public DeviceContext {
public:
    // Records only; the surface (a window's client area, a page) is the given size.
    explicit RecordingDC(Size surface);
    // Records and renders into its own bitmap, which starts as the one given.
    explicit RecordingDC(Bitmap surface);

    // A window's surface follows its client area; records stay, a rendering starts blank.
    void Resize(Size surface);
    // A surface kept from a destroyed window serves a new one of the given size: a new context's
    // state, no records.
    void StartAfresh(Size surface);

    const std::vector<DrawRecord>& Records() const { return records_; }
    std::vector<DrawRecord> RecordsOfKind(DrawKind kind) const;
    void ClearRecords() { records_.clear(); }
    // FormatRecord of every record, one per line.
    std::string Dump() const;

    // The rendered pixels; nullptr when the context only records.
    const Bitmap* Surface() const { return rendering_ ? &bitmap_ : nullptr; }
    Bitmap* Surface() { return rendering_ ? &bitmap_ : nullptr; }

    // The metric rule above, for any font.
    static int LineHeight(const LogFont& font);
    static int CharWidth(const LogFont& font);
    static Size TextSize(std::string_view text, const LogFont& font);
    static TextMetrics Metrics(const LogFont& font);

protected:
    Rect SurfaceBounds() const override { return {0, 0, size_.cx, size_.cy}; }

public:
    // A rendering context gives the pixels it rendered.
    bool CopyPixels(const Rect& device, Bitmap& into) const override;

protected:
    Size MeasureText(std::string_view text, const LogFont& font) const override;
    TextMetrics MeasureFont(const LogFont& font) const override;

    void DeviceText(const TextRun& run) override;
    void DeviceLine(Point from, Point to) override;
    void DeviceRectangle(const Rect& rect) override;
    void DeviceRoundRect(const Rect& rect, Size corner) override;
    void DeviceEllipse(const Rect& rect) override;
    void DevicePolygon(const std::vector<Point>& points) override;
    void DeviceFill(const Rect& rect, const Brush& brush) override;
    void DeviceFrame(const Rect& rect, const Brush& brush, Size thickness) override;
    void DevicePixel(Point point, Color color) override;
    void DeviceBlit(const Rect& destination, const Bitmap& source, const Rect& sourceRect,
                    RasterOp op) override;
    void DeviceScroll(const Rect& area, int dx, int dy) override;

private:
    // Notes the record's visible part within the clip (and an extra rectangle) and keeps it.
    void Add(DrawRecord record, const Region& clip);
    Bitmap* Target() { return rendering_ ? &bitmap_ : nullptr; }

    Size size_;
    bool rendering_ = false;
    Bitmap bitmap_;
    std::vector<DrawRecord> records_;
};

}  // namespace platform
