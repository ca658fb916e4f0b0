// Rastomat: the dpi calculator.
#include "common/platform/command_line.h"
#include "common/platform/display_choice.h"
#include "common/qtview/application.h"
#include "rastomat/rastomat_app.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    const platform::CommandLine line = platform::readCommandLine(
        argc, argv, "rastomat",
        "Rastomat, der DPI-Rechner: Pixel, Zentimeter und Auflösung eines Bildes.",
        "Ein Bild, dessen Größe und Auflösung übernommen werden.");
    std::fputs(line.out.c_str(), stdout);
    std::fputs(line.err.c_str(), stderr);
    if (line.exitStatus) return *line.exitStatus;
    // Say what to do instead of failing in the toolkit when there is no display.
    if (!platform::applyDisplayChoice("rastomat")) return EXIT_FAILURE;

    // The toolkit sees no argument: none of its own options (a mirrored
    // layout, another style) may change the fixed German window.
    int toolkitArgc = 1;
    QApplication qt(toolkitArgc, argv);
    qtview::setUpProgram(qt, "rastomat", "org.brixtel.Rastomat");
    rastomat::RastomatApp app(line.request);
    return QApplication::exec();
}
