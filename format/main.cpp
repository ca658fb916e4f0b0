// Aspekto, the format calculator: one copy per user, one window.
#include "app_modul.h"
#include "format_window.h"
#include "platform/display_choice.h"
#include "platform/single_instance.h"
#include "platform/system_queries.h"
#include "qt/form_view.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

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

// On a high-density screen the doubled picture keeps the layout size and
// stays sharp.
[[maybe_unused]] void addPicture(const std::string& name, const char* const* normal,
                                 const char* const* doubled) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (doubled && screen && screen->devicePixelRatio() >= 1.5) {
        QPixmap pixmap(doubled);
        pixmap.setDevicePixelRatio(2.0);
        qtview::addPicture(name, pixmap);
        return;
    }
    qtview::addPicture(name, QPixmap(normal));
}

void registerPictures() {
#if defined(ASPEKTO_HAS_ICON) && defined(ASPEKTO_HAS_ICON_2X)
    addPicture("icon", calculator_icon_xpm, calculator_icon_2x_xpm);
#elif defined(ASPEKTO_HAS_ICON)
    addPicture("icon", calculator_icon_xpm, nullptr);
#endif
#if defined(ASPEKTO_HAS_BRACKET) && defined(ASPEKTO_HAS_BRACKET_2X)
    addPicture("bracket", bracket_xpm, bracket_2x_xpm);
#elif defined(ASPEKTO_HAS_BRACKET)
    addPicture("bracket", bracket_xpm, nullptr);
#endif
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
