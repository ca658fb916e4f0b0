#include "tests/format/format_fixture.h"

namespace {

using format_test::StartedWindow;

TEST_F(StartedWindow, OpensCentredLockedWithTheCaretInTheHeightField) {
    EXPECT_TRUE(form().shown());
    // 4560 x 4260 twips on 15360 x 11520: left 7680 - 2280, top 4896 - 2130.
    EXPECT_EQ(form().left(), 5400);
    EXPECT_EQ(form().top(), 2766);
    EXPECT_EQ(focused(), "Text1");
    EXPECT_TRUE(window.Text1Active.equals(1));
    EXPECT_TRUE(window.Text2Active.isUnset());
    EXPECT_EQ(text("Text1"), "720");
    EXPECT_EQ(text("Text2"), "1280");
    EXPECT_EQ(c("Check1").value(), 1);
    EXPECT_TRUE(c("Picture1").visible());
    EXPECT_EQ(window.PxWidthPerHeight, 1280.0 / 720.0);
    EXPECT_EQ(window.PxHeightPerWidth, 720.0 / 1280.0);
    EXPECT_EQ(text("Combo1"), "16:9 - 720 x 1280");
    EXPECT_EQ(c("Combo1").listIndex(), -1);
    EXPECT_EQ(c("Combo1").items().size(), 13u);
    EXPECT_EQ(c("chkOnTop").value(), 0);
    EXPECT_FALSE(form().topmost());
    EXPECT_EQ(commands::Program().AppTitle, "Orvik's Aspekto");
    EXPECT_EQ(commands::Program().CommandLine, "");
}

TEST(Main, EndsAtOnceWhenAnotherCopyRuns) {
    commands::Program() = {};
    format::FormatWindow window;
    format::StartUp start;
    start.previousInstance = true;
    EXPECT_FALSE(format::Main(window, start));
    EXPECT_FALSE(window.form().loaded());
    EXPECT_FALSE(window.form().shown());
    EXPECT_EQ(commands::Program().AppTitle, "");
}

TEST(Main, RecordsTheFoldersTheSettingsFileAndTheCommandLine) {
    commands::Program() = {};
    format::FormatWindow window;
    format::StartUp start;
    start.request.commandLine = "--größe 720x1280";
    start.os.applicationPath = [] { return std::string("/opt/bild tools/bin"); };
    start.os.executableFile = [] { return std::string("aspekto"); };
    start.os.longPathName = [](const std::string& path) -> std::optional<std::string> {
        if (path == "/opt/bild tools/bin/aspekto") return "/opt/Bild Tools/bin/aspekto";
        return std::nullopt;
    };
    start.os.windowsDirectory = [] { return std::string("/etc"); };
    start.os.systemDirectory = [] { return std::string("/usr/lib/"); };
    start.os.tempDirectory = [] { return std::string("/tmp/"); };
    ASSERT_TRUE(format::Main(window, start));
    const auto& v = commands::Program();
    EXPECT_EQ(v.ProgramFolder, "/opt/bild tools/bin/");
    EXPECT_EQ(v.ExeName, "aspekto");
    EXPECT_EQ(v.WindowsDir, "/etc/");
    EXPECT_EQ(v.WinIniFile, "/etc/Win.ini");
    EXPECT_EQ(v.SettingsFile, "/opt/Bild Tools/bin/aspekto.ini");
    EXPECT_EQ(v.CommandLine, "--größe 720x1280");
    EXPECT_TRUE(window.form().shown());
    EXPECT_EQ(window.form().focused(), &window.form().control("Text1"));
}

TEST(FormLoad, KeepsTheWindowOnASmallScreen) {
    forms::screen() = {3000, 2000};
    format::FormatWindow window;
    window.form().show();
    EXPECT_EQ(window.form().left(), 0);
    EXPECT_EQ(window.form().top(), 0);
    forms::screen() = {};
}

} // namespace
