#pragma once
#include "common/media/file_kind.h"
#include "common/media/opened_file.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <variant>

namespace media {

// A file opened and judged, ready for a reader.
struct JudgedFile {
    OpenedFile file;
    FileKind kind;
};
using Judged = std::variant<JudgedFile, std::string>;

// Opens the file, checks it and judges its kind by its first bytes and its
// name. Blocks as long as the file system does: call it off the GUI thread.
Judged openAndJudge(const QString& path);

// openAndJudge in a thread of its own, so that a hung mount never holds the
// window. `done` runs once in the job's thread: with the judged file, or with
// a German reason, also when the file system has not answered by the
// deadline. A thread still stuck then is left to end by itself; it closes
// what it opened. Destroying the job drops its answer.
class OpeningJob : public QObject {
public:
    using Done = std::function<void(Judged judged)>;
    OpeningJob(const QString& path, Done done, QObject* parent = nullptr,
               std::chrono::milliseconds deadline = std::chrono::seconds(2));
    ~OpeningJob() override;

    static constexpr const char* Late = "Die Datei ließ sich nicht rechtzeitig öffnen.";

private:
    struct Shared;
    void conclude(Judged judged);

    std::shared_ptr<Shared> shared_;
    Done done_;
    QTimer deadline_;
    bool concluded_ = false;
};

} // namespace media
