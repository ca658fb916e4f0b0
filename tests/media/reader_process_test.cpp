// The reader as the programs use it: every picture type the desktop entries
// claim is read from a file of that type, and the reader's lock-down holds.
#include "tests/media/media_files.h"

#include <QFile>
#include <QMimeDatabase>
#include <QRegularExpression>

namespace {

// A recipe for a small file of each claimed picture type (by its name).
struct Sample {
    const char* mime;
    const char* name;
    const char* recipe;
};
#define SMALL "convert -size 24x16 xc:white "
const Sample Samples[] = {
    {"image/jpeg", "a.jpg", SMALL "a.jpg"},
    {"image/png", "a.png", SMALL "a.png"},
    {"image/tiff", "a.tif", SMALL "a.tif"},
    {"image/webp", "a.webp", SMALL "a.webp"},
    {"image/bmp", "a.bmp", SMALL "a.bmp"},
    {"image/gif", "a.gif", SMALL "a.gif"},
    {"image/heif", "a.heif", SMALL "png24:s.png && heif-enc -q 10 -o a.heif s.png"},
    {"image/heic", "a.heic", SMALL "png24:s.png && heif-enc -q 10 -o a.heic s.png"},
    {"image/avif", "a.avif", SMALL "png24:s.png && heif-enc -A -q 10 -o a.avif s.png"},
    {"image/x-adobe-dng", "a.dng", "/usr/bin/python3 '" CALC_TEST_MAKE_DNG "' a.dng 64 48 8 6"},
    // Every maker's RAW type is a kind of image/x-dcraw; DNG is one too.
    {"image/x-dcraw", "b.dng", "/usr/bin/python3 '" CALC_TEST_MAKE_DNG "' b.dng 64 48 8 6"},
    {"image/vnd.microsoft.icon", "a.ico", SMALL "a.ico"},
    {"image/vnd.wap.wbmp", "a.wbmp", SMALL "a.wbmp"},
    {"image/x-portable-bitmap", "a.pbm", SMALL "a.pbm"},
    {"image/x-portable-graymap", "a.pgm", SMALL "a.pgm"},
    {"image/x-portable-pixmap", "a.ppm", SMALL "a.ppm"},
    {"image/x-tga", "a.tga", SMALL "a.tga"},
    {"image/x-xbitmap", "a.xbm", SMALL "a.xbm"},
    {"image/x-xpixmap", "a.xpm", SMALL "a.xpm"},
};

QStringList claimedPictureTypes(const char* entry) {
    QFile file(QStringLiteral(CALC_TEST_SOURCE_DIR "/data/desktop/") + entry);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const auto line = QRegularExpression("^MimeType=(.*)$", QRegularExpression::MultilineOption)
                          .match(QString::fromUtf8(file.readAll()));
    return line.captured(1).split(';', Qt::SkipEmptyParts).filter(QRegularExpression("^image/"));
}

TEST(DesktopEntries, EveryClaimedPictureTypeIsReadFromAFileOfThatType) {
    for (const char* entry : {"org.brixtel.Rastomat.desktop", "org.brixtel.Aspekto.desktop"}) {
        const QStringList claimed = claimedPictureTypes(entry);
        ASSERT_FALSE(claimed.isEmpty()) << entry;
        for (const QString& mime : claimed) {
            const Sample* sample = nullptr;
            for (const Sample& s : Samples)
                if (mime == QLatin1String(s.mime)) sample = &s;
            ASSERT_NE(sample, nullptr)
                << entry << " claims " << mime.toStdString() << ", which no sample shows";
            MediaFiles files;
            ASSERT_EQ(files.make(sample->recipe), "");
            EXPECT_TRUE(QMimeDatabase().mimeTypeForFile(files.path(sample->name)).inherits(mime))
                << sample->name << " is no " << mime.toStdString();
            media::MediaReader reader;
            const media::ReadResult read = readFile(reader, files.path(sample->name), false);
            EXPECT_TRUE(read.facts.has_value()) << mime.toStdString() << ": " << read.reason;
        }
    }
}

// The reader's own test entry locks down, then tries what must fail; here
// started by hand, without the limits the programs add.
TEST(ReaderLockDown, RefusesFilesProgramsAndSockets) {
    MediaFiles files;
    ASSERT_EQ(files.make("echo scratch > s"), "");
    QProcess reader;
    reader.setStandardInputFile(files.path("s"));
    reader.start(QStringLiteral(CALC_TEST_PICTURE_READER),
                 {"--lockdown-test", "--fd", "0", files.path("s"), "0"});
    ASSERT_TRUE(reader.waitForFinished(10000));
    const QString said = QString::fromUtf8(reader.readAllStandardOutput());
    const QString active = said.section('\n', 0, 0);
    std::printf("reader lock-down on this machine: %s\n", active.toUtf8().constData());
    RecordProperty("active", active.toStdString());
    for (const char* step : {"read-by-path", "socket", "exec"})
        EXPECT_TRUE(
            QRegularExpression(QString("^%1 [1-9]").arg(step), QRegularExpression::MultilineOption)
                .match(said)
                .hasMatch())
            << step << " not refused in:\n"
            << said.toStdString();
}

} // namespace
