#include "format/app_modul.h"

#include "common/commands/system_folders.h"
#include "common/forms/error_policy.h"

namespace format {

bool Main(FormatWindow& window, const StartUp& start) {
    using forms::step;
    if (start.previousInstance) return false;
    step([&] { commands::InitSystemFolders(start.os); });
    step([&] { commands::InitAppNames(start.os); });
    step([&] {
        if (!start.request.commandLine.empty())
            commands::Program().CommandLine = start.request.commandLine;
    });
    step([&] { window.form().show(); });
    step([&] { window.form().control("Text1").SetFocus(); });
    return true;
}

} // namespace format
