// The file layer: codes and messages, the counter record, directory creation and the atomic
// replacement, with file errors provoked as root can meet them.
#include "files/file_ops.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

#include <cerrno>
#include <string>

#include "core/errors.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

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

const CodeRow kErrnoRows[] = {
    {ENOENT, 2, "File not found"},
    {ENOTDIR, 3, "Invalid filename"},
    {ENAMETOOLONG, 3, "Invalid filename"},
    {EINVAL, 3, "Invalid filename"},
    {EMFILE, 4, "Too many open files"},
    {ENFILE, 4, "Too many open files"},
    {EACCES, 5, "File access denied"},
    {EPERM, 5, "File access denied"},
    {EROFS, 5, "File access denied"},
    {EISDIR, 5, "File access denied"},
    {ENOSPC, 101, "Disk full"},
#ifdef EDQUOT  // no disk quotas in the Windows C runtime
    {EDQUOT, 101, "Disk full"},
#endif
    {EEXIST, 183, "I/O error 183"},
    {EFBIG, EFBIG, "I/O error 27"},
    {EBUSY, EBUSY, "I/O error 16"},
};

INSTANTIATE_TEST_SUITE_P(Errno, FileErrorMapping, ::testing::ValuesIn(kErrnoRows));

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

TEST(WindowsFileErrorCode, PassesSystemCodesOnButFullDiskAndEndOfFile) {
    for (const unsigned long code : {2ul, 3ul, 4ul, 5ul, 32ul, 80ul, 123ul, 183ul, 206ul}) {
        EXPECT_EQ(WindowsFileErrorCode(code), static_cast<int>(code));
    }
    EXPECT_EQ(WindowsFileErrorCode(112), 101);  // ERROR_DISK_FULL
    EXPECT_EQ(WindowsFileErrorCode(39), 101);   // ERROR_HANDLE_DISK_FULL
    EXPECT_EQ(WindowsFileErrorCode(38), 100);   // ERROR_HANDLE_EOF
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
    ExpectFileError([&] { OpenForUpdate(PathOf("missing")); }, 2, "File not found");
    ExpectFileError([&] { OpenForUpdate(PathOf("plain") + "/numdir.num"); }, 3, "Invalid filename");
    ExpectFileError([&] { CreateOrTruncate(PathOf("numdir.num")); }, 5, "File access denied");
    ExpectFileError([&] { OpenForUpdate(PathOf("numdir.num")); }, 5, "File access denied");
    ExpectFileError([&] { CreateOrTruncate(PathOf("no/such/dir")); },
                    testing::kMissingDirectoryCode,
                    FileErrorMessage(testing::kMissingDirectoryCode));
#ifndef _WIN32  // Windows' answer depends on its path-length limit (3, 206 or 123)
    ExpectFileError([&] { CreateOrTruncate(PathOf(std::string(300, 'n'))); }, 3,
                    "Invalid filename");
#endif
}

TEST_F(FileOps, ExistingNameMakesDirectoryCreationFailWith183) {
    MakeDirectory(PathOf("dwg7"));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg7"));
    WriteFile("dwg8", "");
    ExpectFileError([&] { MakeDirectory(PathOf("dwg7")); }, 183, "I/O error 183");
    ExpectFileError([&] { MakeDirectory(PathOf("dwg8")); }, 183, "I/O error 183");
    ExpectFileError([&] { MakeDirectory(PathOf("gone/dwg1")); }, testing::kMissingDirectoryCode,
                    FileErrorMessage(testing::kMissingDirectoryCode));
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

#ifndef _WIN32
    const std::string tooLong = PathOf(std::string(300, 't'));
    ExpectFileError([&] { ReplaceFileAtomically(tooLong, "x", "long.txt"); }, 3,
                    "Cannot create file long.txt");
#endif

    const std::string underFile = PathOf("plain") + "/transmit.txt";
    ExpectFileError([&] { ReplaceFileAtomically(underFile, "x", underFile); }, 3,
                    "Cannot create file " + underFile);
    EXPECT_EQ(EntryCount(), 2u);
}

#ifndef _WIN32
// Lowers the file-size limit for one test, so that a write fails half-way (EFBIG), and puts
// the limit and the signal's disposition back afterwards.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

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
#endif

}  // namespace
}  // namespace gearpair
