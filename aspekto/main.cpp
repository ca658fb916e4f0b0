// Aspekto, the format calculator: one copy per user, one window.
#include "aspekto/aspekto_app.h"
#include "common/platform/display_choice.h"
#include "common/platform/single_instance.h"
#include "common/platform/start_request.h"
#include "common/qtview/application.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char** argv) {
    const commands::StartRequest request = platform::readStartRequest(argc, argv);
    // A second copy ends silently and touches nothing.
    platform::SingleInstance instance(QStringLiteral("aspekto"));
    if (instance.previousInstance()) return EXIT_SUCCESS;
    if (!platform::applyDisplayChoice("aspekto")) return EXIT_FAILURE;

    QApplication qt(argc, argv);
    qtview::setUpProgram(qt, "aspekto", "org.brixtel.Aspekto");
    aspekto::AspektoApp app;
    if (!app.start(request)) return EXIT_SUCCESS;
    return QApplication::exec();
}
