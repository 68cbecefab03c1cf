#include "platform/headless/RecordingRecord.h"

#include <cstdio>
#include <ostream>

namespace platform {

namespace {

std::string Hex(Color color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(color.ToPixel()));
    return buffer;
}

std::string PointText(Point p) { return "(" + std::to_string(p.x) + "," + std::to_string(p.y) + ")"; }

std::string RectText(const Rect& r) {
    return PointText(r.TopLeft()) + "-" + PointText(r.BottomRight());
}

std::string PenText(const Pen& pen) {
    static const char* const kStyles[] = {"solid", "dash", "dot", "null"};
    return std::string("pen ") + kStyles[static_cast<int>(pen.style)] + " " +
           std::to_string(pen.width) + " " + Hex(pen.color);
}

std::string BrushText(const Brush& brush) {
    return brush.null ? "brush null" : "brush " + Hex(brush.color);
}

std::string RasterOpName(RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy: return "copy";
        case RasterOp::SrcAnd: return "and";
        case RasterOp::SrcPaint: return "or";
        case RasterOp::SrcInvert: return "xor";
    }
    return "?";
}

}  // namespace

const char* DrawKindName(DrawKind kind) {
    switch (kind) {
        case DrawKind::Text: return "Text";
        case DrawKind::Line: return "Line";
        case DrawKind::Rectangle: return "Rectangle";
        case DrawKind::RoundRect: return "RoundRect";
        case DrawKind::Ellipse: return "Ellipse";
        case DrawKind::Polygon: return "Polygon";
        case DrawKind::Fill: return "Fill";
        case DrawKind::Frame: return "Frame";
        case DrawKind::Pixel: return "Pixel";
        case DrawKind::Blit: return "Blit";
    }
    return "?";
}

std::string FormatRecord(const DrawRecord& r) {
    std::string line = DrawKindName(r.kind);
    switch (r.kind) {
        case DrawKind::Text:
            line += " \"" + r.text + "\" at " + PointText(r.points.empty() ? Point{} : r.points[0]) +
                    " box " + RectText(r.bounds) + " font \"" + r.font.face + "\" " +
                    std::to_string(r.font.height) + "/" + std::to_string(r.font.width) + "/" +
                    std::to_string(r.font.weight);
            if (r.escapement != 0) line += " turned " + std::to_string(r.escapement);
            line += " color " + Hex(r.textColor);
            line += r.bkMode == BkMode::Opaque ? " opaque " + Hex(r.bkColor) : " transparent";
            break;
        case DrawKind::Line:
        case DrawKind::Polygon:
            for (Point p : r.points) line += " " + PointText(p);
            line += " " + PenText(r.pen);
            if (r.kind == DrawKind::Polygon) line += " " + BrushText(r.brush);
            break;
        case DrawKind::Rectangle:
        case DrawKind::Ellipse:
        case DrawKind::RoundRect:
            line += " " + RectText(r.bounds);
            if (r.kind == DrawKind::RoundRect) {
                line += " corner " + std::to_string(r.corner.cx) + "x" + std::to_string(r.corner.cy);
            }
            line += " " + PenText(r.pen) + " " + BrushText(r.brush);
            break;
        case DrawKind::Fill:
        case DrawKind::Frame:
            line += " " + RectText(r.bounds) + " " + BrushText(r.brush);
            break;
        case DrawKind::Pixel:
            line += " " + PointText(r.points.empty() ? Point{} : r.points[0]) + " " + Hex(r.color);
            break;
        case DrawKind::Blit:
            line += " " + RasterOpName(r.rasterOp) + " " + RectText(r.bounds) + " from " +
                    RectText(r.source) + " of " + std::to_string(r.sourceSize.cx) + "x" +
                    std::to_string(r.sourceSize.cy);
            break;
    }
    if (r.visible.IsEmpty()) {
        line += " [hidden]";
    } else if (r.clipped) {
        line += " [clipped to " + RectText(r.visible) + "]";
    }
    return line;
}

void PrintTo(const DrawRecord& record, std::ostream* out) { *out << FormatRecord(record); }
void PrintTo(const Point& point, std::ostream* out) { *out << PointText(point); }
void PrintTo(const Size& size, std::ostream* out) { *out << size.cx << "x" << size.cy; }
void PrintTo(const Rect& rect, std::ostream* out) { *out << RectText(rect); }
void PrintTo(const Color& color, std::ostream* out) { *out << Hex(color); }

}  // namespace platform
