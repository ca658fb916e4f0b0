#pragma once
#include <sys/resource.h>

#include <array>
#include <cstddef>
#include <optional>

namespace sandbox {

struct ResourceLimit {
    int resource;
    rlim_t soft;
    rlim_t hard;
};

// Address space (when given), CPU 5 s, no file growth, no core file, and
// at most `descriptors` open files.
using ResourceLimits = std::array<ResourceLimit, 5>;
ResourceLimits resourceLimits(std::optional<rlim_t> addressSpace, rlim_t descriptors);

// Lowers each limit, never raises one beyond what is already set, and turns
// the signal of a refused file write into the error EFBIG. Async-signal-safe;
// true when every limit took effect.
bool applyResourceLimits(const ResourceLimits& limits) noexcept;

// What the process has mapped now: /proc/self/statm, in bytes.
std::optional<std::size_t> mappedBytes();

} // namespace sandbox
