#pragma once
#include <QString>

namespace qtview {

struct TextRange {
    int start = 0;
    int length = 0;
};

// A double-click selects a word, and the decimal comma ends a word; on a
// number the selection grows to the whole number ("9,75", "1,57"). Other
// selections come back as they are.
TextRange wholeNumberAround(const QString& text, TextRange selected);

// On X11 a selection is also the primary selection, which a middle click
// pastes: what the toolkit put there for its word goes for the number.
void offerAsPrimarySelection(const QString& selected);

} // namespace qtview
