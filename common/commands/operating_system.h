#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

// What the program asks the operating system about itself and its folders.
// The platform layer fills it with real queries; tests fill it with fakes.
// A query may fail by throwing value::Failure; an empty query fails too.
namespace commands {

struct OperatingSystem {
    // Ends folder paths and separates their parts.
    char separator = '/';
    // A long path form of this many characters or more is not accepted.
    std::size_t pathLimit = 4096;

    // The folder that holds the executable (with or without a final
    // separator) and the executable's file name, extension included.
    std::function<std::string()> applicationPath;
    std::function<std::string()> executableFile;

    // The long, canonical form of an existing path; nothing when the path
    // cannot be resolved.
    std::function<std::optional<std::string>(const std::string& path)> longPathName;

    // The system, library and temporary folders; the empty text when the
    // query fails.
    std::function<std::string()> windowsDirectory;
    std::function<std::string()> systemDirectory;
    std::function<std::string()> tempDirectory;
};

} // namespace commands
