#pragma once
#include "common/forms/declaration.h"

namespace dpi {

// The DPI window as declared: every control with its look, place and
// initial state. The layout is the scan mode with the proportions locked;
// start-up shows the mirror labels and the bracket pictures.
forms::FormDecl layout();

} // namespace dpi
