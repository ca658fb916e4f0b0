// The bytes choose a sequence of user events on the DPI window; after each
// one the window must be sound: no escaped exception, no re-entered or
// deeply nested handler, mirror labels equal to their fields, only numbers
// (or nothing) where the program computed a text, finite ratios.
#include "common/typing/typing.h"
#include "dpi/dpi_window.h"
#include "fuzz/event_watch.h"

#include <array>
#include <cmath>
#include <optional>

namespace {

using fuzz::require;

constexpr std::array<const char*, 5> Fields = {"Text1", "Text2", "Text3", "Text4", "Text5"};
constexpr std::array<const char*, 8> Focusable = {"Text1", "Text2",   "Text3",   "Text4",
                                                  "Text5", "Option1", "Option2", "Check1"};
// Mirror label and its field.
constexpr std::array<std::pair<const char*, const char*>, 4> Mirrors = {
    {{"Label15", "Text1"}, {"Label16", "Text2"}, {"Label10", "Text3"}, {"Label14", "Text4"}}};

struct Session {
    dpi::DpiWindow window;
    fuzz::EventWatch watch{window.form(), 2};
    // A centimetre field's own mirror that may lag behind, with the field
    // text and label caption it lags with.
    std::map<std::string, std::pair<std::string, std::string>> lagging;

    forms::Form& form() { return window.form(); }
    forms::Control& c(const char* name) { return form().control(name); }

    // A change handler refreshes the mirrors of the other fields; its own
    // field's mirror is refreshed by the nested runs of the fields it
    // writes. With the lock off, an edit of a centimetre field that writes
    // no field (its pixels cannot be computed) leaves that field's own,
    // hidden mirror as it was.
    void noteLag(const char* field, bool lockWasOff, const std::string& captionBefore) {
        const char* label = std::string(field) == "Text3" ? "Label10" : "Label14";
        if (lockWasOff && watch.nestedChanges() == 0 && c(label).caption() == captionBefore)
            lagging[label] = {c(field).text(), c(label).caption()};
    }

    void checkNumberText(const std::string& text, bool exempt, const std::string& where) {
        if (exempt) return;
        require(fuzz::isShownNumber(text), where + " shows no number: " + text.substr(0, 80));
    }

    void check() {
        require(form().eventDepth() == 0, "an event is still running");
        for (auto [label, field] : Mirrors) {
            const auto& caption = c(label).caption();
            const auto& text = c(field).text();
            if (caption != text) {
                auto lag = lagging.find(label);
                require(lag != lagging.end() && lag->second.first == text &&
                            lag->second.second == caption,
                        std::string(label) + " differs from " + field + ": " +
                            caption.substr(0, 40) + " / " + text.substr(0, 40));
            } else {
                lagging.erase(label);
            }
            checkNumberText(text, watch.userOwned(c(field)), field);
            checkNumberText(caption, watch.userTyped(c(field), caption), label);
        }
        checkNumberText(c("Text5").text(), watch.userOwned(c("Text5")), "Text5");

        const std::string size = c("Label12").caption();
        const std::size_t blank = size.rfind(' ');
        require(blank != std::string::npos && blank > 0, "file size without unit: " + size);
        const std::string unit = size.substr(blank + 1);
        require(unit == "Byte" || unit == "kB" || unit == "Mb", "file size unit: " + size);
        const std::string number = size.substr(0, blank);
        require(!number.empty() && fuzz::isShownNumber(number), "file size number: " + size);

        for (const value::Variant* ratio : {&window.PxWidthPerHeight, &window.PxHeightPerWidth,
                                            &window.CmWidthPerHeight, &window.CmHeightPerWidth}) {
            require(ratio->isUnset() || (ratio->isNumber() && std::isfinite(ratio->toNumber())),
                    "stored ratio not finite");
        }
    }

    // Typing and pasting go to the field with the caret: the user first
    // puts it there (which may be refused for a hidden field).
    bool focusField(forms::Control& field) {
        if (form().focused() != &field) {
            fuzz::userEvent(watch, [&] { form().userFocus(field); });
            check();
        }
        return form().focused() == &field;
    }

    void edit(forms::Control& field, const std::function<void()>& event) {
        const std::string name = field.name();
        const bool lockWasOff = c("Check1").value() != 1;
        const bool centimetres = name == "Text3" || name == "Text4";
        const std::string own =
            centimetres ? c(name == "Text3" ? "Label10" : "Label14").caption() : std::string();
        fuzz::userEvent(watch, event);
        if (centimetres) noteLag(name.c_str(), lockWasOff, own);
    }

    void step(fuzz::ByteReader& in) {
        switch (in.byte() % 7) {
        case 0:
        case 1: { // a keystroke
            auto& field = c(Fields[in.byte() % Fields.size()]);
            const int code = fuzz::typedCode(in);
            if (!focusField(field)) return;
            edit(field, [&] { typing::type(form(), field, code); });
            break;
        }
        case 2: { // a paste over the selection
            auto& field = c(Fields[in.byte() % Fields.size()]);
            std::string text = fuzz::pastedText(in);
            if (!focusField(field) || field.locked()) return;
            edit(field, [&] { form().userEdit(field, std::move(text)); });
            break;
        }
        case 3: { // the caret or a selection
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
            static constexpr std::array<const char*, 3> Clickable = {"Option1", "Option2",
                                                                     "Check1"};
            auto& target = c(Clickable[in.byte() % Clickable.size()]);
            fuzz::userEvent(watch, [&] { form().userClick(target); });
            break;
        }
        }
        check();
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    forms::screen() = forms::Screen{15360, 11520};
    Session s;
    fuzz::userEvent(s.watch, [&] { s.form().show(); });
    s.check();
    fuzz::ByteReader in(data, size);
    for (int events = 0; events < 200 && !in.empty(); ++events)
        s.step(in);
    return 0;
}
