#pragma once
#include <QString>

#include <memory>

class QLockFile;

namespace platform {

// One running copy per program and user: a lock file in the user's runtime
// folder, held for as long as this object lives. A crashed holder does not
// keep it, and of copies started at the same moment exactly one gets it.
class SingleInstance {
public:
    explicit SingleInstance(const QString& programName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another copy of the program holds the lock.
    bool previousInstance() const { return previous_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool previous_ = false;
};

} // namespace platform
