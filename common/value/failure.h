#pragma once
#include <stdexcept>
#include <string>

namespace value {

// A run-time error of one statement: a conversion that fails, a division by
// zero, an overflow. Routines "with errors ignored" catch it per step; all
// others let it travel to their caller.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

} // namespace value
