#pragma once
// platform::QtPrintUi: printing a document in the Qt host: the print dialog and then the printer,
// the print preview, or a PDF file. The pages go through PrintJob on A4 with 5 mm margins in the
// document's orientation; each page is told its size in pixels and millimetres and its resolution.
// The dialogs are modal to the program while our loop keeps running (timers, paints and posted
// messages are dispatched as a modal loop does), with the owner disabled meanwhile.

#include <string>

#include <QPageLayout>

#include "platform/core/PrintDocument.h"
#include "platform/qt/PrintJob.h"

class QDialog;
class QWidget;

namespace platform {

// A4, 5 mm margins, in the orientation: the reports' layout takes its scale from the page height.
QPageLayout DocumentPageLayout(PageOrientation orientation);
// The document's pages `first`..`last` (from 1; clamped to the document) as a print job. The job
// draws through the document, which must outlive it.
PrintJob DocumentPrintJob(const PrintDocument& document, int first = 1, int last = kMaxPrintPages);

// Shows the dialog above `parent`'s window and waits for it through our nested wait, the parent's
// window of ours disabled meanwhile; returns the dialog's result. A quit request rejects it.
int RunDialogWhileOurLoopRuns(QDialog* dialog, QWidget* parent);

class QtPrintUi {
public:
    PrintOutcome Print(QWidget* parent, const PrintDocument& document) const;
    PrintOutcome Preview(QWidget* parent, const PrintDocument& document) const;
    PrintOutcome ToPdf(const PrintDocument& document, const std::string& path) const;

    // The resolution of PDF files.
    static constexpr int kPdfDotsPerInch = 300;
};

}  // namespace platform
