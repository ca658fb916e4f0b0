#pragma once
#include "common/media/media_facts.h"

#include <optional>
#include <string>

// The reader's one line on standard output, as the programs read it back
// (common/media/reader_answer.h).
namespace media::reader {

std::string answer(const std::optional<RawPicture>& picture);

} // namespace media::reader
