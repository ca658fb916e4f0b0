#include "common/forms/form.h"
#include "common/typing/typing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace forms;

namespace {

FormDecl testDecl() {
    FormDecl d{"Test", "Test window", 3000, 3000, "", {}};
    auto add = [&](std::string name, Kind kind, std::string container, std::string text, int tab) {
        ControlDecl c;
        c.name = std::move(name);
        c.kind = kind;
        c.container = std::move(container);
        c.text = std::move(text);
        c.tabIndex = tab;
        d.controls.push_back(c);
        return &d.controls.back();
    };
    add("Frame1", Kind::Frame, "", "Frame", -1);
    add("Text1", Kind::TextBox, "Frame1", "768", 0)->maxLength = 4;
    add("Text2", Kind::TextBox, "Frame1", "9,75", 1);
    add("Hidden", Kind::TextBox, "", "", 2)->visible = false;
    add("Check1", Kind::CheckBox, "", "Lock", 3)->value = 1;
    add("Option1", Kind::OptionButton, "", "Scan", 4)->value = 1;
    add("Option2", Kind::OptionButton, "", "Print", 5);
    add("Combo1", Kind::ComboBox, "", "b", 6);
    add("Label1", Kind::Label, "", "Label", -1);
    return d;
}

struct Fixture : ::testing::Test {
    Form form{testDecl()};
    std::vector<std::string> log;

    Fixture() {
        for (auto& c : form.controls()) {
            Control* p = c.get();
            p->onChange = [this, p] { log.push_back(p->name() + ".Change"); };
            p->onClick = [this, p] { log.push_back(p->name() + ".Click"); };
            p->onGotFocus = [this, p] { log.push_back(p->name() + ".GotFocus"); };
            p->onLostFocus = [this, p] { log.push_back(p->name() + ".LostFocus"); };
        }
    }
    Control& c(const char* name) { return form.control(name); }
};

using Log = std::vector<std::string>;

} // namespace

TEST_F(Fixture, EveryTextWriteRaisesChangeAlsoWithTheSameText) {
    c("Text1").setText("768");
    c("Text1").setText("768");
    c("Text1").setText("");
    EXPECT_EQ(log, (Log{"Text1.Change", "Text1.Change", "Text1.Change"}));
    EXPECT_EQ(c("Text1").text(), "");
}

TEST_F(Fixture, ProgramWritesIgnoreTheTypingLimit) {
    c("Text1").setText("12345");
    EXPECT_EQ(c("Text1").text(), "12345");
}

TEST_F(Fixture, ChangeRunsNestedInsideTheWrite) {
    std::string seenInside;
    c("Text1").onChange = [&] {
        seenInside = c("Text1").text();
        c("Text2").setText("x");
    };
    c("Text2").onChange = [&] { log.push_back("nested:" + c("Text1").text()); };
    c("Text1").setText("5");
    EXPECT_EQ(seenInside, "5");
    EXPECT_EQ(log, (Log{"nested:5"}));
}

TEST_F(Fixture, CheckBoxClickOnlyOnAChangedValue) {
    c("Check1").setValue(1);
    EXPECT_TRUE(log.empty());
    c("Check1").setValue(0);
    c("Check1").setValue(0);
    c("Check1").setValue(1);
    EXPECT_EQ(log, (Log{"Check1.Click", "Check1.Click"}));
}

TEST_F(Fixture, OptionButtonsFormOneGroup) {
    c("Option2").setValue(1);
    EXPECT_EQ(c("Option1").value(), 0);
    EXPECT_EQ(c("Option2").value(), 1);
    c("Option2").setValue(1);
    EXPECT_EQ(log, (Log{"Option2.Click"}));
}

TEST_F(Fixture, FocusMovesFailBeforeTheWindowIsShown) {
    EXPECT_THROW(c("Text1").SetFocus(), value::Failure);
    EXPECT_EQ(form.focused(), nullptr);
    EXPECT_TRUE(log.empty());
}

TEST_F(Fixture, FocusMovesRaiseLostFocusBeforeGotFocus) {
    form.show();
    c("Text1").SetFocus();
    c("Text2").SetFocus();
    c("Text2").SetFocus(); // already there: nothing happens
    EXPECT_EQ(log, (Log{"Text1.GotFocus", "Text1.LostFocus", "Text2.GotFocus"}));
    EXPECT_EQ(form.focused(), &c("Text2"));
}

TEST_F(Fixture, FocusMovesFailOnHiddenControlsAndInHiddenContainers) {
    form.show();
    c("Text1").SetFocus();
    EXPECT_THROW(c("Hidden").SetFocus(), value::Failure);
    c("Frame1").setVisible(false);
    EXPECT_THROW(c("Text2").SetFocus(), value::Failure);
    EXPECT_THROW(c("Label1").SetFocus(), value::Failure);
    EXPECT_EQ(form.focused(), &c("Text1"));
}

TEST_F(Fixture, ShowLoadsOnceThenShows) {
    int loads = 0;
    bool shownDuringLoad = true;
    form.onLoad = [&] {
        ++loads;
        shownDuringLoad = form.shown();
        form.show(); // showing from inside the load shows at once
        EXPECT_TRUE(form.shown());
    };
    form.show();
    form.show();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(shownDuringLoad);
}

TEST_F(Fixture, KeyPressCanCancelACharacter) {
    form.show();
    c("Text2").onKeyPress = [](int& code) {
        if (code == 'a') code = 0;
    };
    c("Text2").setSelection(4, 0);
    typing::type(form, c("Text2"), 'a');
    EXPECT_EQ(c("Text2").text(), "9,75");
    EXPECT_TRUE(log.empty()); // no Change for a cancelled key
    typing::type(form, c("Text2"), '1');
    EXPECT_EQ(c("Text2").text(), "9,751");
    EXPECT_EQ(log, (Log{"Text2.Change"}));
}

TEST_F(Fixture, KeyPressSeesASigned16BitCode) {
    int seen = 0;
    c("Text2").onKeyPress = [&](int& code) { seen = code; };
    form.userKeyPress(c("Text2"), 0xFFFF);
    EXPECT_EQ(seen, -1);
}

TEST_F(Fixture, TypingStopsAtTheLimitAndBackspaceEdits) {
    form.show();
    auto& t = c("Text1");
    typing::type(form, t, '1'); // "7681"
    typing::type(form, t, '2'); // refused
    EXPECT_EQ(t.text(), "7681");
    typing::type(form, t, 8);
    typing::type(form, t, 8);
    EXPECT_EQ(t.text(), "76");
    t.setSelection(0, 2); // typing over a selection replaces it
    typing::type(form, t, '9');
    EXPECT_EQ(t.text(), "9");
    typing::type(form, t, 8);
    typing::type(form, t, 8); // nothing left to delete: no change
    EXPECT_EQ(t.text(), "");
    EXPECT_EQ(std::count(log.begin(), log.end(), "Text1.Change"), 5);
}

TEST_F(Fixture, TypingCountsCharactersNotBytes) {
    auto& t = c("Text1");
    t.setText("ä");
    typing::type(form, t, 0xE4); // "ää"
    typing::type(form, t, 'b');
    typing::type(form, t, 'c');
    typing::type(form, t, 'd'); // fifth character refused
    EXPECT_EQ(t.text(), "ääbc");
    EXPECT_EQ(characterCount(t.text()), 4);
}

TEST_F(Fixture, TabSkipsHiddenControlsAndTreatsTheOptionGroupAsOneStop) {
    form.show();
    c("Text1").SetFocus();
    std::vector<std::string> order;
    for (int i = 0; i < 5; ++i) {
        form.userTab();
        order.push_back(form.focused()->name());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Text2", "Check1", "Option1", "Combo1", "Text1"}));
    form.userTab(true);
    EXPECT_EQ(form.focused()->name(), "Combo1");
}

TEST_F(Fixture, UserClicksTakeTheFocusFirst) {
    form.show();
    c("Text1").SetFocus();
    log.clear();
    form.userClick(c("Check1"));
    EXPECT_EQ(c("Check1").value(), 0);
    EXPECT_EQ(log, (Log{"Text1.LostFocus", "Check1.GotFocus", "Check1.Click"}));
    log.clear();
    form.userClick(c("Option1")); // already selected: no Click
    form.userClick(c("Option2"));
    EXPECT_EQ(log, (Log{"Check1.LostFocus", "Option1.GotFocus", "Option1.LostFocus",
                        "Option2.GotFocus", "Option2.Click"}));
}

TEST_F(Fixture, ComboListKeepsInsertionOrderAndClicksOnEveryChoice) {
    auto& combo = c("Combo1");
    for (const char* line : {"c", "a", "b"})
        combo.AddItem(line);
    EXPECT_EQ(combo.items(), (std::vector<std::string>{"c", "a", "b"}));
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "b");
    form.userChoose(combo, 2); // the line already shown
    form.userChoose(combo, 0);
    form.userChoose(combo, 7); // no such line
    EXPECT_EQ(log, (Log{"Combo1.Click", "Combo1.Click"}));
    EXPECT_EQ(combo.text(), "c");
    EXPECT_EQ(combo.listIndex(), 0);
}

TEST_F(Fixture, AFailureThatNoHandlerIgnoresEndsOnlyThatHandler) {
    form.show();
    c("Check1").onClick = [&] {
        log.push_back("before");
        throw value::Failure("division by zero");
    };
    form.userClick(c("Check1"));
    EXPECT_EQ(log, (Log{"Check1.GotFocus", "before"}));
    EXPECT_EQ(c("Check1").value(), 0);
    // Raised from code, the failure travels to the writing statement.
    EXPECT_THROW(c("Check1").setValue(1), value::Failure);
}

TEST_F(Fixture, TracerSeesNestingDepth) {
    std::vector<std::pair<std::string, int>> seen;
    form.setTracer([&](const Control& ctl, Event e, bool entering, int depth) {
        if (entering && e == Event::Change) seen.emplace_back(ctl.name(), depth);
    });
    c("Text1").onChange = [&] { c("Text2").setText("1"); };
    form.userEdit(c("Text1"), "5");
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, int>>{{"Text1", 1}, {"Text2", 2}}));
    EXPECT_EQ(form.eventDepth(), 0);
}

TEST_F(Fixture, APickIsOneStepForTheWholeWindow) {
    form.show();
    c("Text1").SetFocus();
    c("Text1").setSelection(1, 2);
    std::string own = "kept";
    form.onKeepState = [&] { return [&own, was = own] { own = was; }; };
    const auto pick = [&] {
        form.userClick(c("Check1"));
        form.userEdit(c("Text2"), "42");
        form.userClick(c("Option2"));
        own = "picked";
    };
    struct Row {
        const char* then;
        bool undone;
    };
    for (const Row row : {Row{"undo", true}, Row{"tab", true}, Row{"edit", false}}) {
        form.userPick(pick);
        const Control* picked = form.focused();
        if (std::string(row.then) == "edit") form.userEdit(c("Text2"), "7");
        if (std::string(row.then) == "tab") form.userTab();
        log.clear();
        ASSERT_EQ(form.undoPick(), row.undone) << row.then;
        EXPECT_TRUE(log.empty()) << row.then; // no event while putting back
        if (!row.undone) {
            EXPECT_EQ(c("Text2").text(), "7");
            EXPECT_FALSE(form.redoPick());
            continue;
        }
        EXPECT_EQ(c("Check1").value(), 1) << row.then;
        EXPECT_EQ(c("Text2").text(), "9,75") << row.then;
        EXPECT_EQ(c("Option1").value(), 1) << row.then;
        EXPECT_EQ(form.focused(), &c("Text1")) << row.then;
        EXPECT_EQ(c("Text1").selStart(), 1) << row.then;
        EXPECT_EQ(c("Text1").selLength(), 2) << row.then;
        EXPECT_EQ(own, "kept") << row.then;
        EXPECT_FALSE(form.undoPick());
        ASSERT_TRUE(form.redoPick());
        EXPECT_EQ(c("Text2").text(), "42");
        EXPECT_EQ(c("Option2").value(), 1);
        EXPECT_EQ(form.focused(), picked);
        EXPECT_EQ(own, "picked");
        ASSERT_TRUE(form.undoPick()); // back to the start for the next row
    }
}

TEST(DoEvents, RunsTheInstalledHook) {
    int runs = 0;
    setDoEventsHook([&] { ++runs; });
    DoEvents();
    DoEvents();
    setDoEventsHook(nullptr);
    DoEvents();
    EXPECT_EQ(runs, 2);
}
