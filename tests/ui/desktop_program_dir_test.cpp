// The desktop program's directory for hand-off files: its own when run from a folder, the
// user's documents folder, made on demand, when installed.
#include "ui/desktop_program_dir.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>

#include <filesystem>

#include "tests/temp_dir.h"

namespace gearpair {
namespace {

class DesktopProgramDir : public testing::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        // The documents folder follows HOME (and the XDG user directories under it).
        previousHome_ = qgetenv("HOME");
        previousConfig_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QByteArray::fromStdString(PathOf("home")));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(PathOf("home/.config")));
        std::filesystem::create_directories(dir_ / "usr/bin");
    }

    void TearDown() override {
        qputenv("HOME", previousHome_);
        qputenv("XDG_CONFIG_HOME", previousConfig_);
        TempDirTest::TearDown();
    }

    QString Executable(const char* relative) const {
        return QString::fromStdString(PathOf(relative));
    }

    QByteArray previousHome_;
    QByteArray previousConfig_;
};

TEST_F(DesktopProgramDir, InstalledProgramWritesIntoTheDocumentsFolderItCreates) {
    const std::string directory =
        DesktopProgramDirectory(Executable("usr/bin/gearpair"), PathOf("usr/bin/"));
    EXPECT_EQ(directory, PathOf("home/Documents/gearpair") + "/");
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "home/Documents/gearpair"));
}

TEST_F(DesktopProgramDir, ProgramRunFromAnyOtherFolderKeepsItsOwnDirectory) {
    EXPECT_EQ(DesktopProgramDirectory(Executable("usr/build/gearpair"), PathOf("usr/bin")),
              PathOf("usr/build") + "/");
    EXPECT_EQ(DesktopProgramDirectory(Executable("usr/bin/gearpair"), PathOf("usr")),
              PathOf("usr/bin") + "/");
    EXPECT_FALSE(Exists("home"));
}

}  // namespace
}  // namespace gearpair
