#include "dpi/dpi_foot_line.h"

#include "common/forms/error_policy.h"
#include "common/value/conversions.h"
#include "dpi/dpi_picks.h"
#include "dpi/dpi_window.h"
#include "dpi/enlargement.h"
#include "dpi/print_facts.h"
#include "dpi/print_fit.h"

#include <cmath>
#include <optional>
#include <vector>

namespace dpi {

namespace {

std::optional<double> usable(const forms::Control& field) {
    return usableValue(field);
}

std::optional<double> number(const forms::Control& field) {
    const auto v = value::parseNumber(field.text());
    if (!v || !std::isfinite(*v)) return std::nullopt;
    return v;
}

// Print mode: the given pixels, and what the resolution means on paper.
void printFacts(forms::Form& form, std::vector<std::string>& facts) {
    const auto height = usable(form.control("Text1"));
    const auto width = usable(form.control("Text2"));
    if (height && width) facts.push_back(megapixelText(*height, *width));
    if (const auto dpi = usable(form.control("Text5"))) {
        facts.push_back(printGrade(*dpi));
        facts.push_back(sharpDistance(*dpi));
    }
}

// Scan mode: the pixels follow from the centimetres and the resolution; they
// are only current while all three are usable.
void scanFacts(forms::Form& form, std::vector<std::string>& facts) {
    if (!usable(form.control("Text3")) || !usable(form.control("Text4")) ||
        !usable(form.control("Text5")))
        return;
    const auto height = number(form.control("Text1"));
    const auto width = number(form.control("Text2"));
    if (!height || !width) return;
    facts.push_back(megapixelText(*height, *width));
    // Written as the window writes its centimetres.
    forms::step([&] {
        const std::string heightCm = printCm(*height, PlannedPrintDpi).toText();
        const std::string widthCm = printCm(*width, PlannedPrintDpi).toText();
        facts.push_back("bei 300 dpi gedruckt: " + heightCm + " x " + widthCm + " cm");
    });
}

} // namespace

std::string footText(DpiWindow& window) {
    forms::Form& form = window.form();
    std::vector<std::string> facts;
    if (form.control("Option2").value() == 1)
        printFacts(form, facts);
    else
        scanFacts(form, facts);
    std::string text;
    for (const std::string& fact : facts) {
        if (fact.empty()) continue;
        if (!text.empty()) text += " · ";
        text += fact;
    }
    return text;
}

} // namespace dpi
