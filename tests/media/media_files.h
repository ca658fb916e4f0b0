#pragma once
#include "common/media/media_reader.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <ostream>
#include <string>

// Pictures and videos are made at test time by ImageMagick, Exiv2's tool and
// FFmpeg (all installed by the scripts), each by a shell line run in a fresh
// folder.
class MediaFiles {
public:
    QString path(const QString& name) const { return folder_.filePath(name); }

    // Runs the line in the folder; an empty string when it worked, else what it said.
    std::string make(const QString& shellLine) const {
        QProcess shell;
        shell.setWorkingDirectory(folder_.path());
        shell.setProcessChannelMode(QProcess::MergedChannels);
        shell.start("sh", {"-c", shellLine});
        if (shell.waitForFinished(60000) && shell.exitCode() == 0) return {};
        return shellLine.toStdString() + ": " + shell.readAll().toStdString();
    }

private:
    QTemporaryDir folder_;
};

// The expected answer of a row: facts, or exactly this reason.
struct Expected {
    Expected(long long h, long long w, std::optional<double> d = {})
        : height(h), width(w), dpi(d) {}
    Expected(std::string why) : reason(std::move(why)) {}
    Expected(const char* why) : reason(why) {}

    long long height = 0, width = 0;
    std::optional<double> dpi;
    std::string reason;
};

// A row's description as a test name: letters and digits, the rest '_'.
inline std::string rowName(std::string what) {
    for (char& c : what)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return what;
}

inline void expectResult(const media::ReadResult& got, const Expected& want) {
    if (!want.reason.empty()) {
        EXPECT_FALSE(got.facts.has_value());
        EXPECT_EQ(got.reason, want.reason);
        return;
    }
    ASSERT_TRUE(got.facts.has_value()) << got.reason;
    EXPECT_EQ(got.facts->height, want.height);
    EXPECT_EQ(got.facts->width, want.width);
    EXPECT_EQ(got.facts->dpi, want.dpi);
}

// One read as the programs do it, waiting for the answer.
inline media::ReadResult readFile(media::MediaReader& reader, const QString& path, bool videos) {
    QSignalSpy spy(&reader, &media::MediaReader::finished);
    reader.read(path, videos);
    if (!spy.wait(15000)) return {std::nullopt, "no answer"};
    EXPECT_EQ(spy.at(0).at(0).toString(), path);
    return spy.at(0).at(1).value<media::ReadResult>();
}
