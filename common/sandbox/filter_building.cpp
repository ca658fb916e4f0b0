#include "common/sandbox/filter_building.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace sandbox::filter {

Context context(std::uint32_t fallback) {
    Context ctx(seccomp_init(fallback), &seccomp_release);
    if (ctx && seccomp_attr_set(ctx.get(), SCMP_FLTATR_ACT_BADARCH, SCMP_ACT_ERRNO(ENOSYS)) != 0)
        ctx.reset();
    return ctx;
}

bool add(const Context& ctx, std::uint32_t action, const char* name,
         std::initializer_list<scmp_arg_cmp> comparisons) {
    const int nr = seccomp_syscall_resolve_name(name);
    if (nr == __NR_SCMP_ERROR) return true;
    return seccomp_rule_add_array(ctx.get(), action, nr, static_cast<unsigned>(comparisons.size()),
                                  comparisons.begin()) == 0;
}

std::vector<sock_filter> exported(const Context& ctx) {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0) return {};
    constexpr std::size_t Largest = BPF_MAXINSNS * sizeof(sock_filter);
    // A pipe of a user over the kernel's pipe allowance may start with one
    // page; non-blocking, a filter too large for it fails instead of hanging.
    fcntl(fds[1], F_SETPIPE_SZ, static_cast<int>(Largest));
    std::vector<sock_filter> program;
    const bool written = seccomp_export_bpf(ctx.get(), fds[1]) == 0;
    close(fds[1]);
    if (written) {
        program.resize(BPF_MAXINSNS + 1);
        const ssize_t got = read(fds[0], program.data(), program.size() * sizeof(sock_filter));
        if (got > 0 && static_cast<std::size_t>(got) <= Largest && got % sizeof(sock_filter) == 0)
            program.resize(static_cast<std::size_t>(got) / sizeof(sock_filter));
        else
            program.clear();
    }
    close(fds[0]);
    return program;
}

} // namespace sandbox::filter
