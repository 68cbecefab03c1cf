#include "platform/qt/QtDragDrop.h"

#include <algorithm>
#include <functional>

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include "platform/core/DragDrop.h"
#include "platform/qt/QtHost.h"

namespace platform {

namespace {

HWND WindowOfObject(QObject* object) {
    QtHost* host = QtHost::Current();
    auto* widget = qobject_cast<QWidget*>(object);
    return host && widget ? host->WindowOf(widget) : nullptr;
}

bool CarriesFiles(const QMimeData* data) {
    if (!data || !data->hasUrls()) return false;
    const QList<QUrl> urls = data->urls();
    return std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); });
}

}  // namespace

std::unique_ptr<QMimeData> FileDragData(const std::vector<std::string>& paths) {
    auto data = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const std::string& path : paths) urls << QUrl::fromLocalFile(QString::fromStdString(path));
    data->setUrls(urls);
    return data;
}

std::vector<std::string> DroppedFileNames(const QMimeData& data) {
    std::vector<std::string> names;
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile()) names.push_back(url.toLocalFile().toStdString());
    }
    return names;
}

void QtDragDrop::AcceptFiles(HWND hwnd, bool accept) {
    QtHost* host = QtHost::Current();
    QWidget* widget = host ? host->WidgetOf(hwnd) : nullptr;
    if (!widget) return;
    widget->setAcceptDrops(accept);
    // Installing twice would filter twice: take it off first.
    widget->removeEventFilter(this);
    if (accept) widget->installEventFilter(this);
}

bool QtDragDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const HWND hwnd = WindowOfObject(watched);
    if (!hwnd || !AcceptsDroppedFiles(hwnd) || !CarriesFiles(drop->mimeData())) {
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::DragMove) return true;
    const QPoint at = drop->position().toPoint();
    std::function<void()> deliver;
    if (type == QEvent::DragEnter) {
        const WPARAM keys = (drop->modifiers() & Qt::ControlModifier) ? MK_CONTROL : 0;
        deliver = [hwnd, at, keys] { DeliverDragEnter(hwnd, {at.x(), at.y()}, keys); };
    } else {
        deliver = [hwnd, names = DroppedFileNames(*drop->mimeData()), at] {
            DeliverDroppedFiles(hwnd, names, {at.x(), at.y()});
        };
    }
    // During a drag of our own, one of our handlers runs the drag: the window hears of it inside the
    // drag, as the classic desktop does, so that it can tell its own drag coming back. Otherwise
    // the notice waits for our loop.
    if (m_dragOutDepth > 0) deliver();
    else QtHost::Current()->RunAtNextRetrieval(std::move(deliver));
    return true;
}

bool QtDragDrop::DragFilesOut(HWND from, const std::vector<std::string>& paths) {
    QtHost* host = QtHost::Current();
    QWidget* widget = host ? host->WidgetOf(from) : nullptr;
    if (!widget || paths.empty()) return false;
    // The drag owns its data and is gone when the drag ends.
    auto* drag = new QDrag(widget);
    drag->setMimeData(FileDragData(paths).release());
    ++m_dragOutDepth;
    const Qt::DropAction result = drag->exec(Qt::CopyAction, Qt::CopyAction);
    --m_dragOutDepth;
    drag->deleteLater();
    return result == Qt::CopyAction;
}

}  // namespace platform
