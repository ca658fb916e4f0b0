#pragma once
#include "common/commands/operating_system.h"

#include <string>

// Where the program lies, what it is called and where the system keeps its
// folders, recorded once at start-up.
namespace commands {

// Program-wide values. Each is empty until its routine has run.
struct ProgramValues {
    std::string ProgramFolder;                  // ends in the separator
    std::string ExeName;                        // without extension
    std::string ExeExtension;                   // with its dot; empty when the file has none
    std::string WindowsDir, SystemDir, TempDir; // each ends in the separator
    std::string WinIniFile;
    std::string LineBreak;
    std::string AppTitle;
    std::string SettingsFile; // beside the executable; never opened
    std::string CommandLine;
};

// The values of this program.
ProgramValues& Program();

// Records ProgramFolder, ExeName, the three folders, WinIniFile and
// LineBreak. A step that fails leaves its value empty.
void InitSystemFolders(const OperatingSystem& os, ProgramValues& values = Program());

// Sets AppTitle and SettingsFile; needs InitSystemFolders first.
void InitAppNames(const OperatingSystem& os, ProgramValues& values = Program());

// Appends the separator to the caller's variable unless it already ends in
// one, and returns the variable's text.
std::string AddBackslash(std::string& path, char separator);

// The long form of a path as the system knows it. When the system cannot
// resolve it, the path with each word capitalised: upper case at the start
// and after a blank, "-", "(", "_" or the separator, lower case elsewhere.
// A path or long form that reaches the path limit gives the empty text.
std::string ExpandPathName(const std::string& path, const OperatingSystem& os);

// The case change on its own.
std::string CapitaliseWords(std::string path, char separator);

// The folders, each ending in the separator; a failing query gives the
// separator alone.
std::string WindowsFolder(const OperatingSystem& os);
std::string SystemFolder(const OperatingSystem& os);
std::string TempFolder(const OperatingSystem& os);

// The settings file beside an executable: its extension replaced by "ini",
// or ".ini" appended when the name has none.
std::string SettingsPathFor(const std::string& executablePath, char separator);

} // namespace commands
