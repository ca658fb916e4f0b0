#pragma once
#include <string>
#include <string_view>

// Small text routines for reading the preset lines ("16:9 - 720 x 1280").
// The search runs from the end, so the last occurrence of a delimiter counts.
// A delimiter must be exactly one character long; any other never matches.
namespace commands {

// The part after the last "-"; the whole text when there is none.
std::string TextAfterLastDash(std::string_view text);

// Removes every blank from the caller's variable and returns its new text.
std::string StripSpaces(std::string& text);

// The part before the last occurrence of the delimiter; the whole text when
// it does not occur.
std::string TextBefore(std::string_view text, std::string_view delimiter);

// The part after the last occurrence of the delimiter; the whole text when
// it does not occur.
std::string TextAfter(std::string_view text, std::string_view delimiter);

} // namespace commands
