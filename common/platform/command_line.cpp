#include "common/platform/command_line.h"

#include "common/platform/file_names.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <unistd.h>

namespace platform {

namespace {

std::string usage(const std::string& program, const std::string& purpose, const std::string& file) {
    return "Aufruf: " + program + " [Optionen] [Datei]\n" + purpose +
           "\n\n"
           "Optionen:\n"
           "  -h, --help     Zeigt diese Hilfe an.\n"
           "  -v, --version  Zeigt die Versionsnummer an.\n"
           "\n"
           "Argumente:\n"
           "  Datei          " +
           file + "\n";
}

std::string utf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// The current folder as the file system names it; QDir's is not byte-exact.
QString currentFolder() {
    std::string folder(256, '\0');
    while (!::getcwd(folder.data(), folder.size())) {
        if (errno != ERANGE) return QDir::currentPath();
        folder.resize(folder.size() * 2);
    }
    return fileNameFromBytes(QByteArray(folder.c_str()));
}

// A file: URL names the local file; a name that merely starts with "file:"
// ("file:notiz.png") is a file of the current folder.
bool isFileUrl(const QString& argument) {
    return argument.startsWith(QLatin1String("file:/"), Qt::CaseInsensitive);
}

// Any other address with a scheme and an authority ("http://host/a.png",
// "sftp://..."); "a:b.png" and "c:/x" stay names of local files.
bool isOtherUrl(const QString& argument) {
    static const QRegularExpression url(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+://"));
    return !isFileUrl(argument) && url.match(argument).hasMatch();
}

} // namespace

CommandLine readCommandLine(int argc, const char* const* argv, const std::string& program,
                            const std::string& purpose, const std::string& file) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << fileNameFromBytes(QByteArray(argv[i]));

    CommandLine line;
    line.request.commandLine = utf8(arguments.mid(1).join(QLatin1Char(' ')));

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOption(help);
    parser.addOption(version);
    auto fail = [&](const std::string& why) {
        line.exitStatus = 2;
        line.err = program + ": " + why + "\n" + usage(program, purpose, file);
        return line;
    };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            // Named as typed: "-reverse", "--größe=2".
            QString typed = unknown.first();
            for (const QString& a : arguments.mid(1))
                if (a.startsWith(QLatin1Char('-')) &&
                    a.mid(a.startsWith(QStringLiteral("--")) ? 2 : 1)
                            .section(QLatin1Char('='), 0, 0) == typed) {
                    typed = a;
                    break;
                }
            return fail("Unbekannte Option „" + utf8(typed) + "“.");
        }
        return fail(utf8(parser.errorText()));
    }
    if (parser.isSet(help)) {
        line.exitStatus = 0;
        line.out = usage(program, purpose, file);
        return line;
    }
    if (parser.isSet(version)) {
        line.exitStatus = 0;
        line.out = program + " " CALC_VERSION "\n";
        return line;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) return fail("Es lässt sich nur eine Datei auf einmal öffnen.");
    for (const QString& file : files) {
        if (file.isEmpty()) continue;
        QString name = file;
        if (isFileUrl(file) || isOtherUrl(file)) {
            name = isFileUrl(file) ? fileNameFromUri(file) : QString();
            if (name.isEmpty()) {
                // Not a file of this machine: said like any file not used,
                // and the program starts as usual.
                line.err = program + ": „" + fileNameBytes(file).toStdString() +
                           "“ wurde nicht übernommen: Die Datei liegt nicht auf diesem Rechner.\n";
                line.request.elsewhere = fileNameBytes(file).toStdString();
                continue;
            }
        }
        const QString absolute = QDir::isAbsolutePath(name)
                                     ? QDir::cleanPath(name)
                                     : QDir::cleanPath(currentFolder() + QLatin1Char('/') + name);
        line.request.files.push_back(fileNameBytes(absolute).toStdString());
    }
    return line;
}

} // namespace platform
