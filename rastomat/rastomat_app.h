#pragma once
#include "common/commands/start_request.h"
#include "common/qtview/form_view.h"
#include "common/qtview/outside_input.h"
#include "dpi/dpi_window.h"

#include <memory>

namespace opening {
class FileOpener;
}
namespace qtview {
class ModelEcho;
}

namespace rastomat {

// The program put together: the DPI window, its view, and the one way in
// for requests from outside the user's events. Needs the application object
// set up (qtview::setUpProgram); shows the window when constructed.
class RastomatApp {
public:
    explicit RastomatApp(const commands::StartRequest& request);
    ~RastomatApp();
    RastomatApp(const RastomatApp&) = delete;
    RastomatApp& operator=(const RastomatApp&) = delete;

    dpi::DpiWindow& window() { return window_; }
    qtview::FormView& view() { return view_; }

private:
    dpi::DpiWindow window_;
    qtview::FormView view_;
    qtview::OutsideInput input_;
    std::unique_ptr<qtview::ModelEcho> echo_;
    opening::FileOpener* files_; // owned by the view
};

} // namespace rastomat
