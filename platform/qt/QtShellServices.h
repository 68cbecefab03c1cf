#pragma once
// platform::QtShellServices: the Qt host's desktop services, installed for the program: the help
// window (QtHelp), the shell (QtShell), files dragged in and out (QtDragDrop), printing
// (QtPrintUi) and the volume of the SDL sound output. Owner windows of dialogs are found through
// the running QtHost.
//
// Wiring, after the QtHost is made (and before the main window takes files):
//     SdlSound sound;
//     tavlo::SetSoundOutput(&sound);
//     auto desktop = InstallQtDesktopServices({help options, ProgramFolder(), &sound});
// The services stay installed until the returned object is destroyed.

#include <memory>
#include <string>
#include <vector>

#include "platform/core/DesktopServices.h"
#include "platform/qt/QtDragDrop.h"
#include "platform/qt/QtHelp.h"
#include "platform/qt/QtPrintUi.h"
#include "platform/qt/QtShell.h"

class QWidget;

namespace platform {

class SdlSound;

struct QtDesktopOptions {
    QtHelpOptions help;
    std::string programFolder;  // where both editions' programs lie (ProgramFolder())
    SdlSound* sound = nullptr;  // takes the volume; not owned, may be null
    QtShellLauncher launcher;   // empty: the desktop's own
};

class QtShellServices final : public DesktopServices {
public:
    explicit QtShellServices(QtDesktopOptions options);
    ~QtShellServices() override;
    QtShellServices(const QtShellServices&) = delete;
    QtShellServices& operator=(const QtShellServices&) = delete;

    bool ShowHelp(HWND owner, const HelpTopic& topic) override;
    void CloseAllHelp() override { m_help.CloseAll(); }
    bool IsHelpOpen() const override { return m_help.IsOpen(); }
    ShellResult OpenUrl(const std::string& url) override { return m_shell.OpenUrl(url); }
    ShellResult OpenFolder(const std::string& folder) override { return m_shell.OpenFolder(folder); }
    ShellResult StartEdition(Edition edition, const std::vector<std::string>& arguments) override {
        return m_shell.StartEdition(edition, arguments);
    }
    void AcceptFiles(HWND hwnd, bool accept) override { m_dragDrop.AcceptFiles(hwnd, accept); }
    bool DragFilesOut(HWND from, const std::vector<std::string>& paths) override {
        return m_dragDrop.DragFilesOut(from, paths);
    }
    PrintOutcome Print(HWND owner, const PrintDocument& document) override;
    PrintOutcome PrintPreview(HWND owner, const PrintDocument& document) override;
    PrintOutcome PrintToPdf(const PrintDocument& document, const std::string& path) override {
        return m_print.ToPdf(document, path);
    }
    void SetSoundVolume(double volume) override;

    QtHelp& Help() { return m_help; }

private:
    // The top-level widget of an owner window, for dialogs to stay above it.
    static QWidget* OwnerWidget(HWND owner);

    QtHelp m_help;
    QtShell m_shell;
    QtDragDrop m_dragDrop;
    QtPrintUi m_print;
    SdlSound* m_sound;
};

// Makes the Qt host's services and installs them; uninstalled when the object goes.
std::unique_ptr<QtShellServices> InstallQtDesktopServices(QtDesktopOptions options);

}  // namespace platform
