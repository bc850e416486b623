// The file layer: codes and messages, the counter record, directory creation and the atomic
// replacement, with file errors provoked as root can meet them.
#include "files/file_ops.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "core/errors.h"
#include "tests/file_size_limit.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

using testing::FileSizeLimit;
using testing::TempDirTest;

struct CodeRow {
    int posixError;
    int code;
    const char* message;
};

class FileErrorMapping : public ::testing::TestWithParam<CodeRow> {};

TEST_P(FileErrorMapping, GivesTheWindowsCodeAndItsMessage) {
    const CodeRow& row = GetParam();
    EXPECT_EQ(FileErrorCode(row.posixError), row.code);
    EXPECT_EQ(FileErrorMessage(row.code), row.message);
}

INSTANTIATE_TEST_SUITE_P(
    Errno, FileErrorMapping,
    ::testing::Values(
        CodeRow{ENOENT, 2, "File not found"}, CodeRow{ENOTDIR, 3, "Invalid filename"},
        CodeRow{ENAMETOOLONG, 3, "Invalid filename"}, CodeRow{EINVAL, 3, "Invalid filename"},
        CodeRow{EMFILE, 4, "Too many open files"}, CodeRow{ENFILE, 4, "Too many open files"},
        CodeRow{EACCES, 5, "File access denied"}, CodeRow{EPERM, 5, "File access denied"},
        CodeRow{EROFS, 5, "File access denied"}, CodeRow{EISDIR, 5, "File access denied"},
        CodeRow{ENOSPC, 101, "Disk full"}, CodeRow{EDQUOT, 101, "Disk full"},
        CodeRow{EEXIST, 183, "I/O error 183"}, CodeRow{EFBIG, EFBIG, "I/O error 27"},
        CodeRow{EBUSY, EBUSY, "I/O error 16"}));

TEST(ThrowPosixError, NamesOnlyErrorsWithAWindowsCounterpart) {
    const auto messageOf = [](int posixError) {
        try {
            ThrowPosixError(posixError);
        } catch (const FileError& error) {
            return std::to_string(error.code()) + " " + error.what();
        }
        return std::string();
    };
    EXPECT_EQ(messageOf(EACCES), "5 File access denied");
    EXPECT_EQ(messageOf(ENOENT), "2 File not found");
    EXPECT_EQ(messageOf(EIO), "5 I/O error 5");  // not "File access denied"
    EXPECT_EQ(messageOf(EINTR), "4 I/O error 4");
}

TEST(FileErrorMessage, NamesTheRemainingWindowsCodes) {
    EXPECT_EQ(FileErrorMessage(100), "Read beyond end of file");
    EXPECT_EQ(FileErrorMessage(106), "Invalid numeric input");
    EXPECT_EQ(FileErrorMessage(32), "I/O error 32");
}

// Expects `action` to throw FileError with exactly this code and message.
template <typename Action>
void ExpectFileError(Action action, int code, const std::string& message) {
    try {
        action();
        ADD_FAILURE() << "no error, expected " << message;
    } catch (const FileError& error) {
        EXPECT_EQ(error.code(), code);
        EXPECT_EQ(std::string(error.what()), message);
    }
}

class FileOps : public TempDirTest {};

TEST_F(FileOps, CounterRecordIsLittleEndianAndLeavesLaterBytes) {
    WriteFile("numdir.num", std::string("\x29\0\0\0tail", 8));
    FileHandle file = OpenForUpdate(PathOf("numdir.num"));
    EXPECT_EQ(ReadRecord32(file), 41);
    WriteRecord32(file, 42);
    EXPECT_EQ(ReadRecord32(file), 42);
    file.Close();
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x2A\0\0\0tail", 8));

    FileHandle negative = OpenForUpdate(PathOf("numdir.num"));
    WriteRecord32(negative, -2);
    EXPECT_EQ(ReadRecord32(negative), -2);
    negative.Close();
    EXPECT_EQ(ReadFile("numdir.num"), "\xFE\xFF\xFF\xFFtail");
}

TEST_F(FileOps, ShortRecordIsReadBeyondEndAndStaysAsItWas) {
    WriteFile("numdir.num", "\x07\x01\x02");
    FileHandle file = OpenForUpdate(PathOf("numdir.num"));
    ExpectFileError([&] { ReadRecord32(file); }, 100, "Read beyond end of file");
    file.Close();
    EXPECT_EQ(ReadFile("numdir.num"), "\x07\x01\x02");
}

TEST_F(FileOps, OpenFailuresCarryTheirMappedCodes) {
    WriteFile("plain", "x");
    std::filesystem::create_directory(dir_ / "numdir.num");
    const std::string tooLong(300, 'n');
    ExpectFileError([&] { OpenForUpdate(PathOf("missing")); }, 2, "File not found");
    ExpectFileError([&] { OpenForUpdate(PathOf("plain") + "/numdir.num"); }, 3, "Invalid filename");
    ExpectFileError([&] { CreateOrTruncate(PathOf(tooLong)); }, 3, "Invalid filename");
    ExpectFileError([&] { CreateOrTruncate(PathOf("numdir.num")); }, 5, "File access denied");
    ExpectFileError([&] { OpenForUpdate(PathOf("numdir.num")); }, 5, "File access denied");
    ExpectFileError([&] { CreateOrTruncate(PathOf("no/such/dir")); }, 2, "File not found");
    ExpectFileError([&] { OpenForReading(PathOf("missing")); }, 2, "File not found");
    ExpectFileError([&] { OpenForReading(PathOf("numdir.num")); }, 5, "File access denied");
}

TEST_F(FileOps, ReadingGivesTheBytesInChunksThenZero) {
    WriteFile("rows.csv", "abcde");
    const FileHandle file = OpenForReading(PathOf("rows.csv"));
    char buffer[3];
    std::string read;
    for (std::size_t count; (count = ReadBytes(file, buffer, sizeof buffer)) > 0;) {
        read.append(buffer, count);
    }
    EXPECT_EQ(read, "abcde");
}

TEST_F(FileOps, ExistingNameMakesDirectoryCreationFailWith183) {
    MakeDirectory(PathOf("dwg7"));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg7"));
    WriteFile("dwg8", "");
    ExpectFileError([&] { MakeDirectory(PathOf("dwg7")); }, 183, "I/O error 183");
    ExpectFileError([&] { MakeDirectory(PathOf("dwg8")); }, 183, "I/O error 183");
    ExpectFileError([&] { MakeDirectory(PathOf("gone/dwg1")); }, 2, "File not found");
}

TEST_F(FileOps, ReplaceWritesExactBytesOverTheOldFile) {
    WriteFile("transmit.txt", "((aw 125.000) (mn 2.000) (z2 98.000) and much more text)");
    ReplaceFileAtomically(PathOf("transmit.txt"), "((aw 200.000))", "transmit.txt");
    EXPECT_EQ(ReadFile("transmit.txt"), "((aw 200.000))");
    ReplaceFileAtomically(PathOf("result.rtf"), std::string("a\0b", 3), "result.rtf");
    EXPECT_EQ(ReadFile("result.rtf"), std::string("a\0b", 3));
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileOps, ReplaceThatCannotCreateNamesTheFileAndLeavesNothing) {
    std::filesystem::create_directory(dir_ / "transmit.txt");
    WriteFile("plain", "x");
    const std::string full = PathOf("transmit.txt");
    ExpectFileError([&] { ReplaceFileAtomically(full, "((aw 200.000))", full); }, 5,
                    "Cannot create file " + full);
    EXPECT_TRUE(std::filesystem::is_empty(dir_ / "transmit.txt"));

    const std::string tooLong = PathOf(std::string(300, 't'));
    ExpectFileError([&] { ReplaceFileAtomically(tooLong, "x", "long.txt"); }, 3,
                    "Cannot create file long.txt");

    const std::string underFile = PathOf("plain") + "/transmit.txt";
    ExpectFileError([&] { ReplaceFileAtomically(underFile, "x", underFile); }, 3,
                    "Cannot create file " + underFile);
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileOps, FailedWriteKeepsThePreviousFileWhole) {
    const std::string previous = "((aw 160.000) (mn 2.500))";
    WriteFile("transmit.txt", previous);
    const std::string longer(4096, 'x');
    {
        FileSizeLimit limit(64);
        ExpectFileError(
            [&] { ReplaceFileAtomically(PathOf("transmit.txt"), longer, "transmit.txt"); }, EFBIG,
            "I/O error " + std::to_string(EFBIG));
    }
    EXPECT_EQ(ReadFile("transmit.txt"), previous);
    EXPECT_EQ(EntryCount(), 1u);
}

}  // namespace
}  // namespace gearpair
