// EXIF through Exiv2, from memory: the resolution of a TIFF, or of the EXIF
// data in a JPEG, PNG or WebP, and the orientation that viewers turn by.
#include "reader/format_readers.h"

#include <exception>
#include <exiv2/exiv2.hpp>

namespace media::reader {

namespace {

// The first value of a rational tag, exactly; a zero denominator gives a
// value that is not finite, which the judgement drops.
double firstValue(const Exiv2::Value& value) {
    if (const auto* rational = dynamic_cast<const Exiv2::URationalValue*>(&value)) {
        auto [numerator, denominator] = rational->value_.front();
        return static_cast<double>(numerator) / static_cast<double>(denominator);
    }
    return value.toFloat(0);
}

const Exiv2::Exifdatum* find(const Exiv2::ExifData& exif, const char* key) {
    auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() || found->count() == 0 ? nullptr : &*found;
}

RawPicture::Unit unitOf(const Exiv2::ExifData& exif) {
    const Exiv2::Exifdatum* unit = find(exif, "Exif.Image.ResolutionUnit");
    // Inch is the default when the tag is missing.
    const long code = unit ? unit->toLong(0) : 2;
    if (code == 2) return RawPicture::Unit::PerInch;
    if (code == 3) return RawPicture::Unit::PerCentimetre;
    return RawPicture::Unit::None;
}

ExifFacts factsIn(const Exiv2::ExifData& exif) {
    ExifFacts facts;
    if (const Exiv2::Exifdatum* x = find(exif, "Exif.Image.XResolution")) {
        RecordedResolution found{firstValue(x->value()), 0, unitOf(exif)};
        if (const Exiv2::Exifdatum* y = find(exif, "Exif.Image.YResolution"))
            found.y = firstValue(y->value());
        if (found.x != 0 && found.unit != RawPicture::Unit::None) facts.resolution = found;
    }
    // 5 to 8 turn by a quarter (with or without a mirror).
    if (const Exiv2::Exifdatum* orientation = find(exif, "Exif.Image.Orientation")) {
        const long code = orientation->toLong(0);
        facts.swapsSides = code >= 5 && code <= 8;
    }
    return facts;
}

} // namespace

void prepareExif() {
    // Exiv2 logs to standard error and sets up its XMP toolkit on first use.
    Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
    Exiv2::XmpParser::initialize();
}

ExifFacts exifFacts(Bytes bytes) {
    try {
#pragma GCC diagnostic push
        // Exiv2 0.27 hands images out in a std::auto_ptr.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        auto image = Exiv2::ImageFactory::open(bytes.data, static_cast<long>(bytes.size));
#pragma GCC diagnostic pop
        if (!image.get()) return {};
        image->readMetadata();
        return factsIn(image->exifData());
    } catch (const std::exception&) {
        return {}; // unreadable metadata: the picture records none
    }
}

ExifFacts exifBlockFacts(Bytes bytes) {
    try {
        Exiv2::ExifData exif;
        Exiv2::ExifParser::decode(exif, bytes.data, static_cast<uint32_t>(bytes.size));
        return factsIn(exif);
    } catch (const std::exception&) {
        return {};
    }
}

} // namespace media::reader
