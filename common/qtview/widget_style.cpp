#include "common/qtview/widget_style.h"

#include <QFontMetrics>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include <cmath>

namespace qtview {

int pixels(int twips) {
    return static_cast<int>(std::lround(twips / static_cast<double>(forms::TwipsPerPixel)));
}

QRect pixelRect(int left, int top, int width, int height) {
    return {pixels(left), pixels(top), pixels(width), pixels(height)};
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string utf8(const QString& text) {
    return text.toStdString();
}

QFont fontOf(const forms::Font& font) {
    QFont f(qs(font.family));
    f.setPointSizeF(font.points);
    f.setBold(font.bold);
    return f;
}

QColor colorOf(forms::Color color) {
    return QColor(color.r, color.g, color.b);
}

void applyColors(QWidget* widget, forms::Kind kind, forms::Color fore,
                 const std::optional<forms::Color>& back) {
    using forms::Kind;
    QPalette p = widget->palette();
    const QColor text = colorOf(fore);
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    switch (kind) {
    case Kind::TextBox:
    case Kind::ComboBox:
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::ButtonText, text);
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Base, back ? colorOf(*back) : white);
        break;
    case Kind::CheckBox:
    case Kind::OptionButton:
        // The caption takes the colour; the indicator stays as usual.
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::ButtonText, text);
        p.setColor(QPalette::Text, black);
        p.setColor(QPalette::Base, white);
        break;
    case Kind::Frame:
    case Kind::Label:
    case Kind::PictureBox:
    case Kind::Image:
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::ButtonText, text);
        break;
    }
    if (back && kind != Kind::TextBox && kind != Kind::ComboBox) {
        p.setColor(QPalette::Window, colorOf(*back));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(p);
}

QString wrapCaption(const QString& text, const QFont& font, int width) {
    QFontMetrics metrics(font);
    if (width <= 0 || metrics.horizontalAdvance(text) <= width) return text;
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines.join(QLatin1Char('\n'));
}

} // namespace qtview
