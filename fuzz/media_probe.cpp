// Any text as ffprobe's answer: no failure, facts or a reason, and facts
// with sides within the limit.
#include "common/media/probe_json.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const media::ReadResult result = media::factsFromProbe(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    fuzz::require(result.facts.has_value() != !result.reason.empty(), "facts or a reason");
    if (result.facts) {
        const media::MediaFacts& f = *result.facts;
        fuzz::require(f.width >= 1 && f.width <= media::MaxSide && f.height >= 1 &&
                          f.height <= media::MaxSide && !f.dpi,
                      "facts out of range");
    }
    return 0;
}
