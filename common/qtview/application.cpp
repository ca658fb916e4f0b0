#include "common/qtview/application.h"

#include "common/platform/termination.h"
#include "common/qtview/toolkit.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace qtview {

QTranslator* installGermanQtTexts(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_de"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

void setUpProgram(QCoreApplication& app, const char* name, const char* desktopFileName) {
    QCoreApplication::setApplicationName(QString::fromLatin1(name));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(desktopFileName));
    installGermanQtTexts(app);
    connectToolkit();
    platform::quitOnTermination();
}

} // namespace qtview
