#include "common/platform/long_path.h"

#include <cstdlib>
#include <memory>

namespace platform {

std::optional<std::string> longPathName(const std::string& path) {
    // A NUL inside would silently cut the path short.
    if (path.empty() || path.find('\0') != std::string::npos) return std::nullopt;
    // realpath allocates the result itself: no fixed buffer to overrun.
    std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr),
                                                         &std::free);
    if (!resolved) return std::nullopt;
    return std::string(resolved.get());
}

} // namespace platform
