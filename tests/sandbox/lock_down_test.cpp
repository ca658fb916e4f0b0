#include "common/sandbox/child_limits.h"
#include "common/sandbox/landlock.h"
#include "common/sandbox/lock_down.h"
#include "common/sandbox/sanitizer.h"

#include <QCoreApplication>
#include <QProcess>

#include <fcntl.h>
#include <linux/io_uring.h>
#include <pthread.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/ptrace.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <map>
#include <string>

namespace {

// Opened before a lock-down.
int passwd = -1, scratch = -1;
char scratchPath[] = "/tmp/calc-sandbox-XXXXXX";

// Each attempt gives 0 when it succeeded, else the error it met.
const auto outcome = [](long result) { return result < 0 ? errno : 0; };
const auto closed = [](int fd) { return fd < 0 ? errno : close(fd); };
// In a child of its own, whose exit status is the outcome.
int inFork(int (*attempt)()) {
    const pid_t pid = fork();
    if (pid == 0) _exit(attempt());
    int status = 0;
    return pid < 0 || waitpid(pid, &status, 0) != pid ? errno : WEXITSTATUS(status);
}
int mapped(std::size_t bytes) {
    void* p = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    return p == MAP_FAILED ? errno : munmap(p, bytes);
}

const std::map<std::string, std::function<int()>> Attempts = {
    {"open a path", [] { return closed(open("/etc/passwd", O_RDONLY)); }},
    {"create a file", [] { return closed(open("/tmp", O_TMPFILE | O_WRONLY, 0600)); }},
    {"remove a file", [] { return outcome(unlink(scratchPath)); }},
    {"start a program", [] { return outcome(execl("/bin/true", "true", nullptr)); }},
    {"fork and start a program",
     [] { return inFork([] { return outcome(execl("/bin/true", "true", nullptr)); }); }},
    {"open a socket", [] { return closed(socket(AF_INET, SOCK_STREAM, 0)); }},
    {"clone a user namespace",
     [] {
         return inFork([] {
             const long pid = syscall(SYS_clone, CLONE_NEWUSER | SIGCHLD, 0, 0, 0, 0);
             if (pid == 0) _exit(0); // a child so made leaves at once
             return outcome(pid);
         });
     }},
    {"clone3", [] { return outcome(syscall(SYS_clone3, nullptr, 0)); }},
    {"unshare", [] { return outcome(unshare(CLONE_NEWUSER)); }},
    {"io_uring",
     [] {
         io_uring_params params{};
         return closed(int(syscall(SYS_io_uring_setup, 1, &params)));
     }},
    {"ptrace",
     [] { return inFork([] { return outcome(ptrace(PTRACE_TRACEME, 0, nullptr, nullptr)); }); }},
    {"read a descriptor opened before",
     [] {
         char byte = 0;
         return pread(passwd, &byte, 1, 0) == 1 ? 0 : errno;
     }},
    {"write to a file opened before", [] { return outcome(write(scratch, "x", 1)); }},
    {"start a thread",
     [] {
         pthread_t thread;
         const int error = pthread_create(
             &thread, nullptr, [](void*) -> void* { return nullptr; }, nullptr);
         return error ? error : pthread_join(thread, nullptr);
     }},
    {"map 64 MiB", [] { return mapped(std::size_t{64} << 20); }},
    {"map 3 GiB", [] { return mapped(std::size_t{3} << 30); }},
};

struct Row {
    const char* attempt;
    int expected;
};

struct Locked {
    std::string pieces; // empty when the lock-down did not take
    std::vector<int> outcomes;
};

// Runs the attempts in a child that `lockDown` locks, which names the pieces
// that took.
Locked inLockedChild(const std::function<std::string()>& lockDown, const std::vector<Row>& rows) {
    int fds[2];
    if (pipe(fds) != 0) return {};
    std::vector<int> outcomes(rows.size(), -1);
    const auto size = static_cast<ssize_t>(outcomes.size() * sizeof(int));
    const pid_t pid = fork();
    if (pid == 0) {
        passwd = open("/etc/passwd", O_RDONLY);
        scratch = mkstemp(scratchPath);
        alarm(10); // an attempt that hangs ends the child, not the test
        // A locked process writes to standard output alone.
        dup2(fds[1], 1);
        const std::string pieces = lockDown();
        for (std::size_t i = 0; i < rows.size() && !pieces.empty(); ++i)
            outcomes[i] = Attempts.at(rows[i].attempt)();
        const bool sent = write(1, outcomes.data(), size) == size &&
                          write(1, pieces.data(), pieces.size()) == ssize_t(pieces.size());
        // Not exit(): the test's and the sanitizers' exit work is the parent's.
        _exit(sent ? 0 : 1);
    }
    close(fds[1]);
    Locked locked;
    if (read(fds[0], outcomes.data(), size) == size) locked.outcomes = outcomes;
    char text[256];
    for (ssize_t n; (n = read(fds[0], text, sizeof text)) > 0;)
        locked.pieces.append(text, n);
    close(fds[0]);
    waitpid(pid, nullptr, 0);
    unlink(scratchPath);
    return locked;
}

void expectOutcomes(const std::vector<Row>& rows, const std::vector<int>& outcomes) {
    ASSERT_EQ(outcomes.size(), rows.size()) << "the locked child gave no answer";
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(outcomes[i], rows[i].expected) << rows[i].attempt;
}

constexpr int BeyondAddressSpace = sandbox::AddressSanitizer ? 0 : ENOMEM;
// A sanitizer's runtime writes to descriptors of its own; the file-size
// limit still holds.
constexpr int WriteElsewhere = sandbox::AddressSanitizer ? EFBIG : EPERM;

TEST(LockDown, RefusesWhatAParserNeverNeeds) {
    // clang-format off
    const std::vector<Row> rows = {
        {"open a path", EACCES}, {"create a file", EACCES}, {"remove a file", EACCES},
        {"start a program", EPERM}, {"fork and start a program", EPERM}, {"open a socket", EPERM},
        {"clone a user namespace", EPERM}, {"clone3", ENOSYS}, {"unshare", EPERM},
        {"io_uring", EPERM}, {"ptrace", EPERM}, {"read a descriptor opened before", 0},
        {"write to a file opened before", WriteElsewhere}, {"start a thread", 0}, {"map 64 MiB", 0},
        {"map 3 GiB", BeyondAddressSpace}};
    // clang-format on
    const Locked locked =
        inLockedChild([] { return sandbox::describe(sandbox::lockDownThisProcess()); }, rows);
    std::cout << "Active pieces: " << locked.pieces << '\n';
    RecordProperty("pieces", locked.pieces);
    expectOutcomes(rows, locked.outcomes);
}

TEST(LockDown, LandlockAloneForbidsNewFileAccess) {
    // clang-format off
    const std::vector<Row> rows = {
        {"open a path", EACCES}, {"create a file", EACCES}, {"remove a file", EACCES},
        {"read a descriptor opened before", 0}, {"write to a file opened before", 0}};
    // clang-format on
    const Locked locked = inLockedChild(
        [] {
            prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0);
            return std::string(sandbox::forbidNewFileAccess() ? "landlock" : "");
        },
        rows);
    if (locked.pieces.empty()) GTEST_SKIP() << "this kernel offers no Landlock";
    expectOutcomes(rows, locked.outcomes);
}

// A child started under ChildLimits still starts its program (this test
// program) and reads by path, but is refused the rest.
TEST(ChildLimits, LetTheChildStartAndReadButNothingMore) {
    // clang-format off
    const std::vector<Row> rows = {
        {"open a path", 0}, {"start a program", 0}, {"start a thread", 0},
        {"open a socket", EPERM}, {"create a file", EACCES}, {"unshare", EPERM},
        {"map 3 GiB", BeyondAddressSpace}};
    // clang-format on
    const sandbox::ChildLimits limits = sandbox::ChildLimits::build();
    for (const Row& row : rows) {
        QProcess process;
        process.setChildProcessModifier([&limits] { limits.applyInChild(-1); });
        process.start(QCoreApplication::applicationFilePath(), {"--attempt", row.attempt});
        ASSERT_TRUE(process.waitForFinished(10000)) << row.attempt;
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << row.attempt;
        EXPECT_EQ(process.exitCode(), row.expected) << row.attempt;
    }
}

} // namespace

// With "--attempt NAME" the program is the child that a test starts under
// ChildLimits: its exit status is the attempt's outcome. It leaves by _exit,
// since LeakSanitizer's check at exit needs ptrace.
int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--attempt") _exit(Attempts.at(argv[2])());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
