// Rastomat: the dpi calculator.
#include "common/platform/display_choice.h"
#include "common/platform/start_request.h"
#include "common/qtview/application.h"
#include "rastomat/rastomat_app.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
    const commands::StartRequest request = platform::readStartRequest(argc, argv);
    // Say what to do instead of failing in the toolkit when there is no display.
    if (!platform::applyDisplayChoice("rastomat")) return EXIT_FAILURE;

    QApplication qt(argc, argv);
    qtview::setUpProgram(qt, "rastomat", "org.brixtel.Rastomat");
    rastomat::RastomatApp app(request);
    return QApplication::exec();
}
