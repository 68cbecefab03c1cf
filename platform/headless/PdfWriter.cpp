#include "platform/headless/PdfWriter.h"

#include <cstdio>

#include "platform/core/Codepage.h"
#include "platform/core/FileIo.h"

namespace platform {

namespace {

// A text in a PDF string: the single-byte Western code page, with the string's own characters
// escaped.
std::string PdfString(const std::string& utf8) {
    std::string out = "(";
    for (unsigned char c : Utf8ToCp1252(utf8)) {
        if (c == '(' || c == ')' || c == '\\') out += '\\';
        if (c < 32) {
            out += ' ';
            continue;
        }
        out += static_cast<char>(c);
    }
    return out + ")";
}

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    return buffer;
}

// The page's content: device pixels to points, y upwards, the printable area centred on the sheet.
std::string Content(const PdfPage& page, double sheetWidth, double sheetHeight) {
    const double perPixelX = page.info.dotsPerInchX > 0 ? 72.0 / page.info.dotsPerInchX : 0;
    const double perPixelY = page.info.dotsPerInchY > 0 ? 72.0 / page.info.dotsPerInchY : 0;
    const double left = (sheetWidth - page.info.pixels.cx * perPixelX) / 2;
    const double top = (sheetHeight - page.info.pixels.cy * perPixelY) / 2;
    auto x = [&](int px) { return Number(left + px * perPixelX); };
    auto y = [&](int py) { return Number(sheetHeight - top - py * perPixelY); };
    std::string out = "0 g 0 G 0.5 w\n";
    if (!page.drawing) return out;
    for (const DrawRecord& record : page.drawing->Records()) {
        if (record.visible.IsEmpty()) continue;
        switch (record.kind) {
            case DrawKind::Text: {
                if (record.text.empty()) break;
                const double size = std::max(1, record.bounds.Height()) * perPixelY;
                // The baseline about four fifths down the text's cells.
                const int baseline = record.bounds.top + record.bounds.Height() * 4 / 5;
                out += "BT /F1 " + Number(size) + " Tf " + x(record.bounds.left) + " " + y(baseline) + " Td " +
                       PdfString(record.text) + " Tj ET\n";
                break;
            }
            case DrawKind::Line:
                if (record.points.size() < 2) break;
                out += x(record.points[0].x) + " " + y(record.points[0].y) + " m " + x(record.points[1].x) + " " +
                       y(record.points[1].y) + " l S\n";
                break;
            case DrawKind::Rectangle:
            case DrawKind::Frame:
                out += x(record.bounds.left) + " " + y(record.bounds.bottom) + " " +
                       Number(record.bounds.Width() * perPixelX) + " " + Number(record.bounds.Height() * perPixelY) +
                       " re S\n";
                break;
            default:
                break;
        }
    }
    return out;
}

}  // namespace

std::string MakePdf(const std::string& title, const std::vector<PdfPage>& pages) {
    std::vector<std::string> objects;  // object n + 1 at index n
    // 1: catalogue, 2: page tree, 3: font, 4: information, then a page and its content per page.
    std::string kids;
    for (std::size_t i = 0; i < pages.size(); ++i) kids += std::to_string(5 + 2 * i) + " 0 R ";
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(pages.size()) + " >>");
    objects.push_back("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
    objects.push_back("<< /Title " + PdfString(title) + " /Creator (Kartovan+) >>");
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PdfPage& page = pages[i];
        const double width = page.paperMillimetres.cx * 72.0 / 25.4;
        const double height = page.paperMillimetres.cy * 72.0 / 25.4;
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(width) + " " + Number(height) +
                          "] /Resources << /Font << /F1 3 0 R >> >> /Contents " + std::to_string(6 + 2 * i) + " 0 R >>");
        const std::string content = Content(page, width, height);
        objects.push_back("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content + "endstream");
    }
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets) {
        char line[24];
        std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
        pdf += line;
    }
    pdf += "trailer\n<< /Size " + std::to_string(objects.size() + 1) + " /Root 1 0 R /Info 4 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

bool WritePdf(const std::string& path, const std::string& title, const std::vector<PdfPage>& pages) {
    if (pages.empty() || path.empty()) return false;
    const std::string pdf = MakePdf(title, pages);
    return static_cast<bool>(WriteFileAtomic(path, std::string_view(pdf)));
}

}  // namespace platform
