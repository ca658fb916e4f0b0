#pragma once
#include "common/commands/operating_system.h"

namespace platform {

// The running program's answers to the folder and path queries: its own
// folder and file, the system configuration, library and temporary folders,
// and canonical paths. Needs the application object for the first two.
commands::OperatingSystem systemQueries();

} // namespace platform
