#include "common/sandbox/child_limits.h"

#include "common/sandbox/sanitizer.h"
#include "common/sandbox/system_call_filter.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace sandbox {

namespace {

// Room for a child's libraries, its threads' stacks and malloc arenas, and
// for the reader's own tighter limit on top of what it maps at start; the
// file, which the reader maps whole, comes on top.
constexpr rlim_t AddressSpace = rlim_t{2} << 30;
constexpr rlim_t Descriptors = 64;

// linux/close_range.h, missing from older headers.
constexpr unsigned CloseRangeCloexec = 1U << 2;

void closeAtExecAllBut(int kept) noexcept {
    if (syscall(SYS_close_range, 3U, ~0U, CloseRangeCloexec) != 0) {
        // Kernels before 5.11: one by one, up to the descriptor limit.
        const long open = sysconf(_SC_OPEN_MAX);
        for (int fd = 3; fd < (open > 0 && open < 65536 ? open : 65536); ++fd)
            fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    if (kept >= 0) fcntl(kept, F_SETFD, 0);
}

rlim_t addressSpaceFor(int file) noexcept {
    struct stat status {};
    if (file < 0 || fstat(file, &status) != 0 || status.st_size <= 0) return AddressSpace;
    return AddressSpace + static_cast<rlim_t>(status.st_size);
}

} // namespace

ChildLimits ChildLimits::build() {
    ChildLimits limits;
    limits.parent_ = getpid();
    limits.landlock_ = landlockRules(true);
    limits.filter_ = buildChildFilter();
    limits.unknownCalls_ = unknownCallsFilter();
    return limits;
}

void ChildLimits::applyInChild(int file) const noexcept {
    setsid();
    prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
    // The parent ended before the signal was asked for.
    if (getppid() != parent_) _exit(127);
    closeAtExecAllBut(file);
    // The children of a build with AddressSanitizer are built with it too.
    applyResourceLimits(resourceLimits(
        AddressSanitizer ? std::nullopt : std::optional<rlim_t>(addressSpaceFor(file)),
        Descriptors));
    // Without no_new_privs only a privileged child can take the filters.
    prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
    applyLandlock(landlock_);
    installSystemCallFilter(filter_, false);
    installSystemCallFilter(unknownCalls_, false);
}

} // namespace sandbox
