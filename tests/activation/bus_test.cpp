// The interface on a private session bus (the test runs under
// dbus-run-session): a second start's requests reach the service's signals.
#include "common/activation/application_service.h"
#include "common/activation/forward.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
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
        : thread([this, files, timeoutMs] {
              done = forwardToRunningCopy(appId, files, &reason, timeoutMs);
          }) {}
    bool finish() {
        thread.join();
        return done;
    }
};

struct Row {
    QStringList files;
    QByteArray startupId, activationToken;
    QStringList expectedFiles; // empty: an activation
    QString expectedToken;
};

TEST(Bus, RequestsArriveAsSignals) {
    const QString here = QDir::currentPath();
    const Row rows[] = {
        {{}, "launch_TIME42", "", {}, "launch_TIME42"},
        {{"Bild ä.png", "/tmp/b.png"}, "", "wl-1", {here + "/Bild ä.png", "/tmp/b.png"}, "wl-1"},
        {{"c.png"}, "x_TIME9", "wl-2", {here + "/c.png"}, "x_TIME9"},
    };
    ApplicationService service(appId);
    ASSERT_TRUE(service.registerOnSessionBus());
    for (const Row& row : rows) {
        qputenv("DESKTOP_STARTUP_ID", row.startupId);
        qputenv("XDG_ACTIVATION_TOKEN", row.activationToken);
        QSignalSpy activated(&service, &ApplicationService::activateRequested);
        QSignalSpy opened(&service, &ApplicationService::openRequested);
        SecondStart second(row.files);
        QSignalSpy& expected = row.expectedFiles.isEmpty() ? activated : opened;
        EXPECT_TRUE(expected.wait(3000)) << row.files.join(',').toStdString();
        EXPECT_TRUE(second.finish()) << second.reason.toStdString();
        ASSERT_EQ(activated.size() + opened.size(), 1);
        ASSERT_EQ(expected.size(), 1);
        if (&expected == &opened) {
            EXPECT_EQ(opened[0][0].toStringList(), row.expectedFiles);
        }
        EXPECT_EQ(expected[0].last().toString(), row.expectedToken);
    }
    qunsetenv("DESKTOP_STARTUP_ID");
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

TEST(Bus, NonLocalFilesActivateAndActionsChangeNothing) {
    ApplicationService service(appId);
    ASSERT_TRUE(service.registerOnSessionBus());
    // A second service cannot take the name from the first.
    ApplicationService other(appId);
    EXPECT_FALSE(other.registerOnSessionBus());

    QSignalSpy activated(&service, &ApplicationService::activateRequested);
    QSignalSpy opened(&service, &ApplicationService::openRequested);
    QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "desktop");
    auto call = [&](const QString& method, const QVariantList& arguments) {
        QDBusMessage message = QDBusMessage::createMethodCall(
            appId, "/org/brixtel/Activation_Test", "org.freedesktop.Application", method);
        message.setArguments(arguments);
        return desktop.asyncCall(message); // answered while the spy waits
    };
    QDBusPendingCall action = call("ActivateAction", {"quit", QVariantList{}, QVariantMap{}});
    QDBusPendingCall open = call("Open", {QStringList{"https://example.org/x.png"}, QVariantMap{}});
    EXPECT_TRUE(activated.wait(3000));
    EXPECT_EQ(activated.size(), 1);
    EXPECT_EQ(opened.size(), 0);
    for (QDBusPendingCall* reply : {&action, &open}) {
        reply->waitForFinished();
        EXPECT_FALSE(reply->isError()) << reply->error().message().toStdString();
    }
    QDBusConnection::disconnectFromBus("desktop");
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
