#include "common/sandbox/resource_limits.h"

#include <signal.h>
#include <unistd.h>

#include <fstream>

namespace sandbox {

ResourceLimits resourceLimits(std::optional<rlim_t> addressSpace, rlim_t descriptors) {
    // A missing address-space limit is marked by an unknown resource, which
    // applyResourceLimits passes over.
    const ResourceLimit space = addressSpace
                                    ? ResourceLimit{RLIMIT_AS, *addressSpace, *addressSpace}
                                    : ResourceLimit{-1, 0, 0};
    // The soft CPU limit sends SIGXCPU, the hard one a second later SIGKILL,
    // should SIGXCPU be caught.
    return {space, ResourceLimit{RLIMIT_CPU, 5, 6}, ResourceLimit{RLIMIT_FSIZE, 0, 0},
            ResourceLimit{RLIMIT_CORE, 0, 0},
            ResourceLimit{RLIMIT_NOFILE, descriptors, descriptors}};
}

bool applyResourceLimits(const ResourceLimits& limits) noexcept {
    bool all = true;
    for (const ResourceLimit& limit : limits) {
        if (limit.resource < 0) continue;
        rlimit now{};
        if (getrlimit(limit.resource, &now) != 0) {
            all = false;
            continue;
        }
        // Raising a hard limit needs privileges, and a lower one set by the
        // caller is kept.
        const rlim_t hard =
            now.rlim_max == RLIM_INFINITY || limit.hard < now.rlim_max ? limit.hard : now.rlim_max;
        const rlim_t soft = limit.soft < hard ? limit.soft : hard;
        const rlimit wanted{soft, hard};
        if (setrlimit(limit.resource, &wanted) != 0) all = false;
    }
    // Without this a write beyond the file-size limit kills the process
    // instead of failing.
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    if (sigaction(SIGXFSZ, &ignore, nullptr) != 0) all = false;
    return all;
}

std::optional<std::size_t> mappedBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t pages = 0;
    if (!(statm >> pages)) return std::nullopt;
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) return std::nullopt;
    return pages * static_cast<std::size_t>(pageSize);
}

} // namespace sandbox
