#pragma once
#include "common/media/media_facts.h"

#include <optional>
#include <string_view>

// The picture reader's answer on its standard output, one line: the raw
// header values ("picture W H TURN XRES YRES UNIT"), "none" when the file
// is no picture it can read, or "unguarded" when it could not lock itself
// down and so read nothing. The reader only reports; the programs judge.
namespace media {

inline constexpr std::string_view AnswerPicture = "picture";
inline constexpr std::string_view AnswerNone = "none\n";
// The reader could not lock itself down, and read nothing.
inline constexpr std::string_view AnswerUnguarded = "unguarded\n";

// The reader's answer judged as factsFromPicture does; anything that is not
// exactly one well-formed line is refused as a failed read.
ReadResult factsFromReaderAnswer(std::string_view answer);

} // namespace media
