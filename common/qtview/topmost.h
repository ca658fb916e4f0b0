#pragma once
class QWidget;

namespace qtview {

// Changes only the window's stacking state (keep above / ordinary), without
// re-creating, moving or resizing it.
void setStaysOnTop(QWidget* window, bool on);

} // namespace qtview
