#include "platform/qt/QtShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {

QtShell::QtShell(std::string programFolder, QtShellLauncher launcher)
    : m_programFolder(std::move(programFolder)), m_launcher(std::move(launcher)) {
    if (!m_launcher.openUrl) m_launcher.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    if (!m_launcher.start) {
        m_launcher.start = [](const QString& program, const QStringList& arguments) {
            return QProcess::startDetached(program, arguments);
        };
    }
}

ShellResult QtShell::OpenUrl(const std::string& url) const {
    const QUrl link(QString::fromStdString(url), QUrl::StrictMode);
    if (!link.isValid() || !IsOpenableUrl(url)) return ShellResult::Failed("not a link to open: ", url);
    if (!m_launcher.openUrl(link)) return ShellResult::Failed("no program opened ", url);
    return ShellResult::Done();
}

ShellResult QtShell::OpenFolder(const std::string& folder) const {
    const QString path = QString::fromStdString(folder);
    if (!QFileInfo(path).isDir()) return ShellResult::Failed("no such folder: ", folder);
    if (!m_launcher.openUrl(QUrl::fromLocalFile(path))) return ShellResult::Failed("no program opened ", folder);
    return ShellResult::Done();
}

ShellResult QtShell::StartEdition(Edition edition, const std::vector<std::string>& arguments) const {
    const std::string program = EditionProgramPath(edition, m_programFolder);
    const QFileInfo file(QString::fromStdString(program));
    if (!file.isFile() || !file.isExecutable()) return ShellResult::Failed("no program ", program);
    if (!AreAcceptableArguments(arguments)) return ShellResult::Failed("unacceptable arguments");
    QStringList list;
    for (const std::string& argument : arguments) list << QString::fromStdString(argument);
    if (!m_launcher.start(file.absoluteFilePath(), list)) return ShellResult::Failed("could not start ", program);
    return ShellResult::Done();
}

}  // namespace platform
