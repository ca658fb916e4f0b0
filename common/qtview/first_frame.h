#pragma once

namespace qtview {

// For the leak check and the start-up benchmark: when the environment names
// CALC_QUIT_AFTER_FIRST_FRAME, the first painted window prints one line to
// standard error (monotonic time in ns, its size, resident memory in kB) and
// the event loop ends. Without the variable it does nothing.
void watchFirstFrame();

} // namespace qtview
