#pragma once
#include "dpi/dpi_window.h"

#include <string>
#include <string_view>

// A started DPI window on the usual test screen, driven as the user drives
// it: keystrokes, clicks and focus moves through the model's input entry
// points.
struct DpiSession {
    dpi::DpiWindow window;

    DpiSession() {
        forms::screen() = forms::Screen{15360, 11520};
        window.form().show();
    }

    forms::Form& form() { return window.form(); }
    forms::Control& c(std::string_view name) { return form().control(name); }
    const std::string& text(std::string_view name) { return c(name).text(); }
    const std::string& caption(std::string_view name) { return c(name).caption(); }

    void click(std::string_view name) { form().userClick(c(name)); }
    void focus(std::string_view name) { form().userFocus(c(name)); }

    // Focus the field, select all of it and type the characters one by one.
    void typeOver(std::string_view name, std::string_view characters) {
        focus(name);
        selectAll(name);
        form().userTypeText(c(name), characters);
    }
    // Focus the field, put the caret at its end and type.
    void typeAtEnd(std::string_view name, std::string_view characters) {
        focus(name);
        c(name).setSelection(static_cast<int>(c(name).text().size()), 0);
        form().userTypeText(c(name), characters);
    }
    // Select all and press Backspace.
    void clear(std::string_view name) {
        focus(name);
        selectAll(name);
        form().userType(c(name), 8);
    }
    void selectAll(std::string_view name) {
        c(name).setSelection(0, static_cast<int>(c(name).text().size()));
    }

    void toPrintMode() { click("Option2"); }
    void toScanMode() { click("Option1"); }
    void lockOff() {
        if (c("Check1").value() == 1) click("Check1");
    }
    void lockOn() {
        if (c("Check1").value() != 1) click("Check1");
    }

    // Every mirror label holds its field's text.
    bool mirrorsEqualFields() {
        return caption("Label15") == text("Text1") && caption("Label16") == text("Text2") &&
               caption("Label10") == text("Text3") && caption("Label14") == text("Text4");
    }
};
