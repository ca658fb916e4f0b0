#pragma once
#include <cstddef>
#include <cstdint>

namespace sandbox {

// What a Landlock domain forbids, worked out for this kernel's ABI before
// it is applied: applying it makes only system calls, so it may run between
// fork and exec.
struct LandlockRules {
    // The kernel's landlock_ruleset_attr as of ABI 6. Debian 12's headers
    // know only ABI 1 and 2, so the struct is spelled out here; the kernel
    // reads as many fields as `size` says.
    struct {
        std::uint64_t handledAccessFs = 0;
        std::uint64_t handledAccessNet = 0;
        std::uint64_t scoped = 0;
    } attr;
    std::size_t size = 0; // 0: the kernel has no Landlock
};

// Every new file access the kernel's Landlock knows of, or (readOnly) every
// one but reading files and folders and starting programs. Both also forbid,
// where the kernel can, TCP, abstract Unix sockets and signals to processes
// outside.
LandlockRules landlockRules(bool readOnly) noexcept;

// Restricts the calling thread, and the threads and processes it starts
// later. Files already open stay usable. Needs no_new_privs (or
// CAP_SYS_ADMIN); false when the kernel has no Landlock or refuses it.
bool applyLandlock(const LandlockRules& rules) noexcept;

// Both at once, with nothing left allowed.
inline bool forbidNewFileAccess() noexcept {
    return applyLandlock(landlockRules(false));
}

} // namespace sandbox
