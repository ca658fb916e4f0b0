#pragma once
#include "common/commands/start_request.h"
#include "common/qtview/form_view.h"
#include "common/qtview/outside_input.h"
#include "format/format_window.h"

#include <QStringList>

#include <memory>

namespace activation {
class ApplicationService;
}
namespace opening {
class FileOpener;
}
namespace qtview {
class ModelEcho;
}

namespace aspekto {

// The program put together: the format window, its view, and the one way
// in for requests from outside the user's events. Needs the application
// object set up (qtview::setUpProgram).
class AspektoApp {
public:
    AspektoApp();
    ~AspektoApp();
    AspektoApp(const AspektoApp&) = delete;
    AspektoApp& operator=(const AspektoApp&) = delete;

    // The start-up of the window for this request; false when the program
    // ends at once. The running copy then answers later starts over D-Bus
    // and on instanceSocket, the single-instance socket it listens on (-1:
    // none).
    bool start(const commands::StartRequest& request, int instanceSocket = -1);

    // The application id, also its name on the session bus.
    static const char* const Id;

    format::FormatWindow& window() { return window_; }
    qtview::FormView& view() { return view_; }

private:
    format::FormatWindow window_;
    qtview::FormView view_;
    qtview::OutsideInput input_;
    std::unique_ptr<qtview::ModelEcho> echo_;
    void handOver(const QStringList& files, const QString& startupToken);

    opening::FileOpener* files_; // owned by the view
    std::unique_ptr<activation::ApplicationService> service_;
};

} // namespace aspekto
