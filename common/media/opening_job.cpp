#include "common/media/opening_job.h"

#include <QFileInfo>

#include <atomic>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace media {

namespace {

// Threads stuck on a file system that does not answer are not waited for;
// beyond this many, a new file is refused at once rather than adding another.
constexpr int MaxWorkers = 8;
std::atomic<int> workers{0};

// The file opened and its first bytes read: the part that waits on the file
// system.
struct Head {
    OpenedFile file;
    QByteArray bytes;
};

std::variant<Head, std::string> openHead(const QString& path) {
    auto opened = openForReading(path);
    if (auto* reason = std::get_if<std::string>(&opened)) return *reason;
    Head head{std::move(std::get<OpenedFile>(opened)),
              QByteArray(kindHeadBytes, Qt::Uninitialized)};
    const ssize_t got = ::pread(head.file.descriptor(), head.bytes.data(),
                                static_cast<size_t>(head.bytes.size()), 0);
    head.bytes.truncate(got > 0 ? got : 0);
    return head;
}

Judged judge(std::variant<Head, std::string> opened, const QString& path) {
    if (auto* reason = std::get_if<std::string>(&opened)) return *reason;
    Head& head = std::get<Head>(opened);
    return JudgedFile{std::move(head.file), kindOf(QFileInfo(path).fileName(), head.bytes)};
}

} // namespace

Judged openAndJudge(const QString& path) {
    return judge(openHead(path), path);
}

// What the worker and the job share. The mutex is held while an answer is
// handed over, so the job never goes away in the middle of it.
struct OpeningJob::Shared {
    std::mutex mutex;
    OpeningJob* job = nullptr; // none once the answer is no longer wanted
};

OpeningJob::OpeningJob(const QString& path, Done done, QObject* parent,
                       std::chrono::milliseconds deadline)
    : QObject(parent), shared_(std::make_shared<Shared>()), done_(std::move(done)) {
    shared_->job = this;
    deadline_.setSingleShot(true);
    connect(&deadline_, &QTimer::timeout, this, [this] { conclude(std::string(Late)); });
    if (workers.fetch_add(1) >= MaxWorkers) {
        workers.fetch_sub(1);
        QMetaObject::invokeMethod(
            this, [this] { conclude(std::string(Late)); }, Qt::QueuedConnection);
        return;
    }
    deadline_.start(deadline);
    std::thread([shared = shared_, path = QString(path)] {
        auto opened = openHead(path);
        {
            // The content is judged only while the answer is still wanted,
            // and under the lock: the program never ends in the middle of it.
            const std::lock_guard<std::mutex> lock(shared->mutex);
            if (shared->job) {
                Judged judged = judge(std::move(opened), path);
                // Posted to the job's thread; Qt drops it should the job be
                // deleted before it arrives.
                auto handOver = std::make_shared<Judged>(std::move(judged));
                QMetaObject::invokeMethod(
                    shared->job,
                    [job = shared->job, handOver] { job->conclude(std::move(*handOver)); },
                    Qt::QueuedConnection);
            }
        }
        workers.fetch_sub(1);
    }).detach();
}

OpeningJob::~OpeningJob() {
    const std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->job = nullptr;
}

void OpeningJob::conclude(Judged judged) {
    if (concluded_) return;
    concluded_ = true;
    deadline_.stop();
    {
        const std::lock_guard<std::mutex> lock(shared_->mutex);
        shared_->job = nullptr;
    }
    done_(std::move(judged));
}

} // namespace media
