#pragma once
#include <optional>
#include <string>

// What a picture or video file tells the calculators, judged and converted.
// Plain C++: the windows' logic uses it without any toolkit.
namespace media {

struct MediaFacts {
    long long height = 0; // pixels, as a viewer or player shows it
    long long width = 0;
    // Recorded resolution (pictures only): whole when recorded per inch, to two
    // decimals when converted from another unit.
    std::optional<double> dpi;
    // A video's display ratio, width to height and reduced, where its pixels
    // are not square (16:9 for 720 x 480 with 32:27 pixels); 0 otherwise,
    // the sides then say it exactly.
    long long ratioWidth = 0;
    long long ratioHeight = 0;
};

// A resolution as the fields show it: the decimal comma, no trailing zeros
// ("300", "304,8").
std::string dpiText(double dpi);

// Either facts or a one-line German reason why the file cannot be used.
struct ReadResult {
    std::optional<MediaFacts> facts;
    std::string reason;
};

// The largest side accepted, in pixels; anything above is a broken or hostile
// header, not a picture anyone prints.
constexpr long long MaxSide = 1'000'000;
// The largest resolution accepted, in dots per inch.
constexpr double MaxDpi = 1'000'000;

// What a picture reader reported, before any judgement: raw header values.
struct RawPicture {
    enum class Unit { None, PerInch, PerCentimetre, PerMetre };
    long long storedWidth = 0;
    long long storedHeight = 0;
    bool swapsSides = false; // the recorded orientation turns by 90 or 270 degrees
    double xResolution = 0;  // 0 when none is recorded
    double yResolution = 0;
    Unit unit = Unit::None; // None: no resolution, at most an aspect ratio
};

// What ffprobe reported about the first video stream.
struct RawVideo {
    long long width = 0; // as stored
    long long height = 0;
    long long sarNumerator = 1; // sample aspect ratio; 0:x means not known
    long long sarDenominator = 1;
    double rotation = 0; // degrees, either sense
};

// Judges and converts: absurd sizes give a reason; a resolution that cannot
// be used is dropped, the size kept. The horizontal resolution wins (the
// stored vertical one when a quarter turn makes it horizontal). Per inch it
// is rounded to a whole number; per centimetre or metre it becomes dots per
// inch with the exact 2.54, to two decimals, and a value within 0.03 of a
// whole number is that number; 0 counts as none.
ReadResult factsFromPicture(const RawPicture& raw);

// The frame as a player shows it: non-square pixels widened or narrowed to
// square ones (rounded down), then a quarter turn swaps the sides; the
// display ratio is kept exactly beside it.
ReadResult factsFromVideo(const RawVideo& raw);

} // namespace media
