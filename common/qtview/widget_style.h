#pragma once
#include "common/forms/declaration.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <optional>
#include <string>

class QWidget;

// The declared look of a control turned into Qt terms.
namespace qtview {

// forms::TwipsPerPixel twips per device-independent pixel.
int pixels(int twips);
QRect pixelRect(int left, int top, int width, int height);

QString qs(const std::string& text);
std::string utf8(const QString& text);

QFont fontOf(const forms::Font& font);
QColor colorOf(forms::Color color);

// Sets every colour role the widget's kind draws with, so that nothing is
// inherited from a coloured container (a frame's caption colour).
void applyColors(QWidget* widget, forms::Kind kind, forms::Color fore,
                 const std::optional<forms::Color>& back);

// Breaks a caption into lines of at most `width` pixels at blanks, as a
// check box or option button of the layout wraps a caption that is too long.
QString wrapCaption(const QString& text, const QFont& font, int width);

} // namespace qtview
