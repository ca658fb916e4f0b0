#pragma once
#include <string>

namespace sandbox {

// Which pieces of a lock-down took effect. A piece the kernel or the
// container lacks is skipped, never fatal.
struct Pieces {
    bool limits = false;
    bool noNewPrivileges = false;
    bool seccomp = false;
    bool landlock = false;
};

// The pieces that took effect, by their kernel names, for example
// "limits no_new_privs seccomp landlock"; "none" when none did.
std::string describe(const Pieces& pieces);

// Locks the calling process down for parsing untrusted bytes from
// descriptors it already holds, which keep working:
// - resource limits: address space 1 GiB beyond what is mapped now, CPU 5 s
//   in all (what the process has used counts), no file writes (EFBIG), no
//   core file, 16 descriptors;
// - no_new_privs;
// - a seccomp filter that refuses starting programs and opening any path,
//   besides what system_call_filter.h lists as always refused;
// - Landlock where the kernel has it: no new file access at all.
// Call it after loading every library and plugin, from the only thread:
// the seccomp filter reaches all threads, Landlock only the caller and
// what it starts later. Memory (mmap, brk, madvise), threads (clone
// without CLONE_NEW*), reading, writing to open descriptors and exiting
// stay allowed. It cannot be undone.
Pieces lockDownThisProcess();

} // namespace sandbox
