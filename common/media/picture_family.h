#pragma once
#include <optional>
#include <string_view>

namespace media {

// Which library reads a picture, as the programs decide it from the file's
// content (or, for a format without a signature, its name). Told to the
// reader by name on its command line.
enum class PictureFamily { Common, Tiff, Raw, Heif, Tga };

constexpr std::string_view familyName(PictureFamily family) {
    switch (family) {
    case PictureFamily::Tiff:
        return "tiff";
    case PictureFamily::Raw:
        return "raw";
    case PictureFamily::Heif:
        return "heif";
    case PictureFamily::Tga:
        return "tga";
    case PictureFamily::Common:
        break;
    }
    return "common";
}

constexpr std::optional<PictureFamily> familyNamed(std::string_view name) {
    for (PictureFamily family : {PictureFamily::Common, PictureFamily::Tiff, PictureFamily::Raw,
                                 PictureFamily::Heif, PictureFamily::Tga})
        if (familyName(family) == name) return family;
    return std::nullopt;
}

} // namespace media
