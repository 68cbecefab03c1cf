#pragma once
// A print job: pages drawn through the drawing interface, one callback per page, put on a printer
// (as the print dialog set it up), into a PDF file, or onto images for a preview. Each page gets a
// fresh device context on the page's printable area, in device pixels; the program's print code
// sets a mapping mode to scale its drawing to the page.

#include <functional>
#include <string>
#include <vector>

#include <QImage>
#include <QPageLayout>

#include "platform/core/DeviceContext.h"

class QPagedPaintDevice;
class QPrinter;

namespace platform {

// What a page's drawing knows of its page.
struct PrintPage {
    int number = 1;  // from 1
    Size pixels;     // the printable area in device pixels
    int dotsPerInchX = 0;
    int dotsPerInchY = 0;
};

using PagePainter = std::function<void(DeviceContext& dc, const PrintPage& page)>;

class PrintJob {
public:
    explicit PrintJob(std::string title);

    void AddPage(PagePainter page);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    const std::string& Title() const { return title_; }

    // The page layout of PDF files and preview images (A4, portrait, 10 mm margins unless set).
    void SetPageLayout(const QPageLayout& layout) { layout_ = layout; }
    const QPageLayout& PageLayout() const { return layout_; }

    // Prints every page; false when the printer could not start (or there are no pages).
    bool Print(QPrinter& printer) const;
    // Writes a PDF file of every page at the resolution; false when the file could not be written.
    bool WritePdf(const std::string& path, int dotsPerInch = 300) const;
    // Every page as an image of the printable area at the resolution, white paper under the drawing.
    std::vector<QImage> RenderPages(int dotsPerInch) const;

private:
    bool PaintOn(QPagedPaintDevice& device) const;

    std::string title_;
    QPageLayout layout_;
    std::vector<PagePainter> pages_;
};

}  // namespace platform
