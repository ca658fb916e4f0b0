#include "common/qtview/file_drop.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

namespace qtview {

FileDrop::FileDrop(QWidget* window, Accepts accepts, Dropped dropped)
    : QObject(window), accepts_(std::move(accepts)), dropped_(std::move(dropped)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // A field takes dropped text itself; a dropped file is the window's,
    // wherever it lands, never a path typed into a field.
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

QString FileDrop::fileFor(const QMimeData* data) const {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    const QString path = urls.first().toLocalFile();
    if (path != lastPath_) {
        lastPath_ = path;
        lastAccepted_ = QFileInfo(path).isFile() && accepts_(path);
    }
    return lastAccepted_ ? path : QString();
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event) {
    const bool files = (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
                        event->type() == QEvent::Drop) &&
                       static_cast<QDropEvent*>(event)->mimeData()->hasUrls();
    if (!files && watched != parent()) return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (fileFor(drag->mimeData()).isEmpty()) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = fileFor(drop->mimeData());
        if (path.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        dropped_(path);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace qtview
