#pragma once
#include "common/forms/form.h"

// Window placement and the topmost state, for both programs.
namespace commands {

enum class Clamp { None, ToScreen };

// Centres the window horizontally and puts its middle at 42.5 % of the
// screen height, on the screen wherever it lies on the desktop. The format
// calculator keeps the window's corner on the screen.
void CenterForm(forms::Form& window, Clamp clamp = Clamp::None);

// Keeps the window above all ordinary windows, or releases it; position and
// size stay. Lets pending events run before it returns.
void SetWindowOnTop(forms::Form& window, bool onTop = true);

} // namespace commands
