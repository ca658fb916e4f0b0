#include "common/sandbox/system_call_filter.h"

#include "common/sandbox/filter_building.h"

#include <fcntl.h>
#include <linux/audit.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>

namespace sandbox {

namespace {

using filter::add;

// Reaching other processes, the network, the mounts and the kernel.
constexpr const char* Forbidden[] = {
    "socket", "socketpair", "connect", "bind", "listen", "accept", "accept4", "ptrace",
    "process_vm_readv", "process_vm_writev", "pidfd_open", "pidfd_getfd", "pidfd_send_signal",
    "process_madvise", "process_mrelease", "kcmp", "mount", "umount", "umount2", "pivot_root",
    "chroot", "open_tree", "move_mount", "fsopen", "fsconfig", "fsmount", "fspick", "mount_setattr",
    "unshare", "setns", "fork", "vfork", "tkill", "tgkill", "rt_sigqueueinfo", "rt_tgsigqueueinfo",
    // io_uring opens files and sockets without passing through this filter.
    "io_uring_setup", "io_uring_enter", "io_uring_register", "bpf", "perf_event_open",
    "userfaultfd", "keyctl", "add_key", "request_key", "init_module", "finit_module",
    "delete_module", "kexec_load", "kexec_file_load", "reboot", "swapon", "swapoff", "acct",
    "quotactl", "uselib", "name_to_handle_at", "open_by_handle_at",
    // Watching other files, and memory or queues shared with other processes.
    "inotify_init", "inotify_init1", "inotify_add_watch", "fanotify_init", "fanotify_mark",
    "shmget", "shmat", "shmctl", "shmdt", "semget", "semop", "semctl", "semtimedop", "msgget",
    "msgsnd", "msgrcv", "msgctl", "ipc", "mq_open", "mq_unlink", "mq_timedsend", "mq_timedreceive",
    "mq_notify", "mq_getsetattr"};

// Changing the file system, by path or on an open file; creat truncates
// what it opens.
constexpr const char* ChangingFiles[] = {
    "creat",       "mknod",        "mknodat",     "link",     "linkat",    "symlink",
    "symlinkat",   "unlink",       "unlinkat",    "rename",   "renameat",  "renameat2",
    "mkdir",       "mkdirat",      "rmdir",       "truncate", "chmod",     "fchmod",
    "fchmodat",    "chown",        "fchown",      "lchown",   "fchownat",  "utime",
    "utimes",      "futimesat",    "utimensat",   "setxattr", "lsetxattr", "fsetxattr",
    "removexattr", "lremovexattr", "fremovexattr"};

// Aimed at a process by their first argument, where 0 means the caller.
// Asking (sched_get*) stays open to any: glibc's pthread_getattr_np asks
// for a thread's CPUs by the thread's own id.
constexpr const char* AimedByFirst[] = {"prlimit64", "sched_setparam", "sched_setscheduler",
                                        "sched_setaffinity", "sched_setattr"};

// Only these namespaces can be asked for through clone's flags; the others
// need unshare or clone3, both refused.
constexpr scmp_datum_t NamespaceFlags[] = {CLONE_NEWNS,  CLONE_NEWCGROUP, CLONE_NEWUTS,
                                           CLONE_NEWIPC, CLONE_NEWUSER,   CLONE_NEWPID,
                                           CLONE_NEWNET};

// A flag that lets open or openat write, create or truncate.
constexpr scmp_datum_t WritingFlags[] = {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC};

// The kernel reads ioctl's request as 32 bits.
constexpr scmp_datum_t RequestBits = 0xffffffffU;

// The highest call number of this build's kernel headers (Linux 6.1:
// set_mempolicy_home_node). Later ones, fchmodat2 among them, are unknown.
constexpr std::uint32_t HighestKnownCall = 450;
#if defined(__x86_64__)
constexpr std::uint32_t NativeArchitecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr std::uint32_t NativeArchitecture = AUDIT_ARCH_AARCH64;
#else
#error "the highest known call number is spelled out for x86-64 and arm64 only"
#endif

bool addChildRules(const filter::Context& ctx) {
    bool ok = true;
    const auto refuse = [&](const char* name, int error, auto... comparisons) {
        ok = ok && add(ctx, SCMP_ACT_ERRNO(error), name, {comparisons...});
    };
    for (const char* name : Forbidden)
        refuse(name, EPERM);
    for (const char* name : ChangingFiles)
        refuse(name, EACCES);
    refuse("clone3", ENOSYS);
    refuse("clone", EPERM,
           SCMP_CMP(filter::CloneFlagsArgument, SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0));
    // A masked test holds when all the masked bits are set: one rule per flag.
    for (scmp_datum_t flag : NamespaceFlags)
        refuse("clone", EPERM,
               SCMP_CMP(filter::CloneFlagsArgument, SCMP_CMP_MASKED_EQ, flag, flag));
    for (scmp_datum_t flag : WritingFlags) {
        refuse("open", EACCES, SCMP_A1(SCMP_CMP_MASKED_EQ, flag, flag));
        refuse("openat", EACCES, SCMP_A2(SCMP_CMP_MASKED_EQ, flag, flag));
    }
    // Its flags lie behind a pointer; callers fall back to openat.
    refuse("openat2", ENOSYS);
    for (const char* name : AimedByFirst)
        refuse(name, EPERM, SCMP_A0(SCMP_CMP_NE, 0));
    refuse("kill", EPERM, SCMP_A0(SCMP_CMP_NE, 0));
    refuse("setpriority", EPERM, SCMP_A0(SCMP_CMP_NE, PRIO_PROCESS));
    refuse("setpriority", EPERM, SCMP_A1(SCMP_CMP_NE, 0));
    refuse("getpriority", EPERM, SCMP_A0(SCMP_CMP_NE, PRIO_PROCESS));
    refuse("getpriority", EPERM, SCMP_A1(SCMP_CMP_NE, 0));
    // IOPRIO_WHO_PROCESS
    refuse("ioprio_set", EPERM, SCMP_A0(SCMP_CMP_NE, 1));
    refuse("ioprio_set", EPERM, SCMP_A1(SCMP_CMP_NE, 0));
    refuse("ioprio_get", EPERM, SCMP_A0(SCMP_CMP_NE, 1));
    refuse("ioprio_get", EPERM, SCMP_A1(SCMP_CMP_NE, 0));
    for (unsigned long request : {TIOCSTI, TIOCLINUX})
        refuse("ioctl", EPERM, SCMP_A1(SCMP_CMP_MASKED_EQ, RequestBits, request));
    return ok;
}

} // namespace

std::vector<sock_filter> buildChildFilter() {
    const filter::Context ctx = filter::context(SCMP_ACT_ALLOW);
    if (!ctx || !addChildRules(ctx)) return {};
    return filter::exported(ctx);
}

std::vector<sock_filter> unknownCallsFilter() {
    constexpr std::uint32_t Enosys = SECCOMP_RET_ERRNO | ENOSYS;
    // Another architecture is the first filter's to refuse.
    return {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, NativeArchitecture, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JGT | BPF_K, HighestKnownCall, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, Enosys),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
}

bool installSystemCallFilter(const std::vector<sock_filter>& program, bool allThreads) noexcept {
    if (program.empty()) return false;
    sock_fprog fprog{static_cast<unsigned short>(program.size()),
                     const_cast<sock_filter*>(program.data())};
    long result = syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER,
                          allThreads ? SECCOMP_FILTER_FLAG_TSYNC : 0U, &fprog);
    // A thread that cannot take the filter (a different one of its own)
    // leaves the caller to take it alone; a kernel without seccomp(2) has
    // the older prctl.
    if (result > 0) result = syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, 0U, &fprog);
    if (result < 0 && errno == ENOSYS) result = prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &fprog);
    return result == 0;
}

} // namespace sandbox
