#include "common/sandbox/system_call_filter.h"

#include <fcntl.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <seccomp.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace sandbox {

namespace {

// Reaching other processes, the network, the mounts and the kernel.
constexpr const char* Forbidden[] = {
    "socket", "socketpair", "connect", "bind", "listen", "accept", "accept4", "ptrace",
    "process_vm_readv", "process_vm_writev", "pidfd_getfd", "kcmp", "mount", "umount", "umount2",
    "pivot_root", "chroot", "open_tree", "move_mount", "fsopen", "fsconfig", "fsmount", "fspick",
    "mount_setattr", "unshare", "setns",
    // io_uring opens files and sockets without passing through this filter.
    "io_uring_setup", "io_uring_enter", "io_uring_register", "bpf", "perf_event_open",
    "userfaultfd", "keyctl", "add_key", "request_key", "init_module", "finit_module",
    "delete_module", "kexec_load", "kexec_file_load", "reboot", "swapon", "swapoff", "acct",
    "quotactl", "uselib", "name_to_handle_at", "open_by_handle_at"};

// Changing the file system by path; creat truncates what it opens.
constexpr const char* ChangingFiles[] = {
    "creat",  "mknod",    "mknodat",   "link",     "linkat",    "symlink",     "symlinkat",
    "unlink", "unlinkat", "rename",    "renameat", "renameat2", "mkdir",       "mkdirat",
    "rmdir",  "truncate", "chmod",     "fchmodat", "chown",     "lchown",      "fchownat",
    "utime",  "utimes",   "futimesat", "setxattr", "lsetxattr", "removexattr", "lremovexattr"};

constexpr const char* Programs[] = {"execve", "execveat"};

// Only these namespaces can be asked for through clone's flags; the others
// need unshare or clone3, both refused.
constexpr scmp_datum_t NamespaceFlags[] = {CLONE_NEWNS,  CLONE_NEWCGROUP, CLONE_NEWUTS,
                                           CLONE_NEWIPC, CLONE_NEWUSER,   CLONE_NEWPID,
                                           CLONE_NEWNET};

// A flag that lets open or openat write, create or truncate.
constexpr scmp_datum_t WritingFlags[] = {O_WRONLY, O_RDWR, O_CREAT, O_TRUNC};

#if defined(__s390__)
constexpr unsigned CloneFlagsArgument = 1;
#else
constexpr unsigned CloneFlagsArgument = 0;
#endif

using Context = std::unique_ptr<void, decltype(&seccomp_release)>;

// A call this architecture lacks (open on arm64) is passed over.
bool refuse(const Context& ctx, const char* name, int error) {
    const int nr = seccomp_syscall_resolve_name(name);
    if (nr == __NR_SCMP_ERROR) return true;
    return seccomp_rule_add(ctx.get(), SCMP_ACT_ERRNO(error), nr, 0) == 0;
}

// Refuses the call when any of the flags is set in the argument.
bool refuseWithFlag(const Context& ctx, const char* name, unsigned argument,
                    const scmp_datum_t* flags, std::size_t count, int error) {
    const int nr = seccomp_syscall_resolve_name(name);
    if (nr == __NR_SCMP_ERROR) return true;
    for (std::size_t i = 0; i < count; ++i) {
        const scmp_arg_cmp test = SCMP_CMP(argument, SCMP_CMP_MASKED_EQ, flags[i], flags[i]);
        if (seccomp_rule_add_array(ctx.get(), SCMP_ACT_ERRNO(error), nr, 1, &test) != 0)
            return false;
    }
    return true;
}

bool addRules(const Context& ctx, FilterChoice choice) {
    bool ok = true;
    for (const char* name : Forbidden)
        ok = ok && refuse(ctx, name, EPERM);
    for (const char* name : ChangingFiles)
        ok = ok && refuse(ctx, name, EACCES);
    if (!choice.allowPrograms)
        for (const char* name : Programs)
            ok = ok && refuse(ctx, name, EPERM);
    ok = ok && refuse(ctx, "clone3", ENOSYS);
    ok = ok && refuseWithFlag(ctx, "clone", CloneFlagsArgument, NamespaceFlags,
                              std::size(NamespaceFlags), EPERM);
    if (choice.allowReadingByPath) {
        ok = ok && refuseWithFlag(ctx, "open", 1, WritingFlags, std::size(WritingFlags), EACCES);
        ok = ok && refuseWithFlag(ctx, "openat", 2, WritingFlags, std::size(WritingFlags), EACCES);
        // Its flags lie behind a pointer; callers fall back to openat.
        ok = ok && refuse(ctx, "openat2", ENOSYS);
    } else {
        for (const char* name : {"open", "openat", "openat2"})
            ok = ok && refuse(ctx, name, EACCES);
    }
    return ok;
}

// libseccomp 2.5 exports only to a descriptor; a memory file brings it back.
std::vector<sock_filter> exported(const Context& ctx) {
    const int fd = memfd_create("system-call-filter", MFD_CLOEXEC);
    if (fd < 0) return {};
    std::vector<sock_filter> program;
    if (seccomp_export_bpf(ctx.get(), fd) == 0) {
        const off_t size = lseek(fd, 0, SEEK_END);
        if (size > 0 && size % sizeof(sock_filter) == 0 &&
            size <= off_t{BPF_MAXINSNS * sizeof(sock_filter)} && lseek(fd, 0, SEEK_SET) == 0) {
            program.resize(static_cast<std::size_t>(size) / sizeof(sock_filter));
            if (read(fd, program.data(), static_cast<std::size_t>(size)) != size) program.clear();
        }
    }
    close(fd);
    return program;
}

} // namespace

std::vector<sock_filter> buildSystemCallFilter(FilterChoice choice) {
    Context ctx(seccomp_init(SCMP_ACT_ALLOW), &seccomp_release);
    if (!ctx) return {};
    // seccomp_init admits only the native ABI (on x86-64 not even x32); any
    // other is refused rather than killed.
    if (seccomp_attr_set(ctx.get(), SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_ERRNO(ENOSYS)) != 0 ||
        !addRules(ctx, choice))
        return {};
    return exported(ctx);
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
