#pragma once
#include "common/media/media_facts.h"
#include "common/media/video_probe.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace media {

// Reads a dropped or named file without blocking the GUI thread: pictures
// in a worker thread, videos through ffprobe in a process of its own. The
// answer arrives as finished() in the reader's thread; a later read() wins,
// so an earlier one still running never delivers.
class MediaReader : public QObject {
    Q_OBJECT
public:
    explicit MediaReader(QObject* parent = nullptr);
    ~MediaReader() override;

    // videos: whether a video is wanted; if not, a video file gets a reason.
    void read(const QString& path, bool videos);
    void setProbeSettings(const ProbeSettings& settings) { probeSettings_ = settings; }

    // Whether a file of this MIME type may be dropped.
    static bool acceptsMimeType(const QString& mime, bool videos);
    // What the installed image readers support (for the desktop entries).
    static QStringList pictureMimeTypes();

signals:
    void finished(QString path, media::ReadResult result);

private:
    void drop();
    void probe(const QString& path);

    ProbeSettings probeSettings_;
    QPointer<QObject> pending_; // the worker's watcher or the video probe
};

} // namespace media
