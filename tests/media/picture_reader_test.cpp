#include "tests/media/media_files.h"

#include <unistd.h>

namespace {

struct PictureFile {
    const char* what;
    const char* name;
    const char* recipe; // a shell line that makes the file
    Expected expected;
};
void PrintTo(const PictureFile& row, std::ostream* out) {
    *out << row.what;
}

const std::string NoPicture = "Die Datei ist kein lesbares Bild.";
#define WHITE "convert -size 1234x567 xc:white "
#define PPI "-units PixelsPerInch -density "
#define EXIFTOOL "exiftool -q -overwrite_original "
// Tools of the tests' own: heif-enc cannot record a turn, and a DNG shaped
// as cameras write it needs its preview and raw directories.
// The HEVC encoder keeps some memory until the end: no leak of ours.
#define MAKE_TURNED_HEIF "ASAN_OPTIONS=detect_leaks=0 '" CALC_TEST_MAKE_TURNED_HEIF "'"
#define MAKE_DNG "/usr/bin/python3 '" CALC_TEST_MAKE_DNG "'"
// Keeps a.jpg up to the end of its frame header (SOF0) as f.jpg.
#define CUT_AFTER_FRAME                                                                            \
    "/usr/bin/python3 -c \"d = open('a.jpg', 'rb').read(); i = d.index(bytes([255, 192])); "       \
    "open('f.jpg', 'wb').write(d[:i + 2 + d[i + 2] * 256 + d[i + 3]])\""

class ReadPicture : public testing::TestWithParam<PictureFile> {};

TEST_P(ReadPicture, GivesTheSizeAsShownAndTheRecordedResolution) {
    const PictureFile& row = GetParam();
    if (std::string(row.what) == "unreadable" && geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    MediaFiles files;
    ASSERT_EQ(files.make(row.recipe), "");
    media::MediaReader reader;
    expectResult(readFile(reader, files.path(row.name), false), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadPicture,
    testing::Values(
        PictureFile{"JFIF per inch", "a.jpg", WHITE PPI "300 a.jpg", Expected(567, 1234, 300)},
        PictureFile{"JFIF per cm", "c.jpg", WHITE "-units PixelsPerCentimeter -density 312 c.jpg",
                    Expected(567, 1234, 792.48)},
        PictureFile{"PNG 120 per cm", "d.png",
                    WHITE "-units PixelsPerCentimeter -density 120 d.png",
                    Expected(567, 1234, 304.8)},
        PictureFile{"PNG 72 dpi as 2834 per metre", "s.png",
                    WHITE "-units PixelsPerCentimeter -density 28.34 s.png",
                    Expected(567, 1234, 72)},
        PictureFile{"unusable EXIF resolution", "z.jpg",
                    WHITE
                    "-units Undefined z.jpg && exiv2 -M'set Exif.Image.XResolution 0/0' z.jpg",
                    Expected(567, 1234, {})},
        PictureFile{"turned, the vertical resolution across", "v.tif",
                    WHITE "-units PixelsPerInch -density 100x200 -orient RightTop v.tif",
                    Expected(1234, 567, 200)},
        PictureFile{"PNG turned by EXIF", "o.png",
                    WHITE "o.png && " EXIFTOOL "-Orientation#=6 o.png", Expected(1234, 567, {})},
        PictureFile{"WebP turned by EXIF", "o.webp",
                    WHITE "o.webp && " EXIFTOOL "-Orientation#=8 o.webp", Expected(1234, 567, 72)},
        PictureFile{"TGA", "t.tga", "convert -size 17x19 xc:white t.tga", Expected(19, 17)},
        PictureFile{"TGA run-length", "r.tga",
                    "convert -size 3000x2000 xc:white -compress RLE r.tga", Expected(2000, 3000)},
        PictureFile{"HEIC", "h.heic", WHITE "png24:h.png && heif-enc -q 10 -o h.heic h.png",
                    Expected(567, 1234)},
        PictureFile{"HEIC with EXIF", "x.heic",
                    WHITE PPI "300 x.jpg && exiv2 -M'set Exif.Image.XResolution 300/1' x.jpg"
                              " && heif-enc -q 10 -o x.heic x.jpg",
                    Expected(567, 1234, 300)},
        PictureFile{"HEIC turned", "u.heic", MAKE_TURNED_HEIF " u.heic 1234 567",
                    Expected(1234, 567)},
        PictureFile{"AVIF", "a.avif", WHITE "png24:a.png && heif-enc -A -q 10 -o a.avif a.png",
                    Expected(567, 1234)},
        PictureFile{"DNG as cameras write it", "c.dng", MAKE_DNG " c.dng 640 480",
                    Expected(480, 640)},
        PictureFile{"EXIF only", "e.jpg",
                    WHITE
                    "-units Undefined e.jpg && exiv2 -M'set Exif.Image.XResolution 240/1' e.jpg",
                    Expected(567, 1234, 240)},
        PictureFile{"JFIF before EXIF, turned", "b.jpg",
                    WHITE PPI "300 b.jpg && exiv2 -M'set Exif.Image.XResolution 72/1' "
                              "-M'set Exif.Image.Orientation 6' b.jpg",
                    Expected(1234, 567, 300)},
        PictureFile{"pHYs", "Bild mit Ümlaut.png",
                    WHITE "-units PixelsPerCentimeter -density 118.11 'Bild mit Ümlaut.png'",
                    Expected(567, 1234, 300)},
        PictureFile{"PNG named JPEG", "p.jpg",
                    WHITE "-units PixelsPerCentimeter -density 100 png:p.jpg",
                    Expected(567, 1234, 254)},
        PictureFile{"PNG without pHYs", "n.png", WHITE "n.png", Expected(567, 1234, {})},
        PictureFile{"TIFF turned", "t.tif",
                    WHITE "-units PixelsPerCentimeter -density 100 -orient RightTop t.tif",
                    Expected(1234, 567, 254)},
        PictureFile{"WebP with EXIF", "w.webp",
                    WHITE "w.webp && exiv2 -M'set Exif.Image.XResolution 150/1' w.webp",
                    Expected(567, 1234, 150)},
        PictureFile{"empty", "e.jpg", ": > e.jpg", "Die Datei ist leer."},
        PictureFile{"header cut", "k.jpg", WHITE "a.jpg && head -c 100 a.jpg > k.jpg", NoPicture},
        PictureFile{"cut after the header", "h.jpg",
                    "convert -size 1234x567 xc: +noise Random " PPI "300 a.jpg"
                    " && head -c 2000 a.jpg > h.jpg",
                    Expected(567, 1234, 300)},
        PictureFile{"PNG cut after IHDR", "i.png",
                    WHITE PPI "300 a.png && head -c 33 a.png > i.png", Expected(567, 1234, {})},
        PictureFile{"PNG cut before its pixels, turned by EXIF", "q.png",
                    WHITE
                    "o.png && " EXIFTOOL "-Orientation#=6 o.png && /usr/bin/python3 -c \"d = "
                    "open('o.png', 'rb').read(); open('q.png', 'wb').write(d[:d.index(b'IDAT')])\"",
                    Expected(1234, 567, {})},
        PictureFile{"JPEG cut after its frame header", "f.jpg",
                    WHITE PPI "300 a.jpg && " CUT_AFTER_FRAME, Expected(567, 1234, 300)},
        PictureFile{"BMP at 300 dpi", "b.bmp", WHITE PPI "300 b.bmp", Expected(567, 1234, 300)},
        PictureFile{"BMP at 100 dpi", "c.bmp", WHITE PPI "100 c.bmp", Expected(567, 1234, 100)},
        PictureFile{"BMP without resolution", "n.bmp", WHITE "n.bmp", Expected(567, 1234, {})},
        PictureFile{"GIF, its logical screen", "g.gif",
                    "convert -size 100x50 xc:red -page 300x200+10+10 g.gif", Expected(200, 300)},
        PictureFile{"1 GiB, a PNG header and nothing", "s.png",
                    WHITE "a.png && head -c 33 a.png > s.png && truncate -s 1G s.png",
                    Expected(567, 1234, {})},
        PictureFile{"above 16 GiB", "x.jpg", WHITE "x.jpg && truncate -s 17179869185 x.jpg",
                    "Die Datei ist zu groß."},
        PictureFile{"folder", "o.jpg", "mkdir o.jpg", "Die Datei ist ein Ordner."},
        PictureFile{"missing", "f.jpg", "true", "Die Datei fehlt."},
        PictureFile{"link loop", "l.jpg", "ln -s l.jpg l.jpg",
                    "Der Verweis auf die Datei führt im Kreis."},
        PictureFile{"pipe", "p.jpg", "mkfifo p.jpg", "Die Datei ist keine gewöhnliche Datei."},
        PictureFile{"unreadable", "u.jpg", WHITE "u.jpg && chmod 000 u.jpg",
                    "Die Datei lässt sich nicht lesen."}),
    [](const auto& info) { return rowName(info.param.what); });

} // namespace
