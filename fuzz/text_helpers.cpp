// Any bytes into the text helpers and the path routines: no failure, no
// crash, and the documented shapes of their results.
#include "common/commands/text_helpers.h"
#include "common/commands/system_folders.h"
#include "common/value/failure.h"
#include "fuzz/fuzz_support.h"

namespace {

using commands::OperatingSystem;

// A system whose answers come from the input: any text, a failing query or
// an unresolvable path.
OperatingSystem fuzzedSystem(fuzz::ByteReader& in) {
    OperatingSystem os;
    os.separator = (in.byte() & 1) ? '\\' : '/';
    os.pathLimit = 1 + in.byte() * 4u;
    auto answer = [](std::string text, bool failing) {
        return [text, failing]() -> std::string {
            if (failing) throw value::Failure("query failed");
            return text;
        };
    };
    os.applicationPath = answer(in.text(64), in.byte() & 1);
    os.executableFile = answer(in.text(64), in.byte() & 1);
    // A failing folder query answers the empty text.
    os.windowsDirectory = answer(in.text(32), false);
    os.systemDirectory = answer(in.text(32), false);
    os.tempDirectory = answer(in.text(32), false);
    const bool resolves = in.byte() & 1;
    const std::string longForm = in.text(64);
    os.longPathName = [resolves, longForm](const std::string&) -> std::optional<std::string> {
        if (!resolves) return std::nullopt;
        return longForm;
    };
    return os;
}

void textHelpers(fuzz::ByteReader& in) {
    const std::string text = in.text(200);
    const std::string delimiter = in.text(3);
    const std::string after = commands::TextAfterLastDash(text);
    fuzz::require(text.ends_with(after), "TextAfterLastDash is no tail of the text");
    std::string stripped = text;
    const std::string returned = commands::StripSpaces(stripped);
    fuzz::require(returned == stripped && stripped.find(' ') == std::string::npos,
                  "StripSpaces left a blank");
    const std::string before = commands::TextBefore(text, delimiter);
    fuzz::require(text.starts_with(before), "TextBefore is no head of the text");
    const std::string behind = commands::TextAfter(text, delimiter);
    fuzz::require(text.ends_with(behind), "TextAfter is no tail of the text");
}

void pathRoutines(fuzz::ByteReader& in) {
    const OperatingSystem os = fuzzedSystem(in);
    const std::string path = in.text(200);

    std::string withSeparator = path;
    const std::string returned = commands::AddBackslash(withSeparator, os.separator);
    fuzz::require(returned == withSeparator && !returned.empty() && returned.back() == os.separator,
                  "AddBackslash does not end in the separator");

    const std::string capitalised = commands::CapitaliseWords(path, os.separator);
    fuzz::require(capitalised.size() == path.size(), "CapitaliseWords changed the length");
    const std::string expanded = commands::ExpandPathName(path, os);
    fuzz::require(expanded.size() < os.pathLimit, "ExpandPathName reached the path limit");
    commands::SettingsPathFor(path, os.separator);
    for (auto folder : {commands::WindowsFolder, commands::SystemFolder, commands::TempFolder}) {
        const std::string f = folder(os);
        fuzz::require(!f.empty() && f.back() == os.separator, "folder without separator");
    }
    commands::ProgramValues values;
    commands::InitSystemFolders(os, values);
    commands::InitAppNames(os, values);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::ByteReader in(data, size);
    if (in.byte() & 1)
        pathRoutines(in);
    else
        textHelpers(in);
    return 0;
}
