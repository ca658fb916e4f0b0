#pragma once

// The character codes that KeyPress sees for keys that type no character.
namespace forms::keys {
constexpr int Backspace = 8;
constexpr int Enter = 13;
constexpr int Escape = 27;
} // namespace forms::keys
