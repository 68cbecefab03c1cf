#include "platform/core/DesktopServices.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/core/DragDrop.h"
#include "platform/core/WindowSystem.h"

namespace platform {

namespace {

DesktopServices* g_services = nullptr;

constexpr std::size_t kMaxFolderBytes = 4096;

bool IsExistingFolder(const std::string& folder) {
    if (folder.empty() || folder.size() > kMaxFolderBytes || folder.find('\0') != std::string::npos) return false;
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
}

bool IsExistingFile(const std::string& path) {
    if (path.empty() || path.size() > kMaxDropNameBytes || path.find('\0') != std::string::npos) return false;
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

ShellResult NoServices() { return ShellResult::Failed("no desktop services"); }

}  // namespace

void InstallDesktopServices(DesktopServices* services) { g_services = services; }

DesktopServices* InstalledDesktopServices() { return g_services; }

bool ShowHelpTopic(HWND owner, const std::string& topic) {
    const std::optional<HelpTopic> parsed = ParseHelpTopic(topic);
    if (!parsed || !g_services) return false;
    return g_services->ShowHelp(owner, *parsed);
}

void CloseAllHelpWindows() {
    if (g_services) g_services->CloseAllHelp();
}

bool IsHelpWindowOpen() { return g_services && g_services->IsHelpOpen(); }

ShellResult OpenUrl(const std::string& url) {
    if (!IsOpenableUrl(url)) return ShellResult::Failed("not a link to open: ", url);
    return g_services ? g_services->OpenUrl(url) : NoServices();
}

ShellResult OpenFolder(const std::string& folder) {
    if (!IsExistingFolder(folder)) return ShellResult::Failed("no such folder: ", folder);
    return g_services ? g_services->OpenFolder(folder) : NoServices();
}

ShellResult StartEdition(Edition edition, const std::vector<std::string>& arguments) {
    if (!AreAcceptableArguments(arguments)) return ShellResult::Failed("unacceptable arguments");
    return g_services ? g_services->StartEdition(edition, arguments) : NoServices();
}

bool DragFilesOut(HWND from, const std::vector<std::string>& paths) {
    if (!g_services || !WindowSystem::Instance().IsWindow(from)) return false;
    if (paths.empty() || paths.size() > kMaxDropFiles || !std::all_of(paths.begin(), paths.end(), IsExistingFile))
        return false;
    return g_services->DragFilesOut(from, paths);
}

PrintOutcome PrintDocumentWithDialog(HWND owner, const PrintDocument& document) {
    if (!g_services || !IsPrintable(document)) return PrintOutcome::Failed;
    return g_services->Print(owner, document);
}

PrintOutcome PreviewDocument(HWND owner, const PrintDocument& document) {
    if (!g_services || !IsPrintable(document)) return PrintOutcome::Failed;
    return g_services->PrintPreview(owner, document);
}

PrintOutcome PrintDocumentToPdf(const PrintDocument& document, const std::string& path) {
    if (!g_services || !IsPrintable(document) || path.empty()) return PrintOutcome::Failed;
    return g_services->PrintToPdf(document, path);
}

void SetSoundVolumeLevel(int level, int maxLevel) {
    if (!g_services || maxLevel <= 0) return;
    g_services->SetSoundVolume(static_cast<double>(std::clamp(level, 0, maxLevel)) / maxLevel);
}

}  // namespace platform
