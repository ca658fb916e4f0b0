// The picture reader: reads one picture's header and metadata in a process
// of its own, locked down before it reads a byte of the file, and answers
// in one line on standard output. The programs start it for each picture
// and hand it the file they opened; it opens nothing itself.
//
//   calc-picture-reader --fd N --family F   read the picture on descriptor N
//   calc-picture-reader --lockdown-test --fd N SCRATCH INHERITED
//       read descriptor N as a picture is read, lock down, then try what a
//       parser taken over would (reader/lockdown_attempts.h)
#include "common/media/reader_answer.h"
#include "common/sandbox/lock_down.h"
#include "reader/answer.h"
#include "reader/lockdown_attempts.h"
#include "reader/picture_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int usage() {
    std::fputs("usage: calc-picture-reader --fd N --family F\n", stderr);
    return 2;
}

std::optional<int> descriptorNamed(const char* text) {
    char* end = nullptr;
    errno = 0;
    const long descriptor = std::strtol(text, &end, 10);
    if (errno != 0 || *end != '\0' || descriptor < 0 || descriptor > 65535) return std::nullopt;
    return static_cast<int>(descriptor);
}

// Straight out: nothing at exit may need what the lock-down refuses (a leak
// checker's exit scan needs ptrace).
[[noreturn]] void leave() {
    std::_Exit(std::fflush(stdout) == 0 ? 0 : 1);
}

// The file mapped, the descriptor closed, and the process locked down; the
// mapping, or nullptr when the file cannot be mapped. Standard output gets
// its buffer first: glibc would otherwise look at it with fstat, which the
// lock-down refuses. Exits with the answer "unguarded" when a piece the
// kernel offers did not take.
const unsigned char* mapAndLockDown(int descriptor, std::size_t& size,
                                    sandbox::Pieces* pieces = nullptr) {
    static char buffer[4096];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0)
        return nullptr;
    size = static_cast<std::size_t>(status.st_size);
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
    if (mapped == MAP_FAILED) return nullptr;
    ::close(descriptor);
    const sandbox::Pieces locked = sandbox::lockDownThisProcess();
    if (pieces) *pieces = locked;
    if (!sandbox::guarded(locked)) {
        std::fputs(std::string(media::AnswerUnguarded).c_str(), stdout);
        leave();
    }
    return static_cast<const unsigned char*>(mapped);
}

int readPicture(int descriptor, media::PictureFamily family) {
    // Everything a read may load is loaded before the lock-down.
    media::reader::preparePictureReading();
    std::size_t size = 0;
    const unsigned char* bytes = mapAndLockDown(descriptor, size);
    if (!bytes) return 1;
    std::fputs(media::reader::answer(media::reader::readPictureBytes(bytes, size, family)).c_str(),
               stdout);
    leave();
}

int lockdownTest(int descriptor, const char* scratch, int inherited) {
    std::size_t size = 0;
    sandbox::Pieces pieces;
    if (!mapAndLockDown(descriptor, size, &pieces)) return 1;
    std::printf("active %s\n", sandbox::describe(pieces).c_str());
    media::reader::tryForbiddenSteps(scratch, inherited);
    leave();
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    const std::optional<int> descriptor =
        argc > 3 && std::string_view(argv[2]) == "--fd" ? descriptorNamed(argv[3]) : std::nullopt;
    if (argc == 6 && first == "--lockdown-test" && descriptor) {
        const std::optional<int> inherited = descriptorNamed(argv[5]);
        if (inherited) return lockdownTest(*descriptor, argv[4], *inherited);
    }
    if (argc == 5 && first == "--fd" && std::string_view(argv[3]) == "--family") {
        const std::optional<int> fd = descriptorNamed(argv[2]);
        const auto family = media::familyNamed(argv[4]);
        if (fd && family) return readPicture(*fd, *family);
    }
    return usage();
}
