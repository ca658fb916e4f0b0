// The lock-down of the children as the programs start them: the reader
// after its own lock-down, and a stand-in for ffprobe under the start limits
// alone, each started through the same code, try what a parser taken over
// would. Run as a user on a terminal, since that is where the calls matter.
#include "common/media/child_read.h"
#include "tests/media/media_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <string_view>
#include <vector>

namespace {

// A step whose expected outcome is a failure; `probe`: also in ffprobe, which
// must read by path and start. `since`: the kernel (major * 100 + minor)
// that first has the call.
struct Step {
    const char* name;
    bool probe = true;
    int since = 0;
};
const Step Steps[] = {
    {"fchmodat2", true, 606},
    {"utimensat"},
    {"open-for-writing"},
    {"read-by-path", false},
    {"prlimit64-parent"},
    {"setpriority-parent"},
    {"kill-parent"},
    {"kill-all"},
    {"socket"},
    {"tty-TIOCSTI"},
    {"fork"},
    {"inotify"},
    {"inherited-descriptor"},
    {"exec", false},
};

int kernel() {
    utsname name{};
    int major = 0, minor = 0;
    uname(&name);
    std::sscanf(name.release, "%d.%d", &major, &minor);
    return major * 100 + minor;
}

// Each step's errno, 0 when it succeeded; a step missing was not reached.
// Started as the programs start a child, or (`plainly`) as any program.
std::map<std::string, int> attempts(const QString& program, bool plainly = false) {
    MediaFiles files;
    EXPECT_EQ(files.make("echo scratch > s"), "");
    const QByteArray scratch = QFile::encodeName(files.path("s"));
    // Left open across exec, as a careless parent of the program might.
    const int inherited = ::open("/dev/null", O_WRONLY);
    QByteArray said;
    media::ChildRead child(media::OpenedFile(::open(scratch.constData(), O_RDONLY | O_CLOEXEC)),
                           {program, std::chrono::seconds(10)},
                           {"--lockdown-test", "--fd", "%fd", QString::fromLocal8Bit(scratch),
                            QString::number(inherited)},
                           {"missing", "late", "failed", "crashed", "garbage"},
                           [&said](const QByteArray& answer) {
                               said = answer;
                               return media::ReadResult{};
                           });
    QSignalSpy spy(&child, &media::ChildRead::finished);
    if (plainly) {
        QProcess process;
        process.start(program, {"--lockdown-test", "--fd", "0", QString::fromLocal8Bit(scratch),
                                QString::number(inherited)});
        EXPECT_TRUE(process.waitForFinished(15000));
        said = process.readAllStandardOutput();
    } else {
        child.start();
        EXPECT_TRUE(spy.wait(15000));
    }
    ::close(inherited);
    std::map<std::string, int> outcomes;
    for (const QByteArray& line : said.split('\n'))
        if (const auto parts = line.split(' '); parts.size() == 2)
            outcomes[parts[0].toStdString()] = parts[1].toInt();
    return outcomes;
}

// As a user, on a terminal of its own: the table runs again so in a process
// of its own, through a pseudo-terminal, as nobody when the test runs as root.
int onTerminalAsUser(std::string& output) {
    int terminal = -1, side = -1;
    if (openpty(&terminal, &side, nullptr, nullptr, nullptr) != 0) return -1;
    const QByteArray self = QFile::encodeName(QCoreApplication::applicationFilePath());
    const pid_t pid = fork();
    if (pid == 0) {
        setsid();
        ioctl(side, TIOCSCTTY, 0);
        for (int fd = 0; fd < 3; ++fd)
            dup2(side, fd);
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))
            _exit(3);
        setenv("CALC_LOCKDOWN_ON_TERMINAL", "1", 1);
        execl(self.constData(), self.constData(),
              "--gtest_filter=ChildLockDown.EveryForbiddenStepFailsInTheReaderAndInFfprobe",
              nullptr);
        _exit(4);
    }
    close(side);
    char buffer[4096];
    pollfd wait{terminal, POLLIN, 0};
    for (ssize_t got;
         poll(&wait, 1, 60000) > 0 && (got = read(terminal, buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(terminal);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(ChildLockDown, EveryForbiddenStepFailsInTheReaderAndInFfprobe) {
    if (!qEnvironmentVariableIsSet("CALC_LOCKDOWN_ON_TERMINAL")) {
        std::string output;
        EXPECT_EQ(onTerminalAsUser(output), 0) << output;
        std::printf("%s", output.c_str());
        return;
    }
    const int running = kernel();
    std::printf("kernel %d.%d, uid %d\n", running / 100, running % 100, int(geteuid()));
    const auto reader = attempts(QStringLiteral(CALC_TEST_PICTURE_READER));
    const auto probe = attempts(QStringLiteral(CALC_TEST_LOCKDOWN_STAND_IN));
    // Each step succeeds where nothing stops it, so that a failure above
    // means a refusal. Typing into a terminal may be switched off.
    const auto plain = attempts(QStringLiteral(CALC_TEST_LOCKDOWN_STAND_IN), true);
    QFile typing("/proc/sys/dev/tty/legacy_tiocsti");
    const bool canType = !typing.open(QIODevice::ReadOnly) || typing.read(1) != "0";
    for (const Step& step : Steps) {
        if (running < step.since) {
            std::printf("%s: this kernel lacks it\n", step.name);
            continue;
        }
        const auto check = [&](const char* who, const std::map<std::string, int>& outcomes,
                               bool mustFail) {
            const auto found = outcomes.find(step.name);
            const int error = found == outcomes.end() ? 0 : found->second;
            std::printf("%s %s: %s\n", who, step.name, error ? std::strerror(error) : "succeeded");
            EXPECT_EQ(error != 0, mustFail) << who << ' ' << step.name;
        };
        if (std::string_view(step.name) != "tty-TIOCSTI" || canType) check("plainly", plain, false);
        check("reader", reader, true);
        check("ffprobe", probe, step.probe);
    }
}

// The processes of a session: pid, parent and session of each.
std::vector<std::array<int, 3>> processes() {
    std::vector<std::array<int, 3>> found;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QByteArray text = stat.readAll();
        int parent = 0, group = 0, session = 0;
        char state = 0;
        if (std::sscanf(text.constData() + text.lastIndexOf(')') + 1, " %c %d %d %d", &state,
                        &parent, &group, &session) == 4)
            found.push_back({pid.toInt(), parent, session});
    }
    return found;
}

// A child that starts another and sleeps: after the timeout and after the
// window's closing, nothing of its session is left.
TEST(ChildLockDown, NothingOfAChildOutlivesTheTimeoutOrTheClosing) {
    for (const bool closing : {false, true}) {
        MediaFiles files;
        ASSERT_EQ(files.make("printf '#!/bin/sh\\nsleep 30 &\\nexec sleep 31\\n' > c && "
                             "chmod +x c && echo x > f"),
                  "");
        auto child = std::make_unique<media::ChildRead>(
            media::OpenedFile(::open(QFile::encodeName(files.path("f")), O_RDONLY | O_CLOEXEC)),
            media::ChildSettings{files.path("c"), std::chrono::milliseconds(closing ? 20000 : 500)},
            QStringList{}, media::ChildReasons{"missing", "late", "failed", "crashed", "garbage"},
            [](const QByteArray&) { return media::ReadResult{}; });
        QSignalSpy spy(child.get(), &media::ChildRead::finished);
        child->start();
        int session = 0;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                for (const auto& [pid, parent, itsSession] : processes())
                    if (parent == getpid() && pid == itsSession) session = pid;
                return session > 0;
            },
            10000));
        if (closing)
            child.reset();
        else
            ASSERT_TRUE(spy.wait(5000));
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                for (const auto& process : processes())
                    if (process[2] == session) return false;
                return true;
            },
            2000))
            << (closing ? "after closing" : "after the timeout");
    }
}

} // namespace
