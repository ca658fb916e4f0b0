#pragma once
#include "common/media/media_facts.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace media {
class MediaReader;
}
namespace qtview {
class OutsideInput;
class PassingNote;
} // namespace qtview

namespace opening {

// Where a file enters a program: dropped on its window, named on its command
// line or handed over by a later start. The file is read without blocking the
// window; its facts are applied through the window's one way in for outside
// requests, so never in the middle of a handler. A file that cannot be used
// changes nothing, and a passing note at the window says why; where it came
// from the command line, one German line on standard error says it too.
class FileOpener : public QObject {
public:
    using Apply = std::function<void(const media::MediaFacts& facts, const QString& path)>;
    // videos: whether the program takes videos as well as pictures.
    FileOpener(QWidget* window, qtview::OutsideInput& input, bool videos, QString program,
               Apply apply);

    // A later file wins over one still being read.
    void open(const QString& path, bool fromCommandLine);
    // The note for a file refused before it was read: shown as named.
    void refuse(const QString& shown, const std::string& reason);

private:
    void say(const QString& text);
    void finished(const QString& path, const media::ReadResult& result);
    qtview::PassingNote& note();

    qtview::OutsideInput& input_;
    bool videos_;
    QString program_;
    Apply apply_;
    media::MediaReader* reader_;
    QString reportFor_;                   // the command line's file, whose failure is told
    qtview::PassingNote* note_ = nullptr; // a child of the window
};

// Reads the file at once, waiting for the answer (a later start checks the
// file it hands over). Needs an application object.
media::ReadResult readNow(const QString& path, bool videos);

// The German line that says why the file was not used, for standard error:
// the name's bytes exactly as the file system has them.
QByteArray refusal(const QString& program, const QString& path, const std::string& reason);

// The same for the window: the file's name alone, without its folder.
QString noteOfRefusal(const QString& path, const std::string& reason);

} // namespace opening
