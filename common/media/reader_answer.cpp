#include "common/media/reader_answer.h"

#include <charconv>
#include <system_error>
#include <type_traits>

namespace media {

namespace {

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
    if (field(rest) != AnswerPicture || !number(field(rest), raw.storedWidth) ||
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

ReadResult factsFromReaderAnswer(std::string_view answer) {
    if (answer == AnswerNone) return {std::nullopt, "Die Datei ist kein lesbares Bild."};
    if (answer == AnswerUnguarded)
        return {std::nullopt, "Das Bild konnte nicht abgesichert gelesen werden."};
    if (auto raw = parsePicture(answer)) return factsFromPicture(*raw);
    return {std::nullopt, "Das Lesen des Bildes hat keine verwertbare Antwort gegeben."};
}

} // namespace media
