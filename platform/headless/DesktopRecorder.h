#pragma once
// platform::DesktopRecorder: the headless host's desktop services. It carries nothing out; it notes
// every request for tests, answers as scripted (help pages present, shell requests succeed, print
// dialogs accepted, drags dropped, unless a test says otherwise) and draws every printed page into
// its own RecordingDC on a fixed A4 printer of 300 dots per inch. Constructing one installs it;
// destroying it uninstalls it again.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/core/DesktopServices.h"
#include "platform/headless/RecordingDC.h"

namespace platform {

class DesktopRecorder final : public DesktopServices {
public:
    // The fixed printer: A4 with 5 mm margins at 300 dots per inch, as the Qt host prints.
    static constexpr int kDotsPerInch = 300;
    static constexpr Size kPortraitMillimetres{200, 287};

    DesktopRecorder();
    ~DesktopRecorder() override;
    DesktopRecorder(const DesktopRecorder&) = delete;
    DesktopRecorder& operator=(const DesktopRecorder&) = delete;

    // --- DesktopServices -------------------------------------------------------------------------
    bool ShowHelp(HWND owner, const HelpTopic& topic) override;
    void CloseAllHelp() override;
    bool IsHelpOpen() const override { return m_helpOpen; }
    ShellResult OpenUrl(const std::string& url) override;
    ShellResult OpenFolder(const std::string& folder) override;
    ShellResult StartEdition(Edition edition, const std::vector<std::string>& arguments) override;
    void AcceptFiles(HWND hwnd, bool accept) override;
    bool DragFilesOut(HWND from, const std::vector<std::string>& paths) override;
    PrintOutcome Print(HWND owner, const PrintDocument& document) override;
    PrintOutcome PrintPreview(HWND owner, const PrintDocument& document) override;
    PrintOutcome PrintToPdf(const PrintDocument& document, const std::string& path) override;
    void SetSoundVolume(double volume) override { m_volume = volume; }

    // --- Help ------------------------------------------------------------------------------------
    struct HelpRequest {
        HWND owner = nullptr;
        HelpTopic topic;
    };
    const std::vector<HelpRequest>& HelpRequests() const { return m_helpRequests; }
    int HelpClosings() const { return m_helpClosings; }
    // false: the help pages cannot be opened, ShowHelp answers false and no window opens.
    void SetHelpAvailable(bool available) { m_helpAvailable = available; }
    // The person closes the help window with its own close button.
    void PersonClosesHelp() { m_helpOpen = false; }

    // --- Shell -----------------------------------------------------------------------------------
    struct ShellRequest {
        enum class Kind { Url, Folder, Edition };
        Kind kind = Kind::Url;
        std::string target;  // the link or folder; the edition's program name
        std::vector<std::string> arguments;
        friend bool operator==(const ShellRequest&, const ShellRequest&) = default;
    };
    const std::vector<ShellRequest>& ShellRequests() const { return m_shellRequests; }
    // Every later shell request fails with this error (nullopt: they succeed again).
    void SetShellFailure(std::optional<std::string> error) { m_shellFailure = std::move(error); }

    // --- Drag and drop ---------------------------------------------------------------------------
    struct AcceptChange {
        HWND hwnd = nullptr;
        bool accept = false;
        friend bool operator==(const AcceptChange&, const AcceptChange&) = default;
    };
    const std::vector<AcceptChange>& AcceptChanges() const { return m_acceptChanges; }
    struct DragOut {
        HWND from = nullptr;
        std::vector<std::string> paths;
    };
    const std::vector<DragOut>& DragsOut() const { return m_dragsOut; }
    // Whether the next drags end with a drop (true) or are cancelled.
    void SetDragsDropped(bool dropped) { m_dragsDropped = dropped; }
    // The next dropped drags land on this window of ours at a client point (nullptr: elsewhere).
    void SetDragDropTarget(HWND target, Point clientPoint = {}) {
        m_dropTarget = target;
        m_dropPoint = clientPoint;
    }

    // --- Printing --------------------------------------------------------------------------------
    struct PrintedPage {
        PrintPageInfo info;
        std::unique_ptr<RecordingDC> dc;
    };
    struct PrintJob {
        enum class Kind { Printer, Preview, Pdf };
        Kind kind = Kind::Printer;
        HWND owner = nullptr;
        std::string title;
        std::string path;  // Pdf
        PageOrientation orientation = PageOrientation::Portrait;
        PrintOutcome outcome = PrintOutcome::Done;
        std::vector<PrintedPage> pages;  // empty when the dialog was cancelled
    };
    const std::vector<PrintJob>& PrintJobs() const { return m_printJobs; }
    // Whether the print dialogs are accepted (true) or cancelled.
    void SetPrintDialogAccepted(bool accepted) { m_printAccepted = accepted; }
    // The fixed printer's page in an orientation.
    static PrintPageInfo PageOf(PageOrientation orientation, int number, int pageCount);

    // --- Sound -----------------------------------------------------------------------------------
    double SoundVolume() const { return m_volume; }

private:
    ShellResult Answer(ShellRequest request);
    PrintOutcome Record(PrintJob::Kind kind, HWND owner, const PrintDocument& document, std::string path);

    std::vector<HelpRequest> m_helpRequests;
    int m_helpClosings = 0;
    bool m_helpOpen = false;
    bool m_helpAvailable = true;
    std::vector<ShellRequest> m_shellRequests;
    std::optional<std::string> m_shellFailure;
    std::vector<AcceptChange> m_acceptChanges;
    std::vector<DragOut> m_dragsOut;
    bool m_dragsDropped = true;
    HWND m_dropTarget = nullptr;
    Point m_dropPoint;
    std::vector<PrintJob> m_printJobs;
    bool m_printAccepted = true;
    double m_volume = 1.0;
};

}  // namespace platform
