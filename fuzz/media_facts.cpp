// Any values a hostile header can carry, into the judgement of pictures and
// videos: no failure; facts, when there are any, have sides within the limit
// taken from the stored ones (swapped at most; a video's width scaled by its
// pixel ratio), and a resolution only with a unit, within the limit
// and within half a dot of the recorded one (the vertical one when turned); a refusal always says
// why.
#include "common/media/media_facts.h"
#include "fuzz/fuzz_support.h"

#include <cmath>
#include <string>

namespace {

using fuzz::require;
using media::MaxSide;
using Unit = media::RawPicture::Unit;

// A side or ratio term: small (where the sound values live) or any 64 bits.
long long side(fuzz::ByteReader& in, bool small) {
    if (small) return in.word();
    unsigned long long bits = 0;
    for (int i = 0; i < 8; ++i)
        bits |= static_cast<unsigned long long>(in.byte()) << (8 * i);
    return static_cast<long long>(bits);
}

bool saneSides(const media::MediaFacts& facts) {
    return facts.width >= 1 && facts.width <= MaxSide && facts.height >= 1 &&
           facts.height <= MaxSide;
}

void checkShape(const media::ReadResult& result, const std::string& what) {
    require(result.facts.has_value() != !result.reason.empty(), what + ": facts or a reason");
    if (result.facts) require(saneSides(*result.facts), what + ": sides out of range");
}

void checkPicture(fuzz::ByteReader& in) {
    const std::uint8_t flags = in.byte();
    media::RawPicture raw;
    raw.storedWidth = side(in, flags & 1);
    raw.storedHeight = side(in, flags & 1);
    raw.swapsSides = flags & 2;
    raw.unit = static_cast<Unit>((flags >> 2) % 4);
    raw.xResolution = (flags & 16) ? in.word() / 8.0 : in.rawDouble();
    raw.yResolution = in.rawDouble();
    const std::string what = "picture " + std::to_string(raw.storedWidth) + "x" +
                             std::to_string(raw.storedHeight) + " at " +
                             std::to_string(raw.xResolution);
    const media::ReadResult result = media::factsFromPicture(raw);
    checkShape(result, what);
    if (!result.facts) return;
    const media::MediaFacts& f = *result.facts;
    require(raw.swapsSides ? f.width == raw.storedHeight && f.height == raw.storedWidth
                           : f.width == raw.storedWidth && f.height == raw.storedHeight,
            what + ": sides not as stored");
    if (!f.dpi) return;
    require(raw.unit != Unit::None && *f.dpi > 0 && *f.dpi <= media::MaxDpi,
            what + ": resolution out of range");
    const double perInch = raw.unit == Unit::PerInch         ? 1
                           : raw.unit == Unit::PerCentimetre ? 2.54
                                                             : 0.0254;
    const double across = raw.swapsSides && raw.yResolution > 0 ? raw.yResolution : raw.xResolution;
    require(std::fabs(*f.dpi - across * perInch) <= 0.5 + 1e-9,
            what + ": resolution " + std::to_string(*f.dpi));
}

void checkVideo(fuzz::ByteReader& in) {
    const std::uint8_t flags = in.byte();
    media::RawVideo raw;
    raw.width = side(in, flags & 1);
    raw.height = side(in, flags & 1);
    raw.sarNumerator = side(in, flags & 2);
    raw.sarDenominator = side(in, flags & 2);
    raw.rotation = (flags & 4) ? 90.0 * in.byte() - 360 : in.rawDouble();
    const std::string what = "video " + std::to_string(raw.width) + "x" +
                             std::to_string(raw.height) + " " + std::to_string(raw.sarNumerator) +
                             ":" + std::to_string(raw.sarDenominator);
    const media::ReadResult result = media::factsFromVideo(raw);
    checkShape(result, what);
    if (!result.facts) return;
    const media::MediaFacts& f = *result.facts;
    require(!f.dpi, what + ": a video records no resolution");
    require(f.height == raw.height || f.width == raw.height, what + ": stored height lost");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    while (!in.empty()) {
        if (in.byte() % 2 == 0)
            checkPicture(in);
        else
            checkVideo(in);
    }
    return 0;
}
