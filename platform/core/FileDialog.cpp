#include "platform/core/FileDialog.h"

#include "platform/core/WindowSystem.h"

namespace platform {

std::string WithDefaultExtension(const std::string& path, const std::string& extension) {
    if (extension.empty() || path.empty()) return path;
    const std::size_t nameStart = path.find_last_of('/') + 1;  // npos + 1 == 0
    if (path.find('.', nameStart) != std::string::npos) return path;
    return path + "." + extension;
}

FileDialogAnswer RunFileDialog(const FileDialogRequest& request) {
    Host* host = WindowSystem::Instance().AttachedHost();
    if (!host) return {};
    FileDialogAnswer answer = host->ShowFileDialog(request);
    if (!answer.accepted) return {};
    if (request.save) answer.path = WithDefaultExtension(answer.path, request.defaultExtension);
    return answer;
}

}  // namespace platform
