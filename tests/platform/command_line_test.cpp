// The command line is read before anything else: help, version, one file.
#include "common/platform/command_line.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

struct Row {
    std::vector<const char*> args;
    std::optional<int> exitStatus;
    std::vector<std::string> files; // relative ones are in the current folder
    const char* says = "";          // on standard output (status 0) or error
};

class CommandLine : public testing::TestWithParam<Row> {};

TEST_P(CommandLine, Reads) {
    const Row& row = GetParam();
    std::vector<const char*> argv{"prog"};
    argv.insert(argv.end(), row.args.begin(), row.args.end());
    const auto line = platform::readCommandLine(static_cast<int>(argv.size()), argv.data(), "prog",
                                                "Zweck.", "Datei.");
    EXPECT_EQ(line.exitStatus, row.exitStatus);
    std::vector<std::string> expected;
    for (const auto& f : row.files)
        expected.push_back(f.starts_with('/') ? f : (std::filesystem::current_path() / f).string());
    EXPECT_EQ(line.request.files, expected);
    const std::string& said = row.exitStatus == 0 ? line.out : line.err;
    EXPECT_NE(said.find(row.says), std::string::npos) << said;
    if (!row.exitStatus) {
        EXPECT_TRUE(line.out.empty());
        if (!*row.says) {
            EXPECT_TRUE(line.err.empty());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLine,
    testing::Values(Row{{}, {}, {}}, Row{{"bild.jpg"}, {}, {"bild.jpg"}},
                    Row{{"/tmp/Bild mit Ümlaut.png"}, {}, {"/tmp/Bild mit Ümlaut.png"}},
                    Row{{"--", "-bild.jpg"}, {}, {"-bild.jpg"}},
                    Row{{"/tmp/\xff\xfe.png"}, {}, {"/tmp/\xff\xfe.png"}},
                    Row{{"file:///tmp/a%20b.png"}, {}, {"/tmp/a b.png"}},
                    Row{{"file://localhost/tmp/%FF.png"}, {}, {"/tmp/\xff.png"}},
                    Row{{"file:notiz.png"}, {}, {"file:notiz.png"}},
                    Row{{"file://server/x.png"}, {}, {}, "nicht auf diesem Rechner"},
                    Row{{"http://example.com/a.png"},
                        {},
                        {},
                        "„http://example.com/a.png“ wurde nicht übernommen: Die Datei liegt "
                        "nicht auf diesem Rechner."},
                    Row{{"a:b.png"}, {}, {"a:b.png"}},
                    Row{{"--help"}, 0, {}, "Aufruf: prog [Optionen] [Datei]"},
                    Row{{"-h", "bild.jpg"}, 0, {}, "Datei."},
                    Row{{"--version"}, 0, {}, "prog " CALC_VERSION "\n"},
                    Row{{"-reverse"}, 2, {}, "Unbekannte Option „-reverse“"},
                    Row{{"--größe=2", "bild.jpg"}, 2, {}, "„--größe=2“"},
                    Row{{"a.jpg", "b.jpg"}, 2, {}, "nur eine Datei"}));

} // namespace
