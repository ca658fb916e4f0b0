#pragma once
#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace qtview {

// Lets a window take one local file dropped on it (from any file manager:
// a text/uri-list with one file: URL). While dragging, the window shows
// whether it takes the drop: one existing file that `accepts` is taken;
// several files, a folder, text or a remote address are refused.
class FileDrop : public QObject {
public:
    using Accepts = std::function<bool(const QString& path)>;
    using Dropped = std::function<void(const QString& path)>;
    FileDrop(QWidget* window, Accepts accepts, Dropped dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The one local file the data names, if the window takes it; else empty.
    QString fileFor(const QMimeData* data) const;

    Accepts accepts_;
    Dropped dropped_;
    // A drag asks again at every move: the last answer is kept.
    mutable QString lastPath_;
    mutable bool lastAccepted_ = false;
};

} // namespace qtview
