#include "common/sandbox/child_limits.h"

#include "common/sandbox/sanitizer.h"
#include "common/sandbox/system_call_filter.h"

#include <sys/prctl.h>

namespace sandbox {

namespace {

// Room for a child's libraries, its threads' stacks and malloc arenas, and
// for the reader's own tighter limit on top of what it maps at start.
constexpr rlim_t AddressSpace = rlim_t{2} << 30;
constexpr rlim_t Descriptors = 64;

} // namespace

ChildLimits ChildLimits::build() {
    ChildLimits limits;
    // The children of a build with AddressSanitizer are built with it too.
    limits.limits_ = resourceLimits(
        AddressSanitizer ? std::nullopt : std::optional<rlim_t>(AddressSpace), Descriptors);
    limits.filter_ = buildSystemCallFilter({.allowPrograms = true, .allowReadingByPath = true});
    return limits;
}

void ChildLimits::applyInChild() const noexcept {
    applyResourceLimits(limits_);
    // Without no_new_privs only a privileged child can take the filter.
    prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
    installSystemCallFilter(filter_, false);
}

} // namespace sandbox
