#pragma once
#include "common/sandbox/resource_limits.h"

#include <linux/filter.h>

#include <vector>

namespace sandbox {

// The limits the programs set on a child they start (ffprobe, the picture
// reader) between fork and exec: resource limits (address space 2 GiB, CPU
// 5 s, no file writes, no core file, 64 descriptors), no_new_privs, and the
// seccomp filter that still lets the child start its program and open files
// for reading. Everything that allocates happens in build(), in the parent;
// applyInChild() makes only async-signal-safe system calls and writes no
// shared memory, since QProcess may start the child with vfork. Build it
// before the fork, never lazily inside the modifier.
class ChildLimits {
public:
    static ChildLimits build();
    // Between fork and exec (QProcess::setChildProcessModifier). A piece the
    // kernel refuses is skipped.
    void applyInChild() const noexcept;

private:
    ChildLimits() = default;

    ResourceLimits limits_{};
    std::vector<sock_filter> filter_;
};

} // namespace sandbox
