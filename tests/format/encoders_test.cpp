// Sizes encoders accept and the ratio in words: the foot line, the rounding
// of a computed side, fitting into and filling a frame.
#include "common/forms/picks.h"
#include "format/fit_frame.h"
#include "format/more_formats.h"
#include "tests/format/format_fixture.h"

namespace {

using format::Rounding;
using format_test::StartedWindow;

struct FootRow {
    const char *height, *width, *foot;
};

class FootLine : public StartedWindow, public testing::WithParamInterface<FootRow> {};

TEST_P(FootLine, SaysTheRatioSizeAndDivisibility) {
    form().userClick(c("Check1")); // free sides
    clear("Text1");
    form().userEdit(c("Text1"), GetParam().height);
    clear("Text2");
    form().userEdit(c("Text2"), GetParam().width);
    EXPECT_EQ(c("FootLine").caption(), GetParam().foot);
}

INSTANTIATE_TEST_SUITE_P(
    Sides, FootLine,
    testing::Values(FootRow{"1080", "1920", "16:9 · 1,78:1 · 2,1 MP · durch 8 teilbar"},
                    FootRow{"768", "1366", "≈ 16:9 · 1,78:1 · 1,0 MP · gerade"},
                    FootRow{"1080", "2560", "21:9 · 2,37:1 · 2,8 MP · durch 8 teilbar"},
                    FootRow{"1200", "1920", "16:10 · 1,60:1 · 2,3 MP · durch 16 teilbar"},
                    FootRow{"1716", "4096", "≈ 2,39:1 · 2,39:1 · 7,0 MP · durch 4 teilbar"},
                    FootRow{"1080", "1080", "1:1 · 1,00:1 · 1,2 MP · durch 8 teilbar"},
                    FootRow{"1920", "1080", "9:16 · 1,78:1 · 2,1 MP · durch 8 teilbar"},
                    FootRow{"1000", "999", "≈ 1:1 · 1,00:1 · 1,0 MP · Breite ungerade"},
                    FootRow{"1000", "1100", "11:10 · 1,10:1 · 1,1 MP · durch 4 teilbar"},
                    FootRow{"499", "100", "4,99:1 · < 0,1 MP · Höhe ungerade"},
                    FootRow{"3", "5", "5:3 · 1,67:1 · < 0,1 MP · beide Seiten ungerade"},
                    FootRow{"", "5", ""}, FootRow{"0", "5", ""}));

// A typed side and the other one with each multiple: 16:9 from the start,
// then 1998 / 1080 (inexact as a double) from a cinema frame.
struct RoundRow {
    bool cinema;
    const char* field;
    const char* typed;
    std::array<const char*, 3> even8and16;
};

class RoundingTo : public StartedWindow, public testing::WithParamInterface<RoundRow> {};

TEST_P(RoundingTo, GivesTheNearestMultipleTiesUpwardAndAtLeastOne) {
    const RoundRow& r = GetParam();
    const char* other = std::string(r.field) == "Text1" ? "Text2" : "Text1";
    if (r.cinema) format::takeFrameSize(window, format::moreFormats()[9]);
    const Rounding modes[] = {Rounding::Even, Rounding::Eight, Rounding::Sixteen};
    for (std::size_t i = 0; i < 3; ++i) {
        window.RoundTo = modes[i];
        clear(r.field);
        type(r.field, r.typed);
        EXPECT_EQ(text(r.field), r.typed); // the typed side stays as typed
        EXPECT_EQ(text(other), r.even8and16[i]) << static_cast<int>(modes[i]);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Typed, RoundingTo,
    testing::Values(RoundRow{false, "Text2", "1000", {"562", "560", "560"}}, // 562,5
                    RoundRow{false, "Text2", "16", {"10", "8", "16"}},       // 9
                    RoundRow{false, "Text2", "64", {"36", "40", "32"}},      // 36
                    RoundRow{false, "Text2", "128", {"72", "72", "80"}},     // 72
                    RoundRow{false, "Text1", "1", {"2", "8", "16"}},         // 1,78
                    RoundRow{true, "Text1", "100", {"186", "184", "192"}},   // 185
                    RoundRow{true, "Text1", "40", {"74", "72", "80"}},       // 74
                    RoundRow{true, "Text1", "20", {"38", "40", "32"}},       // 37
                    RoundRow{true, "Text1", "1", {"2", "8", "16"}},          // 1,85
                    RoundRow{true, "Text2", "1998", {"1080", "1080", "1088"}}));

// A picture (a preset line, the start, a further format) into a frame.
struct FitRow {
    int preset;  // a list line; -1 the start's 720 x 1280
    int further; // a further format instead; -1 none
    format::Sides frame;
    Rounding rounding;
    bool fill;
    const char *height, *width, *note;
};

class Fitting : public StartedWindow, public testing::WithParamInterface<FitRow> {};

TEST_P(Fitting, SetsTheSidesKeepsTheRatioAndNamesTheBars) {
    const FitRow& r = GetParam();
    if (r.preset >= 0) chooseLine(r.preset);
    if (r.further >= 0) format::takeFrameSize(window, format::moreFormats()[r.further]);
    const double ratio = window.PxWidthPerHeight;
    window.RoundTo = r.rounding;
    form().userPick([&] { format::fitIntoFrame(window, r.frame, r.fill); });
    EXPECT_EQ(text("Text1"), r.height);
    EXPECT_EQ(text("Text2"), r.width);
    EXPECT_EQ(window.FrameNote, r.note);
    const std::string& foot = c("FootLine").caption();
    EXPECT_EQ(foot.substr(foot.size() - std::string(r.note).size()), r.note);
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_EQ(window.PxWidthPerHeight, ratio);
    EXPECT_TRUE(form().undoPick());
    EXPECT_EQ(window.FrameNote, "");
    EXPECT_TRUE(form().redoPick());
    EXPECT_EQ(window.FrameNote, r.note);
    backspace("Text1"); // the next edit ends the note
    EXPECT_EQ(window.FrameNote, "");
}

using R = Rounding;
// clang-format off
INSTANTIATE_TEST_SUITE_P(Frames, Fitting, testing::Values(
    FitRow{5, -1, {1080, 1920}, R::WholePixels, false, "1080", "1440",
           "Balken links und rechts je 240 Pixel"},
    FitRow{5, -1, {1080, 1920}, R::Sixteen, false, "1072", "1424",
           "Balken oben und unten je 4, links und rechts je 248 Pixel"},
    FitRow{5, -1, {1080, 1920}, R::WholePixels, true, "1440", "1920",
           "abgeschnitten oben und unten je 180 Pixel"},
    FitRow{-1, -1, {1920, 1080}, R::WholePixels, false, "607", "1080",
           "Balken oben 656, unten 657 Pixel"},
    FitRow{-1, -1, {1920, 1080}, R::Sixteen, false, "608", "1072",
           "Balken oben und unten je 656, links und rechts je 4 Pixel"},
    FitRow{-1, -1, {1920, 1080}, R::Eight, true, "1920", "3416",
           "abgeschnitten links und rechts je 1168 Pixel"},
    FitRow{-1, 10, {1080, 1998}, R::WholePixels, false, "837", "1998",
           "Balken oben 121, unten 122 Pixel"},
    FitRow{-1, 10, {1080, 1920}, R::Eight, false, "808", "1920",
           "Balken oben und unten je 136 Pixel"},
    FitRow{-1, 10, {1080, 1440}, R::Sixteen, true, "1088", "2592",
           "abgeschnitten oben und unten je 4, links und rechts je 576 Pixel"}));
// clang-format on

// The menus: turning only in the fields, the rounding with its check mark,
// the frames offered only where a ratio can be formed.
TEST_F(StartedWindow, TheMenusOfferFramesRoundingAndTurning) {
    auto titles = [&](const char* control) {
        std::vector<std::string> seen;
        for (const auto& g : form().picksFor(c(control)))
            seen.push_back(g.title.empty() ? g.picks.at(0).text : g.title);
        return seen;
    };
    const std::vector<std::string> list = {"Einpassen in", "Füllend in", "Runden auf",
                                           "Weitere Formate"};
    EXPECT_EQ(titles("Combo1"), list);
    auto field = list;
    field.insert(field.begin(), "Hoch/quer tauschen");
    EXPECT_EQ(titles("Text2"), field);
    auto groups = form().picksFor(c("Text2"));
    EXPECT_EQ(groups[1].picks.size(), 27u);
    EXPECT_EQ(groups[1].picks[3].text, "16:9 - 480 x 853");
    EXPECT_EQ(groups[4].picks[9].text, "1,85:1 - 2K Flat (DCI), 1080 x 1998");
    form().userPick(groups[3].picks[3].choose); // "Vielfache von 16"
    groups = form().picksFor(c("Text2"));
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(groups[3].picks[i].checked, i == 3) << groups[3].picks[i].text;
    form().userPick(groups[0].picks[0].choose); // turned: 1280 x 720
    EXPECT_EQ(text("Text1"), "1280");
    EXPECT_EQ(window.PxWidthPerHeight, 720.0 / 1280.0);
    form().userClick(c("Check1"));
    clear("Text1");
    EXPECT_FALSE(form().picksFor(c("Text1"))[1].picks[0].enabled);
}

} // namespace
