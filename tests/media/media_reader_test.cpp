#include "common/media/media_reader.h"
#include "common/media/opening_job.h"
#include "tests/media/media_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

namespace {

using media::MediaReader;

#define VIDEO(size, more, file)                                                                    \
    "ffmpeg -v error -f lavfi -i testsrc=size=" size ":rate=5 -t 1 " more " " file
#define MP4 VIDEO("640x360", "", "v.mp4")
const std::string Garbage = "ffprobe hat keine verwertbare Antwort gegeben.";
const std::string ReaderGarbage = "Das Lesen des Bildes hat keine verwertbare Antwort gegeben.";
#define PNG "convert -size 30x20 xc:white a.png"

// /proc's folder of this test's child that runs `sleep`; empty while there
// is none. ffprobe may write no file, so it cannot say its process id.
QString sleepingChild() {
    const QByteArray parent = QByteArray::number(QCoreApplication::applicationPid());
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) continue;
        const QList<QByteArray> fields = stat.readAll().split(' ');
        if (fields.size() > 3 && fields[1] == "(sleep)" && fields[3] == parent)
            return stat.fileName();
    }
    return {};
}

struct MediaFile {
    const char* what;
    const char* name;
    const char* recipe;
    bool videos;
    Expected expected;
    const char* fakeProbe = nullptr;  // its body; "" names a missing program; none: the real one
    const char* fakeReader = nullptr; // the same for the picture reader
};
void PrintTo(const MediaFile& row, std::ostream* out) {
    *out << row.what;
}

class ReadMedia : public testing::TestWithParam<MediaFile> {};

TEST_P(ReadMedia, AnswersOnceInTheEventLoop) {
    const MediaFile& row = GetParam();
    MediaFiles files;
    ASSERT_EQ(files.make(row.recipe), "");
    MediaReader reader;
    // A fake child: a shell script with that body, or a missing program.
    const auto fake = [&](const char* body, const QString& name) {
        if (*body) {
            EXPECT_EQ(files.make("printf '#!/bin/sh\\n%s\\n' '" + QString(body) + "' > " + name +
                                 " && chmod +x " + name),
                      "");
        }
        // One that hands over to the real ffprobe gets the programs' own time,
        // which a busy machine needs.
        const bool real = QString(body).contains("exec ffprobe");
        return media::ChildSettings{files.path(name), std::chrono::milliseconds(real ? 5000 : 500)};
    };
    if (row.fakeProbe) reader.setProbeSettings(fake(row.fakeProbe, "ffprobe"));
    if (row.fakeReader) reader.setPictureSettings(fake(row.fakeReader, "reader"));
    expectResult(readFile(reader, files.path(row.name), row.videos), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadMedia,
    testing::Values(
        MediaFile{"turned", "r.mp4",
                  MP4 " && ffmpeg -v error -i v.mp4 -c copy -metadata:s:v:0 "
                      "rotate=90 r.mp4",
                  true, Expected(640, 360)},
        MediaFile{"wide pixels", "s.mp4", VIDEO("640x360", "-vf setsar=16/15", "s.mp4"), true,
                  Expected(360, 682)},
        MediaFile{"dash and umlaut", "-Film ä.mkv", VIDEO("320x240", "", "'file:-Film ä.mkv'"),
                  true, Expected(240, 320)},
        MediaFile{"sound only", "a.m4a", "ffmpeg -v error -f lavfi -i sine=d=1 a.m4a", true,
                  "Die Datei enthält kein Video."},
        MediaFile{"cut video", "k.mp4", MP4 " && head -c 3000 v.mp4 > k.mp4", true,
                  "Die Datei ist kein lesbares Video."},
        MediaFile{"no videos wanted", "v.mp4", MP4, false, "Die Datei ist ein Video, kein Bild."},
        MediaFile{"picture named video", "j.mp4", "convert -size 30x20 xc:white jpg:j.mp4", true,
                  Expected(20, 30)},
        MediaFile{"probe hangs", "v.mp4", MP4, true, "ffprobe hat nicht rechtzeitig geantwortet.",
                  "exec sleep 30"},
        MediaFile{"probe locked down", "v.mp4", MP4, true, Expected(360, 640),
                  "while read -r k v; do case $k$v in NoNewPrivs:1) n=1;; Seccomp:2) s=1; break;; "
                  "esac; done </proc/self/status; test \"$n$s\" = 11 && exec ffprobe \"$@\""},
        MediaFile{"playlist named mp4", "p.mp4",
                  MP4 " && ffmpeg -v error -i v.mp4 -c copy v.ts && printf '#EXTM3U\\n"
                      "#EXT-X-TARGETDURATION:1\\n#EXTINF:1,\\n%s/v.ts\\n#EXT-X-ENDLIST\\n' "
                      "\"$PWD\" > p.mp4",
                  true, "Die Datei ist kein lesbares Video."},
        MediaFile{"probe floods", "v.mp4", MP4, true, Garbage, "exec yes"},
        MediaFile{"probe garbage", "v.mp4", MP4, true, Garbage, "echo {nicht json"},
        MediaFile{"probe missing", "v.mp4", MP4, true,
                  "ffprobe fehlt; Videos lassen sich ohne FFmpeg nicht lesen.", ""},
        MediaFile{"reader crashes", "a.png", PNG, false, "Das Lesen des Bildes ist abgestürzt.",
                  nullptr, "kill -SEGV 0"},
        MediaFile{"reader not locked down", "a.png", PNG, false,
                  "Das Bild konnte nicht abgesichert gelesen werden.", nullptr, "echo unguarded"},
        MediaFile{"reader hangs", "a.png", PNG, false, "Das Bild wurde nicht rechtzeitig gelesen.",
                  nullptr, "exec sleep 30"},
        MediaFile{"reader garbage", "a.png", PNG, false, ReaderGarbage, nullptr,
                  "echo picture 30 20 0 x"},
        MediaFile{"reader floods", "a.png", PNG, false, ReaderGarbage, nullptr, "exec yes"},
        MediaFile{"reader out of memory", "a.png", PNG, false, "Die Datei ist kein lesbares Bild.",
                  nullptr, "ulimit -v 100000; exec /usr/bin/python3 -c \"b\"\"a\"\" * 2**30\""},
        MediaFile{"reader missing", "a.png", PNG, false,
                  "Das Programm zum Lesen von Bildern fehlt.", nullptr, ""}),
    [](const auto& info) { return rowName(info.param.what); });

TEST(MediaReaderOrder, ALaterReadWinsAndAnEarlierProbeIsKilled) {
    MediaFiles files;
    ASSERT_EQ(files.make(VIDEO("64x48", "", "v.mp4") " && convert -size 30x20 xc:white a.png"
                                                     " && convert -size 50x40 xc:white b.png"),
              "");
    // The fake ffprobe hangs.
    ASSERT_EQ(files.make("printf '#!/bin/sh\\nexec sleep 30\\n' > ffprobe && chmod +x ffprobe"),
              "");
    MediaReader reader;
    reader.setProbeSettings({files.path("ffprobe"), std::chrono::seconds(20)});
    QSignalSpy spy(&reader, &MediaReader::finished);
    reader.read(files.path("v.mp4"), true);
    QString proc;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(proc = sleepingChild()).isEmpty(); }, 10000));
    reader.read(files.path("a.png"), true);
    reader.read(files.path("b.png"), true);
    ASSERT_TRUE(spy.wait(10000));
    QTest::qWait(300);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toString(), files.path("b.png"));
    expectResult(spy.at(0).at(1).value<media::ReadResult>(), {40, 50});
    EXPECT_FALSE(QFile::exists(proc)) << "the hanging ffprobe still runs";
}

TEST(MediaReaderJudgement, ByContentThenByName) {
    MediaFiles files;
    ASSERT_EQ(
        files.make(VIDEO("64x48", "-f mp4", "v.png") " && convert -size 30x20 xc:white png:p.mp4"
                                                     " && convert -size 17x19 xc:white t.tga"
                                                     " && echo hallo > n.txt"),
        "");
    struct Row {
        const char* name;
        bool videos, taken;
    };
    for (const Row& row :
         {Row{"p.mp4", false, true}, Row{"v.png", false, false}, Row{"v.png", true, true},
          Row{"t.tga", false, true}, Row{"n.txt", true, false}, Row{"fehlt.png", true, false}}) {
        const media::Judged judged = media::openAndJudge(files.path(row.name));
        const auto* file = std::get_if<media::JudgedFile>(&judged);
        EXPECT_EQ(file && media::takes(file->kind, row.videos), row.taken)
            << row.name << (row.videos ? " with videos" : "");
    }
}

} // namespace
