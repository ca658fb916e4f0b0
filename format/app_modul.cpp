#include "app_modul.h"

#include "commands/system_folders.h"
#include "forms/error_policy.h"

namespace format {

bool Main(FormatWindow& window, const StartUp& start) {
    using forms::step;
    if (start.previousInstance) return false;
    step([&] { commands::InitSystemFolders(start.os); });
    step([&] { commands::InitAppNames(start.os); });
    step([&] {
        if (!start.commandLine.empty()) commands::Program().CommandLine = start.commandLine;
    });
    step([&] { window.form().show(); });
    step([&] { window.form().control("Text1").SetFocus(); });
    return true;
}

} // namespace format
