#include "common/commands/system_folders.h"

#include "common/forms/error_policy.h"
#include "common/value/failure.h"

namespace commands {

namespace {

template <class Query, class... Args> auto ask(const Query& query, Args&&... args) {
    if (!query) throw value::Failure("the operating system does not answer this query");
    return query(std::forward<Args>(args)...);
}

std::string folder(const std::function<std::string()>& query, char separator) {
    std::string path = ask(query);
    return AddBackslash(path, separator);
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where the file name of a path starts.
std::size_t nameStart(const std::string& path, char separator) {
    auto at = path.rfind(separator);
    return at == std::string::npos ? 0 : at + 1;
}

// The dot of the file name's extension; none for a name that only starts
// with a dot.
std::size_t extensionDot(const std::string& path, char separator) {
    std::size_t start = nameStart(path, separator);
    auto dot = path.rfind('.');
    if (dot == std::string::npos || dot <= start) return std::string::npos;
    return dot;
}

} // namespace

ProgramValues& Program() {
    static ProgramValues values;
    return values;
}

std::string AddBackslash(std::string& path, char separator) {
    if (path.empty() || path.back() != separator) path += separator;
    return path;
}

std::string CapitaliseWords(std::string path, char separator) {
    // Only ASCII letters change case, so characters of other scripts (UTF-8
    // sequences) are never split or altered.
    for (std::size_t i = 1; i < path.size(); ++i) {
        char before = path[i - 1];
        bool wordStart =
            before == ' ' || before == '-' || before == '(' || before == '_' || before == separator;
        path[i] = wordStart ? upper(path[i]) : lower(path[i]);
    }
    if (!path.empty()) path[0] = upper(path[0]);
    return path;
}

std::string ExpandPathName(const std::string& path, const OperatingSystem& os) {
    // Paths beyond the platform's limit are refused, asked or not.
    if (path.size() >= os.pathLimit) return {};
    std::optional<std::string> longForm;
    forms::step([&] { longForm = ask(os.longPathName, path); });
    if (longForm && !longForm->empty()) {
        if (longForm->size() >= os.pathLimit) return {};
        return longForm->substr(0, longForm->find('\0'));
    }
    return CapitaliseWords(path, os.separator);
}

std::string WindowsFolder(const OperatingSystem& os) {
    return folder(os.windowsDirectory, os.separator);
}
std::string SystemFolder(const OperatingSystem& os) {
    return folder(os.systemDirectory, os.separator);
}
std::string TempFolder(const OperatingSystem& os) {
    return folder(os.tempDirectory, os.separator);
}

std::string SettingsPathFor(const std::string& executablePath, char separator) {
    auto dot = extensionDot(executablePath, separator);
    if (dot == std::string::npos) return executablePath + ".ini";
    return executablePath.substr(0, dot + 1) + "ini";
}

void InitSystemFolders(const OperatingSystem& os, ProgramValues& v) {
    using forms::step;
    step([&] { v.ProgramFolder = ask(os.applicationPath); });
    step([&] { AddBackslash(v.ProgramFolder, os.separator); });
    step([&] {
        std::string file = ask(os.executableFile);
        auto dot = extensionDot(file, os.separator);
        v.ExeName = file.substr(0, dot);
        v.ExeExtension = dot == std::string::npos ? std::string() : file.substr(dot);
    });
    step([&] { v.WindowsDir = WindowsFolder(os); });
    step([&] { v.SystemDir = SystemFolder(os); });
    step([&] { v.TempDir = TempFolder(os); });
    step([&] { v.WinIniFile = v.WindowsDir + "Win.ini"; });
    step([&] { v.LineBreak = "\r\n"; });
}

void InitAppNames(const OperatingSystem& os, ProgramValues& v) {
    using forms::step;
    step([&] { v.AppTitle = "Orvik's Aspekto"; });
    std::string longPath;
    step([&] { longPath = ExpandPathName(v.ProgramFolder + v.ExeName + v.ExeExtension, os); });
    step([&] {
        // No path, no settings file: the value stays empty.
        if (longPath.empty()) throw value::Failure("the executable's path is unknown");
        v.SettingsFile = SettingsPathFor(longPath, os.separator);
    });
}

} // namespace commands
