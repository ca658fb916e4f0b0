#include "common/media/picture_reader.h"
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

class ReadPicture : public testing::TestWithParam<PictureFile> {};

TEST_P(ReadPicture, GivesTheSizeAsShownAndTheRecordedResolution) {
    const PictureFile& row = GetParam();
    if (std::string(row.what) == "unreadable" && geteuid() == 0)
        GTEST_SKIP() << "root reads any file";
    MediaFiles files;
    ASSERT_EQ(files.make(row.recipe), "");
    expectResult(media::readPicture(files.path(row.name)), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadPicture,
    testing::Values(
        PictureFile{"JFIF per inch", "a.jpg", WHITE PPI "300 a.jpg", Expected(567, 1234, 300)},
        PictureFile{"JFIF per cm", "c.jpg", WHITE "-units PixelsPerCentimeter -density 312 c.jpg",
                    Expected(567, 1234, 792)},
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
        PictureFile{"folder", "o.jpg", "mkdir o.jpg", "Die Datei ist ein Ordner."},
        PictureFile{"missing", "f.jpg", "true", "Die Datei fehlt."},
        PictureFile{"link loop", "l.jpg", "ln -s l.jpg l.jpg",
                    "Der Verweis auf die Datei führt im Kreis."},
        PictureFile{"pipe", "p.jpg", "mkfifo p.jpg", "Die Datei ist keine gewöhnliche Datei."},
        PictureFile{"unreadable", "u.jpg", WHITE "u.jpg && chmod 000 u.jpg",
                    "Die Datei lässt sich nicht lesen."}),
    [](const auto& info) { return rowName(info.param.what); });

} // namespace
