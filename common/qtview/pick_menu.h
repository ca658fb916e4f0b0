#pragma once
#include "common/forms/control.h"

class QMenu;

namespace qtview {

// Adds the picks the window offers for the control to its context menu, one
// submenu per group, behind the editing entries. Adds nothing when there
// are none.
void addPicks(QMenu* menu, const forms::Control& control);

} // namespace qtview
