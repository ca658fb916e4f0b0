#pragma once
#include "common/commands/system_folders.h"
#include "common/typing/typing.h"
#include "format/app_modul.h"
#include "format/format_window.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace format_test {

// A window started the way the program starts it: Main shows it, Form_Load
// centres it and captures the default ratio, the caret lands in Text1.
class StartedWindow : public testing::Test {
protected:
    void SetUp() override {
        forms::screen() = {};
        commands::Program() = {};
        forms::setDoEventsHook([this] {
            ++doEventsRuns;
            if (duringDoEvents) duringDoEvents();
        });
        form().setTracer([this](const forms::Control& c, forms::Event e, bool entering, int) {
            if (entering) events.push_back(c.name() + "." + forms::eventName(e));
        });
        ASSERT_TRUE(format::Main(window, {}));
        events.clear();
        doEventsRuns = 0;
    }
    void TearDown() override { forms::setDoEventsHook(nullptr); }

    forms::Form& form() { return window.form(); }
    forms::Control& c(const char* name) { return form().control(name); }
    std::string text(const char* name) { return c(name).text(); }
    std::string focused() { return form().focused() ? form().focused()->name() : ""; }

    // The user puts the caret into the field, selects all and deletes it.
    void clear(const char* field) {
        auto& box = c(field);
        form().userFocus(box);
        box.setSelection(0, static_cast<int>(box.text().size()));
        typing::type(form(), box, 8);
    }
    // Typed one key at a time into the field that has the focus.
    void type(const char* field, std::string_view keys) {
        typing::typeText(form(), c(field), keys);
    }
    void backspace(const char* field) { typing::type(form(), c(field), 8); }
    void chooseLine(int index) {
        form().userFocus(c("Combo1"));
        form().userChoose(c("Combo1"), index);
    }

    format::FormatWindow window;
    std::vector<std::string> events;
    int doEventsRuns = 0;
    std::function<void()> duringDoEvents;
};

} // namespace format_test
