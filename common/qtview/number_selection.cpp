#include "common/qtview/number_selection.h"

#include <QClipboard>
#include <QGuiApplication>

namespace qtview {

namespace {

bool isDigit(const QString& text, int i) {
    return i >= 0 && i < text.size() && text[i].isDigit();
}

// A digit, or a separator between two digits.
bool inNumber(const QString& text, int i) {
    if (isDigit(text, i)) return true;
    if (i < 0 || i >= text.size()) return false;
    const QChar c = text[i];
    return (c == QLatin1Char(',') || c == QLatin1Char('.')) && isDigit(text, i - 1) &&
           isDigit(text, i + 1);
}

} // namespace

TextRange wholeNumberAround(const QString& text, TextRange selected) {
    if (selected.length <= 0) return selected;
    for (int i = selected.start; i < selected.start + selected.length; ++i)
        if (!inNumber(text, i)) return selected;
    int start = selected.start;
    int end = selected.start + selected.length;
    while (inNumber(text, start - 1))
        --start;
    while (inNumber(text, end))
        ++end;
    return {start, end - start};
}

void offerAsPrimarySelection(const QString& selected) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && !selected.isEmpty())
        clipboard->setText(selected, QClipboard::Selection);
}

} // namespace qtview
