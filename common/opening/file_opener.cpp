#include "common/opening/file_opener.h"

#include "common/media/media_reader.h"
#include "common/platform/file_names.h"
#include "common/qtview/file_drop.h"
#include "common/qtview/model_echo.h"
#include "common/qtview/outside_input.h"
#include "common/qtview/passing_note.h"

#include <QEventLoop>
#include <QWidget>

#include <cstdio>

namespace opening {

FileOpener::FileOpener(QWidget* window, qtview::OutsideInput& input, bool videos, QString program,
                       Apply apply)
    : QObject(window), input_(input), videos_(videos), program_(std::move(program)),
      apply_(std::move(apply)), reader_(new media::MediaReader(this)) {
    connect(reader_, &media::MediaReader::finished, this, &FileOpener::finished);
    new qtview::FileDrop(
        window, [this](const QString& path) { open(path, false); },
        [this](const QString& text) { say(text); });
}

// Made when first needed: a start without a refused file pays nothing for it.
qtview::PassingNote& FileOpener::note() {
    if (!note_) note_ = new qtview::PassingNote(static_cast<QWidget*>(parent()));
    return *note_;
}

void FileOpener::say(const QString& text) {
    note().say(text);
    qtview::ModelEcho::extraLine("note=" + text.toStdString());
}

void FileOpener::refuse(const QString& shown, const std::string& reason) {
    say(QStringLiteral("„") + shown + QStringLiteral("“ wurde nicht übernommen: ") +
        QString::fromStdString(reason));
}

void FileOpener::open(const QString& path, bool fromCommandLine) {
    reportFor_ = fromCommandLine ? path : QString();
    reader_->read(path, videos_);
}

void FileOpener::finished(const QString& path, const media::ReadResult& result) {
    const bool report = !reportFor_.isEmpty() && path == reportFor_;
    reportFor_.clear();
    if (!result.facts) {
        // Started from a terminal, the line there too; the window says it
        // however the file came.
        if (report) std::fputs(refusal(program_, path, result.reason).constData(), stderr);
        say(noteOfRefusal(path, result.reason));
        return;
    }
    input_.post([this, facts = *result.facts, path] { apply_(facts, path); });
}

media::ReadResult readNow(const QString& path, bool videos) {
    media::MediaReader reader;
    media::ReadResult result;
    QEventLoop loop;
    QObject::connect(&reader, &media::MediaReader::finished, &loop,
                     [&](const QString&, const media::ReadResult& r) {
                         result = r;
                         loop.quit();
                     });
    reader.read(path, videos);
    loop.exec();
    return result;
}

QByteArray refusal(const QString& program, const QString& path, const std::string& reason) {
    return program.toUtf8() + ": „" + platform::fileNameBytes(path) +
           "“ wurde nicht übernommen: " + QByteArray::fromStdString(reason) + '\n';
}

QString noteOfRefusal(const QString& path, const std::string& reason) {
    // Shown as text: bytes that are not UTF-8 show as U+FFFD.
    const QString name =
        QString::fromUtf8(platform::fileNameBytes(path.section(QLatin1Char('/'), -1)));
    return QStringLiteral("„") + name + QStringLiteral("“ wurde nicht übernommen: ") +
           QString::fromStdString(reason);
}

} // namespace opening
