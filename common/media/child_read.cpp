#include "common/media/child_read.h"

#include "common/sandbox/child_limits.h"

#include <QProcessEnvironment>

#include <signal.h>

namespace media {

namespace {

// More than any honest answer about one file.
constexpr qint64 MaxAnswer = 4 * 1024 * 1024;

// Built once, in the parent: the child between fork and exec may not
// allocate, and with vfork it shares the parent's memory.
const sandbox::ChildLimits& childLimits() {
    static const sandbox::ChildLimits limits = sandbox::ChildLimits::build();
    return limits;
}

// What a child may learn from the environment: where programs lie, the
// language, and a sanitizer's settings in a build with one. Nothing that
// loads code into it (LD_PRELOAD, LD_LIBRARY_PATH).
QProcessEnvironment childEnvironment() {
    const QProcessEnvironment outer = QProcessEnvironment::systemEnvironment();
    QProcessEnvironment reduced;
    for (const char* name : {"PATH", "LANG", "LANGUAGE", "LC_ALL", "LC_CTYPE", "LC_MESSAGES",
                             "LC_NUMERIC", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
        const QString key = QString::fromLatin1(name);
        if (outer.contains(key)) reduced.insert(key, outer.value(key));
    }
    return reduced;
}

} // namespace

ChildRead::ChildRead(OpenedFile file, const ChildSettings& settings, const QStringList& arguments,
                     const ChildReasons& reasons, Judge judge, QObject* parent)
    : QObject(parent), file_(std::move(file)), settings_(settings), arguments_(arguments),
      reasons_(reasons), judge_(std::move(judge)) {
    // What the child says about the file stays out of sight: the programs
    // give their own one German reason.
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.setStandardInputFile(QProcess::nullDevice());
    const int descriptor = file_.descriptor();
    const sandbox::ChildLimits& limits = childLimits();
    process_.setProcessEnvironment(childEnvironment());
    process_.setChildProcessModifier([descriptor, &limits] {
        // Between fork and exec: only the one file is handed on, and the
        // child parses it under the limits that can be set from outside.
        limits.applyInChild(descriptor);
    });
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] {
        conclude({std::nullopt, reasons_.late});
    });
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) conclude({std::nullopt, reasons_.missing});
    });
    connect(&process_, &QProcess::readyReadStandardOutput, this, [this] {
        if (process_.bytesAvailable() > MaxAnswer) conclude({std::nullopt, reasons_.garbage});
    });
    connect(&process_, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
        if (status != QProcess::NormalExit)
            conclude({std::nullopt, reasons_.crashed});
        else if (code != 0)
            conclude({std::nullopt, reasons_.failed});
        else
            conclude(judge_(process_.readAllStandardOutput()));
    });
}

ChildRead::~ChildRead() {
    // Quietly: no result is wanted any more.
    process_.disconnect();
    end();
}

void ChildRead::end() {
    if (process_.state() == QProcess::NotRunning) return;
    // The child leads a process group of its own: whatever it started goes
    // with it. Before the child is reaped, so the group's id is still its.
    if (const qint64 pid = process_.processId(); pid > 0) ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process_.kill();
    process_.waitForFinished(1000);
}

void ChildRead::start() {
    QStringList arguments;
    for (const QString& argument : arguments_)
        arguments << QString(argument).replace(QLatin1String("%fd"),
                                               QString::number(file_.descriptor()));
    deadline_.start(settings_.timeout);
    process_.start(settings_.program, arguments, QIODevice::ReadOnly);
}

void ChildRead::conclude(ReadResult result) {
    if (done_) return;
    done_ = true;
    deadline_.stop();
    end();
    file_ = OpenedFile();
    emit finished(result);
}

} // namespace media
