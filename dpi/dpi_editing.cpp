#include "common/editing/numeric_field.h"
#include "dpi/dpi_window.h"

namespace dpi {

// Pixels and the resolution are whole numbers; only the centimetre fields
// take a comma.
void DpiWindow::Text1_KeyPress(int& code) {
    editing::filterKey(code, false);
}
void DpiWindow::Text2_KeyPress(int& code) {
    editing::filterKey(code, false);
}
void DpiWindow::Text3_KeyPress(int& code) {
    editing::filterKey(code, true);
}
void DpiWindow::Text4_KeyPress(int& code) {
    editing::filterKey(code, true);
}
void DpiWindow::Text5_KeyPress(int& code) {
    editing::filterKey(code, false);
}

// A change handler recomputes the other fields only while its own flag is
// 1, that is, only for the user's own edits.
void DpiWindow::Text1_GotFocus() {
    editing::gotFocus(Text1Active);
}
void DpiWindow::Text2_GotFocus() {
    editing::gotFocus(Text2Active);
}
void DpiWindow::Text3_GotFocus() {
    editing::gotFocus(Text3Active);
}
void DpiWindow::Text4_GotFocus() {
    editing::gotFocus(Text4Active);
}
void DpiWindow::Text1_LostFocus() {
    editing::lostFocus(Text1Active);
}
void DpiWindow::Text2_LostFocus() {
    editing::lostFocus(Text2Active);
}
void DpiWindow::Text3_LostFocus() {
    editing::lostFocus(Text3Active);
}
void DpiWindow::Text4_LostFocus() {
    editing::lostFocus(Text4Active);
}

} // namespace dpi
