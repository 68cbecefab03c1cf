#pragma once
// platform::QtDragDrop: files between the Qt host's windows and other programs. A window that takes
// files (DragAcceptFiles) gets its widget marked as a drop target; a drag of local files entering
// it is recorded and delivered as WM_DRAGENTER, a drop as WM_DROPFILES, at the engine's next
// retrieval, so our handlers never run inside Qt's drag events. The exception is a drag of our own:
// its handler is on the stack running the drag, and the window hears of the drag inside it.
// Dragging out runs a Qt drag of file URLs, which file managers take as a copy.

#include <memory>
#include <string>
#include <vector>

#include <QObject>

#include "platform/core/Message.h"

class QMimeData;

namespace platform {

class QtDragDrop final : public QObject {
public:
    QtDragDrop() = default;

    // Marks the window's widget as a drop target (or no longer).
    void AcceptFiles(HWND hwnd, bool accept);
    // Runs the drag until the person drops or cancels; true when the files were taken.
    bool DragFilesOut(HWND from, const std::vector<std::string>& paths);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_dragOutDepth = 0;  // drags of our own running
};

// A drag's data for files: their file URLs.
std::unique_ptr<QMimeData> FileDragData(const std::vector<std::string>& paths);
// The local file names a drop's data carries, in order (other URLs left out).
std::vector<std::string> DroppedFileNames(const QMimeData& data);

}  // namespace platform
