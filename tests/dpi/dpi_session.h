#pragma once
#include "common/typing/typing.h"
#include "dpi/dpi_window.h"
#include "tests/dpi/file_size_runs.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A started DPI window on the usual test screen, driven as the user drives
// it: keystrokes, clicks and focus moves through the model's input entry
// points.
struct DpiSession {
    dpi::DpiWindow window;
    FileSizeRuns estimates{window.form()};

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
        typing::typeText(form(), c(name), characters);
    }
    // Focus the field, put the caret at its end and type.
    void typeAtEnd(std::string_view name, std::string_view characters) {
        focus(name);
        c(name).setSelection(static_cast<int>(c(name).text().size()), 0);
        typing::typeText(form(), c(name), characters);
    }
    // Select all and press Backspace.
    void clear(std::string_view name) {
        focus(name);
        selectAll(name);
        typing::type(form(), c(name), 8);
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

    // A label's caption, any other control's text.
    const std::string& shown(std::string_view name) {
        return c(name).kind() == forms::Kind::Label ? caption(name) : text(name);
    }

    // Steps separated by ';': "print", "scan", "lock", "unlock", "Text1 = 5"
    // (type over), "Text1 << 5" (type at the end), "Text1 clear", "Text1 focus".
    void run(std::string_view steps) {
        for (std::string_view step : split(steps, ';')) {
            if (step == "print")
                toPrintMode();
            else if (step == "scan")
                toScanMode();
            else if (step == "lock")
                lockOn();
            else if (step == "unlock")
                lockOff();
            else if (auto at = step.find(" = "); at != step.npos)
                typeOver(step.substr(0, at), step.substr(at + 3));
            else if (auto end = step.find(" << "); end != step.npos)
                typeAtEnd(step.substr(0, end), step.substr(end + 4));
            else if (step.ends_with(" clear"))
                clear(step.substr(0, step.size() - 6));
            else if (step.ends_with(" focus"))
                focus(step.substr(0, step.size() - 6));
            else
                throw std::invalid_argument(std::string(step));
        }
    }
    static std::vector<std::string_view> split(std::string_view s, char by) {
        std::vector<std::string_view> parts;
        while (!s.empty()) {
            auto cut = s.find(by);
            std::string_view part = s.substr(0, cut);
            while (part.starts_with(' '))
                part.remove_prefix(1);
            while (part.ends_with(' '))
                part.remove_suffix(1);
            if (!part.empty()) parts.push_back(part);
            s = cut == s.npos ? std::string_view{} : s.substr(cut + 1);
        }
        return parts;
    }

    // Every mirror label holds its field's text.
    bool mirrorsEqualFields() {
        return caption("Label15") == text("Text1") && caption("Label16") == text("Text2") &&
               caption("Label10") == text("Text3") && caption("Label14") == text("Text4");
    }
};
