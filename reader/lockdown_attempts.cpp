#include "reader/lockdown_attempts.h"

#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace media::reader {

namespace {

// Linux 6.6; Debian 12's headers do not know it. The same number on every
// architecture.
constexpr long Fchmodat2 = 452;

int outcome(long result) {
    return result < 0 ? errno : 0;
}
int closed(int fd) {
    return fd < 0 ? errno : (close(fd), 0);
}

int typeIntoTerminal() {
    const int tty = open("/dev/tty", O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (tty < 0) return errno;
    const char space = ' ';
    const int result = outcome(ioctl(tty, TIOCSTI, &space));
    close(tty);
    return result;
}

int forked() {
    const pid_t pid = fork();
    if (pid == 0) _exit(0);
    if (pid < 0) return errno;
    waitpid(pid, nullptr, 0);
    return 0;
}

// The same limit set back on the parent: a refusal shows without harm.
int parentLimit() {
    rlimit limit{};
    if (prlimit(getppid(), RLIMIT_CORE, nullptr, &limit) != 0) return errno;
    return outcome(prlimit(getppid(), RLIMIT_CORE, &limit, nullptr));
}

int parentPriority() {
    errno = 0;
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(getppid()));
    if (errno != 0) return errno;
    return outcome(setpriority(PRIO_PROCESS, static_cast<id_t>(getppid()), nice));
}

} // namespace

void tryForbiddenSteps(const char* scratch, int inherited) {
    const auto say = [](const char* name, int result) { std::printf("%s %d\n", name, result); };
    say("fchmodat2", outcome(syscall(Fchmodat2, AT_FDCWD, scratch, 0666, 0)));
    say("utimensat", outcome(utimensat(AT_FDCWD, scratch, nullptr, 0)));
    say("open-for-writing", closed(open(scratch, O_WRONLY | O_APPEND | O_CLOEXEC)));
    say("read-by-path", closed(open(scratch, O_RDONLY | O_CLOEXEC)));
    say("prlimit64-parent", parentLimit());
    say("setpriority-parent", parentPriority());
    say("kill-parent", outcome(kill(getppid(), 0)));
    say("kill-all", outcome(kill(-1, 0)));
    say("socket", closed(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)));
    say("tty-TIOCSTI", typeIntoTerminal());
    say("fork", forked());
    say("inotify", closed(inotify_init1(IN_CLOEXEC)));
    say("inherited-descriptor", outcome(fcntl(inherited, F_GETFD)));
    std::fflush(stdout);
    execl("/bin/true", "true", static_cast<char*>(nullptr));
    say("exec", errno);
    std::fflush(stdout);
}

} // namespace media::reader
