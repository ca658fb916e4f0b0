#pragma once
#include "common/media/media_facts.h"
#include "common/media/probe_json.h"

#include <QObject>
#include <QProcess>
#include <QString>
#include <QTimer>

#include <chrono>

namespace media {

// Which ffprobe runs and how long it may take; tests put in a fake one.
struct ProbeSettings {
    QString program = QStringLiteral("ffprobe");
    std::chrono::milliseconds timeout{5000};
};

// Asks ffprobe, in a process of its own, for a video's frame size: a hostile
// file can crash or hang only that process. Runs in the thread it lives in,
// without blocking; destroying the probe kills a process still running.
class VideoProbe : public QObject {
    Q_OBJECT
public:
    VideoProbe(const QString& path, const ProbeSettings& settings, QObject* parent = nullptr);
    ~VideoProbe() override;
    void start();

signals:
    void finished(media::ReadResult result);

private:
    void conclude(ReadResult result);

    QString path_;
    ProbeSettings settings_;
    QProcess process_;
    QTimer deadline_;
    bool done_ = false;
};

} // namespace media
