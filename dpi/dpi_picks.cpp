#include "dpi/dpi_picks.h"

#include "common/editing/paste_over.h"
#include "common/editing/swap_sides.h"
#include "common/forms/error_policy.h"
#include "common/value/conversions.h"
#include "dpi/enlargement.h"
#include "dpi/print_fit.h"

#include <cmath>
#include <string>

namespace dpi {

namespace {

double shownValue(const forms::Control& field) {
    double v = 0;
    forms::step([&] { v = value::toNumber(field.text()); });
    return v;
}

struct PixelSize {
    double height, width;
};
PixelSize pixelSize(DpiWindow& window) {
    forms::Form& form = window.form();
    return {shownValue(form.control("Text1")), shownValue(form.control("Text2"))};
}

std::optional<long long> fitFor(DpiWindow& window, const Paper& paper) {
    const PixelSize px = pixelSize(window);
    return fittingResolution(px.height, px.width, paper);
}

std::optional<long long> fillFor(DpiWindow& window, const Paper& paper) {
    const PixelSize px = pixelSize(window);
    return fillingResolution(px.height, px.width, paper);
}

std::optional<long long> enlargementFor(DpiWindow& window, const Paper& paper) {
    forms::Form& form = window.form();
    const auto height = usableValue(form.control("Text3"));
    const auto width = usableValue(form.control("Text4"));
    if (!height || !width || !usableValue(form.control("Text5"))) return std::nullopt;
    return enlargingResolution(*height, *width, paper);
}

bool printMode(DpiWindow& window) {
    return window.form().control("Option2").value() == 1;
}

// "DIN A4, 21 x 29,7 cm – 514 dpi, 6 % Rand": the share only where it
// rounds to more than 0.
std::string entryText(const Paper& paper, std::optional<long long> resolution,
                      std::optional<int> percent = std::nullopt, const char* share = "") {
    std::string text = paperText(paper);
    if (!resolution) return text;
    text += " – " + std::to_string(*resolution) + " dpi";
    if (percent && *percent > 0) text += ", " + std::to_string(*percent) + " % " + share;
    return text;
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
constexpr const char* NoOriginal = "Erst Größe der Vorlage und Auflösung eingeben";

// Shown only where no entry can be chosen: either the pixel size is
// missing, or no whole dpi of at least 1 suits any paper.
std::string pixelHint(DpiWindow& window, const char* otherwise) {
    const PixelSize px = pixelSize(window);
    const bool usable = px.height > 0 && px.width > 0;
    return usable ? otherwise : NoPixelSize;
}

forms::PickGroup fitPicks(DpiWindow& window) {
    forms::PickGroup group{
        "Passend für", {}, pixelHint(window, "Zu viele Pixel für jedes Papier, selbst bei 1 dpi")};
    const PixelSize px = pixelSize(window);
    for (const Paper& paper : paperSizes()) {
        const auto r = fitFor(window, paper);
        const auto share = r ? borderPercent(px.height, px.width, *r, paper) : std::nullopt;
        group.picks.push_back({entryText(paper, r, share, "Rand"), r.has_value(),
                               [&window, &paper] { fitToPaper(window, paper); }});
    }
    return group;
}

forms::PickGroup fillPicks(DpiWindow& window) {
    forms::PickGroup group{
        "Füllend für", {}, pixelHint(window, "Zu wenige Pixel, um ein Papier zu füllen")};
    const PixelSize px = pixelSize(window);
    for (const Paper& paper : paperSizes()) {
        const auto r = fillFor(window, paper);
        const auto share = r ? cutPercent(px.height, px.width, *r, paper) : std::nullopt;
        group.picks.push_back({entryText(paper, r, share, "abgeschnitten"), r.has_value(),
                               [&window, &paper] { fillPaper(window, paper); }});
    }
    return group;
}

forms::PickGroup enlargePicks(DpiWindow& window) {
    forms::PickGroup group{"Vergrößern auf", {}, NoOriginal};
    for (const Paper& paper : paperSizes()) {
        const auto r = enlargementFor(window, paper);
        std::string text = paperText(paper) + " bei 300 dpi";
        if (r) text += " – " + std::to_string(*r) + " dpi";
        group.picks.push_back(
            {std::move(text), r.has_value(), [&window, &paper] { enlargeTo(window, paper); }});
    }
    return group;
}

forms::PickGroup scanPicks(DpiWindow& window) {
    forms::PickGroup group{"Papierformat", {}};
    for (auto papers : {paperSizes(), filmOriginals()})
        for (const Paper& paper : papers)
            group.picks.push_back(
                {paperText(paper), true, [&window, &paper] { scanPaper(window, paper); }});
    return group;
}

// "Hoch/quer tauschen" for the fields of the sides the mode takes as input.
forms::PickGroup swapPick(DpiWindow& window, const std::string& name) {
    forms::Form& form = window.form();
    const bool pixels = name == "Text1" || name == "Text2";
    forms::Control& height = form.control(pixels ? "Text1" : "Text3");
    forms::Control& width = form.control(pixels ? "Text2" : "Text4");
    forms::Control& lock = form.control("Check1");
    forms::Control& caretIn = form.control(name);
    return {"", {{editing::SwapSidesText, true, [&form, &height, &width, &lock, &caretIn] {
                      editing::swapSides(form, height, width, lock, caretIn);
                  }}}};
}

} // namespace

const std::vector<int>& commonResolutions() {
    static const std::vector<int> resolutions{72, 96, 150, 200, 240, 300, 350, 600, 1200};
    return resolutions;
}

std::optional<double> usableValue(const forms::Control& field) {
    const auto v = value::parseNumber(field.text());
    if (!v || !(*v > 0) || !std::isfinite(*v)) return std::nullopt;
    return v;
}

void pickResolution(DpiWindow& window, long long resolution) {
    forms::Form& form = window.form();
    editing::pasteOver(form, form.control("Text5"), std::to_string(resolution));
}

void fitToPaper(DpiWindow& window, const Paper& paper) {
    if (!printMode(window)) return;
    if (auto r = fitFor(window, paper)) pickResolution(window, *r);
}

void fillPaper(DpiWindow& window, const Paper& paper) {
    if (!printMode(window)) return;
    if (auto r = fillFor(window, paper)) pickResolution(window, *r);
}

void enlargeTo(DpiWindow& window, const Paper& paper) {
    if (printMode(window)) return;
    if (auto r = enlargementFor(window, paper)) pickResolution(window, *r);
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
    const bool print = printMode(window);
    std::vector<forms::PickGroup> groups;
    if (name == "Text5") {
        groups.push_back(resolutionPicks(window));
        if (print) {
            groups.push_back(fitPicks(window));
            groups.push_back(fillPicks(window));
        } else {
            groups.push_back(enlargePicks(window));
        }
    } else if ((name == "Label10" || name == "Label14") && print) {
        groups.push_back(fitPicks(window));
        groups.push_back(fillPicks(window));
    } else if ((name == "Text1" || name == "Text2") && print) {
        groups.push_back(swapPick(window, name));
    } else if ((name == "Text3" || name == "Text4") && !print) {
        groups.push_back(swapPick(window, name));
        groups.push_back(scanPicks(window));
    }
    return groups;
}

} // namespace dpi
