#include "format/format_foot_line.h"

#include "format/format_window.h"

namespace format {

std::string footText(FormatWindow&) {
    return {};
}

} // namespace format
