#pragma once
// platform::QtShell: the Qt host's shell requests. Links and folders open in the person's own
// programs through QDesktopServices; the other edition starts as a detached process from the
// folder of the running program. The final step goes through a launcher that tests replace, so
// that no test starts a browser or a program.

#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "platform/core/ShellRequests.h"

class QUrl;

namespace platform {

struct QtShellLauncher {
    std::function<bool(const QUrl& url)> openUrl;  // default: QDesktopServices::openUrl
    std::function<bool(const QString& program, const QStringList& arguments)> start;  // default: startDetached
};

class QtShell {
public:
    // `programFolder`: where kartovan-ge and kartovan-en lie (ends with '/').
    explicit QtShell(std::string programFolder, QtShellLauncher launcher = {});

    ShellResult OpenUrl(const std::string& url) const;
    ShellResult OpenFolder(const std::string& folder) const;
    ShellResult StartEdition(Edition edition, const std::vector<std::string>& arguments) const;

private:
    std::string m_programFolder;
    QtShellLauncher m_launcher;
};

}  // namespace platform
