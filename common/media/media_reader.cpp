#include "common/media/media_reader.h"

#include "common/media/file_problem.h"
#include "common/media/picture_reader.h"
#include "common/platform/file_names.h"

#include <QFile>
#include <QFutureWatcher>
#include <QLoggingCategory>
#include <QMimeDatabase>
#include <QMimeType>
#include <QtConcurrent/QtConcurrentRun>

#include <fcntl.h>
#include <unistd.h>

namespace media {

namespace {

// What the worker found: a finished answer, or a video for ffprobe.
struct Examined {
    bool isVideo = false;
    ReadResult result;
};

bool hasTypeStarting(const QMimeType& type, QLatin1String prefix) {
    if (type.name().startsWith(prefix)) return true;
    for (const QString& ancestor : type.allAncestors())
        if (ancestor.startsWith(prefix)) return true;
    return false;
}

bool isVideoType(const QMimeType& type) {
    return hasTypeStarting(type, QLatin1String("video/"));
}

bool isSoundType(const QMimeType& type) {
    return hasTypeStarting(type, QLatin1String("audio/")) ||
           type.inherits(QStringLiteral("application/ogg"));
}

// The content decides; the name only where the content says nothing or
// names a family the name's type belongs to (a Matroska file's content says
// only "Matroska", its name says whether it is a video).
QMimeType typeOf(const QString& path) {
    QMimeDatabase database;
    // Opened by its bytes: QFile would lose a name's bytes that are not UTF-8.
    QFile file;
    const int descriptor =
        ::open(platform::fileNameBytes(path).constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY);
    if (descriptor >= 0 && !file.open(descriptor, QIODevice::ReadOnly, QFile::AutoCloseHandle))
        ::close(descriptor);
    const QMimeType content =
        file.isOpen() ? database.mimeTypeForData(&file)
                      : database.mimeTypeForName(QStringLiteral("application/octet-stream"));
    const QMimeType name = database.mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    return content.isDefault() || name.inherits(content.name()) ? name : content;
}

// Runs in a worker thread: everything here may block on the file system.
Examined examine(const QString& path, bool videos) {
    if (auto problem = fileProblem(path)) return {false, {std::nullopt, *problem}};
    const QMimeType type = typeOf(path);
    if (!hasTypeStarting(type, QLatin1String("image/"))) {
        if (isVideoType(type) && !videos)
            return {false, {std::nullopt, "Die Datei ist ein Video, kein Bild."}};
        if (videos && (isVideoType(type) || isSoundType(type))) return {true, {}};
    }
    return {false, readPicture(path)};
}

} // namespace

MediaReader::MediaReader(QObject* parent) : QObject(parent) {
    // A broken file gets one reason from us; the image plugins' own
    // complaints about it would only add lines on standard error.
    static const bool quiet = [] {
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*.warning=false"));
        return true;
    }();
    (void)quiet;
}

// Children go with the reader: a running ffprobe is killed, a worker's
// answer is dropped with its watcher.
MediaReader::~MediaReader() = default;

void MediaReader::drop() {
    if (!pending_) return;
    // Deleted later: read() may be called from a slot of the very signal
    // the pending object is emitting.
    pending_->disconnect(this);
    pending_->deleteLater();
    pending_ = nullptr;
}

void MediaReader::read(const QString& path, bool videos) {
    drop();
    auto* watcher = new QFutureWatcher<Examined>(this);
    pending_ = watcher;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, path] {
        const Examined examined = watcher->result();
        drop();
        if (examined.isVideo)
            probe(path);
        else
            emit finished(path, examined.result);
    });
    watcher->setFuture(QtConcurrent::run(examine, path, videos));
}

void MediaReader::probe(const QString& path) {
    auto* probe = new VideoProbe(path, probeSettings_, this);
    pending_ = probe;
    connect(probe, &VideoProbe::finished, this, [this, path](const ReadResult& result) {
        drop();
        emit finished(path, result);
    });
    probe->start();
}

bool MediaReader::acceptsMimeType(const QString& mime, bool videos) {
    const QMimeType type = QMimeDatabase().mimeTypeForName(mime);
    if (!type.isValid()) return false;
    if (videos && isVideoType(type)) return true;
    for (const QString& picture : pictureMimeTypes())
        if (type.inherits(picture)) return true;
    return false;
}

QStringList MediaReader::pictureMimeTypes() {
    static const QStringList types = media::pictureMimeTypes();
    return types;
}

} // namespace media
