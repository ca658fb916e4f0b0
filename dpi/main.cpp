// Rastomat: the dpi calculator.
#include "dpi/dpi_window.h"
#include "platform/display_choice.h"
#include "qt/application.h"
#include "qt/form_view.h"

#include <QApplication>

#include <cstdlib>

// The pictures are drawn by the project as XPM sources, each also at twice
// the size for high-density screens.
#include "common/pictures/calculator_icon.xpm"
#include "common/pictures/calculator_icon_2x.xpm"
#include "dpi/pictures/arrow_down.xpm"
#include "dpi/pictures/arrow_down_2x.xpm"
#include "dpi/pictures/arrow_up.xpm"
#include "dpi/pictures/arrow_up_2x.xpm"
#include "dpi/pictures/bracket_link.xpm"
#include "dpi/pictures/bracket_link_2x.xpm"
#include "dpi/pictures/printer.xpm"
#include "dpi/pictures/printer_2x.xpm"
#include "dpi/pictures/scanner.xpm"
#include "dpi/pictures/scanner_2x.xpm"

namespace {

void addPictures() {
    qtview::addXpmPicture("icon", calculator_icon_xpm, calculator_icon_2x_xpm);
    qtview::addXpmPicture("scanner", scanner_xpm, scanner_2x_xpm);
    qtview::addXpmPicture("printer", printer_xpm, printer_2x_xpm);
    qtview::addXpmPicture("arrow_up", arrow_up_xpm, arrow_up_2x_xpm);
    qtview::addXpmPicture("arrow_down", arrow_down_xpm, arrow_down_2x_xpm);
    qtview::addXpmPicture("bracket_link", bracket_link_xpm, bracket_link_2x_xpm);
}

} // namespace

int main(int argc, char* argv[]) {
    // Say what to do instead of failing in the toolkit when there is no display.
    if (!platform::applyDisplayChoice("rastomat")) return EXIT_FAILURE;

    QApplication app(argc, argv);
    QApplication::setApplicationName("rastomat");
    QGuiApplication::setDesktopFileName("org.brixtel.Rastomat");
    qtview::installGermanQtTexts(app);
    addPictures();

    dpi::DpiWindow window;
    qtview::FormView view(window.form());
    qtview::connectToolkit();
    window.form().show();
    return app.exec();
}
