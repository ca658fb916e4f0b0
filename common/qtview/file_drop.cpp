#include "common/qtview/file_drop.h"

#include "common/platform/file_names.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace qtview {

FileDrop::FileDrop(QWidget* window, Dropped dropped, Refused refused)
    : QObject(window), dropped_(std::move(dropped)), refused_(std::move(refused)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    // A field takes dropped text itself; a dropped file is the window's,
    // wherever it lands, never a path typed into a field.
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

namespace {

// The URIs of a text/uri-list, read as bytes: QUrl would turn a name's bytes
// that are not UTF-8 into U+FFFD, and the file could not be found.
QList<QByteArray> urisOf(const QMimeData* data) {
    QList<QByteArray> uris;
    for (const QByteArray& line : data->data(QStringLiteral("text/uri-list")).split('\n')) {
        const QByteArray uri = line.trimmed();
        if (!uri.isEmpty() && !uri.startsWith('#')) uris << uri;
    }
    return uris;
}

} // namespace

void FileDrop::dropped(const QMimeData* data) {
    const QList<QByteArray> uris = urisOf(data);
    if (uris.size() != 1) return refused_(QStringLiteral("Bitte nur eine Datei ablegen."));
    const QString path = platform::fileNameFromUri(uris.first());
    if (path.isEmpty())
        // Shown as given: bytes that are not UTF-8 show as U+FFFD.
        return refused_(QStringLiteral("„") + QString::fromUtf8(uris.first()) +
                        QStringLiteral("“ wurde nicht übernommen: Die Datei liegt nicht auf "
                                       "diesem Rechner."));
    dropped_(path);
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
        if (urisOf(drag->mimeData()).isEmpty()) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (urisOf(drop->mimeData()).isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        dropped(drop->mimeData());
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace qtview
