#pragma once
// platform::QtHelp: the help window of the Qt host, a text browser showing the edition's HTML help
// pages from a folder by page and anchor. One window serves every topic; the person may close it.
// A page that is missing shows a message in the window instead.

#include <string>

#include <QPointer>

#include "platform/core/HelpTopic.h"

class QTextBrowser;

namespace platform {

struct QtHelpOptions {
    std::string folder;       // the edition's help pages, used when a topic names no folder of its own
    std::string title;        // the window's title ("Help for Kartovan+")
    std::string missingPage;  // shown for a missing page, %1 = the page
};

class QtHelp {
public:
    explicit QtHelp(QtHelpOptions options);
    ~QtHelp();
    QtHelp(const QtHelp&) = delete;
    QtHelp& operator=(const QtHelp&) = delete;

    // Shows the topic, opening the window when needed; false (and no window) when the help folder
    // does not exist.
    bool Show(const HelpTopic& topic);
    void CloseAll();
    bool IsOpen() const;

    // The window, while there is one.
    QTextBrowser* Window() const;

private:
    QTextBrowser& EnsureWindow();

    QtHelpOptions m_options;
    QPointer<QTextBrowser> m_window;
};

}  // namespace platform
