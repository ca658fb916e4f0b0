// Aspekto, the format calculator: one copy per user, one window.
#include "aspekto/aspekto_app.h"
#include "common/activation/forward.h"
#include "common/opening/file_opener.h"
#include "common/platform/command_line.h"
#include "common/platform/display_choice.h"
#include "common/platform/file_names.h"
#include "common/platform/single_instance.h"
#include "common/qtview/application.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// A second start hands its request to the running copy and ends silently;
// without a session bus or an answer it just ends, as it always has. A file
// it cannot use is not handed over: it says why, and the running window
// stays as it is.
int handOver(char** argv, const commands::StartRequest& request) {
    QStringList files;
    if (!request.files.empty()) {
        int toolkitArgc = 1;
        QCoreApplication core(toolkitArgc, argv);
        const QString path =
            platform::fileNameFromBytes(QByteArray::fromStdString(request.files.front()));
        const media::ReadResult result = opening::readNow(path, true);
        if (!result.facts) {
            std::fputs(opening::refusal(QStringLiteral("aspekto"), path, result.reason).constData(),
                       stderr);
            return EXIT_FAILURE;
        }
        files << path;
    }
    QString reason;
    activation::forwardToRunningCopy(QString::fromLatin1(aspekto::AspektoApp::Id), files, &reason);
    return EXIT_SUCCESS;
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
    if (instance.previousInstance()) return handOver(argv, line.request);
    if (!platform::applyDisplayChoice("aspekto")) return EXIT_FAILURE;

    // The toolkit sees no argument: none of its own options (a mirrored
    // layout, another style) may change the fixed German window.
    int toolkitArgc = 1;
    QApplication qt(toolkitArgc, argv);
    qtview::setUpProgram(qt, "aspekto", aspekto::AspektoApp::Id);
    aspekto::AspektoApp app;
    if (!app.start(line.request)) return EXIT_SUCCESS;
    return QApplication::exec();
}
