#include "common/qtview/foot_line.h"

#include "common/qtview/accessibility.h"

#include <QAccessible>
#include <QStringList>
#include <QTextLayout>

namespace qtview {

FootLine::FootLine(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::NoFocus);
    announceAsStatusLine(this);
}

QString FootLine::cutToLines(const QString& text, const QFont& font, int width, int lines) {
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QString shown;
    int count = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (++count < lines) continue;
        // The last line that fits takes the rest of the text, cut with "…".
        const QString rest = text.mid(line.textStart());
        const QString head = text.left(line.textStart());
        const QFontMetrics metrics(font);
        shown = head + metrics.elidedText(rest, Qt::ElideRight, width);
        break;
    }
    layout.endLayout();
    return count < lines ? text : shown;
}

QString FootLine::keptTogether(const QString& text) {
    // Lines break only between items, after their "·": the spaces inside an
    // item and the one before its dot do not break. Copying and the screen
    // reader see plain spaces again.
    static const QString Separator = QStringLiteral(" \u00b7 ");
    QStringList items = text.split(Separator);
    for (QString& item : items)
        item.replace(QLatin1Char(' '), QChar::Nbsp);
    return items.join(QChar(QChar::Nbsp) + QStringLiteral("\u00b7 "));
}

void FootLine::setFullText(const QString& text) {
    if (text == full_) return;
    full_ = text;
    layOut();
}

void FootLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    layOut();
}

void FootLine::layOut() {
    const QString together = keptTogether(full_);
    const QString shown = cutToLines(together, font(), contentsRect().width(), Lines);
    const bool cut = shown != together;
    setText(shown);
    setToolTip(cut ? full_ : QString());
    setAccessibleDescription(cut ? full_ : QString());
    // The status line's name is its whole text.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace qtview
