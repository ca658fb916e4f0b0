#include "common/typing/typing.h"
#include "tests/format/format_fixture.h"

namespace {

using format_test::StartedWindow;

// After each key, the text of the other field.
struct Keystrokes {
    std::string name;
    const char* field;
    std::string keys; // '\b' is Backspace
    std::vector<std::string> other;
};

class TypingFromStart : public StartedWindow, public testing::WithParamInterface<Keystrokes> {};

TEST_P(TypingFromStart, RecomputesTheOtherSideRoundedDown) {
    const auto& k = GetParam();
    const char* other = std::string(k.field) == "Text1" ? "Text2" : "Text1";
    form().userFocus(c(k.field));
    std::vector<std::string> seen;
    for (char key : k.keys) {
        typing::type(form(), c(k.field), key == '\b' ? 8 : key);
        seen.push_back(text(other));
    }
    EXPECT_EQ(seen, k.other);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, TypingFromStart,
    testing::Values(
        // 72 x 1280 / 720 = 128, 7 x 1280 / 720 = 12.44; an empty height
        // leaves the width.
        Keystrokes{"BackspaceThreeTimes", "Text1", "\b\b\b", {"128", "12", "12"}},
        Keystrokes{"DeleteThenType1080",
                   "Text1",
                   "\b\b\b1080",
                   {"128", "12", "12", "1", "17", "192", "1920"}},
        // 562.5 rounded down; 0.5625 rounded down.
        Keystrokes{
            "Width1000", "Text2", "\b\b\b\b1000", {"72", "6", "0", "0", "0", "5", "56", "562"}},
        Keystrokes{"Width1", "Text2", "\b\b\b", {"72", "6", "0"}}),
    [](const auto& info) { return info.param.name; });

TEST_F(StartedWindow, RelockingCapturesTheRatioOfTheFreelyTypedSides) {
    form().userClick(c("Check1")); // untick
    EXPECT_FALSE(c("Picture1").visible());
    EXPECT_EQ(focused(), "Text1");
    clear("Text1");
    type("Text1", "100");
    EXPECT_EQ(text("Text2"), "1280"); // free: nothing recomputed
    clear("Text2");
    type("Text2", "300");
    EXPECT_EQ(text("Text1"), "100");
    form().userClick(c("Check1")); // tick
    EXPECT_TRUE(c("Picture1").visible());
    EXPECT_EQ(window.PxWidthPerHeight, 3);
    EXPECT_EQ(focused(), "Text1");
    clear("Text1");
    type("Text1", "50");
    EXPECT_EQ(text("Text2"), "150");
}

// Ticking the lock while a side cannot give a ratio keeps the previous
// ratios and still puts the caret into the height field.
struct Unusable {
    std::string name;
    const char* field;
    std::string content;
    const char* alsoEmptied = nullptr; // a second side given the same content
};

class TickingWithoutARatio : public StartedWindow, public testing::WithParamInterface<Unusable> {};

TEST_P(TickingWithoutARatio, KeepsThePreviousRatios) {
    form().userClick(c("Check1")); // untick
    for (const char* field : {GetParam().field, GetParam().alsoEmptied}) {
        if (!field) continue;
        clear(field);
        // Typed where it can be, pasted where it cannot.
        form().userEdit(c(field), GetParam().content);
    }
    form().userClick(c("Check1")); // tick again
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_TRUE(c("Picture1").visible());
    EXPECT_EQ(window.PxWidthPerHeight, 1280.0 / 720.0);
    EXPECT_EQ(window.PxHeightPerWidth, 720.0 / 1280.0);
    EXPECT_EQ(focused(), "Text1");
    EXPECT_TRUE(window.Text1Active.equals(1));
    // The old ratio still couples the fields.
    clear("Text1");
    type("Text1", "36");
    EXPECT_EQ(text("Text2"), "64");
}

INSTANTIATE_TEST_SUITE_P(Sides, TickingWithoutARatio,
                         testing::Values(Unusable{"EmptyHeight", "Text1", ""},
                                         Unusable{"EmptyWidth", "Text2", ""},
                                         Unusable{"ZeroHeight", "Text1", "0"},
                                         Unusable{"ZeroWidth", "Text2", "0"},
                                         Unusable{"ZerosInTheHeight", "Text1", "0000"},
                                         Unusable{"BothZero", "Text1", "0", "Text2"},
                                         Unusable{"NotANumber", "Text2", "12a"}),
                         [](const auto& info) { return info.param.name; });

TEST_F(StartedWindow, AComputedSideOfFiveDigitsIsWrittenWhole) {
    clear("Text1");
    type("Text1", "9998"); // 9998 x 16 / 9 = 17774.2
    EXPECT_EQ(text("Text2"), "17774");
    // The typing limit still holds for the user.
    form().userFocus(c("Text2"));
    c("Text2").setSelection(5, 0);
    typing::type(form(), c("Text2"), '1');
    EXPECT_EQ(text("Text2"), "17774");
}

TEST_F(StartedWindow, OnlyDigitsAndBackspaceReachTheFields) {
    for (const char* field : {"Text1", "Text2"}) {
        form().userFocus(c(field));
        std::string before = text(field);
        events.clear();
        for (int code : {44, 46, 45, 32, 97, 88, 13, 27, 47, 58})
            typing::type(form(), c(field), code);
        EXPECT_EQ(text(field), before) << field;
        EXPECT_EQ(std::count(events.begin(), events.end(), std::string(field) + ".Change"), 0)
            << field;
        // The fourth digit is taken, a fifth refused.
        clear(field);
        type(field, "12345");
        EXPECT_EQ(text(field), "1234") << field;
    }
}

TEST_F(StartedWindow, FocusFlagsFollowTheFocus) {
    EXPECT_TRUE(window.Text1Active.equals(1));
    EXPECT_TRUE(window.Text2Active.isUnset());
    form().userTab();
    EXPECT_EQ(focused(), "Text2");
    EXPECT_TRUE(window.Text1Active.equals(0));
    EXPECT_TRUE(window.Text2Active.equals(1));
    form().userTab();
    EXPECT_EQ(focused(), "Check1");
    EXPECT_TRUE(window.Text2Active.equals(0));
    EXPECT_TRUE(window.Text1Active.equals(0));
}

TEST_F(StartedWindow, AFieldWrittenByTheOtherDoesNotWriteBack) {
    clear("Text1");
    events.clear();
    type("Text1", "9");
    // Text1 changes, writes Text2, whose nested run stops at its flag.
    EXPECT_EQ(events, (std::vector<std::string>{"Text1.KeyPress", "Text1.Change", "Text2.Change"}));
    EXPECT_EQ(text("Text1"), "9");
    EXPECT_EQ(text("Text2"), "16");
}

TEST_F(StartedWindow, TheOnTopBoxSwitchesTheStackingAndReturnsTheCaret) {
    int left = form().left(), top = form().top();
    form().userClick(c("chkOnTop"));
    EXPECT_TRUE(form().topmost());
    EXPECT_EQ(focused(), "Text1");
    EXPECT_EQ(doEventsRuns, 1);
    form().userClick(c("chkOnTop"));
    EXPECT_FALSE(form().topmost());
    EXPECT_EQ(focused(), "Text1");
    EXPECT_EQ(doEventsRuns, 2);
    EXPECT_EQ(form().left(), left);
    EXPECT_EQ(form().top(), top);
    // The ratio and the fields are untouched.
    EXPECT_EQ(text("Text1"), "720");
    EXPECT_EQ(text("Text2"), "1280");
}

} // namespace
