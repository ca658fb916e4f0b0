#include "common/media/reader_answer.h"

#include <charconv>
#include <cstdio>
#include <system_error>
#include <type_traits>

namespace media {

namespace {

constexpr std::string_view Picture = "picture";
constexpr std::string_view NoPicture = "none\n";

// Hexadecimal floating point, without the "0x" that from_chars does not
// take: the reader's doubles arrive bit for bit.
std::string exact(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%a", value);
    std::string written = text;
    if (const auto prefix = written.find("0x"); prefix != std::string::npos)
        written.erase(prefix, 2);
    return written;
}

// The next field up to a blank or the end of the line.
std::string_view field(std::string_view& rest) {
    const std::size_t end = rest.find_first_of(" \n");
    std::string_view taken = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return taken;
}

template <typename Number> bool number(std::string_view text, Number& value) {
    std::from_chars_result result;
    if constexpr (std::is_floating_point_v<Number>)
        result =
            std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::hex);
    else
        result = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::optional<RawPicture> parsePicture(std::string_view rest) {
    RawPicture raw;
    int turn = 0, unit = 0;
    if (field(rest) != Picture || !number(field(rest), raw.storedWidth) ||
        !number(field(rest), raw.storedHeight) || !number(field(rest), turn) ||
        !number(field(rest), raw.xResolution) || !number(field(rest), raw.yResolution) ||
        !number(field(rest), unit) || rest != "\n" || turn < 0 || turn > 1 || unit < 0 ||
        unit > static_cast<int>(RawPicture::Unit::PerMetre))
        return std::nullopt;
    raw.swapsSides = turn == 1;
    raw.unit = static_cast<RawPicture::Unit>(unit);
    return raw;
}

} // namespace

std::string readerAnswer(const std::optional<RawPicture>& picture) {
    if (!picture) return std::string(NoPicture);
    return std::string(Picture) + ' ' + std::to_string(picture->storedWidth) + ' ' +
           std::to_string(picture->storedHeight) + ' ' + (picture->swapsSides ? "1 " : "0 ") +
           exact(picture->xResolution) + ' ' + exact(picture->yResolution) + ' ' +
           std::to_string(static_cast<int>(picture->unit)) + '\n';
}

ReadResult factsFromReaderAnswer(std::string_view answer) {
    if (answer == NoPicture) return {std::nullopt, "Die Datei ist kein lesbares Bild."};
    if (auto raw = parsePicture(answer)) return factsFromPicture(*raw);
    return {std::nullopt, "Das Lesen des Bildes hat keine verwertbare Antwort gegeben."};
}

} // namespace media
