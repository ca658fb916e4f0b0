// Aspekto, the format calculator: one copy per user, one window.
#include "aspekto/aspekto_app.h"
#include "common/activation/application_request.h"
#include "common/activation/forward.h"
#include "common/opening/file_opener.h"
#include "common/platform/command_line.h"
#include "common/platform/display_choice.h"
#include "common/platform/file_names.h"
#include "common/platform/instance_channel.h"
#include "common/platform/single_instance.h"
#include "common/qtview/application.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// The request reaches the running copy over the session bus or, without one,
// on the single-instance socket.
bool reachRunningCopy(const platform::SingleInstance& instance, const QStringList& files) {
    QString reason;
    if (activation::forwardToRunningCopy(QString::fromLatin1(aspekto::AspektoApp::Id), files,
                                         &reason))
        return true;
    const QVariantMap data = activation::platformDataFromEnvironment();
    return platform::handOverToRunningCopy(instance.socketPath(),
                                           {files, data.value("desktop-startup-id").toString(),
                                            data.value("activation-token").toString()},
                                           5000, &reason);
}

// A second start hands its request to the running copy and ends silently.
// Its file goes over even when it cannot be used, so that the running window
// says why; this start then says it too, in one line, and ends with status 1,
// as it does when no running copy takes the request.
int handOver(char** argv, const platform::SingleInstance& instance,
             const commands::StartRequest& request) {
    int toolkitArgc = 1;
    QCoreApplication core(toolkitArgc, argv);
    QStringList files;
    if (!request.files.empty())
        files << platform::fileNameFromBytes(QByteArray::fromStdString(request.files.front()));
    if (!reachRunningCopy(instance, files)) {
        std::fputs(files.isEmpty() ? "aspekto: Aspekto läuft schon, antwortet aber nicht.\n"
                                   : "aspekto: Aspekto läuft schon, antwortet aber nicht; die "
                                     "Datei wurde nicht übergeben.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    if (!request.elsewhere.empty()) return EXIT_FAILURE;
    if (files.isEmpty()) return EXIT_SUCCESS;
    const media::ReadResult result = opening::readNow(files.front(), true);
    if (result.facts) return EXIT_SUCCESS;
    std::fputs(
        opening::refusal(QStringLiteral("aspekto"), files.front(), result.reason).constData(),
        stderr);
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char** argv) {
    const platform::CommandLine line = platform::readCommandLine(
        argc, argv, "aspekto",
        "Aspekto, der Formatrechner: skaliert eine Bild- oder Videogröße im Seitenverhältnis.",
        "Ein Bild oder Video, dessen Größe übernommen wird.");
    std::fputs(line.out.c_str(), stdout);
    std::fputs(line.err.c_str(), stderr);
    if (line.exitStatus) return *line.exitStatus;

    // The lock alone decides which copy runs.
    platform::SingleInstance instance(QStringLiteral("aspekto"));
    if (instance.previousInstance()) return handOver(argv, instance, line.request);
    if (!platform::applyDisplayChoice("aspekto")) return EXIT_FAILURE;

    // The toolkit sees no argument: none of its own options (a mirrored
    // layout, another style) may change the fixed German window.
    int toolkitArgc = 1;
    QApplication qt(toolkitArgc, argv);
    qtview::setUpProgram(qt, "aspekto", aspekto::AspektoApp::Id);
    aspekto::AspektoApp app;
    if (!app.start(line.request, instance.listeningSocket())) return EXIT_SUCCESS;
    return QApplication::exec();
}
