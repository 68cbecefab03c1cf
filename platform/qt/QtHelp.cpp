#include "platform/qt/QtHelp.h"

#include "platform/qt/QtPlacement.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>

namespace platform {

QtHelp::QtHelp(QtHelpOptions options) : m_options(std::move(options)) {
    if (m_options.missingPage.empty()) m_options.missingPage = "The help page %1 cannot be found.";
}

QtHelp::~QtHelp() { delete m_window.data(); }

QTextBrowser& QtHelp::EnsureWindow() {
    if (!m_window) {
        m_window = new QTextBrowser();
        m_window->setWindowTitle(QString::fromStdString(m_options.title));
        // Links to the web go to the person's browser; links between pages stay in the window.
        m_window->setOpenExternalLinks(true);
        // Its size, shrunk on a small screen, with the title bar and the bottom edge on the screen.
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen) m_window->setGeometry(FittedOnScreen({760, 560}, screen->availableGeometry(), WindowDecoration()));
        else m_window->resize(760, 560);
    }
    return *m_window;
}

bool QtHelp::Show(const HelpTopic& topic) {
    const QString folder = QString::fromStdString(topic.folder.empty() ? m_options.folder : topic.folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) return false;

    QTextBrowser& window = EnsureWindow();
    const QString page = QString::fromStdString(topic.page);
    const QString path = QDir(folder).filePath(page);
    if (QFileInfo(path).isFile()) {
        QUrl url = QUrl::fromLocalFile(path);
        if (!topic.anchor.empty()) url.setFragment(QString::fromStdString(topic.anchor));
        window.setSource(url);
    } else {
        QString message = QString::fromStdString(m_options.missingPage);
        message.replace(QStringLiteral("%1"), page);
        window.setHtml(QStringLiteral("<p>") + message.toHtmlEscaped() + QStringLiteral("</p>"));
    }
    window.show();
    // Raising is the window manager's business; the offscreen platform has none and says so.
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) window.raise();
    window.activateWindow();
    return true;
}

void QtHelp::CloseAll() { delete m_window.data(); }

bool QtHelp::IsOpen() const { return m_window && m_window->isVisible(); }

QTextBrowser* QtHelp::Window() const { return m_window.data(); }

}  // namespace platform
