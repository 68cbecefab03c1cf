#pragma once
// A document to print: a title, a number of pages on A4 paper in an orientation, and the routine
// that draws a page through the drawing interface. The host decides where the pages go (a printer
// through its print dialog, a preview, a PDF file) and tells each page what its device is like, so
// that the program can map its own units onto the paper.

#include <functional>
#include <string>

#include "platform/core/DeviceContext.h"
#include "platform/core/Geometry.h"

namespace platform {

enum class PageOrientation { Portrait, Landscape };

// More pages than any report of the program has; a larger count is a fault, not a job.
constexpr int kMaxPrintPages = 9999;

// What a page's drawing knows of its device, in the terms of the classic device capabilities.
struct PrintPageInfo {
    int number = 1;     // from 1
    int pageCount = 1;
    Size pixels;        // printable area in device pixels (horizontal and vertical resolution)
    Size millimetres;   // printable area in millimetres (horizontal and vertical size)
    int dotsPerInchX = 0;  // logical pixels per inch
    int dotsPerInchY = 0;

    friend bool operator==(const PrintPageInfo&, const PrintPageInfo&) = default;
};

// A page's drawing starts on a fresh context in device pixels with the origin at the printable
// area's corner.
using PrintPagePainter = std::function<void(DeviceContext& dc, const PrintPageInfo& page)>;

struct PrintDocument {
    std::string title;   // the job's name in the printer queue and the preview's title
    int pageCount = 1;   // a document of 0 pages prints nothing
    PageOrientation orientation = PageOrientation::Portrait;
    PrintPagePainter paintPage;
};

enum class PrintOutcome {
    Done,       // printed, previewed or written
    Cancelled,  // the person cancelled the print dialog
    Failed,     // no printer, nothing to print, or the file could not be written
};

// Whether the document can be printed: 1..kMaxPrintPages pages and a page painter.
bool IsPrintable(const PrintDocument& document);

// The page's printable area in millimetres from its pixels and resolution.
Size PrintableMillimetres(Size pixels, int dotsPerInchX, int dotsPerInchY);

// Sets an isotropic mapping on `dc` in which `logical` (a width and height in the program's own
// units) fills as much of the page as fits, centred, with y growing downwards. A common start for
// a page's drawing; the program may set its own mapping instead.
void MapLogicalOntoPage(DeviceContext& dc, const PrintPageInfo& page, Size logical);

}  // namespace platform
