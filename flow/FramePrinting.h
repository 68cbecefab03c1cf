#pragma once
// CFramePrinting: the print jobs of the reports for the frame, the table, the course, the score
// sheet and the cards assignment, printed, previewed or written to a PDF file. It owns the print
// record and is the only writer of it; the frame owns one and its print commands call it. Its steps
// draw through the printer's context, in the shell (shell/Printing.cpp, shell/PrintTable.cpp).

#include "platform/core/PrintDocument.h"

#include <memory>
#include <string>

namespace platform {
class DeviceContext;
}

class CListPrintWindows;
class CMainFrame;
class CSkat;
enum class PrintTarget;

// A print job of a report.
struct PrintState {
    int PrintKind = 1;
    int PrintingActive = 0;
    int PrintPreview = 0;
    // The hidden score sheet and cards assignment whose painters draw a list's pages; they live
    // from the job's set-up to its tear-down.
    std::shared_ptr<CListPrintWindows> PrintWindows;
};

class CFramePrinting {
public:
    CFramePrinting(CMainFrame& frame, CSkat& game);
    CFramePrinting(const CFramePrinting&) = delete;
    CFramePrinting& operator=(const CFramePrinting&) = delete;

    // The record, for reading; the frame's Printing() gives the same.
    const PrintState& Record() const { return printing_; }

    // --- The job (shell/Printing.cpp) ------------------------------------------------------------
    // Prints, previews or writes to a PDF file one report (PrintKindValue) with set-up and tear-down.
    platform::PrintOutcome PrintReport(int kind, PrintTarget target, const std::string& pdfPath = std::string());
    platform::PrintDocument MakePrintDocument(int kind);
    // The report the next job prints (PrintKindValue).
    void ChooseReport(int kind);
    void PreparePrinting(bool start);
    // A close during the print preview ends only the preview: true when one was running.
    bool EndPreview();
    void PrintPage(int kind, platform::DeviceContext& dc, const platform::PrintPageInfo& page);
    void PrintHeader(platform::DeviceContext& dc, int offsetY);
    void PrintFooter(platform::DeviceContext& dc, int offsetY, int page, int pages);
    // The report's title centred in the band from top, height high, across the page.
    void PrintTitle(platform::DeviceContext& dc, int top, int height, int titleId);

    // --- The table and the course on paper (shell/PrintTable.cpp) --------------------------------
    // The bodies of the table and the course: the table's drawing scaled into the page below the
    // title.
    void PrintTable(platform::DeviceContext& dc);
    void PrintCourse(platform::DeviceContext& dc);
    // The size of the table's drawing: its window's client, down to the game's header line.
    platform::Size PrintedTableSize() const;
    // The part of the page the table is scaled into: below the title, above the annotation's
    // lines and the footer.
    platform::Rect PrintedTableArea(int titleBottom) const;
    // Where the game's header line stands in the table's coordinates: under the person's cards.
    int GameHeaderY() const;
    // The game's header line: the status text, the game clock and the points or the rule set.
    void DrawGameHeader(platform::DeviceContext& dc);
    // The open annotation's title and at most 16 of its lines, from top down.
    void DrawAnnotation(platform::DeviceContext& dc, int top);

private:
    CMainFrame& frame_;
    // The game object this part's steps change, handed over by the frame that owns it.
    CSkat& game_;
    PrintState printing_;
};
