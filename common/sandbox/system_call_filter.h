#pragma once
#include <linux/filter.h>
#include <sys/types.h>

#include <vector>

namespace sandbox {

// Refused calls fail with an error (EPERM, EACCES for files) rather than
// killing, so that a reader can report them; clone3 fails with ENOSYS, so
// that glibc falls back to clone, whose flags can be checked. Calls of any
// other ABI than the native one (i386, x32) fail with ENOSYS.

// The filter of a child the programs start (ffprobe, the picture reader
// before its own lock-down). It must let a large program start, so it
// allows what it does not name. Refused: sockets, ptrace and other
// processes' memory, mounts, namespaces, io_uring, loading kernel code,
// opening for writing and changing the file system (modes, owners, times,
// attributes, links, names), new processes (fork, vfork, clone without
// CLONE_THREAD), signals, limits and scheduling aimed at anything but the
// caller (the argument 0; kill only 0, its own group), pidfds, typing into
// a terminal (TIOCSTI, TIOCLINUX), inotify and fanotify, SysV and POSIX IPC.
std::vector<sock_filter> buildChildFilter();

// A second filter for the child: call numbers above the highest this build
// knows fail with ENOSYS, so that a call added to a newer kernel cannot slip
// past the names above.
std::vector<sock_filter> unknownCallsFilter();

// The picture reader's own filter, an allow-list for parsing bytes already
// in memory: memory, futex, threads (clone with CLONE_THREAD), signals,
// limits and scheduling aimed at itself (`self`, or 0 where 0 means the
// caller), clocks, reading, writing to standard output and exiting. With a
// sanitizer also pipes and writing to any descriptor: its report goes to
// standard error, and it tests memory by writing it into a pipe. Everything else fails
// with EPERM, opening and changing files with EACCES.
std::vector<sock_filter> buildReaderFilter(pid_t self);

// Installs a program built above. The caller must have set no_new_privs (or
// hold CAP_SYS_ADMIN). allThreads extends it to every thread of the process.
// Async-signal-safe; false when the program is empty or the kernel refused.
bool installSystemCallFilter(const std::vector<sock_filter>& program, bool allThreads) noexcept;

} // namespace sandbox
