// What the foot line says about a picture, and the line itself in both
// modes. Distances: 2,54 cm / tan(1') / dpi, rounded up.
#include "dpi/dpi_foot_line.h"
#include "dpi/print_facts.h"
#include "tests/dpi/dpi_session.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintFacts, GradeBands) {
    const std::vector<std::pair<double, const char*>> rows{
        {99.99, "gering"}, {100, "ausreichend"}, {149, "ausreichend"}, {150, "gut"},
        {199, "gut"},      {200, "sehr gut"},    {299, "sehr gut"},    {300, "optimal"}};
    for (const auto& [dpi, grade] : rows)
        EXPECT_EQ(dpi::printGrade(dpi), std::string("Druckqualität: ") + grade) << dpi;
}

TEST(PrintFacts, SharpDistance) {
    const std::vector<std::pair<double, const char*>> rows{
        {72, "1,3 m"},  {88, "1,0 m"},  {96, "91 cm"}, {148, "59 cm"},
        {150, "59 cm"}, {300, "30 cm"}, {600, "15 cm"}};
    for (const auto& [dpi, distance] : rows)
        EXPECT_EQ(dpi::sharpDistance(dpi), std::string("scharf ab ") + distance) << dpi;
}

TEST(PrintFacts, Megapixels) {
    EXPECT_EQ(dpi::megapixelText(6000, 4000), "24,0 Megapixel");
    EXPECT_EQ(dpi::megapixelText(999, 1000), "1,0 Megapixel");
    EXPECT_EQ(dpi::megapixelText(250, 200), "0,1 Megapixel");
    EXPECT_EQ(dpi::megapixelText(223, 223), "< 0,1 Megapixel");
}

// Scan mode reads its pixels only while the inputs behind them are usable.
TEST(FootLine, SaysWhatTheFieldsAllow) {
    const std::vector<std::pair<const char*, const char*>> rows{
        {"print; unlock; Text1 = 6000; Text2 = 4000; Text5 = 300",
         "24,0 Megapixel · Druckqualität: optimal · scharf ab 30 cm"},
        {"print; Text5 = 72", "0,8 Megapixel · Druckqualität: gering · scharf ab 1,3 m"},
        {"print; Text5 clear", "0,8 Megapixel"},
        {"print; unlock; Text2 clear", "Druckqualität: sehr gut · scharf ab 44 cm"},
        {"print; unlock; Text2 clear; Text5 clear", ""},
        {"unlock; Text3 = 21; Text4 = 29,7; Text5 = 300",
         "8,7 Megapixel · bei 300 dpi gedruckt: 21 x 29,69 cm"},
        {"unlock; Text4 clear", ""},
        {"Text5 = 0", ""},
    };
    for (const auto& [steps, text] : rows) {
        DpiSession s;
        s.run(steps);
        EXPECT_EQ(dpi::footText(s.window), text) << steps;
        EXPECT_EQ(s.caption("FootLine"), text) << steps;
    }
}

} // namespace
