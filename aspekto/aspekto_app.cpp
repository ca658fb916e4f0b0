#include "aspekto/aspekto_app.h"

#include "common/activation/application_request.h"
#include "common/activation/application_service.h"
#include "common/activation/bring_forward.h"
#include "common/opening/file_opener.h"
#include "common/platform/file_names.h"
#include "common/platform/instance_channel.h"
#include "common/platform/system_queries.h"
#include "common/qtview/first_frame.h"
#include "common/qtview/model_echo.h"
#include "format/app_modul.h"
#include "format/take_picture.h"

#include <QGuiApplication>

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

void AspektoApp::handOver(const QStringList& files, const QString& startupToken) {
    if (!files.isEmpty()) files_->open(files.front(), false);
    activation::bringForward(view_.windowHandle(), startupToken);
}

bool AspektoApp::start(const commands::StartRequest& request, int instanceSocket) {
    format::StartUp start;
    start.request = request;
    start.os = platform::systemQueries();
    if (!format::Main(window_, start)) return false;

    // A later start hands its request over instead of running a copy of its
    // own: over the session bus, or without one on the single-instance socket.
    service_ = std::make_unique<activation::ApplicationService>(QString::fromLatin1(Id));
    QObject::connect(service_.get(), &activation::ApplicationService::activateRequested, &view_,
                     [this](const QString& token) { handOver({}, token); });
    QObject::connect(
        service_.get(), &activation::ApplicationService::openRequested, &view_,
        [this](const QStringList& files, const QString& token) { handOver(files, token); });
    service_->registerOnSessionBus();
    if (instanceSocket >= 0)
        new platform::InstanceListener(
            instanceSocket,
            [this](const platform::HandOver& request) {
                const QVariantMap data{{"desktop-startup-id", request.startupId},
                                       {"activation-token", request.activationToken}};
                const bool wayland =
                    QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
                handOver(request.files, activation::startupTokenFrom(data, wayland));
            },
            &view_);
    if (!request.files.empty())
        files_->open(platform::fileNameFromBytes(QByteArray::fromStdString(request.files.front())),
                     true);
    if (!request.elsewhere.empty())
        files_->refuse(QString::fromUtf8(request.elsewhere),
                       "Die Datei liegt nicht auf diesem Rechner.");
    return true;
}

} // namespace aspekto
