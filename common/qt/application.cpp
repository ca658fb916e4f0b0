#include "application.h"

#include "form_view.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPixmap>
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

void addXpmPicture(const std::string& name, const char* const* normal, const char* const* doubled) {
    if (doubled)
        addPicture(name, QPixmap(normal), QPixmap(doubled));
    else
        addPicture(name, QPixmap(normal));
}

} // namespace qtview
