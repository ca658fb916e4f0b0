// What travels between the two copies: paths, URIs and tokens.
#include "common/activation/application_request.h"
#include "common/activation/x11_activation.h"

#include <QDir>

#include <gtest/gtest.h>

namespace activation {
namespace {

TEST(Request, ObjectPathFollowsTheApplicationId) {
    EXPECT_EQ(objectPathFor("org.brixtel.Aspekto"), "/org/brixtel/Aspekto");
    EXPECT_EQ(objectPathFor("org.example.my-app"), "/org/example/my_app");
}

TEST(Request, TokenSuitsThePlatform) {
    const QVariantMap both{{"desktop-startup-id", "id_TIME7"}, {"activation-token", "wl"}};
    EXPECT_EQ(startupTokenFrom(both, false), "id_TIME7");
    EXPECT_EQ(startupTokenFrom(both, true), "wl");
    EXPECT_EQ(startupTokenFrom({{"desktop-startup-id", "id"}}, true), "id");
    // Not a launcher's token: dropped, and the other one serves.
    EXPECT_EQ(startupTokenFrom({{"activation-token", "a\nb"}}, false), "");
    const QVariantMap tooLong{{"activation-token", QString(600, 'x')},
                              {"desktop-startup-id", "ok"}};
    EXPECT_EQ(startupTokenFrom(tooLong, true), "ok");
}

TEST(Request, OnlyLocalFilesArePassedOn) {
    EXPECT_EQ(localFilesFrom({"file:///tmp/a%20b%23.png", "file://localhost/tmp/c.png",
                              "https://example.org/x.png", "file://server/share/x.png",
                              "file:relative.png", "not a uri"}),
              QStringList({"/tmp/a b#.png", "/tmp/c.png"}));
    // Relative paths are the current folder's; names survive the round trip.
    const QStringList files{"Bild ä 100%.png", "/tmp/x#y.png", "file:///tmp/x y.png", ""};
    EXPECT_EQ(
        localFilesFrom(urisForFiles(files)),
        QStringList({QDir::currentPath() + "/Bild ä 100%.png", "/tmp/x#y.png", "/tmp/x y.png"}));
}

TEST(X11, StartupIdTimeAndRemoveMessage) {
    EXPECT_EQ(x11::startupIdTime("host;1234;0_TIME98765"), 98765u);
    EXPECT_EQ(x11::startupIdTime("no time"), 0u);
    EXPECT_EQ(x11::startupIdTime("x_TIMEsoon"), 0u);
    EXPECT_EQ(x11::removeMessage("abc_TIME1"), "remove: ID=abc_TIME1");
    EXPECT_EQ(x11::removeMessage("a b\"c\\"), "remove: ID=\"a b\\\"c\\\\\"");
}

} // namespace
} // namespace activation
