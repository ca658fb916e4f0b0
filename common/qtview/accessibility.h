#pragma once
#include "common/forms/form.h"

#include <map>

class QComboBox;
class QLabel;
class QWidget;

namespace qtview {

class FootLine;

// A decorative picture: assistive technology reports it as not shown, so a
// screen reader passes over it.
void hideFromAssistiveTechnology(QWidget* picture);

// A label is named by its text alone, also when that is empty, and no frame
// names or labels it: Qt would name an empty label after its group box.
void nameByTextAlone(QLabel* label);

// A combo box is named by its accessible name, as a field is; Qt on Linux
// names it by its shown line.
void nameByAccessibleName(QComboBox* box);

// A note that comes and goes: a notification named by its text, announced
// by a screen reader each time it is shown.
void announceAsNotification(QLabel* note);

// The foot line: a status bar, named by its whole text.
void announceAsStatusLine(FootLine* line);

// A label's text is what a screen reader reads; its description says what
// it is to the control it is declared for: the caption, unit or heading
// ("Beschriftung von „Bildhöhe in Zentimetern“"). Declared descriptions stay.
void describeLabels(const forms::Form& form,
                    const std::map<const forms::Control*, QWidget*>& widgets);

} // namespace qtview
