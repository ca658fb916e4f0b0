#pragma once
#include <QString>

#include <string>

class QCoreApplication;
class QTranslator;

namespace qtview {

// Qt's own texts (a field's context menu, standard buttons) in German: the
// windows are German whatever language the system speaks. Returns the
// installed translator, owned by the application; null when the German
// catalogue is not installed (Qt then speaks English).
QTranslator* installGermanQtTexts(QCoreApplication& app);

// A picture from XPM sources at its own size and, when given, at twice the
// size: each window draws the one that is sharp for its screen's density.
void addXpmPicture(const std::string& name, const char* const* normal,
                   const char* const* doubled = nullptr);

} // namespace qtview
