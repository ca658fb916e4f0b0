#include "aspekto/aspekto_app.h"

#include "common/platform/system_queries.h"
#include "common/qtview/first_frame.h"
#include "common/qtview/model_echo.h"
#include "format/app_modul.h"

#include <cstdio>

namespace aspekto {

AspektoApp::AspektoApp() : view_(window_.form()), input_(window_.form()) {
    // The seams the end-to-end tests, the leak check and the benchmarks ask
    // for through the environment.
    if (qtview::ModelEcho::requested())
        echo_ = std::make_unique<qtview::ModelEcho>(window_.form(), stdout);
    qtview::watchFirstFrame();
}

AspektoApp::~AspektoApp() = default;

bool AspektoApp::start(const commands::StartRequest& request) {
    format::StartUp start;
    start.request = request;
    start.os = platform::systemQueries();
    return format::Main(window_, start);
}

} // namespace aspekto
