#include "format/format_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

using forms::Align;
using forms::Kind;

TEST(Layout, TheWindowItself) {
    auto layout = format::FormatLayout();
    EXPECT_EQ(layout.name, "frmFormat");
    EXPECT_EQ(layout.caption, "Brixtel Aspekto");
    EXPECT_EQ(layout.clientWidth, 4560);
    // The frame's 3870 twips and the foot line's two lines below.
    EXPECT_EQ(layout.clientHeight, 4260);
    EXPECT_EQ(layout.icon, "icon");
    EXPECT_EQ(layout.controls.size(), 14u);
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
