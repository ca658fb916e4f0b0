#include "common/forms/error_policy.h"
#include "common/value/conversions.h"
#include "dpi/dpi_window.h"
#include "dpi/round_two_decimals.h"

namespace dpi {

namespace {
constexpr double BytesPerPixel = 3.001165501166;
constexpr double SmallPictureFactor = 3.25;
constexpr double BaseSize = 60;
constexpr double PerPixelStep = 4;
} // namespace

// The size of the picture as an uncompressed 24-bit RGB file, in decimal
// units. Tiny pictures follow their own rules: their files are dominated by
// the header, not by the pixels. A failing step leaves its value unset,
// which counts as 0, so the label always receives a text.
void DpiWindow::ShowFileSize() {
    using forms::step;
    using value::checkedMul;
    using value::Variant;
    Variant pixels, bytes, shown, unit;
    step([&] { pixels = checkedMul(valueOf(Text2_), valueOf(Text1_)); });
    step([&] { bytes = checkedMul(checkedMul(valueOf(Text2_), valueOf(Text1_)), BytesPerPixel); });
    if (bytes.toNumber() < 1000000) {
        unit = " kB";
        if (bytes.toNumber() < 1000) {
            unit = " Byte";
            const double p = pixels.toNumber();
            if (p == 1) {
                bytes = BaseSize;
            } else if (p < 100) {
                double b = BaseSize;
                for (double k = 1; k <= p - 1; k += 1)
                    b += PerPixelStep;
                bytes = b;
            } else {
                step([&] { bytes = checkedMul(SmallPictureFactor, p); });
            }
            shown = value::intFloor(bytes.toNumber());
        } else {
            shown = value::intFloor(bytes.toNumber() / 1000);
        }
    } else {
        step([&] { shown = RoundTwoDecimals(bytes.toNumber() / 1000000); });
        unit = " Mb";
    }
    step([&] { Label12_.setCaption(shown.toText() + unit.toText()); });
}

} // namespace dpi
