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

#include <cstdio>
#include <cstdlib>
#include <utility>

// The pictures are drawn by the project as XPM sources, each also at twice
// the size for high-density screens.
#if __has_include("common/pictures/calculator_icon.xpm")
#include "common/pictures/calculator_icon.xpm"
#define ASPEKTO_HAS_ICON 1
#endif
#if __has_include("common/pictures/calculator_icon_2x.xpm")
#include "common/pictures/calculator_icon_2x.xpm"
#define ASPEKTO_HAS_ICON_2X 1
#endif
#if __has_include("format/pictures/bracket.xpm")
#include "format/pictures/bracket.xpm"
#define ASPEKTO_HAS_BRACKET 1
#endif
#if __has_include("format/pictures/bracket_2x.xpm")
#include "format/pictures/bracket_2x.xpm"
#define ASPEKTO_HAS_BRACKET_2X 1
#endif

namespace {

#ifndef ASPEKTO_HAS_ICON_2X
const char* const* const calculator_icon_2x_xpm = nullptr;
#endif
#ifndef ASPEKTO_HAS_BRACKET_2X
const char* const* const bracket_2x_xpm = nullptr;
#endif

void registerPictures() {
#ifdef ASPEKTO_HAS_ICON
    qtview::addXpmPicture("icon", calculator_icon_xpm, calculator_icon_2x_xpm);
#endif
#ifdef ASPEKTO_HAS_BRACKET
    qtview::addXpmPicture("bracket", bracket_xpm, bracket_2x_xpm);
#endif
}

// What the list and the switches do, for screen readers.
void describeControls(const qtview::FormView& view) {
    const std::pair<const char*, const char*> descriptions[] = {
        {"Combo1", "Übliche Video- und Bildgrößen; eine Zeile setzt Höhe und Breite"},
        {"Check1", "Höhe und Breite ändern sich im gespeicherten Seitenverhältnis mit"},
        {"chkOnTop", "Das Fenster bleibt über allen anderen Fenstern"},
    };
    for (const auto& [name, text] : descriptions)
        if (QWidget* w = view.widgetFor(name)) w->setAccessibleDescription(QString::fromUtf8(text));
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

    auto display = platform::chooseDisplay(platform::readDisplayEnvironment(std::getenv));
    if (!display.usable) {
        std::fputs(platform::noDisplayMessage("aspekto").c_str(), stderr);
        return EXIT_FAILURE;
    }
    if (display.qtPlatform) qputenv("QT_QPA_PLATFORM", display.qtPlatform->c_str());

    QApplication app(argc, argv);
    QApplication::setApplicationName("aspekto");
    qtview::installGermanQtTexts(app);
    registerPictures();

    format::FormatWindow window;
    qtview::FormView view(window.form());
    describeControls(view);
    qtview::connectToolkit();

    format::StartUp start;
    start.commandLine = commandLineText(QApplication::arguments());
    start.os = platform::systemQueries();
    if (!format::Main(window, start)) return EXIT_SUCCESS;
    return app.exec();
}
