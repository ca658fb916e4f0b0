#include "common/media/video_probe.h"

#include "common/sandbox/child_limits.h"

#include <QFileInfo>

namespace media {

namespace {

// More than any honest answer about the video streams of one file.
constexpr qint64 MaxAnswer = 4 * 1024 * 1024;

// Built once, in the parent: the child between fork and exec may not
// allocate, and with vfork it shares the parent's memory.
const sandbox::ChildLimits& childLimits() {
    static const sandbox::ChildLimits limits = sandbox::ChildLimits::build();
    return limits;
}

} // namespace

VideoProbe::VideoProbe(const QString& path, const ProbeSettings& settings, QObject* parent)
    : QObject(parent), path_(path), settings_(settings) {
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.setStandardInputFile(QProcess::nullDevice());
    // ffprobe parses the untrusted file: it gets the limits a child can be
    // given from outside.
    const sandbox::ChildLimits& limits = childLimits();
    process_.setChildProcessModifier([&limits] { limits.applyInChild(); });
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        conclude({std::nullopt, "ffprobe hat nicht rechtzeitig geantwortet."});
    });
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            conclude({std::nullopt, "ffprobe fehlt; Videos lassen sich ohne FFmpeg nicht lesen."});
    });
    connect(&process_, &QProcess::readyReadStandardOutput, this, [this] {
        if (process_.bytesAvailable() > MaxAnswer)
            conclude({std::nullopt, "ffprobe hat keine verwertbare Antwort gegeben."});
    });
    connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit || code != 0)
            conclude({std::nullopt, "Die Datei ist kein lesbares Video."});
        else
            conclude(factsFromProbe(process_.readAllStandardOutput()));
    });
}

VideoProbe::~VideoProbe() {
    // Quietly: no result is wanted any more.
    process_.disconnect();
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(1000);
    }
}

void VideoProbe::start() {
    // "file:" keeps a name from being read as an option or as another
    // protocol; the white list keeps playlists from reaching the network.
    const QString input = QStringLiteral("file:") + QFileInfo(path_).absoluteFilePath();
    deadline_.start(settings_.timeout);
    process_.start(settings_.program,
                   {"-v", "error", "-print_format", "json", "-show_streams", "-select_streams", "V",
                    "-protocol_whitelist", "file", input},
                   QIODevice::ReadOnly);
}

void VideoProbe::conclude(ReadResult result) {
    if (done_) return;
    done_ = true;
    deadline_.stop();
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(1000);
    }
    emit finished(result);
}

} // namespace media
