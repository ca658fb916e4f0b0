#pragma once
#include "common/value/conversions.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

// What every fuzz target shares: a reader that turns the input bytes into
// choices, and checks that stop the run loudly (libFuzzer keeps the input).
namespace fuzz {

[[noreturn]] inline void fail(const std::string& what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline void require(bool ok, const std::string& what) {
    if (!ok) fail(what);
}

// Consumes the input from the front; an exhausted input reads as zeros.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::size_t remaining() const { return size_ - pos_; }

    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t word() { return static_cast<std::uint16_t>(byte() | (byte() << 8)); }
    double rawDouble() {
        std::uint64_t bits = 0;
        for (int i = 0; i < 8; ++i)
            bits |= static_cast<std::uint64_t>(byte()) << (8 * i);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    // Up to maxLength bytes, the length taken from the input.
    std::string text(std::size_t maxLength) {
        std::size_t n = byte() % (maxLength + 1);
        n = n < remaining() ? n : remaining();
        std::string t(reinterpret_cast<const char*>(data_ + pos_), n);
        pos_ += n;
        return t;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

inline bool mentionsNanOrInf(std::string_view text) {
    std::string lower;
    for (char c : text)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// A text the program computed: empty (nothing could be computed) or a
// number that reads back.
inline bool isShownNumber(std::string_view text) {
    return text.empty() || (!mentionsNanOrInf(text) && value::parseNumber(text).has_value());
}

} // namespace fuzz
