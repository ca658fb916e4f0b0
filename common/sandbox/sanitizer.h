#pragma once

namespace sandbox {

// AddressSanitizer reserves terabytes of address space for its shadow
// memory: an address-space limit keeps a build with it from starting or
// allocating, so such a build leaves that one limit out.
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
