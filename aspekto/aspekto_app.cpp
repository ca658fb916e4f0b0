#include "aspekto/aspekto_app.h"

#include "common/activation/application_service.h"
#include "common/activation/bring_forward.h"
#include "common/opening/file_opener.h"
#include "common/platform/file_names.h"
#include "common/platform/system_queries.h"
#include "common/qtview/first_frame.h"
#include "common/qtview/model_echo.h"
#include "format/app_modul.h"
#include "format/take_picture.h"

#include <cstdio>

namespace aspekto {

const char* const AspektoApp::Id = "org.brixtel.Aspekto";

AspektoApp::AspektoApp()
    : view_(window_.form()), input_(window_.form()),
      files_(new opening::FileOpener(
          &view_, input_, true, QStringLiteral("aspekto"),
          [this](const media::MediaFacts& facts, const QString& path) {
              // Shown as text: bytes that are not UTF-8 show as U+FFFD.
              const QByteArray name = platform::fileNameBytes(path.section(QLatin1Char('/'), -1));
              format::takePicture(window_, facts, QString::fromUtf8(name).toStdString());
          })) {
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
    if (!format::Main(window_, start)) return false;

    // A later start hands its request over instead of running a copy of its
    // own. Without a session bus it ends silently, as it always has.
    service_ = std::make_unique<activation::ApplicationService>(QString::fromLatin1(Id));
    QObject::connect(
        service_.get(), &activation::ApplicationService::activateRequested, &view_,
        [this](const QString& token) { activation::bringForward(view_.windowHandle(), token); });
    QObject::connect(service_.get(), &activation::ApplicationService::openRequested, &view_,
                     [this](const QStringList& files, const QString& token) {
                         files_->open(files.front(), false);
                         activation::bringForward(view_.windowHandle(), token);
                     });
    service_->registerOnSessionBus();
    if (!request.files.empty())
        files_->open(platform::fileNameFromBytes(QByteArray::fromStdString(request.files.front())),
                     true);
    return true;
}

} // namespace aspekto
