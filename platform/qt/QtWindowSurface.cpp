#include "platform/qt/QtWindowSurface.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

#include "platform/qt/PainterDC.h"

namespace platform {

namespace {

QImage MakeImage(Size size, qreal ratio, QColor background) {
    const int width = std::max(1, static_cast<int>(std::ceil(std::max(size.cx, 1) * ratio)));
    const int height = std::max(1, static_cast<int>(std::ceil(std::max(size.cy, 1) * ratio)));
    QImage image(width, height, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(background);
    return image;
}

}  // namespace

QtWindowSurface::QtWindowSurface(Size size, qreal ratio, QColor background)
    : m_image(MakeImage(size, ratio, background)), m_size(size), m_ratio(ratio), m_background(background) {
    MakeContext();
}

QtWindowSurface::~QtWindowSurface() = default;

DeviceContext& QtWindowSurface::Context() { return *m_context; }

std::optional<Rect> QtWindowSurface::TakeTouched() { return m_context->TakeTouched(); }

void QtWindowSurface::MakeContext() {
    m_context = std::make_unique<PainterDC>(m_image, m_size);
}

bool QtWindowSurface::IsHeld() {
    // GetDC and BeginPaint each save the context's state until they end; a save beyond the probe's
    // own means someone is drawing.
    const int depth = m_context->SaveDC();
    m_context->RestoreDC(-1);
    return depth > 1;
}

void QtWindowSurface::Resize(Size size, qreal ratio) {
    if (size == m_size && ratio == m_ratio) return;
    m_context.reset();  // ends its painter, so the image may be read
    QImage image = MakeImage(size, ratio, m_background);
    {
        QPainter painter(&image);
        painter.drawImage(QPointF(0, 0), m_image);
    }
    m_image = std::move(image);
    m_size = size;
    m_ratio = ratio;
    MakeContext();
}

}  // namespace platform
