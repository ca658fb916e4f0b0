#include "common/commands/system_folders.h"
#include "common/platform/long_path.h"
#include "common/value/failure.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <utility>
#include <vector>

#include <stdlib.h>

namespace {

using namespace commands;

// A Windows-like system: backslashes, 260-character paths, and long names
// for the short paths it knows.
OperatingSystem fakeWindows(std::map<std::string, std::string> longNames = {}) {
    OperatingSystem os;
    os.separator = '\\';
    os.pathLimit = 260;
    os.applicationPath = [] { return std::string("C:\\PROGRA~1\\TOOLS"); };
    os.executableFile = [] { return std::string("ASPEKTO.EXE"); };
    os.longPathName = [longNames](const std::string& path) -> std::optional<std::string> {
        auto it = longNames.find(path);
        if (it == longNames.end()) return std::nullopt;
        return it->second;
    };
    os.windowsDirectory = [] { return std::string("C:\\WINDOWS"); };
    os.systemDirectory = [] { return std::string("C:\\WINDOWS\\SYSTEM32"); };
    os.tempDirectory = [] { return std::string("C:\\TEMP\\"); };
    return os;
}

using Pairs = std::vector<std::pair<std::string, std::string>>;

TEST(AddBackslash, EndsTheVariableInOneSeparator) {
    for (auto [path, result] : Pairs{{"C:\\Tools", "C:\\Tools\\"},
                                     {"C:\\", "C:\\"},
                                     {"", "\\"},
                                     {"C:\\Tools/", "C:\\Tools/\\"}}) {
        std::string variable = path;
        EXPECT_EQ(AddBackslash(variable, '\\'), result) << path;
        EXPECT_EQ(variable, result);
    }
}

TEST(ExpandPathName, GivesTheLongFormOrCapitalisesTheWords) {
    auto os = fakeWindows(
        {{"C:\\PROGRA~1\\TOOLS\\ASPEKTO.EXE", "C:\\Program Files\\Tools\\Aspekto.exe"}});
    for (auto [path, expanded] :
         Pairs{{"C:\\PROGRA~1\\TOOLS\\ASPEKTO.EXE", "C:\\Program Files\\Tools\\Aspekto.exe"},
               {"C:\\PROGRAMME\\BILD-TOOLS (ALT)\\MY_APP.EXE",
                "C:\\Programme\\Bild-Tools (Alt)\\My_App.exe"},
               {"c:\\a b-c(d_e.f:g", "C:\\A B-C(D_E.f:g"},
               {"a", "A"},
               {"", ""},
               {"C:\\ÜBER\\ÄRGER.TXT", "C:\\Über\\Ärger.txt"}})
        EXPECT_EQ(ExpandPathName(path, os), expanded) << path;
}

TEST(ExpandPathName, RefusesALongFormThatDoesNotFitThePathLimit) {
    const std::string fits = "C:\\" + std::string(256, 'a');    // 259 characters
    const std::string tooLong = "C:\\" + std::string(257, 'a'); // 260 characters
    auto os = fakeWindows({{"SHORT1", fits}, {"SHORT2", tooLong}});
    EXPECT_EQ(ExpandPathName("SHORT1", os), fits);
    EXPECT_EQ(ExpandPathName("SHORT2", os), "");
    EXPECT_EQ(ExpandPathName(tooLong, os), "");
}

TEST(ExpandPathName, FallsBackToTheCaseChangeWhenTheQueryFails) {
    auto os = fakeWindows();
    for (auto query : std::vector<decltype(os.longPathName)>{
             [](const std::string&) -> std::optional<std::string> {
                 throw value::Failure("refused");
             },
             nullptr, [](const std::string&) { return std::optional<std::string>(""); }}) {
        os.longPathName = query;
        EXPECT_EQ(ExpandPathName("C:\\TOOLS\\X.EXE", os), "C:\\Tools\\X.exe");
    }
}

TEST(Folders, EndInTheSeparatorAndAFailingQueryGivesTheSeparatorAlone) {
    auto os = fakeWindows();
    EXPECT_EQ(WindowsFolder(os), "C:\\WINDOWS\\");
    EXPECT_EQ(SystemFolder(os), "C:\\WINDOWS\\SYSTEM32\\");
    EXPECT_EQ(TempFolder(os), "C:\\TEMP\\");
    os.windowsDirectory = [] { return std::string(); };
    EXPECT_EQ(WindowsFolder(os), "\\");
}

TEST(InitSystemFolders, RecordsTheProgramAndTheSystemFolders) {
    ProgramValues v;
    InitSystemFolders(fakeWindows(), v);
    EXPECT_EQ(v.ProgramFolder, "C:\\PROGRA~1\\TOOLS\\");
    EXPECT_EQ(v.ExeName, "ASPEKTO");
    EXPECT_EQ(v.WindowsDir, "C:\\WINDOWS\\");
    EXPECT_EQ(v.SystemDir, "C:\\WINDOWS\\SYSTEM32\\");
    EXPECT_EQ(v.TempDir, "C:\\TEMP\\");
    EXPECT_EQ(v.WinIniFile, "C:\\WINDOWS\\Win.ini");
    EXPECT_EQ(v.LineBreak, "\r\n");
}

TEST(InitSystemFolders, AProgramInARootFolderGetsNoSecondSeparator) {
    auto os = fakeWindows();
    os.applicationPath = [] { return std::string("D:\\"); };
    ProgramValues v;
    InitSystemFolders(os, v);
    EXPECT_EQ(v.ProgramFolder, "D:\\");
}

TEST(InitSystemFolders, AFailingStepLeavesItsValueEmptyAndTheNextOnesRun) {
    auto os = fakeWindows();
    os.applicationPath = []() -> std::string { throw value::Failure("no path"); };
    os.systemDirectory = nullptr;
    ProgramValues v;
    InitSystemFolders(os, v);
    EXPECT_EQ(v.ProgramFolder, "\\"); // the separator is still appended
    EXPECT_EQ(v.ExeName, "ASPEKTO");
    EXPECT_EQ(v.SystemDir, "");
    EXPECT_EQ(v.TempDir, "C:\\TEMP\\");
    EXPECT_EQ(v.LineBreak, "\r\n");
}

TEST(InitAppNames, PutsTheSettingsFileBesideTheExecutableInItsLongForm) {
    auto os = fakeWindows(
        {{"C:\\PROGRA~1\\TOOLS\\ASPEKTO.EXE", "C:\\Program Files\\Tools\\Aspekto.exe"}});
    ProgramValues v;
    InitSystemFolders(os, v);
    InitAppNames(os, v);
    EXPECT_EQ(v.AppTitle, "Orvik's Aspekto");
    EXPECT_EQ(v.SettingsFile, "C:\\Program Files\\Tools\\Aspekto.ini");
}

TEST(InitAppNames, WithoutAnyPathTheSettingsFileStaysEmpty) {
    OperatingSystem nothing; // every query fails
    ProgramValues v;
    InitSystemFolders(nothing, v);
    v.ProgramFolder.clear();
    InitAppNames(nothing, v);
    EXPECT_EQ(v.AppTitle, "Orvik's Aspekto");
    EXPECT_EQ(v.SettingsFile, "");
}

TEST(SettingsPathFor, ReplacesTheExtensionOrAppendsOne) {
    for (auto [executable, settings] :
         Pairs{{"/opt/aspekto/aspekto", "/opt/aspekto/aspekto.ini"},
               {"/opt/aspekto/Aspekto.EXE", "/opt/aspekto/Aspekto.ini"},
               {"/opt/aspekto/aspekto.x", "/opt/aspekto/aspekto.ini"},
               {"/opt/tools.d/aspekto", "/opt/tools.d/aspekto.ini"},
               {"/opt/tools/.aspekto", "/opt/tools/.aspekto.ini"},
               {"aspekto.bin", "aspekto.ini"}})
        EXPECT_EQ(SettingsPathFor(executable, '/'), settings) << executable;
}

// The operating-system layer's long path: the canonical form of what exists.
class LongPathName : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "long_path_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
        std::filesystem::create_directories(dir / "Bild Tools");
        std::ofstream(dir / "Bild Tools" / "Aspekto") << "";
        std::filesystem::create_directory_symlink(dir / "Bild Tools", dir / "link");
        real = std::filesystem::canonical(dir / "Bild Tools" / "Aspekto").string();
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
    std::string real;
};

TEST_F(LongPathName, ResolvesLinksAndDotsOfAnExistingPath) {
    EXPECT_EQ(platform::longPathName((dir / "link" / "Aspekto").string()), real);
    EXPECT_EQ(
        platform::longPathName((dir / "link" / ".." / "Bild Tools" / "." / "Aspekto").string()),
        real);
}

TEST_F(LongPathName, FailsForWhatDoesNotExist) {
    EXPECT_EQ(platform::longPathName((dir / "Bild Tools" / "ASPEKTO").string()), std::nullopt);
    EXPECT_EQ(platform::longPathName(""), std::nullopt);
    EXPECT_EQ(platform::longPathName(std::string("/tmp\0/x", 7)), std::nullopt);
}

TEST_F(LongPathName, ExpandPathNameUsesItAndFallsBackToTheCaseChange) {
    OperatingSystem os;
    os.longPathName = platform::longPathName;
    EXPECT_EQ(ExpandPathName((dir / "link" / "Aspekto").string(), os), real);
    EXPECT_EQ(ExpandPathName("/no/SUCH_FILE.BIN", os), "/No/Such_File.bin");
    EXPECT_EQ(ExpandPathName("/" + std::string(5000, 'a'), os), "");
}

} // namespace
