#include "format/format_foot_line.h"

#include "format/format_window.h"

#include <array>
#include <cmath>
#include <numeric>
#include <optional>
#include <string_view>

namespace format {

namespace {

struct NamedRatio {
    long long width, height; // reduced
    std::string_view text;
};

// The ratios people name, wide and upright; 21:9 is 64:27 as produced.
constexpr std::array<NamedRatio, 18> Named{{
    {1, 1, "1:1"},
    {5, 4, "5:4"},
    {4, 3, "4:3"},
    {3, 2, "3:2"},
    {8, 5, "16:10"},
    {5, 3, "5:3"},
    {16, 9, "16:9"},
    {37, 20, "1,85:1"},
    {2, 1, "2:1"},
    {64, 27, "21:9"},
    {239, 100, "2,39:1"},
    {4, 5, "4:5"},
    {3, 4, "3:4"},
    {2, 3, "2:3"},
    {5, 8, "10:16"},
    {3, 5, "3:5"},
    {9, 16, "9:16"},
    {27, 64, "9:21"},
}};

// A side must fit the arithmetic below (products of two sides, times 200).
constexpr long long LargestSide = 999'999'999;

std::optional<long long> side(const std::string& text) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + (c - '0');
    }
    if (n < 1 || n > LargestSide) return std::nullopt;
    return n;
}

// A count of hundredths or tenths with the decimal comma.
std::string decimal(long long units, int digits) {
    const long long scale = digits == 1 ? 10 : 100;
    std::string fraction = std::to_string(units % scale);
    fraction.insert(0, static_cast<std::size_t>(digits) - fraction.size(), '0');
    return std::to_string(units / scale) + ',' + fraction;
}

} // namespace

std::string ratioText(long long height, long long width) {
    const long long g = std::gcd(height, width);
    const long long a = width / g, b = height / g;
    for (const NamedRatio& n : Named)
        if (n.width == a && n.height == b) return std::string(n.text);
    if (a <= 32 && b <= 32) return std::to_string(a) + ':' + std::to_string(b);
    const double ratio = static_cast<double>(width) / static_cast<double>(height);
    const NamedRatio* nearest = nullptr;
    double off = 0.01;
    for (const NamedRatio& n : Named) {
        const double named = static_cast<double>(n.width) / static_cast<double>(n.height);
        const double d = std::fabs(ratio - named) / named;
        if (d <= off) off = d, nearest = &n;
    }
    return nearest ? "≈ " + std::string(nearest->text) : std::string();
}

std::string decimalRatioText(long long height, long long width) {
    const long long longer = std::max(height, width), shorter = std::min(height, width);
    // Hundredths, half up: floor(100 * longer / shorter + 1/2), exactly.
    return decimal((200 * longer + shorter) / (2 * shorter), 2) + ":1";
}

std::string megapixelText(long long height, long long width) {
    const long long tenths = (height * width + 50'000) / 100'000;
    return tenths == 0 ? "< 0,1 MP" : decimal(tenths, 1) + " MP";
}

std::string divisibilityText(long long height, long long width) {
    for (long long d : {16, 8, 4})
        if (height % d == 0 && width % d == 0) return "durch " + std::to_string(d) + " teilbar";
    const bool oddHeight = height % 2 != 0, oddWidth = width % 2 != 0;
    if (oddHeight && oddWidth) return "beide Seiten ungerade";
    if (oddWidth) return "Breite ungerade";
    if (oddHeight) return "Höhe ungerade";
    return "gerade";
}

std::string deviationText(long long height, long long width, double storedWidthPerHeight) {
    if (!(storedWidthPerHeight > 0) || !std::isfinite(storedWidthPerHeight)) return {};
    const double ratio = static_cast<double>(width) / static_cast<double>(height);
    const double percent = std::fabs(ratio - storedWidthPerHeight) / storedWidthPerHeight * 100;
    const double hundredths = std::floor(percent * 100 + 0.5);
    if (!(hundredths >= 1) || hundredths > 1e15) return {};
    return "weicht " + decimal(static_cast<long long>(hundredths), 2) + " % ab";
}

std::string footText(FormatWindow& window) {
    forms::Form& form = window.form();
    const auto height = side(form.control("Text1").text());
    const auto width = side(form.control("Text2").text());
    std::string text;
    auto add = [&text](const std::string& item) {
        if (item.empty()) return;
        if (!text.empty()) text += " · ";
        text += item;
    };
    if (height && width) {
        add(ratioText(*height, *width));
        add(decimalRatioText(*height, *width));
        add(megapixelText(*height, *width));
        add(divisibilityText(*height, *width));
        // Against the ratio the lock keeps; a free pair has none.
        if (window.RoundTo != Rounding::WholePixels && form.control("Check1").value() == 1)
            add(deviationText(*height, *width, window.PxWidthPerHeight));
    }
    add(window.FrameNote);
    return text;
}

} // namespace format
