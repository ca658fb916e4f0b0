#pragma once

class QCoreApplication;
class QTranslator;

namespace qtview {

// Qt's own texts (a field's context menu, standard buttons) in German: the
// windows are German whatever language the system speaks. Returns the
// installed translator, owned by the application; null when the German
// catalogue is not installed (Qt then speaks English).
QTranslator* installGermanQtTexts(QCoreApplication& app);

// What both programs set up once the application object exists: their
// names for the desktop, Qt's German texts, the forms layer connected to
// the toolkit (screen size, DoEvents), and a quiet end when the session
// asks the program to end.
void setUpProgram(QCoreApplication& app, const char* name, const char* desktopFileName);

} // namespace qtview
