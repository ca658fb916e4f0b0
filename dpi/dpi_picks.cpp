#include "dpi/dpi_picks.h"

#include "common/editing/paste_over.h"
#include "common/forms/error_policy.h"
#include "common/value/conversions.h"
#include "dpi/print_fit.h"

#include <string>

namespace dpi {

namespace {

double shownValue(const forms::Control& field) {
    double v = 0;
    forms::step([&] { v = value::toNumber(field.text()); });
    return v;
}

std::optional<long long> fitFor(DpiWindow& window, const Paper& paper) {
    forms::Form& form = window.form();
    return fittingResolution(shownValue(form.control("Text1")), shownValue(form.control("Text2")),
                             paper);
}

bool printMode(DpiWindow& window) {
    return window.form().control("Option2").value() == 1;
}

forms::PickGroup resolutionPicks(DpiWindow& window) {
    forms::PickGroup group{"Auflösung", {}};
    for (int r : commonResolutions())
        group.picks.push_back(
            {std::to_string(r) + " dpi", true, [&window, r] { pickResolution(window, r); }});
    return group;
}

// The first line of a submenu with nothing to offer.
constexpr const char* NoPixelSize = "Erst eine Bildgröße in Pixeln eingeben";

forms::PickGroup fitPicks(DpiWindow& window) {
    forms::PickGroup group{"Passend für", {}, NoPixelSize};
    for (const Paper& paper : paperSizes())
        group.picks.push_back({paperText(paper), fitFor(window, paper).has_value(),
                               [&window, &paper] { fitToPaper(window, paper); }});
    return group;
}

forms::PickGroup scanPicks(DpiWindow& window) {
    forms::PickGroup group{"Papierformat", {}};
    for (const Paper& paper : paperSizes())
        group.picks.push_back(
            {paperText(paper), true, [&window, &paper] { scanPaper(window, paper); }});
    return group;
}

} // namespace

const std::vector<int>& commonResolutions() {
    static const std::vector<int> resolutions{72, 96, 150, 200, 240, 300, 350, 600, 1200};
    return resolutions;
}

void pickResolution(DpiWindow& window, long long resolution) {
    forms::Form& form = window.form();
    editing::pasteOver(form, form.control("Text5"), std::to_string(resolution));
}

void fitToPaper(DpiWindow& window, const Paper& paper) {
    if (!printMode(window)) return;
    if (auto r = fitFor(window, paper)) pickResolution(window, *r);
}

void scanPaper(DpiWindow& window, const Paper& paper) {
    forms::Form& form = window.form();
    forms::Control& height = form.control("Text3");
    forms::Control& width = form.control("Text4");
    forms::Control& lock = form.control("Check1");
    if (printMode(window)) return;
    const bool upright = shownValue(height) >= shownValue(width);
    const double heightCm = upright ? paper.longCm : paper.shortCm;
    const double widthCm = upright ? paper.shortCm : paper.longCm;
    const bool locked = lock.value() == 1;
    if (locked) form.userClick(lock);
    editing::pasteOver(form, height, value::numberToText(heightCm));
    editing::pasteOver(form, width, value::numberToText(widthCm));
    if (locked) form.userClick(lock);
    form.userFocus(height);
    height.setSelection(forms::characterCount(height.text()), 0);
}

std::vector<forms::PickGroup> picksFor(DpiWindow& window, const forms::Control& control) {
    const std::string& name = control.name();
    std::vector<forms::PickGroup> groups;
    if (name == "Text5") {
        groups.push_back(resolutionPicks(window));
        if (printMode(window)) groups.push_back(fitPicks(window));
    } else if ((name == "Label10" || name == "Label14") && printMode(window)) {
        groups.push_back(fitPicks(window));
    } else if ((name == "Text3" || name == "Text4") && !printMode(window)) {
        groups.push_back(scanPicks(window));
    }
    return groups;
}

} // namespace dpi
