#pragma once

namespace platform {

// Ends the event loop when the session asks the program to end (SIGTERM at
// logout, SIGHUP, Ctrl+C): the program then leaves as if its window were
// closed, so its lock is released and a reader still running is killed.
// Needs the application object; call it once.
void quitOnTermination();

} // namespace platform
