// Aspekto, the format calculator: one copy per user, one window.
#include "app_modul.h"
#include "format_window.h"
#include "platform/display_choice.h"
#include "platform/single_instance.h"
#include "platform/system_queries.h"
#include "qt/application.h"
#include "qt/form_view.h"

#include <QApplication>
#include <QStringList>

#include <cstdlib>

// The pictures are drawn by the project as XPM sources, each also at twice
// the size for high-density screens.
#include "common/pictures/calculator_icon.xpm"
#include "common/pictures/calculator_icon_2x.xpm"
#include "format/pictures/bracket.xpm"
#include "format/pictures/bracket_2x.xpm"

namespace {

void registerPictures() {
    qtview::addXpmPicture("icon", calculator_icon_xpm, calculator_icon_2x_xpm);
    qtview::addXpmPicture("bracket", bracket_xpm, bracket_2x_xpm);
}

// The arguments as one text, the way the command line was typed.
std::string commandLineText(const QStringList& arguments) {
    return arguments.mid(1).join(' ').toStdString();
}

} // namespace

int main(int argc, char** argv) {
    // Before anything else: a second copy ends silently and touches nothing.
    platform::SingleInstance instance(QStringLiteral("aspekto"));
    if (instance.previousInstance()) return EXIT_SUCCESS;

    if (!platform::applyDisplayChoice("aspekto")) return EXIT_FAILURE;

    QApplication app(argc, argv);
    QApplication::setApplicationName("aspekto");
    QGuiApplication::setDesktopFileName("org.brixtel.Aspekto");
    qtview::installGermanQtTexts(app);
    registerPictures();

    format::FormatWindow window;
    qtview::FormView view(window.form());
    qtview::connectToolkit();

    format::StartUp start;
    start.commandLine = commandLineText(QApplication::arguments());
    start.os = platform::systemQueries();
    if (!format::Main(window, start)) return EXIT_SUCCESS;
    return app.exec();
}
