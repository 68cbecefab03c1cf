#pragma once
// platform::DesktopServices: what the program needs of the desktop beyond its windows, in one
// interface that the host installs: the help window, the shell (links, folders, the other
// edition), dragging files out of a window and showing windows as drop targets, printing and the
// sound volume. The program calls the free functions below; with no services installed they
// answer as failed or do nothing, so tests that do not care need not install any.
//
// Not here, because they are no call of the program: dropped files arrive through
// DeliverDroppedFiles (DragDrop.h), a second instance's file name through DeliverHandedOverFile
// (DesktopInstance.h), and the sound itself goes through tavlo::SoundOutput.

#include <string>
#include <vector>

#include "platform/core/HelpTopic.h"
#include "platform/core/Message.h"
#include "platform/core/PrintDocument.h"
#include "platform/core/ShellRequests.h"

namespace platform {

class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // --- Help ------------------------------------------------------------------------------------
    // Shows the topic in the help window (opened when needed). True when a help window shows it,
    // or shows that the page is missing; false when the help pages cannot be opened at all.
    virtual bool ShowHelp(HWND owner, const HelpTopic& topic) = 0;
    virtual void CloseAllHelp() = 0;
    // Whether a help window is open (the person may have closed it meanwhile).
    virtual bool IsHelpOpen() const = 0;

    // --- Shell (requests already checked by the free functions) -----------------------------------
    virtual ShellResult OpenUrl(const std::string& url) = 0;
    virtual ShellResult OpenFolder(const std::string& folder) = 0;
    virtual ShellResult StartEdition(Edition edition, const std::vector<std::string>& arguments) = 0;

    // --- Drag and drop ---------------------------------------------------------------------------
    // The window now takes dropped files, or no longer does: show it as a drop target (or not).
    virtual void AcceptFiles(HWND hwnd, bool accept) = 0;
    // Drags the files out of the window, from the mouse position, until the person drops or
    // cancels. True when they were dropped somewhere.
    virtual bool DragFilesOut(HWND from, const std::vector<std::string>& paths) = 0;

    // --- Printing --------------------------------------------------------------------------------
    // The print dialog, then the printer.
    virtual PrintOutcome Print(HWND owner, const PrintDocument& document) = 0;
    // The print preview, modal; it may print from there.
    virtual PrintOutcome PrintPreview(HWND owner, const PrintDocument& document) = 0;
    virtual PrintOutcome PrintToPdf(const PrintDocument& document, const std::string& path) = 0;

    // --- Sound -----------------------------------------------------------------------------------
    // The volume of everything played, 0 (silent) to 1 (full).
    virtual void SetSoundVolume(double volume) = 0;
};

// Installs the host's services (nullptr: none). Not owned.
void InstallDesktopServices(DesktopServices* services);
DesktopServices* InstalledDesktopServices();

// --- The program's calls -----------------------------------------------------------------------
// A topic as the program writes it ("<help>::/Lexikon/Glossar.htm#3"); false when it is no topic
// or no help window could show it.
bool ShowHelpTopic(HWND owner, const std::string& topic);
void CloseAllHelpWindows();
bool IsHelpWindowOpen();

ShellResult OpenUrl(const std::string& url);
// A folder that exists.
ShellResult OpenFolder(const std::string& folder);
ShellResult StartEdition(Edition edition, const std::vector<std::string>& arguments);

// Paths of existing files, at most kMaxDropFiles; false without a drag.
bool DragFilesOut(HWND from, const std::vector<std::string>& paths);

PrintOutcome PrintDocumentWithDialog(HWND owner, const PrintDocument& document);
PrintOutcome PreviewDocument(HWND owner, const PrintDocument& document);
PrintOutcome PrintDocumentToPdf(const PrintDocument& document, const std::string& path);

// The volume as the program keeps it: level 0..maxLevel (clamped).
void SetSoundVolumeLevel(int level, int maxLevel);

}  // namespace platform
