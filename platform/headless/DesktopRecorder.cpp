#include "platform/headless/DesktopRecorder.h"

#include "platform/core/DragDrop.h"

namespace platform {

DesktopRecorder::DesktopRecorder() { InstallDesktopServices(this); }

DesktopRecorder::~DesktopRecorder() {
    if (InstalledDesktopServices() == this) InstallDesktopServices(nullptr);
}

bool DesktopRecorder::ShowHelp(HWND owner, const HelpTopic& topic) {
    m_helpRequests.push_back({owner, topic});
    if (!m_helpAvailable) return false;
    m_helpOpen = true;
    return true;
}

void DesktopRecorder::CloseAllHelp() {
    ++m_helpClosings;
    m_helpOpen = false;
}

ShellResult DesktopRecorder::Answer(ShellRequest request) {
    m_shellRequests.push_back(std::move(request));
    return m_shellFailure ? ShellResult::Failed(*m_shellFailure) : ShellResult::Done();
}

ShellResult DesktopRecorder::OpenUrl(const std::string& url) { return Answer({ShellRequest::Kind::Url, url, {}}); }

ShellResult DesktopRecorder::OpenFolder(const std::string& folder) {
    return Answer({ShellRequest::Kind::Folder, folder, {}});
}

ShellResult DesktopRecorder::StartEdition(Edition edition, const std::vector<std::string>& arguments) {
    return Answer({ShellRequest::Kind::Edition, EditionProgramName(edition), arguments});
}

void DesktopRecorder::AcceptFiles(HWND hwnd, bool accept) { m_acceptChanges.push_back({hwnd, accept}); }

bool DesktopRecorder::DragFilesOut(HWND from, const std::vector<std::string>& paths) {
    m_dragsOut.push_back({from, paths});
    // Dropped back onto a window of ours: it hears of the drag entering, then of the drop, while
    // the drag still runs.
    if (m_dragsDropped && m_dropTarget) {
        DeliverDragEnter(m_dropTarget, m_dropPoint);
        DeliverDroppedFiles(m_dropTarget, paths, m_dropPoint);
    }
    return m_dragsDropped;
}

PrintPageInfo DesktopRecorder::PageOf(PageOrientation orientation, int number, int pageCount) {
    Size millimetres = kPortraitMillimetres;
    if (orientation == PageOrientation::Landscape) millimetres = {millimetres.cy, millimetres.cx};
    const auto toPixels = [](int mm) { return static_cast<int>((mm * kDotsPerInch * 10LL + 127) / 254); };
    PrintPageInfo page;
    page.number = number;
    page.pageCount = pageCount;
    page.pixels = {toPixels(millimetres.cx), toPixels(millimetres.cy)};
    page.millimetres = millimetres;
    page.dotsPerInchX = page.dotsPerInchY = kDotsPerInch;
    return page;
}

PrintOutcome DesktopRecorder::Record(PrintJob::Kind kind, HWND owner, const PrintDocument& document,
                                     std::string path) {
    PrintJob job;
    job.kind = kind;
    job.owner = owner;
    job.title = document.title;
    job.path = std::move(path);
    job.orientation = document.orientation;
    if (kind != PrintJob::Kind::Pdf && !m_printAccepted) {
        job.outcome = PrintOutcome::Cancelled;
    } else if (!IsPrintable(document)) {
        job.outcome = PrintOutcome::Failed;
    } else {
        for (int number = 1; number <= document.pageCount; ++number) {
            PrintedPage page{PageOf(document.orientation, number, document.pageCount), nullptr};
            page.dc = std::make_unique<RecordingDC>(page.info.pixels);
            page.dc->SetPrinting(true);
            document.paintPage(*page.dc, page.info);
            job.pages.push_back(std::move(page));
        }
    }
    const PrintOutcome outcome = job.outcome;
    m_printJobs.push_back(std::move(job));
    return outcome;
}

PrintOutcome DesktopRecorder::Print(HWND owner, const PrintDocument& document) {
    return Record(PrintJob::Kind::Printer, owner, document, {});
}

PrintOutcome DesktopRecorder::PrintPreview(HWND owner, const PrintDocument& document) {
    return Record(PrintJob::Kind::Preview, owner, document, {});
}

PrintOutcome DesktopRecorder::PrintToPdf(const PrintDocument& document, const std::string& path) {
    return Record(PrintJob::Kind::Pdf, nullptr, document, path);
}

}  // namespace platform
