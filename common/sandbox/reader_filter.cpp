#include "common/sandbox/filter_building.h"
#include "common/sandbox/sanitizer.h"
#include "common/sandbox/system_call_filter.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>

#include <cerrno>

namespace sandbox {

namespace {

using filter::add;

// What parsing bytes in memory and answering on standard output need, as
// traced on every picture family the reader reads, with glibc's threads.
constexpr const char* Allowed[] = {
    // Memory.
    "brk", "mmap", "munmap", "mremap", "mprotect", "madvise",
    // Threads and waiting for them.
    "futex", "set_robust_list", "get_robust_list", "rseq", "sched_yield", "getpid", "gettid",
    "exit", "exit_group", "restart_syscall",
    // Signals to itself, and their handling.
    "rt_sigprocmask", "rt_sigaction", "rt_sigreturn", "sigaltstack",
    // Clocks and sleeping.
    "clock_gettime", "clock_getres", "gettimeofday", "time", "nanosleep", "clock_nanosleep",
    // glibc's qsort asks for the memory size (TIFF).
    "sysinfo",
    // Asking changes nothing; glibc's pthread_getattr_np asks for a thread's
    // CPUs by its own id.
    "sched_getparam", "sched_getscheduler", "sched_getaffinity", "sched_getattr",
    // Descriptors it already holds.
    "read", "pread64", "lseek", "close"};

// Aimed at a process by their first argument, where 0 means the caller.
constexpr const char* AimedByFirst[] = {"prlimit64", "sched_setparam", "sched_setscheduler",
                                        "sched_setaffinity", "sched_setattr"};

// Opening and changing files fail as a file system refusal would.
constexpr const char* Files[] = {"open",     "openat",   "openat2",  "creat",     "unlink",
                                 "unlinkat", "rename",   "renameat", "renameat2", "mkdir",
                                 "mkdirat",  "truncate", "chmod",    "fchmod",    "fchmodat"};

// Threads only: a clone without CLONE_THREAD or with a namespace flag is a
// process of its own.
constexpr scmp_datum_t CloneMask = CLONE_THREAD | CLONE_NEWNS | CLONE_NEWCGROUP | CLONE_NEWUTS |
                                   CLONE_NEWIPC | CLONE_NEWUSER | CLONE_NEWPID | CLONE_NEWNET;

bool addReaderRules(const filter::Context& ctx, pid_t self) {
    const auto pid = static_cast<scmp_datum_t>(self);
    bool ok = true;
    const auto allow = [&](const char* name, auto... comparisons) {
        ok = ok && add(ctx, SCMP_ACT_ALLOW, name, {comparisons...});
    };
    for (const char* name : Allowed)
        allow(name);
    for (const char* name : Files)
        ok = ok && add(ctx, SCMP_ACT_ERRNO(EACCES), name);
    ok = ok && add(ctx, SCMP_ACT_ERRNO(ENOSYS), "clone3");
    allow("clone",
          SCMP_CMP(filter::CloneFlagsArgument, SCMP_CMP_MASKED_EQ, CloneMask, CLONE_THREAD));
    if (AddressSanitizer) {
        // A sanitizer's report goes to standard error, and its runtime tests
        // whether memory is readable (the check of a C++ object's type) by
        // writing it into a pipe of its own.
        allow("write");
        allow("pipe2");
    } else {
        allow("write", SCMP_A0(SCMP_CMP_EQ, 1));
    }
    for (const char* name : AimedByFirst) {
        allow(name, SCMP_A0(SCMP_CMP_EQ, 0));
        allow(name, SCMP_A0(SCMP_CMP_EQ, pid));
    }
    // kill's 0 is the whole group: only its own pid. abort() and raise()
    // go through tgkill.
    allow("kill", SCMP_A0(SCMP_CMP_EQ, pid));
    allow("tgkill", SCMP_A0(SCMP_CMP_EQ, pid));
    for (const char* name : {"setpriority", "getpriority"}) {
        allow(name, SCMP_A0(SCMP_CMP_EQ, PRIO_PROCESS), SCMP_A1(SCMP_CMP_EQ, 0));
        allow(name, SCMP_A0(SCMP_CMP_EQ, PRIO_PROCESS), SCMP_A1(SCMP_CMP_EQ, pid));
    }
    // IOPRIO_WHO_PROCESS
    allow("ioprio_set", SCMP_A0(SCMP_CMP_EQ, 1), SCMP_A1(SCMP_CMP_EQ, 0));
    allow("ioprio_set", SCMP_A0(SCMP_CMP_EQ, 1), SCMP_A1(SCMP_CMP_EQ, pid));
    return ok;
}

} // namespace

std::vector<sock_filter> buildReaderFilter(pid_t self) {
    const filter::Context ctx = filter::context(SCMP_ACT_ERRNO(EPERM));
    if (!ctx || !addReaderRules(ctx, self)) return {};
    return filter::exported(ctx);
}

} // namespace sandbox
