#pragma once
#include <string>

namespace sandbox {

// Which pieces of a lock-down took effect. A piece the kernel or the
// container lacks is skipped; guarded() says whether what took is enough.
struct Pieces {
    bool limits = false;
    bool noNewPrivileges = false;
    bool seccomp = false;
    bool landlock = false;
    bool landlockOffered = false; // whether this kernel has Landlock at all
};

// Whether every piece the kernel offers took effect, those a read cannot do
// without at least: no_new_privs, the seccomp filter, and Landlock where the
// kernel has it.
bool guarded(const Pieces& pieces);

// The pieces that took effect, by their kernel names, for example
// "limits no_new_privs seccomp landlock"; "none" when none did.
std::string describe(const Pieces& pieces);

// Locks the calling process down for parsing untrusted bytes from
// descriptors it already holds, which keep working:
// - resource limits: address space 1 GiB beyond what is mapped now, CPU 5 s
//   in all (what the process has used counts), no file writes (EFBIG), no
//   core file, 16 descriptors;
// - no_new_privs;
// - the reader's seccomp filter (system_call_filter.h): an allow-list for
//   parsing bytes in memory, aimed at this process alone;
// - Landlock where the kernel has it: no new file access at all, no
//   signals or abstract sockets outside.
// Call it after loading every library and plugin, from the only thread:
// the seccomp filter reaches all threads, Landlock only the caller and
// what it starts later. Memory (mmap, brk, madvise), threads (clone with
// CLONE_THREAD), reading open descriptors, writing to standard output and
// exiting stay allowed. It cannot be undone.
Pieces lockDownThisProcess();

} // namespace sandbox
