#pragma once
#include <optional>
#include <string>

namespace platform {

// The canonical form of an existing path: absolute, without "." and ".."
// parts, symbolic links resolved. Nothing when the path does not exist or
// cannot be resolved.
std::optional<std::string> longPathName(const std::string& path);

} // namespace platform
