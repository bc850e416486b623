// The program directory by the Windows and the POSIX rule, and the parent of the drawing
// directories derived from it.
#include "files/program_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "files/utf8_path.h"

namespace gearpair {
namespace {

struct PathRow {
    const char* input;
    const char* expected;
};

void PrintTo(const PathRow& row, std::ostream* out) {
    *out << row.input << " -> " << row.expected;
}

class WindowsProgramDirectory : public ::testing::TestWithParam<PathRow> {};

TEST_P(WindowsProgramDirectory, LowerCasesAsciiAndEndsWithOneBackslash) {
    EXPECT_EQ(ProgramDirectoryWindows(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Executables, WindowsProgramDirectory,
                         ::testing::Values(PathRow{R"(c:\gears\gearpair.exe)", R"(c:\gears\)"},
                                           PathRow{R"(C:\Program Files\Gears\GEARPAIR.EXE)",
                                                   R"(c:\program files\gears\)"},
                                           PathRow{R"(c:\gearpair.exe)", R"(c:\\)"},
                                           PathRow{R"(D:\Проекты\Редуктор\GEARS\a.exe)",
                                                   R"(d:\Проекты\Редуктор\gears\)"},
                                           PathRow{R"(c:gearpair.exe)", R"(c:\)"},
                                           PathRow{R"(\\Server\Share\gearpair.exe)",
                                                   R"(\\server\share\)"}));

class PosixProgramDirectory : public ::testing::TestWithParam<PathRow> {};

TEST_P(PosixProgramDirectory, KeepsCaseAndEndsWithOneSlash) {
    EXPECT_EQ(ProgramDirectoryPosix(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Executables, PosixProgramDirectory,
    ::testing::Values(PathRow{"/opt/Gears/gearpair", "/opt/Gears/"}, PathRow{"/gearpair", "/"},
                      PathRow{"/home/Иван/Расчёт/gearpair", "/home/Иван/Расчёт/"},
                      PathRow{"/opt//g/./bin/../gearpair", "/opt/g/"},
                      PathRow{"/opt/C:\\x/gearpair", "/opt/C:\\x/"},
                      PathRow{"bin/gearpair", "bin/"}, PathRow{"gearpair", "./"}));

class DrawingParent : public ::testing::TestWithParam<PathRow> {};

TEST_P(DrawingParent, WindowsDropsTheLastBackslashButKeepsTheRoot) {
    EXPECT_EQ(DrawingParentWindows(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Windows, DrawingParent,
                         ::testing::Values(PathRow{R"(c:\gears\)", R"(c:\gears)"},
                                           PathRow{R"(c:\\)", R"(c:\)"},
                                           PathRow{R"(c:\a\\b\)", R"(c:\a\b)"},
                                           PathRow{R"(\\server\share\)", R"(\\server\share)"}));

TEST(DrawingParentPosix, DropsTheTrailingSlashAndLeavesTheRootEmpty) {
    EXPECT_EQ(DrawingParentPosix("/opt/Gears/"), "/opt/Gears");
    EXPECT_EQ(DrawingParentPosix("/"), "");
}

#ifndef _WIN32  // an installed program is told apart on Linux; Windows paths have a drive
TEST(IsInstalledProgramDirectory, MatchesOnlyTheInstalledDirectoryOfPrograms) {
    EXPECT_TRUE(IsInstalledProgramDirectory("/inst/bin/", "/inst/bin"));
    EXPECT_TRUE(IsInstalledProgramDirectory("/inst/bin", "/inst/bin/"));
    EXPECT_TRUE(IsInstalledProgramDirectory("/pkg/g/bin/", "/pkg//g/./lib/../bin"));
    EXPECT_TRUE(IsInstalledProgramDirectory("/", "/"));
    // A neighbour that shares the prefix's letters, a build directory under the prefix and
    // the prefix itself are not where the programs were installed.
    EXPECT_FALSE(IsInstalledProgramDirectory("/inst2/bin/", "/inst/bin"));
    EXPECT_FALSE(IsInstalledProgramDirectory("/inst/bin2/", "/inst/bin"));
    EXPECT_FALSE(
        IsInstalledProgramDirectory("/inst/local/src/gearpair/build/ui/", "/inst/local/bin"));
    EXPECT_FALSE(IsInstalledProgramDirectory("/inst/local/", "/inst/local/bin"));
    EXPECT_FALSE(IsInstalledProgramDirectory("/inst/Bin/", "/inst/bin"));
    EXPECT_FALSE(IsInstalledProgramDirectory("bin/", "bin"));
    EXPECT_FALSE(IsInstalledProgramDirectory("/inst/bin/", ""));
}
#endif

#ifndef _WIN32
TEST(ProgramDirectory, UsesThePosixRuleWithAnAbsolutePath) {
    EXPECT_EQ(ProgramDirectory("/opt/Gears/gearpair"), "/opt/Gears/");
    const std::string current = std::filesystem::current_path().string();
    EXPECT_EQ(ProgramDirectory("gearpair"), current + "/");
    EXPECT_EQ(ProgramDirectory("bin/../gearpair"), current + "/");
}

TEST(ProgramDirectoryOfFolder, TakesTheFolderItself) {
    EXPECT_EQ(ProgramDirectoryOfFolder("/tmp/Run"), "/tmp/Run/");
    EXPECT_EQ(ProgramDirectoryOfFolder("/tmp/Run/"), "/tmp/Run/");
    EXPECT_EQ(ProgramDirectoryOfFolder("/"), "/");
    EXPECT_EQ(ProgramDirectoryOfFolder("run"),
              (std::filesystem::current_path() / "run").string() + "/");
}

TEST(FileInFolder, JoinsWithOneSlash) {
    EXPECT_EQ(FileInFolder("d", "wheel.pdf"), "d/wheel.pdf");
    EXPECT_EQ(FileInFolder("/d/", "wheel.pdf"), "/d/wheel.pdf");
    EXPECT_EQ(FileInFolder("", "wheel.pdf"), "wheel.pdf");
}
#else
TEST(ProgramDirectory, UsesTheWindowsRuleOnTheFullPathName) {
    EXPECT_EQ(ProgramDirectory(R"(C:\Program Files\Gears\GEARPAIR.EXE)"),
              R"(c:\program files\gears\)");
    // The form a Qt program gives: forward slashes, a `..` segment.
    EXPECT_EQ(ProgramDirectory("C:/Gears/Bin/../gearpair.exe"), R"(c:\gears\)");
    EXPECT_EQ(ProgramDirectory(R"(C:\gearpair.exe)"), R"(c:\\)");
    std::string current = PathUtf8(std::filesystem::current_path());
    std::transform(current.begin(), current.end(), current.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    EXPECT_EQ(ProgramDirectory("Gearpair.exe"), current + "\\");
}

TEST(ProgramDirectoryOfFolder, TakesTheFolderItselfByTheWindowsRule) {
    EXPECT_EQ(ProgramDirectoryOfFolder(R"(C:\Run)"), R"(c:\run\)");
    EXPECT_EQ(ProgramDirectoryOfFolder("C:/Run/"), R"(c:\run\)");
    EXPECT_EQ(ProgramDirectoryOfFolder(R"(D:\)"), R"(d:\\)");
}

TEST(FileInFolder, JoinsWithABackslashUnlessEitherSlashEndsTheFolder) {
    EXPECT_EQ(FileInFolder(R"(c:\run\dwg1)", "wheel.pdf"), R"(c:\run\dwg1\wheel.pdf)");
    EXPECT_EQ(FileInFolder(R"(c:\run\)", "wheel.pdf"), R"(c:\run\wheel.pdf)");
    EXPECT_EQ(FileInFolder("c:/run/", "wheel.pdf"), "c:/run/wheel.pdf");
}
#endif

// The running program's own path through the system (GetModuleFileNameW on Windows), and
// the rule of the platform applied to it, name the folder this test program is in.
TEST(ExecutablePath, GivesTheDirectoryOfTheRunningProgram) {
#ifdef _WIN32
    const std::string name = "files_program_dir_test.exe";
#else
    const std::string name = "files_program_dir_test";
#endif
    const std::string directory = ProgramDirectory(ExecutablePath());
    EXPECT_TRUE(std::filesystem::is_regular_file(Utf8Path(directory + name))) << directory;
#ifdef _WIN32
    EXPECT_TRUE(directory.ends_with('\\'));
    EXPECT_EQ(std::count_if(directory.begin(), directory.end(),
                            [](char c) { return c >= 'A' && c <= 'Z'; }),
              0);
#endif
}

}  // namespace
}  // namespace gearpair
