// The bytes choose a sequence of user events on the format window: preset
// choices, check box clicks, keystrokes, pastes and focus moves. After each
// one: no escaped exception, no re-entered handler, change handlers nested
// at most one level, only numbers (or nothing) in fields the program wrote,
// finite ratios.
#include "common/commands/system_folders.h"
#include "common/typing/typing.h"
#include "format/app_modul.h"
#include "format/format_window.h"
#include "fuzz/event_watch.h"

#include <array>
#include <cmath>

namespace {

using fuzz::require;

constexpr std::array<const char*, 2> Fields = {"Text1", "Text2"};
constexpr std::array<const char*, 5> Focusable = {"Combo1", "Text1", "Text2", "Check1", "chkOnTop"};

// Choosing a preset unticks the lock from code; the lock's click handler
// moves the caret, so focus handlers may run two levels below the user's
// choice.
constexpr int Deepest = 3;

struct Session {
    format::FormatWindow window;
    fuzz::EventWatch watch{window.form(), Deepest};

    forms::Form& form() { return window.form(); }
    forms::Control& c(const char* name) { return form().control(name); }

    void check() {
        require(form().eventDepth() == 0, "an event is still running");
        for (const char* name : Fields) {
            const auto& text = c(name).text();
            if (watch.userOwned(c(name))) continue;
            require(fuzz::isShownNumber(text),
                    std::string(name) + " shows no number: " + text.substr(0, 80));
        }
        require(std::isfinite(window.PxWidthPerHeight) && std::isfinite(window.PxHeightPerWidth),
                "stored ratio not finite");
        require(fuzz::isShownNumber(value::numberToText(window.PxWidthPerHeight)),
                "ratio has no text form");
    }

    bool focusField(forms::Control& field) {
        if (form().focused() != &field) {
            fuzz::userEvent(watch, [&] { form().userFocus(field); });
            check();
        }
        return form().focused() == &field;
    }

    void step(fuzz::ByteReader& in) {
        switch (in.byte() % 8) {
        case 0:
        case 1: {
            auto& field = c(Fields[in.byte() % Fields.size()]);
            const int code = fuzz::typedCode(in);
            if (!focusField(field)) return;
            fuzz::userEvent(watch, [&] { typing::type(form(), field, code); });
            break;
        }
        case 2: {
            auto& field = c(Fields[in.byte() % Fields.size()]);
            std::string text = fuzz::pastedText(in);
            if (!focusField(field) || field.locked()) return;
            fuzz::userEvent(watch, [&] { form().userEdit(field, std::move(text)); });
            break;
        }
        case 3: {
            auto* field = form().focused();
            const int start = in.byte(), length = in.byte();
            if (field) fuzz::userEvent(watch, [&] { field->setSelection(start, length); });
            break;
        }
        case 4: {
            const bool backwards = in.byte() & 1;
            fuzz::userEvent(watch, [&] { form().userTab(backwards); });
            break;
        }
        case 5: {
            auto& target = c(Focusable[in.byte() % Focusable.size()]);
            fuzz::userEvent(watch, [&] { form().userFocus(target); });
            break;
        }
        case 6: {
            auto& box = c((in.byte() & 1) ? "Check1" : "chkOnTop");
            fuzz::userEvent(watch, [&] { form().userClick(box); });
            break;
        }
        case 7: { // a preset; indexes past the list are ignored
            const int index = in.byte() % 16;
            fuzz::userEvent(watch, [&] { form().userChoose(c("Combo1"), index); });
            break;
        }
        }
        check();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    forms::screen() = forms::Screen{15360, 11520};
    commands::Program() = {};
    Session s;
    fuzz::userEvent(s.watch, [&] { format::Main(s.window, {}); });
    s.check();
    fuzz::ByteReader in(data, size);
    for (int events = 0; events < 200 && !in.empty(); ++events)
        s.step(in);
    return 0;
}
