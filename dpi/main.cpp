// Rastomat: the dpi calculator.
#include "dpi/dpi_window.h"
#include "platform/display_choice.h"
#include "qt/application.h"
#include "qt/form_view.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>

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

#ifndef HAVE_ICON_2X
const char* const* const calculator_icon_2x_xpm = nullptr;
#endif
#ifndef HAVE_PICTURES_2X
const char* const* const scanner_2x_xpm = nullptr;
const char* const* const printer_2x_xpm = nullptr;
const char* const* const arrow_up_2x_xpm = nullptr;
const char* const* const arrow_down_2x_xpm = nullptr;
const char* const* const bracket_link_2x_xpm = nullptr;
#endif

void addPictures() {
#ifdef HAVE_ICON
    qtview::addXpmPicture("icon", calculator_icon_xpm, calculator_icon_2x_xpm);
#endif
#ifdef HAVE_PICTURES
    qtview::addXpmPicture("scanner", scanner_xpm, scanner_2x_xpm);
    qtview::addXpmPicture("printer", printer_xpm, printer_2x_xpm);
    qtview::addXpmPicture("arrow_up", arrow_up_xpm, arrow_up_2x_xpm);
    qtview::addXpmPicture("arrow_down", arrow_down_xpm, arrow_down_2x_xpm);
    qtview::addXpmPicture("bracket_link", bracket_link_xpm, bracket_link_2x_xpm);
#endif
}

// What the switches do, for screen readers; their captions name them.
void describeSwitches(const qtview::FormView& view) {
    const std::pair<const char*, const char*> descriptions[] = {
        {"Check1", "Höhe und Breite ändern sich im gespeicherten Seitenverhältnis mit"},
        {"Option1", "Zentimeter und Auflösung eingeben, die Pixel werden berechnet"},
        {"Option2", "Pixel und Auflösung eingeben, die Zentimeter werden berechnet"},
    };
    for (const auto& [name, text] : descriptions)
        if (QWidget* w = view.widgetFor(name)) w->setAccessibleDescription(QString::fromUtf8(text));
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
    qtview::installGermanQtTexts(app);
    addPictures();

    dpi::DpiWindow window;
    qtview::FormView view(window.form());
    describeSwitches(view);
    qtview::connectToolkit();
    window.form().show();
    return app.exec();
}
