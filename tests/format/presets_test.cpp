#include "common/forms/outside_requests.h"
#include "format/format_layout.h"
#include "tests/format/format_fixture.h"

namespace {

using format_test::StartedWindow;

struct Preset {
    int index;
    std::string line, height, width;
};

// The preset list in its order: the 16:9 group first, each group from the
// largest size down.
const Preset presets[] = {
    {0, "16:9 - 1080 x 1920", "1080", "1920"}, {1, "16:9 - 720 x 1280", "720", "1280"},
    {2, "16:9 - 576 x 1024", "576", "1024"},   {3, "16:9 - 480 x 853", "480", "853"},
    {4, "16:9 - 360 x 640", "360", "640"},     {5, "4:3 - 1080 x 1440", "1080", "1440"},
    {6, "4:3 - 1050 x 1400", "1050", "1400"},  {7, "4:3 - 768 x 1024", "768", "1024"},
    {8, "4:3 - 600 x 800", "600", "800"},      {9, "4:3 - 576 x 768", "576", "768"},
    {10, "4:3 - 480 x 640", "480", "640"},     {11, "4:3 - 360 x 480", "360", "480"},
    {12, "4:3 - 240 x 320", "240", "320"},
};

TEST_F(StartedWindow, TheListHoldsTheThirteenPresetsInOrder) {
    const auto& items = c("Combo1").items();
    ASSERT_EQ(items.size(), std::size(presets));
    for (const auto& p : presets)
        EXPECT_EQ(items[static_cast<std::size_t>(p.index)], p.line);
    EXPECT_EQ(format::PresetLines().size(), std::size(presets));
}

class ChoosingAPreset : public StartedWindow, public testing::WithParamInterface<Preset> {};

TEST_P(ChoosingAPreset, FillsBothSidesAndCapturesTheirRatio) {
    const Preset& p = GetParam();
    chooseLine(p.index);
    EXPECT_EQ(text("Combo1"), p.line);
    EXPECT_EQ(text("Text1"), p.height);
    EXPECT_EQ(text("Text2"), p.width);
    EXPECT_EQ(window.PresetSize, p.height + "x" + p.width);
    // The line's named ratio, which the sides give exactly but for 480 x 853.
    const bool wide = p.index < 5;
    EXPECT_EQ(window.PxWidthPerHeight, wide ? 16.0 / 9.0 : 4.0 / 3.0);
    EXPECT_EQ(window.PxHeightPerWidth, wide ? 9.0 / 16.0 : 0.75);
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_TRUE(c("Picture1").visible());
    EXPECT_EQ(focused(), "Text1");
    EXPECT_TRUE(window.Text1Active.equals(1));
    EXPECT_EQ(doEventsRuns, 2);
}

INSTANTIATE_TEST_SUITE_P(Presets, ChoosingAPreset, testing::ValuesIn(presets),
                         [](const auto& info) {
                             return "Line" + std::to_string(info.param.index);
                         });

TEST_F(StartedWindow, TheUnevenWidePresetKeepsItsNamedRatio) {
    chooseLine(3); // 16:9 - 480 x 853
    for (auto [height, width] : {std::pair{"1080", "1920"}, {"2160", "3840"}, {"720", "1280"}}) {
        clear("Text1");
        type("Text1", height);
        EXPECT_EQ(text("Text2"), width); // not 1919, 3838, 1279 from 853 / 480
    }
}

TEST_F(StartedWindow, APresetIsWrittenUnlockedWithoutRecomputing) {
    std::vector<std::string> atDoEvents;
    duringDoEvents = [&] {
        atDoEvents.push_back(std::to_string(c("Check1").value()) + " " + text("Text1") + " " +
                             text("Text2") + (c("Picture1").visible() ? " shown" : " hidden"));
    };
    chooseLine(6); // 4:3 - 1050 x 1400
    EXPECT_EQ(atDoEvents, (std::vector<std::string>{"0 720 1280 hidden", "0 1050 1400 hidden"}));
    EXPECT_EQ(window.PxWidthPerHeight, 4.0 / 3.0);
    EXPECT_EQ(window.PxHeightPerWidth, 0.75);
    EXPECT_EQ(text("Text1"), "1050");
    EXPECT_EQ(text("Text2"), "1400");
}

TEST_F(StartedWindow, KeysTypedWhilePendingEventsRunChangeOnlyTheirField) {
    int run = 0;
    duringDoEvents = [&] {
        if (++run != 2) return;
        // The caret is in Text1: the user overwrites the preset's height.
        c("Text1").setSelection(0, 4);
        type("Text1", "9");
    };
    chooseLine(6);
    EXPECT_EQ(text("Text1"), "9");
    EXPECT_EQ(text("Text2"), "1400");
    EXPECT_EQ(window.PxWidthPerHeight, 1400.0 / 9.0); // captured afterwards
}

// A request from outside (a file read, the desktop) that arrives while
// Combo1_Click lets pending events run waits until the handler has returned.
TEST_F(StartedWindow, AnOutsideRequestArrivingInsideAHandlerIsAppliedAfterIt) {
    forms::OutsideRequests requests(form());
    bool idle = false;
    form().onIdle = [&] { idle = requests.pending() > 0; };
    duringDoEvents = [&] {
        if (doEventsRuns == 1) requests.post([&] { events.push_back("request"); });
    };
    chooseLine(6);
    EXPECT_EQ(std::count(events.begin(), events.end(), "request"), 0);
    EXPECT_TRUE(idle);
    requests.applyPending();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back(), "request");
    EXPECT_EQ(events[events.size() - 2], "Check1.Click"); // the handler's last step
}

TEST_F(StartedWindow, ChoosingTheLineAlreadyShownRunsTheWholeProcedure) {
    EXPECT_EQ(text("Combo1"), "16:9 - 720 x 1280");
    EXPECT_EQ(c("Combo1").listIndex(), -1);
    clear("Text1");
    type("Text1", "5");
    chooseLine(1);
    EXPECT_EQ(text("Text1"), "720");
    EXPECT_EQ(text("Text2"), "1280");
    EXPECT_EQ(std::count(events.begin(), events.end(), "Check1.Click"), 2);
    EXPECT_EQ(doEventsRuns, 2);
    EXPECT_EQ(c("Combo1").listIndex(), 1);
}

TEST_F(StartedWindow, TypingAfterAPresetGoesOnAtTheEndOfItsHeight) {
    clear("Text1");
    type("Text1", "3");
    chooseLine(10); // 4:3 - 480 x 640
    type("Text1", "0");
    EXPECT_EQ(text("Text1"), "4800");
    EXPECT_EQ(text("Text2"), "6400");
}

TEST_F(StartedWindow, APresetChosenWhileUnlockedLocksAgain) {
    form().userClick(c("Check1"));
    ASSERT_EQ(c("Check1").value(), 0);
    chooseLine(0);
    EXPECT_EQ(text("Text1"), "1080");
    EXPECT_EQ(text("Text2"), "1920");
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_EQ(window.PxWidthPerHeight, 1920.0 / 1080.0);
    EXPECT_EQ(focused(), "Text1");
}

TEST_F(StartedWindow, TypingIntoTheListChangesNothingElse) {
    form().userFocus(c("Combo1"));
    c("Combo1").setSelection(0, 100);
    type("Combo1", "4:3 - 1 x 2");
    EXPECT_EQ(text("Combo1"), "4:3 - 1 x 2");
    EXPECT_EQ(text("Text1"), "720");
    EXPECT_EQ(text("Text2"), "1280");
    EXPECT_EQ(std::count(events.begin(), events.end(), "Check1.Click"), 0);
}

} // namespace
