#include "common/sandbox/landlock.h"

#include <sys/syscall.h>
#include <unistd.h>

#include <cstdint>

namespace sandbox {

namespace {

// The kernel's landlock_ruleset_attr as of ABI 6. Debian 12's headers know
// only ABI 1 and 2, so the struct and the rights of later ABIs are spelled
// out here; the kernel reads as many fields as the size passed says.
struct RulesetAttr {
    std::uint64_t handledAccessFs = 0;
    std::uint64_t handledAccessNet = 0;
    std::uint64_t scoped = 0;
};

constexpr unsigned CreateRulesetVersion = 1U << 0;

// Each ABI's file-system rights: ABI 1 has the first 13, 2 adds REFER,
// 3 TRUNCATE, 5 IOCTL_DEV.
std::uint64_t fileRights(long abi) {
    std::uint64_t rights = (1ULL << 13) - 1;
    if (abi >= 2) rights |= 1ULL << 13;
    if (abi >= 3) rights |= 1ULL << 14;
    if (abi >= 5) rights |= 1ULL << 15;
    return rights;
}

} // namespace

bool forbidNewFileAccess() noexcept {
#if defined(SYS_landlock_create_ruleset) && defined(SYS_landlock_restrict_self)
    const long abi = syscall(SYS_landlock_create_ruleset, nullptr, 0, CreateRulesetVersion);
    if (abi < 1) return false;
    RulesetAttr attr;
    attr.handledAccessFs = fileRights(abi);
    std::size_t size = sizeof attr.handledAccessFs;
    if (abi >= 4) {
        // TCP bind and connect.
        attr.handledAccessNet = 0x3;
        size += sizeof attr.handledAccessNet;
    }
    if (abi >= 6) {
        // Abstract Unix sockets and signals outside the domain.
        attr.scoped = 0x3;
        size += sizeof attr.scoped;
    }
    // No rule: nothing of what is handled is allowed.
    const long ruleset = syscall(SYS_landlock_create_ruleset, &attr, size, 0U);
    if (ruleset < 0) return false;
    const long restricted = syscall(SYS_landlock_restrict_self, ruleset, 0U);
    close(static_cast<int>(ruleset));
    return restricted == 0;
#else
    return false;
#endif
}

} // namespace sandbox
