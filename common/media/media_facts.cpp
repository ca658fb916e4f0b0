#include "common/media/media_facts.h"

#include <cmath>
#include <cstdint>
#include <limits>
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

} // namespace

ReadResult factsFromPicture(const RawPicture& raw) {
    if (!saneSide(raw.storedWidth) || !saneSide(raw.storedHeight))
        return refuse("Die Bildgröße in der Datei ist ungültig.");
    MediaFacts facts;
    facts.width = raw.swapsSides ? raw.storedHeight : raw.storedWidth;
    facts.height = raw.swapsSides ? raw.storedWidth : raw.storedHeight;
    // Only the horizontal resolution is used, so only it is judged; a unit
    // of None means the values are at most an aspect ratio.
    if (raw.unit != RawPicture::Unit::None) {
        double dpi = dotsPerInch(raw.xResolution, raw.unit);
        if (!std::isfinite(dpi) || dpi < 0 || dpi > MaxDpi)
            return refuse("Die Auflösung in der Datei ist ungültig.");
        auto rounded = static_cast<long long>(std::round(dpi));
        if (rounded > 0) facts.dpi = rounded;
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
    return {facts, {}};
}

} // namespace media
