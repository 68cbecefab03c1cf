#include "platform/qt/QtFileDialog.h"

#include <QFileDialog>
#include <QPointer>
#include <QWindow>

#include "platform/core/WindowSystem.h"

namespace platform {

QStringList QtNameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        const QString patterns = QString::fromStdString(filter.pattern).replace(u';', u' ').simplified();
        QString description = QString::fromStdString(filter.description);
        // A description that already names its patterns keeps them; else Qt needs them in brackets.
        if (!description.contains(u'(')) description += QStringLiteral(" (") + patterns + u')';
        names << description;
    }
    return names;
}

FileDialogAnswer RunQtFileDialog(const FileDialogRequest& request, QWidget* ownerWidget) {
    WindowSystem& system = WindowSystem::Instance();
    // Not a Qt child of the owner's widget: that one is disabled while the dialog runs, and Qt would
    // disable the dialog with it. Kept above it as a transient window instead.
    QPointer<QFileDialog> dialog = new QFileDialog();
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.title.empty()) dialog->setWindowTitle(QString::fromStdString(request.title));
    if (!request.acceptLabel.empty())
        dialog->setLabelText(QFileDialog::Accept, QString::fromStdString(request.acceptLabel));
    if (!request.folder.empty()) dialog->setDirectory(QString::fromStdString(request.folder));
    if (!request.fileName.empty()) dialog->selectFile(QString::fromStdString(request.fileName));
    if (!request.defaultExtension.empty()) dialog->setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    const QStringList filters = QtNameFilters(request.filters);
    if (!filters.isEmpty()) dialog->setNameFilters(filters);

    // As a modal loop: the owner is disabled while the dialog runs, and comes back after.
    const HWND owner = request.owner;
    const bool disableOwner = system.IsWindow(owner) && system.IsWindowEnabled(owner);
    if (disableOwner) system.EnableWindow(owner, false);
    bool finished = false;
    QObject::connect(dialog, &QDialog::finished, dialog, [&finished] { finished = true; });
    if (ownerWidget && ownerWidget->window()->windowHandle()) {
        dialog->winId();
        if (dialog->windowHandle()) dialog->windowHandle()->setTransientParent(ownerWidget->window()->windowHandle());
    }
    dialog->open();
    const bool quit = !system.WaitWhile([&] { return !finished && dialog; });

    FileDialogAnswer answer;
    if (dialog) {
        if (quit) dialog->reject();
        else if (dialog->result() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()) {
            answer.accepted = true;
            answer.path = dialog->selectedFiles().front().toStdString();
        }
        delete dialog.data();
    }
    if (disableOwner && system.IsWindow(owner)) system.EnableWindow(owner, true);
    if (system.IsWindow(owner)) system.SetActiveWindow(owner);
    return answer;
}

}  // namespace platform
