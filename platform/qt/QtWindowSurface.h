#pragma once
// platform::QtWindowSurface: a window's retained surface in the Qt host. An image the size of the
// window's client area (in device pixels at the screen's pixel ratio) with the device context the
// program draws on; the window's widget shows the image when Qt paints it.

#include <memory>
#include <optional>

#include <QColor>
#include <QImage>

#include "platform/core/Geometry.h"

namespace platform {

class DeviceContext;
class PainterDC;

class QtWindowSurface {
public:
    // `size`: the client area in our pixels; `ratio`: device pixels per pixel; new areas show
    // `background`.
    QtWindowSurface(Size size, qreal ratio, QColor background);
    ~QtWindowSurface();
    QtWindowSurface(const QtWindowSurface&) = delete;
    QtWindowSurface& operator=(const QtWindowSurface&) = delete;

    DeviceContext& Context();
    // The rectangle of our pixels drawn on since the last call, if any: what the widget shows anew.
    std::optional<Rect> TakeTouched();
    const QImage& Image() const { return m_image; }
    Size LogicalSize() const { return m_size; }
    qreal Ratio() const { return m_ratio; }

    // Whether the program holds the context now (between GetDC and ReleaseDC, or inside a paint):
    // then it must stay the same object.
    bool IsHeld();
    // A new image of this size and ratio keeping what was drawn at the top left, and a new context
    // (the old one is gone). Only while nobody holds the context.
    void Resize(Size size, qreal ratio);

private:
    void MakeContext();

    QImage m_image;
    Size m_size;
    qreal m_ratio;
    QColor m_background;
    std::unique_ptr<PainterDC> m_context;
};

}  // namespace platform
