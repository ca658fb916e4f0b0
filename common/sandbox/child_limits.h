#pragma once
#include "common/sandbox/landlock.h"
#include "common/sandbox/resource_limits.h"

#include <linux/filter.h>
#include <sys/types.h>

#include <vector>

namespace sandbox {

// How the programs start a child (ffprobe, the picture reader), set between
// fork and exec:
// - started clean: a session of its own (no controlling terminal, a process
//   group of its own that can be ended whole), killed when the thread that
//   started it ends, every descriptor but standard input, output and error
//   and the one file closed at exec;
// - resource limits: address space 2 GiB beyond the file's size, CPU 5 s,
//   no file writes, no core file, 64 descriptors; no process limit, which
//   would count every thread of the user: forks are refused by the filter;
// - no_new_privs, Landlock read-only where the kernel has it, and the
//   child's seccomp filters (system_call_filter.h), which still let it start
//   its program and read files.
// Everything that allocates happens in build(), in the parent; applyInChild()
// makes only async-signal-safe system calls and writes no shared memory,
// since the child may share the parent's memory. Build it before the fork,
// never lazily inside the modifier.
class ChildLimits {
public:
    static ChildLimits build();
    // Between fork and exec (QProcess::setChildProcessModifier), from the
    // thread that lives as long as the child may. `file` is handed on; -1
    // hands on none. A piece the kernel refuses is skipped; a child whose
    // parent is already gone ends.
    void applyInChild(int file) const noexcept;

private:
    ChildLimits() = default;

    pid_t parent_ = 0;
    LandlockRules landlock_{};
    std::vector<sock_filter> filter_;
    std::vector<sock_filter> unknownCalls_;
};

} // namespace sandbox
