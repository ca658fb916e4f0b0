#pragma once
#include <linux/filter.h>

#include <vector>

namespace sandbox {

// What a filter lets through beyond what it always allows. Always refused:
// sockets, ptrace and reading other processes' memory, mounts, namespaces
// (unshare, setns, clone with a CLONE_NEW* flag), io_uring, loading kernel
// code, and changing the file system by path (mknod, link, unlink, rename,
// mkdir, truncate, chmod...). Refused calls fail with EPERM (EACCES for
// files) rather than killing, so that a reader can report them; clone3 fails
// with ENOSYS, so that glibc falls back to clone, whose flags can be checked.
struct FilterChoice {
    bool allowPrograms = false;      // execve and execveat
    bool allowReadingByPath = false; // open and openat without a writing flag
};

// The BPF program of the filter for this machine's architecture; system
// calls of any other ABI (i386, x32) fail with ENOSYS. Empty when
// libseccomp could not build it.
std::vector<sock_filter> buildSystemCallFilter(FilterChoice choice);

// Installs a program from buildSystemCallFilter. The caller must have set
// no_new_privs (or hold CAP_SYS_ADMIN). allThreads extends it to every
// thread of the process. Async-signal-safe; false when the kernel refused.
bool installSystemCallFilter(const std::vector<sock_filter>& program, bool allThreads) noexcept;

} // namespace sandbox
