#pragma once

namespace qtview {

// Connects the forms layer to the running application: the screen size and
// DoEvents.
void connectToolkit();

} // namespace qtview
