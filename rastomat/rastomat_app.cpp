#include "rastomat/rastomat_app.h"

#include "common/opening/file_opener.h"
#include "common/platform/file_names.h"
#include "common/qtview/first_frame.h"
#include "common/qtview/model_echo.h"
#include "dpi/take_picture.h"

#include <cstdio>

namespace rastomat {

RastomatApp::RastomatApp(const commands::StartRequest& request)
    : view_(window_.form()), input_(window_.form()),
      files_(new opening::FileOpener(&view_, input_, false, QStringLiteral("rastomat"),
                                     [this](const media::MediaFacts& facts, const QString&) {
                                         dpi::takePicture(window_, facts);
                                     })) {
    // The seams the end-to-end tests, the leak check and the benchmarks ask
    // for through the environment.
    if (qtview::ModelEcho::requested())
        echo_ = std::make_unique<qtview::ModelEcho>(window_.form(), stdout);
    qtview::watchFirstFrame();
    window_.form().show();
    if (!request.files.empty())
        files_->open(platform::fileNameFromBytes(QByteArray::fromStdString(request.files.front())),
                     true);
    if (!request.elsewhere.empty())
        files_->refuse(QString::fromUtf8(request.elsewhere),
                       "Die Datei liegt nicht auf diesem Rechner.");
}

RastomatApp::~RastomatApp() = default;

} // namespace rastomat
