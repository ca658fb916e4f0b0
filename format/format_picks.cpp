#include "format/format_picks.h"

#include "common/editing/swap_sides.h"
#include "format/fit_frame.h"
#include "format/format_layout.h"
#include "format/more_formats.h"

#include <array>
#include <charconv>
#include <utility>

namespace format {

namespace {

struct Frame {
    std::string text;
    Sides sides;
};

// "16:9 - 1080 x 1920": height and width after the dash.
Sides presetSides(std::string_view line) {
    line.remove_prefix(line.rfind(" - ") + 3);
    Sides s;
    const char* end = line.data() + line.size();
    auto [rest, ec] = std::from_chars(line.data(), end, s.height);
    std::from_chars(rest + 3, end, s.width); // after " x "
    return s;
}

// The preset lines as the list shows them, then the further formats as
// their own submenu names them.
std::vector<Frame> frames() {
    std::vector<Frame> all;
    for (std::string_view line : PresetLines())
        all.push_back({std::string(line), presetSides(line)});
    for (const FrameSize& size : moreFormats())
        all.push_back({menuText(size), {size.height, size.width}});
    return all;
}

forms::PickGroup frameGroup(FormatWindow& window, std::string title, bool fill) {
    forms::PickGroup group{std::move(title), {}, "Erst Höhe und Breite eingeben"};
    const bool usable = ratioToFit(window).has_value();
    for (Frame& frame : frames())
        group.picks.push_back({std::move(frame.text), usable, [&window, sides = frame.sides, fill] {
                                   fitIntoFrame(window, sides, fill);
                               }});
    return group;
}

forms::PickGroup roundingGroup(FormatWindow& window) {
    static constexpr std::array<std::pair<Rounding, const char*>, 4> options{{
        {Rounding::WholePixels, "ganze Pixel (abgerundet)"},
        {Rounding::Even, "gerade Zahlen"},
        {Rounding::Eight, "Vielfache von 8"},
        {Rounding::Sixteen, "Vielfache von 16"},
    }};
    forms::PickGroup group{"Runden auf", {}};
    for (auto [rounding, text] : options) {
        forms::Pick pick{text, true, [&window, rounding] {
                             window.RoundTo = rounding;
                             window.ShowFootLine(); // no event follows: the deviation shows now
                         }};
        pick.checked = window.RoundTo == rounding;
        group.picks.push_back(std::move(pick));
    }
    return group;
}

} // namespace

std::vector<forms::PickGroup> picksFor(FormatWindow& window, const forms::Control& control) {
    const std::string& name = control.name();
    const bool field = name == "Text1" || name == "Text2";
    if (!field && name != "Combo1") return {};
    std::vector<forms::PickGroup> groups;
    if (field) {
        forms::Form& form = window.form();
        forms::Control& caretIn = form.control(name);
        groups.push_back({"", {{editing::SwapSidesText, true, [&form, &caretIn] {
                                    editing::swapSides(form, form.control("Text1"),
                                                       form.control("Text2"),
                                                       form.control("Check1"), caretIn);
                                }}}});
    }
    groups.push_back(frameGroup(window, "Einpassen in", false));
    groups.push_back(frameGroup(window, "Füllend in", true));
    groups.push_back(roundingGroup(window));
    // Last, where the Up key reaches it from the menu's top.
    forms::PickGroup more{"Weitere Formate", {}};
    for (const FrameSize& size : moreFormats())
        more.picks.push_back(
            {menuText(size), true, [&window, &size] { takeFrameSize(window, size); }});
    groups.push_back(std::move(more));
    return groups;
}

} // namespace format
