#pragma once
// A window surface that measures text exactly as the recording surface does but keeps and renders
// nothing: for tools that run thousands of games and read none of what the table drew, so that
// the table's layout stays the same while the drawing itself costs nothing.

#include "platform/headless/RecordingDC.h"

namespace platform {

class DiscardingDC final : public RecordingDC {
public:
    explicit DiscardingDC(Size surface) : RecordingDC(surface) {}

    bool KeepsPixels() const override { return false; }

protected:
    void DeviceText(const TextRun&) override {}
    void DeviceLine(Point, Point) override {}
    void DeviceRectangle(const Rect&) override {}
    void DeviceRoundRect(const Rect&, Size) override {}
    void DeviceEllipse(const Rect&) override {}
    void DevicePolygon(const std::vector<Point>&) override {}
    void DeviceFill(const Rect&, const Brush&) override {}
    void DeviceFrame(const Rect&, const Brush&, Size) override {}
    void DevicePixel(Point, Color) override {}
    void DeviceBlit(const Rect&, const Bitmap&, const Rect&, RasterOp) override {}
    void DeviceScroll(const Rect&, int, int) override {}
};

}  // namespace platform
