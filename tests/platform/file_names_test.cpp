// File names keep every byte between the file system, URIs and the program.
#include "common/platform/file_names.h"

#include <gtest/gtest.h>

namespace {

struct Name {
    QByteArray bytes;
    std::u16string text; // what the program holds
};

class FileNames : public testing::TestWithParam<Name> {};

TEST_P(FileNames, RoundTrip) {
    const Name& n = GetParam();
    const QString text = platform::fileNameFromBytes(n.bytes);
    EXPECT_EQ(text, QString::fromStdU16String(n.text));
    EXPECT_EQ(platform::fileNameBytes(text), n.bytes);
    EXPECT_EQ(platform::fileNameFromUri(platform::uriFromFileName("/" + text)), "/" + text);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, FileNames,
    testing::Values(Name{"bild.png", u"bild.png"}, Name{"B\xc3\xbcro 100%.png", u"Büro 100%.png"},
                    Name{"\xf0\x9f\x98\x80", u"\U0001F600"},
                    Name{"\xff\xfe.png", u"\xdcff\xdcfe.png"},               // not UTF-8 at all
                    Name{"a\xc3", u"a\xdcc3"},                               // cut short
                    Name{"\xc0\xaf", u"\xdcc0\xdcaf"},                       // overlong
                    Name{"\xed\xa0\x80", u"\xdced\xdca0\xdc80"},             // a surrogate
                    Name{"\xf4\x90\x80\x80", u"\xdcf4\xdc90\xdc80\xdc80"})); // beyond U+10FFFF

struct Uri {
    const char* uri;
    QByteArray name; // empty: no local file
};

class FileUris : public testing::TestWithParam<Uri> {};

TEST_P(FileUris, NameTheLocalFile) {
    EXPECT_EQ(platform::fileNameBytes(platform::fileNameFromUri(QByteArray(GetParam().uri))),
              GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Uris, FileUris,
    testing::Values(Uri{"file:///tmp/a%20b%23.png", "/tmp/a b#.png"},
                    Uri{"file://localhost/tmp/%FF%fe.png", "/tmp/\xff\xfe.png"},
                    Uri{"FILE:/tmp/x.png", "/tmp/x.png"},
                    Uri{"file:///tmp/x.png?a#b", "/tmp/x.png"}, Uri{"file://server/x.png", ""},
                    Uri{"file:x.png", ""}, Uri{"https://example.org/x.png", ""},
                    Uri{"file:///tmp/%2", ""}, Uri{"file:///tmp/%00x", ""}));

TEST(FileUris, EncodeEveryByteButTheUnreserved) {
    EXPECT_EQ(platform::uriFromFileName(platform::fileNameFromBytes("/tmp/\xff a#?%.png")),
              "file:///tmp/%FF%20a%23%3F%25.png");
}

} // namespace
