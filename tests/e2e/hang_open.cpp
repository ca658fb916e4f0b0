// Preloaded into a program under test: opening a file whose name contains
// "haengt" never returns, as on a network mount that stopped answering.
#include <cstdarg>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

void hangFor(const char* path) {
    if (path && std::strstr(path, "haengt"))
        for (;;)
            ::pause();
}

mode_t modeOf(int flags, va_list rest) {
    return (flags & (O_CREAT | O_TMPFILE)) ? va_arg(rest, mode_t) : 0;
}

template <typename Fn> Fn next(const char* name) {
    return reinterpret_cast<Fn>(::dlsym(RTLD_NEXT, name));
}

using Open = int (*)(const char*, int, ...);
using OpenAt = int (*)(int, const char*, int, ...);

} // namespace

#define CALC_HANG_OPEN(name)                                                                       \
    extern "C" int name(const char* path, int flags, ...) {                                        \
        va_list rest;                                                                              \
        va_start(rest, flags);                                                                     \
        const mode_t mode = modeOf(flags, rest);                                                   \
        va_end(rest);                                                                              \
        hangFor(path);                                                                             \
        return next<Open>(#name)(path, flags, mode);                                               \
    }
#define CALC_HANG_OPENAT(name)                                                                     \
    extern "C" int name(int dir, const char* path, int flags, ...) {                               \
        va_list rest;                                                                              \
        va_start(rest, flags);                                                                     \
        const mode_t mode = modeOf(flags, rest);                                                   \
        va_end(rest);                                                                              \
        hangFor(path);                                                                             \
        return next<OpenAt>(#name)(dir, path, flags, mode);                                        \
    }

CALC_HANG_OPEN(open)
CALC_HANG_OPEN(open64)
CALC_HANG_OPENAT(openat)
CALC_HANG_OPENAT(openat64)
