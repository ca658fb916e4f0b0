#include "common/media/media_reader.h"

#include "common/media/file_kind.h"
#include "common/media/opened_file.h"
#include "common/media/opening_job.h"
#include "common/media/probe_json.h"
#include "common/media/reader_answer.h"

#include <QCoreApplication>
#include <QTimer>

namespace media {

namespace {

QString& readerProgram() {
    static QString program;
    return program;
}

// Beside an installed program, or beside one in the build folder: the same
// path relative to the program's own folder.
QString defaultReader() {
    if (!readerProgram().isEmpty()) return readerProgram();
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/" CALC_PICTURE_READER_FROM_BINDIR);
}

// The demuxers ffprobe may use: containers and streams of video and sound
// that hold their own data.
constexpr const char* VideoFormats =
    "mov,matroska,avi,mpeg,mpegts,mpegvideo,m4v,h264,hevc,flv,ogg,asf,mxf,dv,nut,ivf,rm,"
    "mp3,wav,w64,flac,aac,ac3,eac3,dts,aiff,amr,ape,au,caf,wv,tta";

const ChildReasons PictureReasons{
    "Das Programm zum Lesen von Bildern fehlt.",
    "Das Bild wurde nicht rechtzeitig gelesen.",
    "Die Datei ist kein lesbares Bild.",
    "Das Lesen des Bildes ist abgestürzt.",
    "Das Lesen des Bildes hat keine verwertbare Antwort gegeben.",
};
const ChildReasons ProbeReasons{
    "ffprobe fehlt; Videos lassen sich ohne FFmpeg nicht lesen.",
    "ffprobe hat nicht rechtzeitig geantwortet.",
    "Die Datei ist kein lesbares Video.",
    "Die Datei ist kein lesbares Video.",
    "ffprobe hat keine verwertbare Antwort gegeben.",
};

} // namespace

MediaReader::MediaReader(QObject* parent)
    : QObject(parent), pictureSettings_{defaultReader()}, probeSettings_{
                                                              QStringLiteral("ffprobe")} {}

// Children go with the reader: a running child is killed.
MediaReader::~MediaReader() = default;

void MediaReader::setPictureReader(const QString& program) {
    readerProgram() = program;
}

void MediaReader::drop() {
    if (!pending_) return;
    // Deleted later: read() may be called from a slot of the very signal
    // the pending object is emitting.
    pending_->disconnect(this);
    pending_->deleteLater();
    pending_ = nullptr;
}

void MediaReader::answerLater(const QString& path, ReadResult result) {
    auto* timer = new QTimer(this);
    timer->setSingleShot(true);
    pending_ = timer;
    connect(timer, &QTimer::timeout, this, [this, path, result] {
        drop();
        emit finished(path, result);
    });
    timer->start(0);
}

void MediaReader::read(const QString& path, bool videos) {
    drop();
    // Opened and judged off this thread: a file system that does not answer
    // never holds the window.
    pending_ = new OpeningJob(
        path,
        [this, path, videos](Judged judged) {
            drop();
            if (auto* reason = std::get_if<std::string>(&judged))
                return answerLater(path, {{}, *reason});
            JudgedFile& file = std::get<JudgedFile>(judged);
            readJudged(path, std::move(file.file), file.kind, videos);
        },
        this);
}

void MediaReader::readJudged(const QString& path, OpenedFile file, const FileKind& kind,
                             bool videos) {
    ChildRead* child = nullptr;
    if (kind.is == FileKind::Is::Picture) {
        child = new ChildRead(
            std::move(file), pictureSettings_,
            {QStringLiteral("--fd"), QStringLiteral("%fd"), QStringLiteral("--family"),
             QString::fromLatin1(familyName(kind.family).data(),
                                 static_cast<qsizetype>(familyName(kind.family).size()))},
            PictureReasons,
            [](const QByteArray& answer) { return factsFromReaderAnswer(answer.toStdString()); },
            this);
    } else if (kind.is == FileKind::Is::Video && !videos) {
        return answerLater(path, {{}, "Die Datei ist ein Video, kein Bild."});
    } else if (videos && (kind.is == FileKind::Is::Video || kind.is == FileKind::Is::Sound)) {
        // "file:" keeps the name from being read as another protocol, and
        // the protocol white list keeps anything from reaching the network;
        // "file" stays in it for /dev/fd/N. The format white list keeps out
        // what names other files: playlists, concat, image sequences.
        child = new ChildRead(std::move(file), probeSettings_,
                              {"-v", "error", "-print_format", "json", "-show_streams",
                               "-select_streams", "V", "-protocol_whitelist", "file",
                               "-format_whitelist", QLatin1String(VideoFormats),
                               QStringLiteral("file:/dev/fd/%fd")},
                              ProbeReasons, factsFromProbe, this);
    } else {
        return answerLater(path, {{}, "Die Datei ist kein lesbares Bild."});
    }
    pending_ = child;
    connect(child, &ChildRead::finished, this, [this, path](const ReadResult& result) {
        drop();
        emit finished(path, result);
    });
    child->start();
}

} // namespace media
