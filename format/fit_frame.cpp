#include "format/fit_frame.h"

#include "common/value/conversions.h"
#include "common/value/failure.h"
#include "format/take_picture.h"

#include <cmath>

namespace format {

std::optional<std::pair<double, double>> ratioToFit(FormatWindow& window) {
    forms::Form& form = window.form();
    double widthPerHeight = window.PxWidthPerHeight, heightPerWidth = window.PxHeightPerWidth;
    if (form.control("Check1").value() != 1) {
        const auto height = value::parseNumber(form.control("Text1").text());
        const auto width = value::parseNumber(form.control("Text2").text());
        if (!height || !width || !(*height > 0) || !(*width > 0)) return std::nullopt;
        widthPerHeight = *width / *height;
        heightPerWidth = *height / *width;
    }
    const bool usable = std::isfinite(widthPerHeight) && std::isfinite(heightPerWidth) &&
                        widthPerHeight > 0 && heightPerWidth > 0;
    if (!usable) return std::nullopt;
    return std::pair{widthPerHeight, heightPerWidth};
}

void fitIntoFrame(FormatWindow& window, Sides frame, bool fill) {
    const auto ratio = ratioToFit(window);
    if (!ratio) return;
    Sides size;
    try {
        size = fitFrame(ratio->first, ratio->second, frame, window.RoundTo, fill);
    } catch (const value::Failure&) {
        return; // no size of whole pixels: nothing changes
    }
    forms::Form& form = window.form();
    const bool locked = form.control("Check1").value() == 1;
    setSides(window, size.height, size.width);
    // Ticking the lock again captured the rounded sides; the picture's own
    // ratio stays, so that typing goes on with it.
    if (locked) std::tie(window.PxWidthPerHeight, window.PxHeightPerWidth) = *ratio;
    window.FrameNote = frameNote(frame, size, fill);
    window.ShowFootLine(); // the window's own state changed after the last event
    forms::Control& heightField = form.control("Text1");
    form.userFocus(heightField);
    if (form.focused() == &heightField)
        heightField.setSelection(forms::characterCount(heightField.text()), 0);
}

} // namespace format
