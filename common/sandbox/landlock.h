#pragma once

namespace sandbox {

// Forbids the calling thread, and the threads and processes it starts later,
// every new file access the kernel's Landlock knows of, and where the kernel
// can, TCP, abstract Unix sockets and signals to processes outside. Files
// already open stay usable. Needs no_new_privs (or CAP_SYS_ADMIN); false when
// the kernel has no Landlock or refuses it.
bool forbidNewFileAccess() noexcept;

} // namespace sandbox
