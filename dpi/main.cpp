// Rastomat: the dpi calculator.
#include "dpi/dpi_window.h"
#include "platform/display_choice.h"
#include "qt/form_view.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

// The pictures are drawn by the project as XPM sources.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wwrite-strings"
#if __has_include("common/pictures/calculator_icon.xpm")
#include "common/pictures/calculator_icon.xpm"
#define HAVE_ICON 1
#endif
#if __has_include("common/pictures/calculator_icon_2x.xpm")
#include "common/pictures/calculator_icon_2x.xpm"
#define HAVE_ICON_2X 1
#endif
#if __has_include("dpi/pictures/scanner.xpm")
#include "dpi/pictures/arrow_down.xpm"
#include "dpi/pictures/arrow_up.xpm"
#include "dpi/pictures/bracket_link.xpm"
#include "dpi/pictures/printer.xpm"
#include "dpi/pictures/scanner.xpm"
#define HAVE_PICTURES 1
#endif
#if __has_include("dpi/pictures/scanner_2x.xpm")
#include "dpi/pictures/arrow_down_2x.xpm"
#include "dpi/pictures/arrow_up_2x.xpm"
#include "dpi/pictures/bracket_link_2x.xpm"
#include "dpi/pictures/printer_2x.xpm"
#include "dpi/pictures/scanner_2x.xpm"
#define HAVE_PICTURES_2X 1
#endif
#pragma GCC diagnostic pop

namespace {

// On a high-density screen the pictures drawn at twice the size keep their
// layout size and stay sharp.
bool highDensity() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->devicePixelRatio() >= 1.5;
}

void addPicture(const std::string& name, const char* const* normal,
                [[maybe_unused]] const char* const* doubled) {
    if (doubled && highDensity()) {
        QPixmap pixmap(doubled);
        pixmap.setDevicePixelRatio(2.0);
        qtview::addPicture(name, pixmap);
        return;
    }
    qtview::addPicture(name, QPixmap(normal));
}

void addPictures() {
#ifdef HAVE_ICON
#ifdef HAVE_ICON_2X
    addPicture("icon", calculator_icon_xpm, calculator_icon_2x_xpm);
#else
    addPicture("icon", calculator_icon_xpm, nullptr);
#endif
#endif
#ifdef HAVE_PICTURES
#ifdef HAVE_PICTURES_2X
    addPicture("scanner", scanner_xpm, scanner_2x_xpm);
    addPicture("printer", printer_xpm, printer_2x_xpm);
    addPicture("arrow_up", arrow_up_xpm, arrow_up_2x_xpm);
    addPicture("arrow_down", arrow_down_xpm, arrow_down_2x_xpm);
    addPicture("bracket_link", bracket_link_xpm, bracket_link_2x_xpm);
#else
    addPicture("scanner", scanner_xpm, nullptr);
    addPicture("printer", printer_xpm, nullptr);
    addPicture("arrow_up", arrow_up_xpm, nullptr);
    addPicture("arrow_down", arrow_down_xpm, nullptr);
    addPicture("bracket_link", bracket_link_xpm, nullptr);
#endif
#endif
}

} // namespace

int main(int argc, char* argv[]) {
    // Say what to do instead of failing in the toolkit when there is no display.
    const platform::DisplayChoice display =
        platform::chooseDisplay(platform::readDisplayEnvironment(&std::getenv));
    if (!display.usable) {
        std::fputs(platform::noDisplayMessage("rastomat").c_str(), stderr);
        return 1;
    }
    if (display.qtPlatform) qputenv("QT_QPA_PLATFORM", display.qtPlatform->c_str());

    QApplication app(argc, argv);
    QApplication::setApplicationName("rastomat");
    addPictures();

    dpi::DpiWindow window;
    qtview::FormView view(window.form());
    qtview::connectToolkit();
    window.form().show();
    return app.exec();
}
