#include "dpi/dpi_foot_line.h"

#include "dpi/dpi_window.h"

namespace dpi {

std::string footText(DpiWindow&) {
    return {};
}

} // namespace dpi
