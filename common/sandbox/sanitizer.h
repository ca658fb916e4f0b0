#pragma once

namespace sandbox {

// AddressSanitizer reserves terabytes of address space for its shadow
// memory: an address-space limit keeps a build with it from starting or
// allocating, so such a build leaves that one limit out. LeakSanitizer's
// check at exit needs ptrace and /proc, which a locked process is refused:
// such a process leaves by _exit, or runs with detect_leaks=0.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool AddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool AddressSanitizer = true;
#else
inline constexpr bool AddressSanitizer = false;
#endif
#else
inline constexpr bool AddressSanitizer = false;
#endif

} // namespace sandbox
