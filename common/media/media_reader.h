#pragma once
#include "common/media/child_read.h"
#include "common/media/file_kind.h"
#include "common/media/media_facts.h"

#include <QObject>
#include <QPointer>
#include <QString>

namespace media {

// Reads a dropped or named file without blocking the GUI thread and without
// parsing it here: the program opens the file and judges what it is, then a
// process of its own reads it, pictures by the picture reader, videos by
// ffprobe. The answer arrives as finished() in the event loop; a later read()
// wins, so an earlier one still running never delivers.
class MediaReader : public QObject {
    Q_OBJECT
public:
    explicit MediaReader(QObject* parent = nullptr);
    ~MediaReader() override;

    // videos: whether a video is wanted; if not, a video file gets a reason.
    void read(const QString& path, bool videos);
    void setPictureSettings(const ChildSettings& settings) { pictureSettings_ = settings; }
    void setProbeSettings(const ChildSettings& settings) { probeSettings_ = settings; }

    // Where the picture reader lies: beside the program by default; the
    // tests name the one they built.
    static void setPictureReader(const QString& program);

signals:
    void finished(QString path, media::ReadResult result);

private:
    void drop();
    void answerLater(const QString& path, ReadResult result);
    void readJudged(const QString& path, OpenedFile file, const FileKind& kind, bool videos);

    ChildSettings pictureSettings_;
    ChildSettings probeSettings_;
    QPointer<QObject> pending_; // the opening, the child's read, or the answer on its way
};

} // namespace media
