#include "platform/qt/QtPrintUi.h"

#include <algorithm>

#include <QMarginsF>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace platform {

namespace {

QPageLayout::Orientation ToQt(PageOrientation orientation) {
    return orientation == PageOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void SetUp(QPrinter& printer, const PrintDocument& document) {
    printer.setPageLayout(DocumentPageLayout(document.orientation));
    printer.setDocName(QString::fromStdString(document.title));
    printer.setFromTo(0, 0);
}

}  // namespace

QPageLayout DocumentPageLayout(PageOrientation orientation) {
    return QPageLayout(QPageSize(QPageSize::A4), ToQt(orientation), QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

PrintJob DocumentPrintJob(const PrintDocument& document, int first, int last) {
    PrintJob job(document.title);
    job.SetPageLayout(DocumentPageLayout(document.orientation));
    if (!IsPrintable(document)) return job;
    first = std::max(first, 1);
    last = std::min(last, document.pageCount);
    for (int number = first; number <= last; ++number) {
        // Each page keeps its own number, also when only some pages print.
        job.AddPage([&document, number](DeviceContext& dc, const PrintPage& page) {
            PrintPageInfo info;
            info.number = number;
            info.pageCount = document.pageCount;
            info.pixels = page.pixels;
            info.dotsPerInchX = page.dotsPerInchX;
            info.dotsPerInchY = page.dotsPerInchY;
            info.millimetres = PrintableMillimetres(page.pixels, page.dotsPerInchX, page.dotsPerInchY);
            document.paintPage(dc, info);
        });
    }
    return job;
}

PrintOutcome QtPrintUi::Print(QWidget* parent, const PrintDocument& document) const {
    if (!IsPrintable(document)) return PrintOutcome::Failed;
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, document);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, document.pageCount);
    if (dialog.exec() != QDialog::Accepted) return PrintOutcome::Cancelled;
    int first = 1;
    int last = document.pageCount;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = printer.fromPage();
        last = printer.toPage();
    }
    return DocumentPrintJob(document, first, last).Print(printer) ? PrintOutcome::Done : PrintOutcome::Failed;
}

PrintOutcome QtPrintUi::Preview(QWidget* parent, const PrintDocument& document) const {
    if (!IsPrintable(document)) return PrintOutcome::Failed;
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, document);
    const PrintJob job = DocumentPrintJob(document);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromStdString(document.title));
    // The preview draws (and prints from its own button) through the same job.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&job](QPrinter* target) { job.Print(*target); });
    dialog.exec();
    return PrintOutcome::Done;
}

PrintOutcome QtPrintUi::ToPdf(const PrintDocument& document, const std::string& path) const {
    if (!IsPrintable(document) || path.empty()) return PrintOutcome::Failed;
    return DocumentPrintJob(document).WritePdf(path, kPdfDotsPerInch) ? PrintOutcome::Done : PrintOutcome::Failed;
}

}  // namespace platform
