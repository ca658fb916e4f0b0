#include "common/sandbox/lock_down.h"

#include "common/sandbox/landlock.h"
#include "common/sandbox/resource_limits.h"
#include "common/sandbox/sanitizer.h"
#include "common/sandbox/system_call_filter.h"

#include <sys/prctl.h>
#include <unistd.h>

namespace sandbox {

namespace {

constexpr rlim_t Headroom = rlim_t{1} << 30;
constexpr rlim_t Descriptors = 16;

std::optional<rlim_t> addressSpace() {
    if (AddressSanitizer) return std::nullopt;
    const std::optional<std::size_t> mapped = mappedBytes();
    if (!mapped) return std::nullopt;
    return static_cast<rlim_t>(*mapped) + Headroom;
}

} // namespace

std::string describe(const Pieces& pieces) {
    std::string text;
    const auto add = [&text](bool active, const char* name) {
        if (!active) return;
        if (!text.empty()) text += ' ';
        text += name;
    };
    add(pieces.limits, "limits");
    add(pieces.noNewPrivileges, "no_new_privs");
    add(pieces.seccomp, "seccomp");
    add(pieces.landlock, "landlock");
    return text.empty() ? "none" : text;
}

bool guarded(const Pieces& pieces) {
    return pieces.noNewPrivileges && pieces.seccomp && (pieces.landlock || !pieces.landlockOffered);
}

Pieces lockDownThisProcess() {
    // Reading /proc and building the filter come first: both open or
    // allocate, which the pieces then limit.
    const std::optional<rlim_t> space = addressSpace();
    const std::vector<sock_filter> filter = buildReaderFilter(getpid());
    const LandlockRules rules = landlockRules(false);

    Pieces pieces;
    pieces.noNewPrivileges = prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
    pieces.landlockOffered = rules.size > 0;
    pieces.landlock = applyLandlock(rules);
    pieces.seccomp = installSystemCallFilter(filter, true);
    // Without /proc the address space stays unlimited: the piece is then
    // only partly there, and says so.
    pieces.limits = applyResourceLimits(resourceLimits(space, Descriptors)) &&
                    (space.has_value() || AddressSanitizer);
    return pieces;
}

} // namespace sandbox
