#include "dpi/dpi_window.h"
#include "tests/dpi/file_size_runs.h"

#include <gtest/gtest.h>

namespace {

struct Estimate {
    const char* width;  // Text2
    const char* height; // Text1
    const char* label;  // Label12
};

class FileSize : public testing::TestWithParam<Estimate> {};

TEST_P(FileSize, ShowsTheEstimate) {
    dpi::DpiWindow w;
    auto& f = w.form();
    // Program writes: the fields' own handlers only refresh.
    f.control("Text2").setText(GetParam().width);
    f.control("Text1").setText(GetParam().height);
    f.control("Label12").setCaption("stale");
    w.ShowFileSize();
    EXPECT_EQ(f.control("Label12").caption(), GetParam().label);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedValues, FileSize,
    testing::Values(Estimate{"1024", "768", "2,36 Mb"}, Estimate{"640", "480", "921 kB"},
                    Estimate{"1", "1", "60 Byte"}, Estimate{"10", "9", "416 Byte"},
                    Estimate{"10", "10", "325 Byte"}, Estimate{"333", "1", "1082 Byte"},
                    Estimate{"334", "1", "1 kB"}, Estimate{"1000", "1000", "3,00 Mb"}));

INSTANTIATE_TEST_SUITE_P(Edges, FileSize,
                         testing::Values(
                             // Small pictures: 60 bytes plus 4 per pixel beyond the first.
                             Estimate{"2", "1", "64 Byte"}, Estimate{"99", "1", "452 Byte"},
                             Estimate{"100", "1", "325 Byte"},
                             // The unit comes from the estimate, the figure from 3.25 per pixel.
                             Estimate{"308", "1", "1001 Byte"},
                             // Exactly 1000000 bytes switches to megabytes.
                             Estimate{"333203,88349509024", "1", "1 Mb"},
                             Estimate{"333203,85", "1", "999 kB"},
                             // Empty, non-numeric or zero pixel sizes.
                             Estimate{"", "768", "60 Byte"}, Estimate{"1024", "", "60 Byte"},
                             Estimate{"abc", "768", "60 Byte"}, Estimate{"1,2,3", "768", "60 Byte"},
                             Estimate{"0", "768", "60 Byte"}, Estimate{"0", "0", "60 Byte"},
                             // Huge sizes keep their exponent.
                             Estimate{"787380952381", "787380952381", "1,86E+18 Mb"}));

TEST(FileSize, StartUpDoesNotEstimate) {
    dpi::DpiWindow w;
    FileSizeRuns estimates(w.form());
    w.form().show();
    EXPECT_EQ(estimates.count(), 0);
    EXPECT_EQ(w.form().control("Label12").caption(), "2,36 Mb");
}

} // namespace
