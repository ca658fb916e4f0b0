#include "common/media/media_reader.h"
#include "media_files.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

using media::MediaReader;

const std::string NoVideo = "Die Datei enthält kein Video.";
#define VIDEO(size, more, file)                                                                    \
    "ffmpeg -v error -f lavfi -i testsrc=size=" size ":rate=5 -t 1 " more " " file

// Reads one file and waits for the one answer.
media::ReadResult readOnce(MediaReader& reader, const QString& path, bool videos) {
    QSignalSpy spy(&reader, &MediaReader::finished);
    reader.read(path, videos);
    if (!spy.wait(15000)) return {std::nullopt, "no answer"};
    EXPECT_EQ(spy.at(0).at(0).toString(), path);
    return spy.at(0).at(1).value<media::ReadResult>();
}

struct MediaFile {
    const char* what;
    const char* name;
    const char* recipe;
    bool videos;
    Expected expected;
};
void PrintTo(const MediaFile& row, std::ostream* out) {
    *out << row.what;
}

class ReadMedia : public testing::TestWithParam<MediaFile> {};

TEST_P(ReadMedia, AnswersInTheEventLoop) {
    MediaFiles files;
    ASSERT_EQ(files.make(GetParam().recipe), "");
    MediaReader reader;
    expectResult(readOnce(reader, files.path(GetParam().name), GetParam().videos),
                 GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadMedia,
    testing::Values(MediaFile{"video", "v.mp4", VIDEO("640x360", "", "v.mp4"), true, {360, 640}},
                    MediaFile{"turned",
                              "r.mp4",
                              VIDEO("640x360", "", "v.mp4") " && ffmpeg -v error -i v.mp4 -c copy "
                                                            "-metadata:s:v:0 rotate=90 r.mp4",
                              true,
                              {640, 360}},
                    MediaFile{"wide pixels",
                              "s.mp4",
                              VIDEO("640x360", "-vf setsar=16/15", "s.mp4"),
                              true,
                              {360, 682}},
                    MediaFile{"dash and umlaut",
                              "-Film ä.mkv",
                              VIDEO("320x240", "", "'file:-Film ä.mkv'"),
                              true,
                              {240, 320}},
                    MediaFile{"sound only", "a.m4a", "ffmpeg -v error -f lavfi -i sine=d=1 a.m4a",
                              true, NoVideo},
                    MediaFile{"cut video", "k.mp4",
                              VIDEO("640x360", "", "v.mp4") " && head -c 3000 v.mp4 > k.mp4", true,
                              "Die Datei ist kein lesbares Video."},
                    MediaFile{"no videos wanted", "v.mp4", VIDEO("640x360", "", "v.mp4"), false,
                              "Die Datei ist ein Video, kein Bild."},
                    MediaFile{"picture named video",
                              "j.mp4",
                              "convert -size 30x20 xc:white jpg:j.mp4",
                              true,
                              {20, 30}},
                    MediaFile{"missing", "f.mp4", "true", true, "Die Datei fehlt."}),
    [](const auto& info) { return rowName(info.param.what); });

struct FakeProbe {
    const char* what;
    const char* script; // the fake ffprobe's body; empty: no program at all
    std::string reason;
};
void PrintTo(const FakeProbe& row, std::ostream* out) {
    *out << row.what;
}

class BrokenProbe : public testing::TestWithParam<FakeProbe> {};

TEST_P(BrokenProbe, GivesAReasonInTime) {
    MediaFiles files;
    ASSERT_EQ(files.make(VIDEO("64x48", "", "v.mp4")), "");
    const QString program = files.path("ffprobe");
    const QString script = GetParam().script;
    if (!script.isEmpty()) {
        ASSERT_EQ(
            files.make("printf '#!/bin/sh\\n%s\\n' '" + script + "' > ffprobe && chmod +x ffprobe"),
            "");
    }
    MediaReader reader;
    reader.setProbeSettings({program, std::chrono::milliseconds(300)});
    QElapsedTimer clock;
    clock.start();
    expectResult(readOnce(reader, files.path("v.mp4"), true), GetParam().reason);
    EXPECT_LT(clock.elapsed(), 3000);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, BrokenProbe,
    testing::Values(
        FakeProbe{"hangs", "exec sleep 30", "ffprobe hat nicht rechtzeitig geantwortet."},
        FakeProbe{"floods", "exec yes", "ffprobe hat keine verwertbare Antwort gegeben."},
        FakeProbe{"garbage", "echo {nicht json", "ffprobe hat keine verwertbare Antwort gegeben."},
        FakeProbe{"fails", "exit 3", "Die Datei ist kein lesbares Video."},
        FakeProbe{"missing", "", "ffprobe fehlt; Videos lassen sich ohne FFmpeg nicht lesen."}),
    [](const auto& info) { return rowName(info.param.what); });

TEST(MediaReaderOrder, ALaterReadWinsAndAnEarlierProbeIsKilled) {
    MediaFiles files;
    ASSERT_EQ(files.make(VIDEO("64x48", "", "v.mp4") " && convert -size 30x20 xc:white a.png"
                                                     " && convert -size 50x40 xc:white b.png"),
              "");
    // The fake ffprobe tells its process id, then hangs.
    ASSERT_EQ(files.make("printf '#!/bin/sh\\necho $$ > \"%s\"\\nexec sleep 30\\n' '" +
                         files.path("pid") + "' > ffprobe && chmod +x ffprobe"),
              "");
    MediaReader reader;
    reader.setProbeSettings({files.path("ffprobe"), std::chrono::seconds(20)});
    QSignalSpy spy(&reader, &MediaReader::finished);
    reader.read(files.path("v.mp4"), true);
    QFile pidFile(files.path("pid"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return pidFile.size() > 0; }, 10000));
    ASSERT_TRUE(pidFile.open(QIODevice::ReadOnly));
    const QString proc = "/proc/" + QString(pidFile.readAll()).trimmed();
    reader.read(files.path("a.png"), true);
    reader.read(files.path("b.png"), true);
    ASSERT_TRUE(spy.wait(10000));
    QTest::qWait(300);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), files.path("b.png"));
    expectResult(spy.at(0).at(1).value<media::ReadResult>(), {40, 50});
    EXPECT_FALSE(QFile::exists(proc)) << "the hanging ffprobe still runs";
}

TEST(MediaReaderDrops, AcceptsPicturesAndOnlyWhereWantedVideos) {
    struct Row {
        const char* mime;
        bool videos, accepted;
    };
    for (const Row& row : {Row{"image/jpeg", false, true}, Row{"image/tiff", false, true},
                           Row{"video/mp4", false, false}, Row{"video/x-matroska", true, true},
                           Row{"audio/mpeg", true, false}, Row{"text/plain", true, false},
                           Row{"no/such-type", true, false}})
        EXPECT_EQ(MediaReader::acceptsMimeType(row.mime, row.videos), row.accepted)
            << row.mime << (row.videos ? " with videos" : "");
}

} // namespace
