// Printing the reports: the print and preview commands, the set-up and tear-down around a job,
// the page mapping, and the header, footer and bodies of the pages.
#include "shell/Printing.h"

#include <algorithm>
#include <string>

#include "resources/FlowIds.h"
#include "flow/FramePrinting.h"
#include "flow/MainFrame.h"
#include "flow/FileState.h"
#include "flow/FrameTexts.h"
#include "flow/FrameTimers.h"
#include "match/GameList.h"
#include "match/StoreRows.h"
#include "model/GameState.h"
#include "model/Settings.h"
#include "model/Trace.h"
#include "platform/core/Clock.h"
#include "platform/core/DesktopServices.h"
#include "platform/core/Resources.h"
#include "platform/core/WindowApi.h"
#include "resources/CommandIds.h"
#include "resources/ids.h"
#include "shell/ShellGlobals.h"
#include "shell/SkatApp.h"
#include "shell/TableDC.h"

namespace {

bool Landscape() { return g_Settings.Print.Orient != 1; }

const char* KindWords(int kind) {
    switch (kind) {
        case PRINT_TABLE: return "gambling table";
        case PRINT_SCORE_SHEET: return "score sheet";
        case PRINT_CARDS_ASSIGNMENT: return "cards assignment";
        default: return "game course";
    }
}

// The page text of the footer: the edition's "Page %1 of %2" with the numbers in place.
std::string PageText(int page, int pages) {
    std::string text = platform::LoadString(IDS_PRINT_PAGE_TEXT);
    auto put = [&text](const char* mark, int value) {
        const std::size_t at = text.find(mark);
        if (at != std::string::npos) text.replace(at, 2, std::to_string(value));
    };
    put("%1", page);
    put("%2", pages);
    return text;
}

}  // namespace

int PrintPageCount(int kind, bool landscape, int games, int deals) {
    int pages = 1;
    if (kind == PRINT_SCORE_SHEET) {
        const int rows = landscape ? 96 : 48;
        pages = (std::max(games, 0) - 1 + rows) / rows;
    } else if (kind == PRINT_CARDS_ASSIGNMENT) {
        const int perPage = landscape ? 30 : 10;
        pages = (std::max(deals, 0) - 1 + perPage) / perPage;
    }
    return std::max(pages, 1);
}

CFramePrinting::CFramePrinting(CMainFrame& frame, CSkat& game) : frame_(frame), game_(game) {}

CFramePrinting& CMainFrame::FramePrinting() { return *printing_; }

void CMainFrame::OnPrintOrientation() { g_Settings.Print.Orient = g_Settings.Print.Orient == 1 ? 2 : 1; }

bool CMainFrame::RunPrintCommand(int id) {
    struct Command {
        int id;
        int kind;
        PrintTarget target;
    };
    static constexpr Command kCommands[] = {
        {ID_PRINT_TABLE, PRINT_TABLE, PrintTarget::Printer},
        {ID_PRINT_SCORE_SHEET, PRINT_SCORE_SHEET, PrintTarget::Printer},
        {ID_PRINT_CARDS_ASSIGNMENT, PRINT_CARDS_ASSIGNMENT, PrintTarget::Printer},
        {ID_PRINT_COURSE, PRINT_COURSE, PrintTarget::Printer},
        {ID_PREVIEW_TABLE, PRINT_TABLE, PrintTarget::Preview},
        {ID_PREVIEW_SCORE_SHEET, PRINT_SCORE_SHEET, PrintTarget::Preview},
        {ID_PREVIEW_CARDS_ASSIGNMENT, PRINT_CARDS_ASSIGNMENT, PrintTarget::Preview},
        {ID_PREVIEW_COURSE, PRINT_COURSE, PrintTarget::Preview},
    };
    if (id == ID_ORIENTATION) {
        OnPrintOrientation();
        return true;
    }
    for (const Command& command : kCommands) {
        if (command.id != id) continue;
        FramePrinting().PrintReport(command.kind, command.target);
        return true;
    }
    return false;
}

platform::PrintDocument CFramePrinting::MakePrintDocument(int kind) {
    platform::PrintDocument document;
    document.title = platform::LoadString(IDS_PRODUCT_NAME) + ": " + platform::LoadString(IDS_REPORT_TABLE + kind - 1);
    document.orientation = Landscape() ? platform::PageOrientation::Landscape : platform::PageOrientation::Portrait;
    // The games and deals the lists hold, as their painters will draw them.
    document.pageCount = PrintPageCount(kind, Landscape(), g_GameList.ListedGames(), g_StoreRows.StoredDeals());
    document.paintPage = [this, kind](platform::DeviceContext& dc, const platform::PrintPageInfo& page) {
        PrintPage(kind, dc, page);
    };
    return document;
}

platform::PrintOutcome CFramePrinting::PrintReport(int kind, PrintTarget target, const std::string& pdfPath) {
    ChooseReport(kind);
    WriteTrace(target == PrintTarget::Preview ? ":OnPreparePrinting(preview)" : ":OnPreparePrinting(print)", LOG_VIEW);
    const platform::PrintDocument document = MakePrintDocument(kind);
    PreparePrinting(true);
    platform::PrintOutcome outcome = platform::PrintOutcome::Failed;
    // The preview is modal; a close request meanwhile ends the preview only.
    if (target == PrintTarget::Preview) printing_.PrintPreview = 1;
    switch (target) {
        case PrintTarget::Printer: outcome = platform::PrintDocumentWithDialog(frame_.Handle(), document); break;
        case PrintTarget::Preview: outcome = platform::PreviewDocument(frame_.Handle(), document); break;
        case PrintTarget::Pdf: outcome = platform::PrintDocumentToPdf(document, pdfPath); break;
    }
    printing_.PrintPreview = 0;
    // Set-up and tear-down run also when the dialog was cancelled or the job failed.
    PreparePrinting(false);
    return outcome;
}

void CFramePrinting::ChooseReport(int kind) { printing_.PrintKind = kind; }

bool CFramePrinting::EndPreview() {
    if (!printing_.PrintPreview) return false;
    printing_.PrintPreview = 0;
    return true;
}

void CFramePrinting::PreparePrinting(bool start) {
    // Step 1: the open prompt bar keeps out of the way of the job.
    printing_.PrintingActive = start ? 1 : 0;
    if (::IsWindow(frame_.Prompts().PromptDialog)) {
        ::EnableWindow(frame_.Prompts().PromptDialog, !start);
        ::ShowWindow(frame_.Prompts().PromptDialog, start ? SW_HIDE : SW_SHOW);
    }
    frame_.FrameTimers().AskRedraw();
    // Step 2: the title shows the job while it runs and comes back afterwards.
    if (start) {
        frame_.FrameTexts().KeepPendingTitle(::GetWindowText(frame_.Handle()));
        frame_.SetWindowText(MakePrintDocument(printing_.PrintKind).title);
    } else {
        frame_.PostMessage(WM_COMMAND, CM_RESTORE_TITLE);
    }
    // Step 3: the lists print through hidden windows of their own, made for the job only.
    const bool list = printing_.PrintKind == PRINT_SCORE_SHEET || printing_.PrintKind == PRINT_CARDS_ASSIGNMENT;
    if (start && list) printing_.PrintWindows = std::make_shared<CListPrintWindows>(frame_.Handle());
    else printing_.PrintWindows.reset();
}

void CFramePrinting::PrintPage(int kind, platform::DeviceContext& dc, const platform::PrintPageInfo& page) {
    // Step 1: the mapping: the larger scale of width and height decides, so the page height sets it
    // on A4. A page without a size prints nothing rather than dividing by zero.
    if (page.millimetres.cx <= 0 || page.millimetres.cy <= 0 || page.dotsPerInchX <= 0 || page.dotsPerInchY <= 0) return;
    const int scale = std::max(20100 / page.millimetres.cx, 28800 / page.millimetres.cy);
    if (scale <= 0) return;
    dc.SetMapMode(platform::MapMode::Anisotropic);
    dc.SetWindowOrg(-100, -48);
    dc.SetWindowExt(21, -30);
    dc.SetViewportExt(21 * page.dotsPerInchX / scale, -30 * page.dotsPerInchY / scale);
    // Page n shows the n-th page height of the drawing.
    dc.SetViewportOrg(0, (1 - page.number) * page.pixels.cy);
    // Step 2: the page height in logical units.
    const platform::Rect logical = dc.DPtoLP(platform::Rect{0, 0, page.pixels.cx, page.pixels.cy});
    const int pageHeight = std::abs(logical.bottom - logical.top);
    const int offsetY = (page.number - 1) * pageHeight;
    // Step 3: header, footer, body.
    PrintHeader(dc, offsetY);
    PrintFooter(dc, offsetY, page.number, page.pageCount);
    if (kind == PRINT_COURSE) PrintCourse(dc);
    else if (kind == PRINT_TABLE) PrintTable(dc);
    else if (printing_.PrintWindows) printing_.PrintWindows->DrawBody(kind, dc);
    // Step 4: the trace names what was printed.
    WriteTrace(std::string(":OnPrint(") + KindWords(kind) + ")", LOG_VIEW);
}

void CFramePrinting::PrintHeader(platform::DeviceContext& dc, int offsetY) {
    WriteTrace(":Header()", LOG_MAINFRAME);
    const platform::LogFont font = dc.SelectFont(g_pApp->Font(10));
    const platform::Pen pen = dc.SelectPen(g_pApp->ThinPen);
    const int width = PrintPageWidth(Landscape());
    dc.MoveTo(0, offsetY + kPrintHeaderHeight);
    dc.LineTo(width, offsetY + kPrintHeaderHeight);
    const char* format = frame_.Files().EnglishEdition ? "%Y-%m-%d" : "%d.%m.%Y";
    platform::Rect band{0, offsetY, width, offsetY + kPrintHeaderHeight};
    const platform::BkMode mode = dc.SetBkMode(platform::BkMode::Transparent);
    dc.DrawText(platform::FormatLocalTime(format, Time64()), band,
                platform::DrawTextFormat::Left | platform::DrawTextFormat::VCenter | platform::DrawTextFormat::SingleLine);
    dc.DrawText(platform::LoadString(IDS_APP_TITLE), band,
                platform::DrawTextFormat::Right | platform::DrawTextFormat::VCenter | platform::DrawTextFormat::SingleLine);
    dc.SetBkMode(mode);
    dc.SelectPen(pen);
    dc.SelectFont(font);
}

void CFramePrinting::PrintFooter(platform::DeviceContext& dc, int offsetY, int page, int pages) {
    WriteTrace(":Footer()", LOG_MAINFRAME);
    const platform::LogFont font = dc.SelectFont(g_pApp->Font(10));
    const platform::Pen pen = dc.SelectPen(g_pApp->ThinPen);
    const int width = PrintPageWidth(Landscape());
    const int y = PrintFooterY(Landscape()) + offsetY;
    dc.MoveTo(0, y);
    dc.LineTo(width, y);
    platform::Rect band{0, y, width, y + kPrintHeaderHeight};
    const platform::BkMode mode = dc.SetBkMode(platform::BkMode::Transparent);
    dc.DrawText(PageText(page, pages), band,
                platform::DrawTextFormat::Center | platform::DrawTextFormat::VCenter | platform::DrawTextFormat::SingleLine);
    dc.SetBkMode(mode);
    dc.SelectPen(pen);
    dc.SelectFont(font);
}

void CFramePrinting::PrintTitle(platform::DeviceContext& dc, int top, int height, int titleId) {
    const platform::LogFont font = dc.SelectFont(g_pApp->Font(2));
    platform::Rect band{0, top, PrintPageWidth(Landscape()), top + height};
    const platform::BkMode mode = dc.SetBkMode(platform::BkMode::Transparent);
    dc.DrawText(platform::LoadString(titleId), band,
                platform::DrawTextFormat::Center | platform::DrawTextFormat::VCenter | platform::DrawTextFormat::SingleLine);
    dc.SetBkMode(mode);
    dc.SelectFont(font);
}
