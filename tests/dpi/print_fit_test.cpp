// Fitting a picture to a paper: the window then shows a print size inside
// the paper, turned to match the picture, and one dpi less would not fit.
#include "common/value/conversions.h"
#include "dpi/dpi_picks.h"
#include "dpi/print_fit.h"
#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct Picture {
    const char* name;
    int height, width;
};

class FitToPaper : public testing::TestWithParam<Picture> {};

TEST_P(FitToPaper, ShowsAFittingSizeThatOneDpiLessWouldNot) {
    const Picture p = GetParam();
    for (const dpi::Paper& paper : dpi::paperSizes()) {
        DpiSession s;
        s.run("print; unlock; Text1 = " + std::to_string(p.height) +
              "; Text2 = " + std::to_string(p.width));
        dpi::fitToPaper(s.window, paper);
        const bool landscape = p.width > p.height;
        const double high = landscape ? paper.shortCm : paper.longCm;
        const double wide = landscape ? paper.longCm : paper.shortCm;
        auto fits = [&] {
            return value::toNumber(s.caption("Label10")) <= high &&
                   value::toNumber(s.caption("Label14")) <= wide;
        };
        const long long r = std::stoll(s.text("Text5"));
        EXPECT_TRUE(fits()) << paper.name << " at " << r;
        if (r > 1) {
            s.run("Text5 = " + std::to_string(r - 1));
            EXPECT_FALSE(fits()) << paper.name << " at " << r - 1;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures, FitToPaper,
                         testing::Values(Picture{"upright", 6000, 4000},
                                         Picture{"landscape", 4000, 6000},
                                         Picture{"square", 3000, 3000}, Picture{"tiny", 1, 2},
                                         Picture{"onePixel", 1, 1}, Picture{"largest", 9999, 9999},
                                         Picture{"thinLine", 1, 9999},
                                         Picture{"oddSizes", 767, 1023}),
                         [](const auto& info) { return std::string(info.param.name); });

// No positive size gives no resolution, and the pick changes nothing.
TEST(FitToPaper, LeavesAWindowWithoutASizeAsItWas) {
    for (const char* steps : {"print; unlock; Text2 clear", "print; unlock; Text1 = 0"}) {
        DpiSession s;
        s.run(steps);
        const dpi::Paper& a4 = dpi::paperSizes()[9];
        ASSERT_EQ(a4.name, "DIN A4");
        EXPECT_FALSE(dpi::fittingResolution(value::toNumber(s.text("Text1")), 0, a4));
        dpi::fitToPaper(s.window, a4);
        EXPECT_EQ(s.text("Text5"), "200") << steps;
    }
}

// The entries of both paper menus for three picture shapes on three papers.
// Border: 1 - print / paper, cut: 1 - paper / print, by the centimetres
// shown, e.g. 6000 x 4000 at 514 dpi shows 29,65 x 19,77 cm on 21 x 29,7.
TEST(PaperMenus, NameTheDpiAndTheShare) {
    struct Row {
        const char* steps;
        std::size_t paper; // 2: Foto 13 x 18, 9: DIN A4, 6: Foto 40 x 60
        const char *fit, *fill;
    };
    const char* upright = "print; unlock; Text1 = 6000; Text2 = 4000";
    const char* across = "print; unlock; Text1 = 3000; Text2 = 4000";
    const char* square = "print; unlock; Text1 = 2000; Text2 = 2000";
    const std::vector<Row> rows{
        {upright, 2, "847 dpi, 8 % Rand", "781 dpi, 8 % abgeschnitten"},
        {upright, 9, "514 dpi, 6 % Rand", "483 dpi, 6 % abgeschnitten"},
        {upright, 6, "254 dpi", "254 dpi"},
        {across, 2, "586 dpi, 4 % Rand", "564 dpi, 4 % abgeschnitten"},
        {across, 9, "363 dpi, 6 % Rand", "342 dpi, 6 % abgeschnitten"},
        {across, 6, "191 dpi, 12 % Rand", "169 dpi, 11 % abgeschnitten"},
        {square, 2, "391 dpi, 28 % Rand", "282 dpi, 28 % abgeschnitten"},
        {square, 9, "242 dpi, 29 % Rand", "171 dpi, 29 % abgeschnitten"},
        {square, 6, "127 dpi, 33 % Rand", "84 dpi, 34 % abgeschnitten"},
    };
    for (const Row& row : rows) {
        DpiSession s;
        s.run(row.steps);
        const auto groups = dpi::picksFor(s.window, s.c("Label10"));
        ASSERT_EQ(groups.size(), 2u);
        ASSERT_EQ(groups[1].title, "Füllend für");
        const std::string name = dpi::paperText(dpi::paperSizes()[row.paper]);
        EXPECT_EQ(groups[0].picks[row.paper].text, name + " – " + row.fit) << row.steps;
        EXPECT_EQ(groups[1].picks[row.paper].text, name + " – " + row.fill) << row.steps;
        // Picked, the window shows what the entry says.
        groups[1].picks[row.paper].choose();
        const std::string fill = row.fill;
        EXPECT_EQ(s.text("Text5"), fill.substr(0, fill.find(' '))) << row.steps;
    }
}

// A picture too small to fill at 1 dpi greys its entries, and the hint says
// so, as it says when the pixel size is missing.
TEST(PaperMenus, GreyWhereNothingFills) {
    DpiSession s;
    s.run("print; unlock; Text1 = 1; Text2 = 2");
    auto groups = dpi::picksFor(s.window, s.c("Text5"));
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[2].picks[2].text, "Foto 13 x 18");
    EXPECT_FALSE(groups[2].picks[2].enabled);
    EXPECT_TRUE(groups[1].picks[2].enabled);
    EXPECT_EQ(groups[2].hint, "Zu wenige Pixel, um ein Papier zu füllen");
    s.run("Text2 clear");
    groups = dpi::picksFor(s.window, s.c("Text5"));
    EXPECT_EQ(groups[2].hint, "Erst eine Bildgröße in Pixeln eingeben");
}

// The smallest scan dpi whose pixels, printed at 300 dpi, reach the paper on
// the side that limits: 2,4 x 3,6 cm on A4 needs 2476 dpi (3509 px, 29,71
// cm), as 2475 dpi gives 3507 px, 29,69 cm.
TEST(Enlargement, ReachesThePaperOnTheLimitingSide) {
    struct Row {
        const char* steps;
        std::size_t paper; // 9: DIN A4, 6: Foto 40 x 60
        const char* entry;
    };
    const char* smallFilm = "unlock; Text3 = 2,4; Text4 = 3,6";
    const char* mediumSquare = "unlock; Text3 = 5,6; Text4 = 5,6";
    const char* photo = "unlock; Text3 = 15; Text4 = 10";
    const std::vector<Row> rows{
        {smallFilm, 9, "DIN A4, 21 x 29,7 cm bei 300 dpi – 2476 dpi"},
        {smallFilm, 6, "Foto 40 x 60 bei 300 dpi – 5000 dpi"},
        {mediumSquare, 9, "DIN A4, 21 x 29,7 cm bei 300 dpi – 1125 dpi"},
        {mediumSquare, 6, "Foto 40 x 60 bei 300 dpi – 2143 dpi"},
        {photo, 9, "DIN A4, 21 x 29,7 cm bei 300 dpi – 595 dpi"},
        {photo, 6, "Foto 40 x 60 bei 300 dpi – 1200 dpi"},
        {"Text5 clear", 9, "DIN A4, 21 x 29,7 cm bei 300 dpi"},
        {"unlock; Text4 = 0", 9, "DIN A4, 21 x 29,7 cm bei 300 dpi"},
    };
    for (const Row& row : rows) {
        DpiSession s;
        s.run(row.steps);
        const auto groups = dpi::picksFor(s.window, s.c("Text5"));
        ASSERT_EQ(groups.size(), 2u);
        ASSERT_EQ(groups[1].title, "Vergrößern auf");
        const forms::Pick& pick = groups[1].picks[row.paper];
        EXPECT_EQ(pick.text, row.entry) << row.steps;
        const std::string entry = row.entry;
        const auto dash = entry.find("– ");
        EXPECT_EQ(pick.enabled, dash != std::string::npos) << row.steps;
        if (!pick.enabled) continue;
        pick.choose();
        const std::string dpi = entry.substr(dash + 4, entry.rfind(' ') - dash - 4);
        EXPECT_EQ(s.text("Text5"), dpi) << row.steps;
    }
}

} // namespace
