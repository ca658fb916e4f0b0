#pragma once
#include "common/commands/start_request.h"

#include <optional>
#include <string>

namespace platform {

// What the command line asks for. Either the program starts with the
// request, or it ends at once with the exit status and the texts to print
// (help, version, or what was wrong with the arguments).
struct CommandLine {
    commands::StartRequest request;
    std::optional<int> exitStatus;
    std::string out; // for standard output
    std::string err; // for standard error
};

// Reads the arguments before anything else, toolkit included: "--help",
// "--version" and one optional file (made absolute here, in the folder the
// program was started from; a file: URL names its local file). The file's
// name keeps its bytes as given, UTF-8 or not. "--" ends the options, so a
// file may start with a dash. The program's name, its one-line purpose and what the file
// is for go into the help.
CommandLine readCommandLine(int argc, const char* const* argv, const std::string& program,
                            const std::string& purpose, const std::string& file);

} // namespace platform
