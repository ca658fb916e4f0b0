#pragma once
#include <functional>
#include <optional>
#include <string>

namespace platform {

// What the environment offers the program, read once at start.
struct DisplayEnvironment {
    std::string qtPlatform;     // QT_QPA_PLATFORM: the user's own choice
    std::string x11Display;     // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
};

DisplayEnvironment readDisplayEnvironment(const std::function<const char*(const char*)>& getenv);

struct DisplayChoice {
    bool usable = true;                      // false: nothing to show a window on
    std::optional<std::string> qtPlatform{}; // set QT_QPA_PLATFORM to this
};

// Both windows promise to stay on top, which only X11 lets a client keep:
// with both displays at hand and no choice of the user's, run through X11.
DisplayChoice chooseDisplay(const DisplayEnvironment& env);

// The text for a start without any display.
std::string noDisplayMessage(const std::string& program);

// Applies the choice to this process before the toolkit starts: false (and
// the message on standard error) when there is no display at all.
bool applyDisplayChoice(const std::string& program);

} // namespace platform
