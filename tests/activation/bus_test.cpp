// The interface on a private session bus (the test runs under
// dbus-run-session): a second start's requests reach the service's signals.
#include "common/activation/application_service.h"
#include "common/activation/forward.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <thread>

namespace activation {
namespace {

const QString appId = QStringLiteral("org.brixtel.Activation-Test");

// Runs a second start's call on a thread of its own, as the service answers
// only while this thread runs its event loop.
struct SecondStart {
    bool done = false;
    QString reason;
    std::thread thread;
    SecondStart(const QStringList& files, int timeoutMs = 2000)
        : thread([=, this] { done = forwardToRunningCopy(appId, files, &reason, timeoutMs); }) {}
    ~SecondStart() { finish(); }
    bool finish() {
        if (thread.joinable()) thread.join();
        return done;
    }
};

TEST(Bus, RequestsArriveAsSignals) {
    const QString here = QDir::currentPath();
    struct Row {
        QStringList files;
        QByteArray startupId, activationToken;
        QStringList expectedFiles; // empty: an activation
        QString expectedToken;
    } rows[] = {
        {{}, "launch_TIME42", "", {}, "launch_TIME42"},
        {{"Bild ä.png", "/tmp/b.png"}, "", "wl-1", {here + "/Bild ä.png", "/tmp/b.png"}, "wl-1"},
        // No file of this machine: the window is only brought forward.
        {{"file://server/share/c.png"}, "x_TIME9", "wl-2", {}, "x_TIME9"},
    };
    ApplicationService service(appId);
    ASSERT_TRUE(service.registerOnSessionBus());
    EXPECT_FALSE(ApplicationService(appId).registerOnSessionBus()) << "took the name";
    for (const Row& row : rows) {
        qputenv("DESKTOP_STARTUP_ID", row.startupId);
        qputenv("XDG_ACTIVATION_TOKEN", row.activationToken);
        QSignalSpy activated(&service, &ApplicationService::activateRequested),
            opened(&service, &ApplicationService::openRequested);
        SecondStart second(row.files);
        QSignalSpy& expected = row.expectedFiles.isEmpty() ? activated : opened;
        ASSERT_TRUE(expected.wait(3000)) << row.files.join(',').toStdString();
        EXPECT_TRUE(second.finish()) << second.reason.toStdString();
        EXPECT_EQ(activated.size() + opened.size(), 1);
        EXPECT_EQ(expected[0].last().toString(), row.expectedToken);
        if (&expected == &opened) {
            EXPECT_EQ(opened[0][0].toStringList(), row.expectedFiles);
        }
    }
    qunsetenv("DESKTOP_STARTUP_ID");
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

TEST(Bus, WaitsForACopyThatIsStillStarting) {
    SecondStart second({}, 3000);
    QTest::qWait(300);
    ApplicationService service(appId);
    QSignalSpy activated(&service, &ApplicationService::activateRequested);
    ASSERT_TRUE(service.registerOnSessionBus());
    EXPECT_TRUE(activated.wait(3000));
    EXPECT_TRUE(second.finish()) << second.reason.toStdString();
}

// Also run with DBUS_SESSION_BUS_ADDRESS pointing nowhere (no bus at all).
TEST(NoAnswer, SecondStartGivesUpInTime) {
    QElapsedTimer clock;
    clock.start();
    QString reason;
    EXPECT_FALSE(forwardToRunningCopy("org.brixtel.Nobody", {"a.png"}, &reason, 300));
    EXPECT_LT(clock.elapsed(), 1500);
    EXPECT_FALSE(reason.isEmpty());
}

} // namespace
} // namespace activation
