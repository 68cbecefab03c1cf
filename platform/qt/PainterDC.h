#pragma once
// The device context of the real program: it paints with a QPainter on a Qt paint device — the
// QImage a window keeps as its retained surface, or a printer or PDF page. Text uses the
// Liberation fonts in place of the program's Windows faces; under a scaling mapping (printing)
// text, pens and bitmaps scale with it.

#include <list>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "platform/core/DeviceContext.h"

class QPaintDevice;

namespace platform {

class PainterDC : public DeviceContext {
public:
    // Paints on the device, whose size in pixels is the surface. The painter is active from here
    // until Finish or the destruction of the context.
    explicit PainterDC(QPaintDevice& device);
    // The same with an explicit surface size (a part of the device, or a page whose device reports
    // another size).
    PainterDC(QPaintDevice& device, Size surface);
    // Paints with a painter that someone else began and ends (the pages of a print job); the
    // painter's state is left as it was found.
    PainterDC(QPainter& painter, Size surface);
    ~PainterDC() override;

    // Ends painting on an owned painter, so that the device (an image) may be read or shown; later
    // drawing calls do nothing. Harmless on a borrowed painter, which stays active.
    void Finish();
    bool IsActive() const { return painter_ != nullptr && painter_->isActive(); }
    // The device's pixels per pixel of ours (2 on a screen scaled twice).
    double PixelRatio() const override;
    // The pixels of an image device (a window's retained surface): on a scaled screen all the
    // screen's pixels under the rectangle, the bitmap's pixel ratio the image's. A printer keeps
    // none.
    bool CopyPixels(const Rect& device, Bitmap& into) const override;
    // The device rectangle around everything drawn since the last call (nothing when nothing was):
    // what a window has to show anew of its surface.
    std::optional<Rect> TakeTouched();

protected:
    Rect SurfaceBounds() const override { return {0, 0, surface_.cx, surface_.cy}; }
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
    // Moves the pixels of an image device (a window's retained surface); a printer has none.
    void DeviceScroll(const Rect& area, int dx, int dy) override;

private:
    // Sets the painter's clip to the drawable region (and an extra rectangle); false when nothing
    // is drawable, so the primitive can stop.
    // `reach`: the device rectangle the primitive may draw in, kept as touched where drawable.
    bool BeginPrimitive(const Rect& reach, const Rect* extraClip = nullptr);
    void Touch(const Rect& reach, const Region& drawable);
    QPen OutlinePen() const;
    QBrush FillBrush() const;
    // Outlines and fills a path given in device pixels.
    void DrawShape(const QPainterPath& path);
    // Logical-to-device scale of the current mapping, as magnitudes.
    double ScaleX() const;
    double ScaleY() const;

    // The Qt fonts and metrics of the last logical fonts asked for, most recent first: DrawText
    // measures every word, and the table's texts take turns in a few fonts. With each, the widths
    // of the texts measured in it: the table measures the same names, bids and scores at every
    // redraw, and each measurement shapes the text anew.
    struct FontCache {
        LogFont font;
        QFont qfont;
        QFontMetricsF metrics{QFont()};
        mutable std::unordered_map<std::string, double> widths;
    };
    const FontCache& Font(const LogFont& font) const;

    static constexpr std::size_t kFontsKept = 4;
    static constexpr std::size_t kMeasuredTextsKept = 512;
    mutable std::list<FontCache> fontCache_;
    std::unique_ptr<QPainter> owned_;
    QPainter* painter_ = nullptr;
    Size surface_;
    std::optional<Rect> touched_;
};

}  // namespace platform
