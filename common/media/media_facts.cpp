#include "common/media/media_facts.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <utility>

namespace media {

namespace {

constexpr double CentimetresPerInch = 2.54;

ReadResult refuse(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

bool saneSide(long long side) {
    return side > 0 && side <= MaxSide;
}

double dotsPerInch(double resolution, RawPicture::Unit unit) {
    switch (unit) {
    case RawPicture::Unit::PerInch:
        return resolution;
    case RawPicture::Unit::PerCentimetre:
        return resolution * CentimetresPerInch;
    case RawPicture::Unit::PerMetre:
        return resolution / 100 * CentimetresPerInch;
    case RawPicture::Unit::None:
        break;
    }
    return 0;
}

// Within a degree of a quarter or three-quarter turn, as players judge it.
bool quarterTurn(double degrees) {
    if (!std::isfinite(degrees)) return false;
    double turned = std::fmod(std::fabs(degrees), 360.0);
    return std::fabs(turned - 90) < 1 || std::fabs(turned - 270) < 1;
}

// Per inch a whole number, as recorded; from other units two decimals,
// snapped to a whole number within 0.03 (PNG stores 72 dpi as 2835 or 2834
// per metre).
std::optional<double> usableDpi(double recorded, RawPicture::Unit unit) {
    const double dpi = dotsPerInch(recorded, unit);
    if (!std::isfinite(dpi) || dpi <= 0 || dpi > MaxDpi) return std::nullopt;
    double shown = std::round(dpi);
    if (unit != RawPicture::Unit::PerInch && std::fabs(dpi - shown) >= 0.03)
        shown = std::round(dpi * 100) / 100;
    if (shown <= 0) return std::nullopt;
    return shown;
}

} // namespace

std::string dpiText(double dpi) {
    const auto hundredths = static_cast<long long>(std::llround(dpi * 100));
    std::string text = std::to_string(hundredths / 100);
    if (long long rest = hundredths % 100; rest != 0) {
        text += ',';
        text += static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) text += static_cast<char>('0' + rest % 10);
    }
    return text;
}

ReadResult factsFromPicture(const RawPicture& raw) {
    if (!saneSide(raw.storedWidth) || !saneSide(raw.storedHeight))
        return refuse("Die Bildgröße in der Datei ist ungültig.");
    MediaFacts facts;
    facts.width = raw.swapsSides ? raw.storedHeight : raw.storedWidth;
    facts.height = raw.swapsSides ? raw.storedWidth : raw.storedHeight;
    // A unit of None means the values are at most an aspect ratio. Turned by
    // a quarter, the stored vertical resolution runs across the picture.
    if (raw.unit != RawPicture::Unit::None) {
        const double across =
            raw.swapsSides && raw.yResolution > 0 ? raw.yResolution : raw.xResolution;
        facts.dpi = usableDpi(across, raw.unit);
    }
    return {facts, {}};
}

ReadResult factsFromVideo(const RawVideo& raw) {
    if (!saneSide(raw.width) || !saneSide(raw.height))
        return refuse("Die Bildgröße des Videos ist ungültig.");
    // FFmpeg keeps the sample aspect ratio as two ints; 0:x means not known.
    constexpr long long IntMax = std::numeric_limits<std::int32_t>::max();
    long long numerator = raw.sarNumerator;
    long long denominator = raw.sarDenominator;
    if (numerator == 0) numerator = denominator = 1;
    if (numerator < 0 || denominator <= 0 || numerator > IntMax || denominator > IntMax)
        return refuse("Das Seitenverhältnis der Bildpunkte im Video ist ungültig.");
    // Both factors are bounded above, so the product fits; division rounds down.
    long long width = raw.width * numerator / denominator;
    if (!saneSide(width)) return refuse("Die Bildgröße des Videos ist ungültig.");
    MediaFacts facts;
    bool swaps = quarterTurn(raw.rotation);
    facts.width = swaps ? raw.height : width;
    facts.height = swaps ? width : raw.height;
    if (numerator != denominator) {
        // Both products stay far below 2^63: sides up to 10^6, terms below 2^31.
        long long across = raw.width * numerator, down = raw.height * denominator;
        const long long common = std::gcd(across, down);
        across /= common;
        down /= common;
        facts.ratioWidth = swaps ? down : across;
        facts.ratioHeight = swaps ? across : down;
    }
    return {facts, {}};
}

} // namespace media
