#pragma once
#include "common/commands/operating_system.h"
#include "common/commands/start_request.h"
#include "format/format_window.h"

#include <string>

// The format calculator's start-up.
namespace format {

struct StartUp {
    bool previousInstance = false; // another copy already runs
    commands::StartRequest request;
    commands::OperatingSystem os;
};

// Ends at once (false) when another copy runs; otherwise records the
// program-wide values, shows the window and puts the caret into the height
// field (true: the program goes on in the window's event handlers).
bool Main(FormatWindow& window, const StartUp& start);

} // namespace format
