#pragma once
#include "common/commands/start_request.h"

namespace platform {

// Reads the program's arguments, before the toolkit starts.
commands::StartRequest readStartRequest(int argc, const char* const* argv);

} // namespace platform
