#include "common/platform/display_choice.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

DisplayEnvironment readDisplayEnvironment(const std::function<const char*(const char*)>& getenv) {
    auto read = [&](const char* name) {
        const char* v = getenv(name);
        return std::string(v ? v : "");
    };
    return {read("QT_QPA_PLATFORM"), read("DISPLAY"), read("WAYLAND_DISPLAY")};
}

DisplayChoice chooseDisplay(const DisplayEnvironment& env) {
    if (!env.qtPlatform.empty()) return {}; // the user decided
    if (!env.x11Display.empty() && !env.waylandDisplay.empty()) return {true, std::string("xcb")};
    if (env.x11Display.empty() && env.waylandDisplay.empty()) return {false, std::nullopt};
    return {};
}

std::string noDisplayMessage(const std::string& program) {
    return program +
           ": no display to open the window on.\n"
           "Start it inside a desktop session, or without a desktop through a virtual "
           "X server:\n    xvfb-run -a " +
           program + "\n(QT_QPA_PLATFORM=offscreen runs it without showing anything.)\n";
}

bool applyDisplayChoice(const std::string& program) {
    const DisplayChoice choice = chooseDisplay(readDisplayEnvironment(&std::getenv));
    if (!choice.usable) {
        std::fputs(noDisplayMessage(program).c_str(), stderr);
        return false;
    }
    if (choice.qtPlatform) setenv("QT_QPA_PLATFORM", choice.qtPlatform->c_str(), 1);
    return true;
}

} // namespace platform
