#pragma once
#include <QObject>
#include <QString>

#include <functional>

class QMimeData;
class QWidget;

namespace qtview {

// Lets a window take one local file dropped on it (from any file manager:
// a text/uri-list with one file: URL). While dragging, the window judges by
// the addresses alone and never touches the file: any drag of files is
// taken, so that the drop can say why a file is not used. The drop of one
// local file is `dropped`; anything else (several files, an address of
// another machine) gets `refused` with a German note.
class FileDrop : public QObject {
public:
    using Dropped = std::function<void(const QString& path)>;
    using Refused = std::function<void(const QString& note)>;
    FileDrop(QWidget* window, Dropped dropped, Refused refused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dropped(const QMimeData* data);

    Dropped dropped_;
    Refused refused_;
};

} // namespace qtview
