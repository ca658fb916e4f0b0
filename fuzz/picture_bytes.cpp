// Any bytes through the picture reader's own entry, as one family of
// pictures (CALC_FUZZ_FAMILY): the very code the reader process runs on a
// file, with the format libraries it links. No failure; what it reports
// crosses the reader's one-line answer unchanged, so the programs judge
// exactly what the reader found.
#include "reader/picture_bytes.h"
#include "common/media/reader_answer.h"
#include "fuzz/fuzz_support.h"
#include "reader/answer.h"

#include <cmath>

namespace {

bool same(const std::optional<double>& a, const std::optional<double>& b) {
    return a == b || (a && b && std::isnan(*a) && std::isnan(*b));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool prepared = (media::reader::preparePictureReading(), true);
    (void)prepared;
    const auto raw =
        media::reader::readPictureBytes(data, size, media::PictureFamily::CALC_FUZZ_FAMILY);
    const media::ReadResult result = media::factsFromReaderAnswer(media::reader::answer(raw));
    fuzz::require(result.facts.has_value() != !result.reason.empty(), "facts or a reason");
    if (!raw) return 0;
    // The one-line answer carries the header values unchanged: the programs
    // judge exactly what the reader found.
    const media::ReadResult direct = media::factsFromPicture(*raw);
    fuzz::require(result.reason == direct.reason &&
                      result.facts.has_value() == direct.facts.has_value(),
                  "the answer changed the judgement: " + media::reader::answer(raw));
    if (result.facts)
        fuzz::require(result.facts->width == direct.facts->width &&
                          result.facts->height == direct.facts->height &&
                          same(result.facts->dpi, direct.facts->dpi),
                      "the answer changed the facts: " + media::reader::answer(raw));
    return 0;
}
