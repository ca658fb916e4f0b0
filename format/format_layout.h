#pragma once
#include "common/forms/declaration.h"

#include <array>
#include <string_view>

namespace format {

// The frmFormat window as declared: one frame holding the preset list, the
// height and width fields, the proportion lock with its bracket picture and
// the always-on-top box.
forms::FormDecl FormatLayout();

// The preset lines in their order: aspect, dash, height "x" width.
const std::array<std::string_view, 13>& PresetLines();

} // namespace format
