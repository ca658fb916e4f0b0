#pragma once
#include <linux/filter.h>
#include <seccomp.h>

#include <memory>
#include <vector>

// What the filters are built from: a libseccomp context, rules by call name,
// and the export of the finished BPF program.
namespace sandbox::filter {

using Context = std::unique_ptr<void, decltype(&seccomp_release)>;

// A context whose calls not named by a rule meet `fallback`; calls of any
// other ABI than the native one (i386, x32) fail with ENOSYS.
Context context(std::uint32_t fallback);

// Adds `action` for the call when all the comparisons hold. A call this
// architecture lacks (open on arm64) is passed over.
bool add(const Context& ctx, std::uint32_t action, const char* name,
         std::initializer_list<scmp_arg_cmp> comparisons = {});

// The BPF program, read back through a pipe: no file-size limit applies to
// one, so a process started with its file writes refused can still build it.
// Empty on any failure.
std::vector<sock_filter> exported(const Context& ctx);

// Where clone's flags are: its first argument, its second on s390.
#if defined(__s390__)
constexpr unsigned CloneFlagsArgument = 1;
#else
constexpr unsigned CloneFlagsArgument = 0;
#endif

} // namespace sandbox::filter
