#pragma once
#include <string>

// Sizes that video encoders accept: a computed side rounded to a multiple,
// and a ratio fitted into or filling a frame. Plain arithmetic, no window.
namespace format {

// What a computed side is rounded to. WholePixels is the calculator's own
// rule (rounded down); the others give the nearest multiple of their value.
enum class Rounding { WholePixels = 0, Even = 2, Eight = 8, Sixteen = 16 };

// The nearest multiple of `step`, a tie (or within 1e-9 of one) upward, and
// never less than one multiple.
double nearestMultiple(double value, int step);

// A side computed from the other one: rounded down for WholePixels, to the
// nearest multiple otherwise.
double computedSide(double exact, Rounding rounding);

struct Sides {
    long long height = 0;
    long long width = 0;
    bool operator==(const Sides&) const = default;
};

// The largest size of the given ratio inside the frame (fit) or the smallest
// that covers it (fill). The limiting side takes the frame's side (or the
// nearest multiple within / beyond it); the other side is rounded down for a
// fit, up for a fill with WholePixels, and otherwise to the nearest multiple
// unless that would not fit or not cover.
Sides fitFrame(double widthPerHeight, double heightPerWidth, Sides frame, Rounding rounding,
               bool fill);

// What the frame shows around a fitted size ("Balken oben und unten je 4,
// links und rechts je 248 Pixel") or what a filling size loses
// ("abgeschnitten oben und unten je 60 Pixel"); empty where they match.
std::string frameNote(Sides frame, Sides size, bool fill);

} // namespace format
