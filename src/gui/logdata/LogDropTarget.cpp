#include "logdata/LogDropTarget.h"
#include "app/Handlers.h"

#include "logdata/FileNames.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

#include <utility>

namespace osk {

LogDropTarget::LogDropTarget(QWidget& window, QAction& openCommand,
                             std::function<void(const std::string&)> open)
    : window_(window), openCommand_(openCommand), open_(std::move(open)) {}

void LogDropTarget::install() {
    window_.setAcceptDrops(true);
    window_.installEventFilter(this);
}

std::optional<QString> LogDropTarget::droppedFile(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls())
        return std::nullopt;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            return url.toLocalFile();
    return std::nullopt;
}

bool LogDropTarget::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_)
        return QObject::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);

    auto* drop = static_cast<QDropEvent*>(event);
    const std::optional<QString> file = droppedFile(drop->mimeData());
    // While the open command is unavailable (real-time mode) a drop is refused as well.
    if (!file || !openCommand_.isEnabled()) {
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop) {
        // The drag source waits until the drop event returns; the read and its messages come
        // after that.
        const std::string path = utf8FileName(*file);
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                if (openCommand_.isEnabled())
                    runGuarded([&] { open_(path); });
            },
            Qt::QueuedConnection);
    }
    return true;
}

} // namespace osk
