#pragma once
#include "common/forms/control.h"

#include <QString>

class QLabel;
class QWidget;

namespace qtview {

// Results shown as labels can be selected with the mouse and copied (Ctrl+C
// or the label's context menu) while the focus stays in the fields. One
// selection at a time: selecting in a label clears the focused field's and
// the other labels' selections, and a selection in a field clears the labels'.
// The menu also offers the picks the window has for the label's control.
void makeSelectable(QLabel* label, const forms::Control& control);

// The text selected in a label of the window; empty when there is none.
QString selectedLabelText(const QWidget* window);

void clearLabelSelections(const QWidget* window, const QLabel* except = nullptr);

} // namespace qtview
