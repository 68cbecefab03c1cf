#pragma once
// The open and save dialogs of the Qt host: Qt's file dialog, modal to the program while our loop
// keeps running (timers, paints and posted messages are dispatched as a modal loop does).

#include <QStringList>

#include "platform/core/Host.h"

class QWidget;

namespace platform {

// Qt's name filters for our file type list: "Match lists (*.skm)", patterns separated by spaces.
QStringList QtNameFilters(const std::vector<FileFilter>& filters);

// Shows the dialog over `ownerWidget` and waits for the person through our nested wait; `owner`
// (our window) is disabled meanwhile. A quit request ends it as cancelled.
FileDialogAnswer RunQtFileDialog(const FileDialogRequest& request, QWidget* ownerWidget);

}  // namespace platform
