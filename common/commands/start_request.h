#pragma once
#include <string>
#include <vector>

namespace commands {

// What one start of a program asks for: its command line as one text, the
// way it was typed, and the files it names (as the file system's bytes,
// which need not be UTF-8). A start that names no file only
// asks for the window. An address of another machine is not a file to
// read; it is kept apart, as given, so that the window can say so.
struct StartRequest {
    std::string commandLine;
    std::vector<std::string> files;
    std::string elsewhere;
};

} // namespace commands
