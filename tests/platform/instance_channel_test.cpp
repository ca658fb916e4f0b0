// What a later start sends the running copy: names keep their bytes, and a
// message that is not a whole request of ours is nothing.
#include "common/platform/file_names.h"
#include "common/platform/instance_channel.h"

#include <gtest/gtest.h>

namespace {

TEST(HandOver, RoundTripKeepsEveryByte) {
    const platform::HandOver sent{
        {platform::fileNameFromBytes("/tmp/\xff\n b.png")}, "id_TIME7", ""};
    const auto got = platform::decodeHandOver(platform::encodeHandOver(sent));
    ASSERT_TRUE(got);
    EXPECT_EQ(platform::fileNameBytes(got->files.value(0)), QByteArray("/tmp/\xff\n b.png"));
    EXPECT_EQ(got->startupId, "id_TIME7");
}

TEST(HandOver, ForeignMessagesAreNothing) {
    for (const QByteArray& message :
         {QByteArray(), QByteArray("hallo"), QByteArray("calc-hand-over-1\0id", 19),
          QByteArray("calc-hand-over-1\0\0\0relativ.png", 30)})
        EXPECT_FALSE(platform::decodeHandOver(message)) << message.toStdString();
}

} // namespace
