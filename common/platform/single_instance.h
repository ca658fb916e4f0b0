#pragma once
#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// One running copy per program and user: a lock file in the user's runtime
// folder, held for as long as this object lives. A crashed holder does not
// keep it, and of copies started at the same moment exactly one gets it.
// The holder also listens on a socket beside the lock, by which later starts
// reach it without a session bus (see instance_channel.h).
class SingleInstance {
public:
    explicit SingleInstance(const QString& programName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another copy of the program holds the lock.
    bool previousInstance() const { return previous_; }

    // Where the copy that holds the lock listens.
    const QString& socketPath() const { return socketPath_; }
    // The holder's listening socket; -1 for a later start, or where it could
    // not be made.
    int listeningSocket() const { return socket_; }

private:
    void listen();

    std::unique_ptr<QLockFile> lock_;
    bool previous_ = false;
    QString socketPath_;
    int socket_ = -1;
};

} // namespace platform
