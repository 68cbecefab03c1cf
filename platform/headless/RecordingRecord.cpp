#include "platform/headless/RecordingRecord.h"

#include <cstdio>
#include <initializer_list>
#include <ostream>
#include <string_view>

namespace platform {

namespace {

std::string Hex(Color color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(color.ToPixel()));
    return buffer;
}

// Texts are built by appending pieces: prepending a literal to a temporary string trips a false
// overlap warning of GCC 12 at -O3.
void Append(std::string& line, std::initializer_list<std::string_view> pieces) {
    for (std::string_view piece : pieces) line += piece;
}

std::string PointText(Point p) {
    std::string text;
    Append(text, {"(", std::to_string(p.x), ",", std::to_string(p.y), ")"});
    return text;
}

std::string RectText(const Rect& r) {
    std::string text = PointText(r.TopLeft());
    Append(text, {"-", PointText(r.BottomRight())});
    return text;
}

std::string PenText(const Pen& pen) {
    static const char* const kStyles[] = {"solid", "dash", "dot", "null"};
    std::string text;
    Append(text, {"pen ", kStyles[static_cast<int>(pen.style)], " ", std::to_string(pen.width), " ", Hex(pen.color)});
    return text;
}

std::string BrushText(const Brush& brush) {
    std::string text = "brush ";
    text += brush.null ? std::string("null") : Hex(brush.color);
    return text;
}

std::string RasterOpName(RasterOp op) {
    switch (op) {
        case RasterOp::SrcCopy: return "copy";
        case RasterOp::SrcAnd: return "and";
        case RasterOp::SrcPaint: return "or";
        case RasterOp::SrcInvert: return "xor";
        case RasterOp::SrcAlpha: return "alpha";
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
        case DrawKind::Scroll: return "Scroll";
    }
    return "?";
}

std::string FormatRecord(const DrawRecord& r) {
    std::string line = DrawKindName(r.kind);
    switch (r.kind) {
        case DrawKind::Text:
            Append(line, {" \"", r.text, "\" at ", PointText(r.points.empty() ? Point{} : r.points[0]), " box ",
                          RectText(r.bounds), " font \"", r.font.face, "\" ", std::to_string(r.font.height), "/",
                          std::to_string(r.font.width), "/", std::to_string(r.font.weight)});
            if (r.escapement != 0) Append(line, {" turned ", std::to_string(r.escapement)});
            Append(line, {" color ", Hex(r.textColor)});
            if (r.bkMode == BkMode::Opaque) Append(line, {" opaque ", Hex(r.bkColor)});
            else line += " transparent";
            break;
        case DrawKind::Line:
        case DrawKind::Polygon:
            for (Point p : r.points) Append(line, {" ", PointText(p)});
            Append(line, {" ", PenText(r.pen)});
            if (r.kind == DrawKind::Polygon) Append(line, {" ", BrushText(r.brush)});
            break;
        case DrawKind::Rectangle:
        case DrawKind::Ellipse:
        case DrawKind::RoundRect:
            Append(line, {" ", RectText(r.bounds)});
            if (r.kind == DrawKind::RoundRect) {
                Append(line, {" corner ", std::to_string(r.corner.cx), "x", std::to_string(r.corner.cy)});
            }
            Append(line, {" ", PenText(r.pen), " ", BrushText(r.brush)});
            break;
        case DrawKind::Fill:
        case DrawKind::Frame:
            Append(line, {" ", RectText(r.bounds), " ", BrushText(r.brush)});
            break;
        case DrawKind::Pixel:
            Append(line, {" ", PointText(r.points.empty() ? Point{} : r.points[0]), " ", Hex(r.color)});
            break;
        case DrawKind::Blit:
            Append(line, {" ", RasterOpName(r.rasterOp), " ", RectText(r.bounds), " from ", RectText(r.source), " of ",
                          std::to_string(r.sourceSize.cx), "x", std::to_string(r.sourceSize.cy)});
            break;
        case DrawKind::Scroll:
            Append(line, {" ", RectText(r.bounds), " by ", PointText(r.points.empty() ? Point{} : r.points[0])});
            break;
    }
    if (r.visible.IsEmpty()) {
        line += " [hidden]";
    } else if (r.clipped) {
        Append(line, {" [clipped to ", RectText(r.visible), "]"});
    }
    return line;
}

void PrintTo(const DrawRecord& record, std::ostream* out) { *out << FormatRecord(record); }
void PrintTo(const Point& point, std::ostream* out) { *out << PointText(point); }
void PrintTo(const Size& size, std::ostream* out) { *out << size.cx << "x" << size.cy; }
void PrintTo(const Rect& rect, std::ostream* out) { *out << RectText(rect); }
void PrintTo(const Color& color, std::ostream* out) { *out << Hex(color); }

}  // namespace platform
