#include "common/commands/text_helpers.h"

#include "common/forms/control.h"

namespace commands {

namespace {

// Byte position of the last occurrence of a one-character delimiter. A
// complete UTF-8 character only matches at a character boundary.
std::string_view::size_type lastOccurrence(std::string_view text, std::string_view delimiter) {
    if (delimiter.empty() || forms::characterCount(delimiter) != 1) return std::string_view::npos;
    return text.rfind(delimiter);
}

} // namespace

std::string TextAfterLastDash(std::string_view text) {
    return TextAfter(text, "-");
}

std::string StripSpaces(std::string& text) {
    std::erase(text, ' ');
    return text;
}

std::string TextBefore(std::string_view text, std::string_view delimiter) {
    auto at = lastOccurrence(text, delimiter);
    if (at == std::string_view::npos) return std::string(text);
    return std::string(text.substr(0, at));
}

std::string TextAfter(std::string_view text, std::string_view delimiter) {
    auto at = lastOccurrence(text, delimiter);
    if (at == std::string_view::npos) return std::string(text);
    return std::string(text.substr(at + delimiter.size()));
}

} // namespace commands
