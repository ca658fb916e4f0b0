#include "common/platform/display_choice.h"

#include <gtest/gtest.h>

#include <map>

using platform::chooseDisplay;
using platform::DisplayEnvironment;

struct ChoiceCase {
    DisplayEnvironment env;
    bool usable;
    std::optional<std::string> platform;
};

class DisplayChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(DisplayChoice, PrefersX11WhereStayingOnTopWorks) {
    const auto& c = GetParam();
    auto got = chooseDisplay(c.env);
    EXPECT_EQ(got.usable, c.usable);
    EXPECT_EQ(got.qtPlatform, c.platform);
}

INSTANTIATE_TEST_SUITE_P(Table, DisplayChoice,
                         ::testing::Values(
                             // Both offered, nothing chosen: through X11 (XWayland).
                             ChoiceCase{{"", ":0", "wayland-0"}, true, "xcb"},
                             // The user's choice stands, whatever is offered.
                             ChoiceCase{{"wayland", ":0", "wayland-0"}, true, std::nullopt},
                             ChoiceCase{{"offscreen", "", ""}, true, std::nullopt},
                             // One display only: Qt takes it by itself.
                             ChoiceCase{{"", ":1", ""}, true, std::nullopt},
                             ChoiceCase{{"", "", "wayland-1"}, true, std::nullopt},
                             // Nothing at all: the program says so instead of a toolkit error.
                             ChoiceCase{{"", "", ""}, false, std::nullopt}));

TEST(DisplayEnvironment, ReadsTheThreeVariables) {
    std::map<std::string, const char*> env{{"DISPLAY", ":5"}, {"WAYLAND_DISPLAY", "w"}};
    auto read = platform::readDisplayEnvironment([&](const char* name) -> const char* {
        auto it = env.find(name);
        return it == env.end() ? nullptr : it->second;
    });
    EXPECT_EQ(read.qtPlatform, "");
    EXPECT_EQ(read.x11Display, ":5");
    EXPECT_EQ(read.waylandDisplay, "w");
}

TEST(NoDisplayMessage, TellsWhatToDo) {
    auto text = platform::noDisplayMessage("rastomat");
    EXPECT_NE(text.find("xvfb-run -a rastomat"), std::string::npos);
    EXPECT_NE(text.find("desktop session"), std::string::npos);
}
