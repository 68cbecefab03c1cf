#pragma once
// A small PDF writer for the headless host: it turns the recorded pages of a print job into a PDF
// file of vector pages (texts in a standard font, lines and rectangle outlines), so that tests and
// tools can print to a file and read it back with any PDF reader. Pictures and fills are left out.

#include <string>
#include <vector>

#include "platform/core/PrintDocument.h"
#include "platform/headless/RecordingDC.h"

namespace platform {

struct PdfPage {
    const RecordingDC* drawing = nullptr;  // its records in device pixels of the page's printable area
    PrintPageInfo info;
    Size paperMillimetres;  // the whole sheet; the printable area lies centred on it
};

// Writes the pages to `path` (through a temporary file renamed over it); false when the file could
// not be written or there is no page.
bool WritePdf(const std::string& path, const std::string& title, const std::vector<PdfPage>& pages);

// The PDF file's bytes (for tests).
std::string MakePdf(const std::string& title, const std::vector<PdfPage>& pages);

}  // namespace platform
