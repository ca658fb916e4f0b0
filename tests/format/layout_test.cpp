#include "format_layout.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using forms::Align;
using forms::Color;
using forms::Kind;

struct Row {
    std::string name;
    Kind kind;
    std::string text;
    int left, top, width, height, tabIndex;
    double points;
    bool bold;
    std::optional<Color> fore, back;
};

const Color Black{0, 0, 0}, Green{0, 255, 0}, Blue{0, 0, 192};

// The layout table of the window, row by row.
const Row rows[] = {
    {"Frame1", Kind::Frame, "Video / Bildgröße:", 120, 120, 4335, 3645, 0, 14.25, true, Blue, {}},
    {"Label5", Kind::Label, "Vorlagen:", 480, 390, 1845, 375, 11, 9, false, {}, {}},
    {"Combo1", Kind::ComboBox, "16:9 - 720 x 1280", 480, 630, 3375, 480, 9, 15.75, true, Green,
     Black},
    {"Label6", Kind::Label, "Eigene Größe:", 480, 1230, 1845, 375, 12, 9, false, {}, {}},
    {"Label3", Kind::Label, "Höhe:", 360, 1545, 975, 375, 5, 15.75, true, Black, {}},
    {"Text1", Kind::TextBox, "720", 1560, 1500, 1095, 480, 1, 15.75, true, Green, Black},
    {"Label4", Kind::Label, "Pixel", 2760, 1545, 975, 375, 6, 15.75, true, Black, {}},
    {"Label1", Kind::Label, "Breite:", 360, 2145, 975, 375, 3, 15.75, true, Black, {}},
    {"Text2", Kind::TextBox, "1280", 1560, 2100, 1095, 480, 2, 15.75, true, Green, Black},
    {"Label2", Kind::Label, "Pixel", 2760, 2145, 975, 375, 4, 15.75, true, Black, {}},
    {"Check1",
     Kind::CheckBox,
     "Proportionen erhalten",
     720,
     2730,
     3075,
     375,
     8,
     11.25,
     true,
     Black,
     {}},
    {"chkOnTop",
     Kind::CheckBox,
     "immer im Vordergrund",
     720,
     3060,
     3075,
     375,
     10,
     11.25,
     true,
     Black,
     {}},
};

class LayoutRow : public testing::TestWithParam<Row> {};

TEST_P(LayoutRow, IsDeclaredAsTheTableSays) {
    const Row& r = GetParam();
    auto layout = format::FormatLayout();
    auto it = std::find_if(layout.controls.begin(), layout.controls.end(),
                           [&](const auto& c) { return c.name == r.name; });
    ASSERT_NE(it, layout.controls.end());
    EXPECT_EQ(it->kind, r.kind);
    EXPECT_EQ(it->text, r.text);
    EXPECT_EQ(it->left, r.left);
    EXPECT_EQ(it->top, r.top);
    EXPECT_EQ(it->width, r.width);
    EXPECT_EQ(it->height, r.height);
    EXPECT_EQ(it->tabIndex, r.tabIndex);
    EXPECT_EQ(it->font.family, "Arial");
    EXPECT_DOUBLE_EQ(it->font.points, r.points);
    EXPECT_EQ(it->font.bold, r.bold);
    EXPECT_EQ(it->foreColor, r.fore);
    EXPECT_EQ(it->backColor, r.back);
    EXPECT_EQ(it->container, r.name == "Frame1" ? "" : "Frame1");
}

INSTANTIATE_TEST_SUITE_P(Controls, LayoutRow, testing::ValuesIn(rows),
                         [](const auto& info) { return info.param.name; });

TEST(Layout, TheWindowItself) {
    auto layout = format::FormatLayout();
    EXPECT_EQ(layout.name, "frmFormat");
    EXPECT_EQ(layout.caption, "Brixtel Aspekto");
    EXPECT_EQ(layout.clientWidth, 4560);
    EXPECT_EQ(layout.clientHeight, 3870);
    EXPECT_EQ(layout.icon, "icon");
    EXPECT_EQ(layout.controls.size(), std::size(rows) + 1); // and Picture1
}

TEST(Layout, FieldsTakeFourTypedDigitsAndCarryGermanNames) {
    auto layout = format::FormatLayout();
    auto find = [&](const std::string& name) {
        return *std::find_if(layout.controls.begin(), layout.controls.end(),
                             [&](const auto& c) { return c.name == name; });
    };
    EXPECT_EQ(find("Text1").maxLength, 4);
    EXPECT_EQ(find("Text2").maxLength, 4);
    EXPECT_EQ(find("Text1").accessibleName, "Bildhöhe in Pixeln");
    EXPECT_EQ(find("Text2").accessibleName, "Bildbreite in Pixeln");
    EXPECT_EQ(find("Combo1").accessibleName, "Vorlagen");
    EXPECT_EQ(find("Label3").align, Align::Right);
    EXPECT_EQ(find("Label1").align, Align::Right);
    EXPECT_EQ(find("Check1").value, 1);
    EXPECT_EQ(find("chkOnTop").value, 0);

    auto bracket = find("Picture1");
    EXPECT_EQ(bracket.kind, Kind::PictureBox);
    EXPECT_EQ(bracket.picture, "bracket");
    EXPECT_FALSE(bracket.visible);
    EXPECT_EQ((std::array{bracket.left, bracket.top, bracket.width, bracket.height}),
              (std::array{3540, 1695, 495, 735}));
    EXPECT_EQ(bracket.tabIndex, 7);
}

} // namespace
