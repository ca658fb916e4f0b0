#include "rastomat/rastomat_app.h"

#include "common/qtview/first_frame.h"
#include "common/qtview/model_echo.h"

#include <cstdio>

namespace rastomat {

RastomatApp::RastomatApp(const commands::StartRequest& /*request*/)
    : view_(window_.form()), input_(window_.form()) {
    // The seams the end-to-end tests, the leak check and the benchmarks ask
    // for through the environment.
    if (qtview::ModelEcho::requested())
        echo_ = std::make_unique<qtview::ModelEcho>(window_.form(), stdout);
    qtview::watchFirstFrame();
    window_.form().show();
}

RastomatApp::~RastomatApp() = default;

} // namespace rastomat
