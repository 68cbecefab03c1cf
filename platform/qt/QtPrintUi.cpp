#include "platform/qt/QtPrintUi.h"

#include <algorithm>
#include <memory>

#include <QDialog>
#include <QMarginsF>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPointer>
#include <QWindow>

#include "platform/core/WindowSystem.h"
#include "platform/qt/QtHost.h"

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
    return QPageLayout(QPageSize(QPageSize::A4), ToQt(orientation), QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
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

int RunDialogWhileOurLoopRuns(QDialog* dialog, QWidget* parent) {
    WindowSystem& system = WindowSystem::Instance();
    QPointer<QDialog> guarded = dialog;
    // As a modal loop: the owner is disabled while the dialog runs, and comes back after.
    QtHost* host = QtHost::Current();
    const HWND owner = host && parent ? host->WindowOf(parent) : nullptr;
    const bool disableOwner = system.IsWindow(owner) && system.IsWindowEnabled(owner);
    if (disableOwner) system.EnableWindow(owner, false);
    bool finished = false;
    int result = QDialog::Rejected;
    QObject::connect(dialog, &QDialog::finished, dialog, [&finished, &result](int code) {
        finished = true;
        result = code;
    });
    dialog->setWindowModality(Qt::ApplicationModal);
    if (parent && parent->window()->windowHandle()) {
        dialog->winId();
        if (dialog->windowHandle()) dialog->windowHandle()->setTransientParent(parent->window()->windowHandle());
    }
    dialog->open();
    const bool quit = !system.WaitWhile([&] { return !finished && guarded; });
    if (quit && guarded && !finished) {
        guarded->reject();
        result = QDialog::Rejected;
    }
    if (disableOwner && system.IsWindow(owner)) system.EnableWindow(owner, true);
    if (system.IsWindow(owner)) system.SetActiveWindow(owner);
    return result;
}

PrintOutcome QtPrintUi::Print(QWidget* parent, const PrintDocument& document) const {
    if (!IsPrintable(document)) return PrintOutcome::Failed;
    QPrinter printer(QPrinter::HighResolution);
    SetUp(printer, document);
    // Not a Qt child of the parent: that one is disabled while the dialog runs, and Qt would
    // disable the dialog with it.
    const std::unique_ptr<QPrintDialog> dialog = std::make_unique<QPrintDialog>(&printer);
    dialog->setMinMax(1, document.pageCount);
    if (RunDialogWhileOurLoopRuns(dialog.get(), parent) != QDialog::Accepted) return PrintOutcome::Cancelled;
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
    const std::unique_ptr<QPrintPreviewDialog> dialog = std::make_unique<QPrintPreviewDialog>(&printer);
    dialog->setWindowTitle(QString::fromStdString(document.title));
    // The preview draws (and prints from its own button) through the same job.
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested,
                     [&job](QPrinter* target) { job.Print(*target); });
    // Closed or printed from: the preview is done either way.
    RunDialogWhileOurLoopRuns(dialog.get(), parent);
    return PrintOutcome::Done;
}

PrintOutcome QtPrintUi::ToPdf(const PrintDocument& document, const std::string& path) const {
    if (!IsPrintable(document) || path.empty()) return PrintOutcome::Failed;
    return DocumentPrintJob(document).WritePdf(path, kPdfDotsPerInch) ? PrintOutcome::Done : PrintOutcome::Failed;
}

}  // namespace platform
