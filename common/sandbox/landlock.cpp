#include "common/sandbox/landlock.h"

#include <sys/syscall.h>
#include <unistd.h>

namespace sandbox {

namespace {

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

// EXECUTE, READ_FILE and READ_DIR.
constexpr std::uint64_t ReadingRights = (1ULL << 0) | (1ULL << 2) | (1ULL << 3);

} // namespace

LandlockRules landlockRules(bool readOnly) noexcept {
    LandlockRules rules;
#if defined(SYS_landlock_create_ruleset)
    const long abi = syscall(SYS_landlock_create_ruleset, nullptr, 0, CreateRulesetVersion);
    if (abi < 1) return rules;
    rules.attr.handledAccessFs = fileRights(abi) & ~(readOnly ? ReadingRights : 0);
    rules.size = sizeof rules.attr.handledAccessFs;
    if (abi >= 4) {
        // TCP bind and connect.
        rules.attr.handledAccessNet = 0x3;
        rules.size += sizeof rules.attr.handledAccessNet;
    }
    if (abi >= 6) {
        // Abstract Unix sockets and signals outside the domain.
        rules.attr.scoped = 0x3;
        rules.size += sizeof rules.attr.scoped;
    }
#else
    (void)readOnly;
#endif
    return rules;
}

bool applyLandlock(const LandlockRules& rules) noexcept {
#if defined(SYS_landlock_create_ruleset) && defined(SYS_landlock_restrict_self)
    if (rules.size == 0) return false;
    // No rule: nothing of what is handled is allowed.
    const long ruleset = syscall(SYS_landlock_create_ruleset, &rules.attr, rules.size, 0U);
    if (ruleset < 0) return false;
    const long restricted = syscall(SYS_landlock_restrict_self, ruleset, 0U);
    close(static_cast<int>(ruleset));
    return restricted == 0;
#else
    (void)rules;
    return false;
#endif
}

} // namespace sandbox
