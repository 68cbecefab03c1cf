#pragma once
// platform::QtWindowStandInDC: a small QPainter device context for the windows' retained surfaces,
// standing in until the full painter context (PainterDC) takes its place. Same constructor shape
// and Finish() as that one, so the swap is one line in QtWindowSurface.cpp.

#include <functional>
#include <memory>

#include <QPainter>

#include "platform/core/DeviceContext.h"

class QPaintDevice;

namespace platform {

class QtWindowStandInDC : public DeviceContext {
public:
    QtWindowStandInDC(QPaintDevice& device, Size surface);
    ~QtWindowStandInDC() override;

    void Finish();

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

private:
    bool Clip();
    void Outline(const std::function<void(QPainter&)>& draw);

    std::unique_ptr<QPainter> painter_;
    Size surface_;
};

}  // namespace platform
