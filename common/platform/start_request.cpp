#include "common/platform/start_request.h"

#include <QString>
#include <QStringList>

namespace platform {

commands::StartRequest readStartRequest(int argc, const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    commands::StartRequest request;
    request.commandLine = arguments.join(QLatin1Char(' ')).toStdString();
    return request;
}

} // namespace platform
