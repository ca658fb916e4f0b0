// The picture reader: reads one picture's header and metadata in a process
// of its own, locked down before it reads a byte of the file, and answers
// in one line on standard output. The programs start it for each picture
// and hand it the file they opened; it opens nothing itself.
//
//   calc-picture-reader --fd N --family F   read the picture on descriptor N
//   calc-picture-reader --lockdown-test     lock down, then try what must fail
#include "common/sandbox/lock_down.h"
#include "reader/answer.h"
#include "reader/picture_bytes.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int usage() {
    std::fputs("usage: calc-picture-reader --fd N --family F | --lockdown-test\n", stderr);
    return 2;
}

// Each forbidden step, tried after the lock-down: "refused" is the answer
// wanted for every one.
int lockdownTest() {
    const sandbox::Pieces pieces = sandbox::lockDownThisProcess();
    std::printf("active: %s\n", sandbox::describe(pieces).c_str());
    const int file = ::open("/", O_RDONLY | O_CLOEXEC);
    std::printf("open: %s\n", file < 0 ? "refused" : "allowed");
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    std::printf("socket: %s\n", socket < 0 ? "refused" : "allowed");
    std::fflush(stdout);
    char* const arguments[] = {const_cast<char*>("/bin/true"), nullptr};
    ::execv("/bin/true", arguments);
    std::printf("exec: refused\n");
    std::fflush(stdout);
    std::_Exit(0);
}

int readPicture(int descriptor, media::PictureFamily family) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0)
        return 1;
    const auto size = static_cast<std::size_t>(status.st_size);
    // Everything a read may load is loaded before the lock-down.
    media::reader::preparePictureReading();
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0);
    if (mapped == MAP_FAILED) return 1;
    ::close(descriptor);
    sandbox::lockDownThisProcess();
    const std::string answer = media::reader::answer(
        media::reader::readPictureBytes(static_cast<const unsigned char*>(mapped), size, family));
    std::fputs(answer.c_str(), stdout);
    // Straight out: nothing at exit may need what the lock-down refuses
    // (a leak checker's exit scan needs ptrace).
    std::_Exit(std::fflush(stdout) == 0 ? 0 : 1);
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (argc == 2 && first == "--lockdown-test") return lockdownTest();
    if (argc != 5 || first != "--fd" || std::string_view(argv[3]) != "--family") return usage();
    char* end = nullptr;
    errno = 0;
    const long descriptor = std::strtol(argv[2], &end, 10);
    const auto family = media::familyNamed(argv[4]);
    if (errno != 0 || *end != '\0' || descriptor < 0 || descriptor > 65535 || !family)
        return usage();
    return readPicture(static_cast<int>(descriptor), *family);
}
