#pragma once

class QComboBox;

namespace qtview {

// The combo box's list opens below the box instead of over it. Laid over
// the box, the list put a line under the pointer that had just pressed the
// arrow, and the release of that very click chose the line and closed the
// list again, before the user could pick anything.
void useListBelow(QComboBox* box);

} // namespace qtview
