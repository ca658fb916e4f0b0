#pragma once
#include "common/media/media_facts.h"
#include "common/media/opened_file.h"

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>

namespace media {

// Which program reads and how long it may take; tests put in fakes.
struct ChildSettings {
    QString program;
    std::chrono::milliseconds timeout{5000};
};

// The German reasons for the ways a child can fail.
struct ChildReasons {
    const char* missing;
    const char* late;
    const char* failed;  // it ended with an error of its own
    const char* crashed; // it was ended by a signal: a crash, a limit, a refused call
    const char* garbage;
};

// One read by a program in a process of its own (the picture reader,
// ffprobe), given the open file as an inherited descriptor: a hostile file
// can crash or hang only that process. Runs without blocking in the thread
// it lives in, which must outlive the child: the child is killed when that
// thread ends. Destroying it kills a child still running with its whole
// process group, so quitting never waits for one.
class ChildRead : public QObject {
    Q_OBJECT
public:
    using Judge = std::function<ReadResult(const QByteArray& answer)>;

    // arguments: "%fd" stands for the descriptor's number in the child.
    ChildRead(OpenedFile file, const ChildSettings& settings, const QStringList& arguments,
              const ChildReasons& reasons, Judge judge, QObject* parent = nullptr);
    ~ChildRead() override;
    void start();

signals:
    void finished(media::ReadResult result);

private:
    void conclude(ReadResult result);
    // Kills the child and all it started, if it still runs.
    void end();

    OpenedFile file_;
    ChildSettings settings_;
    QStringList arguments_;
    ChildReasons reasons_;
    Judge judge_;
    QProcess process_;
    QTimer deadline_;
    bool done_ = false;
};

} // namespace media
