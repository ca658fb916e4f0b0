#pragma once
#include "common/forms/form.h"

#include <map>

class QWidget;

namespace qtview {

// A decorative picture: assistive technology reports it as not shown, so a
// screen reader passes over it.
void hideFromAssistiveTechnology(QWidget* picture);

// A label's text is what a screen reader reads; its description says what
// it shows: the caption, unit or heading of the control beside or below it
// ("Beschriftung von „Bildhöhe in Zentimetern“"). Declared descriptions stay.
void describeLabels(const forms::Form& form,
                    const std::map<const forms::Control*, QWidget*>& widgets);

} // namespace qtview
