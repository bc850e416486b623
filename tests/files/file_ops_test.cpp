// The file layer: codes and messages, the counter record, directory creation and the atomic
// replacement, with file errors provoked as root can meet them.
#include "files/file_ops.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <future>
#endif

#include "core/errors.h"
#include "tests/temp_dir.h"
#ifndef _WIN32
#include "tests/file_size_limit.h"
#endif

namespace gearpair {
namespace {

#ifndef _WIN32
using testing::FileSizeLimit;
#endif
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
    {ELOOP, 3, "Invalid filename"},
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

#ifdef _WIN32
// The replaced file keeps its attributes, and a symbolic link stays a link to the new file, as
// far as the system keeps attributes and makes links: Wine's ReplaceFileW drops the attributes,
// and Wine may make links that lead nowhere.
TEST_F(FileOps, ReplaceKeepsTheAttributesAndFollowsALink) {
    const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
    WriteFile("result.rtf", "old");
    const std::wstring file = Utf8Path(PathOf("result.rtf")).wstring();
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ReplaceFileAtomically(PathOf("result.rtf"), "{\\rtf1}", "result.rtf");
    EXPECT_EQ(ReadFile("result.rtf"), "{\\rtf1}");
    if (!wine) {
        EXPECT_TRUE(GetFileAttributesW(file.c_str()) & FILE_ATTRIBUTE_HIDDEN);
    }
    EXPECT_EQ(EntryCount(), 1u);

    const std::wstring link = Utf8Path(PathOf("link.rtf")).wstring();
    if (!CreateSymbolicLinkW(link.c_str(), L"result.rtf",
                             SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE) ||
        GetFileAttributesW(link.c_str()) == INVALID_FILE_ATTRIBUTES) {
        GTEST_SKIP() << "no working symbolic links here";
    }
    ReplaceFileAtomically(PathOf("link.rtf"), "{\\rtf1 new}", "link.rtf");
    EXPECT_TRUE(GetFileAttributesW(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
    EXPECT_EQ(ReadFile("result.rtf"), "{\\rtf1 new}");
    EXPECT_EQ(EntryCount(), 2u);
}
#endif

#ifndef _WIN32
TEST_F(FileOps, ReplaceFollowsEveryLinkAndReplacesTheTargetBesideIt) {
    std::filesystem::create_directory(dir_ / "real");
    WriteFile("real/target.rtf", "old report, longer than the new one");
    std::filesystem::create_symlink("real/target.rtf", dir_ / "inner");
    std::filesystem::create_symlink(dir_ / "inner", dir_ / "link.rtf");
    ReplaceFileAtomically(PathOf("link.rtf"), "{\\rtf1}", "link.rtf");
    EXPECT_EQ(std::filesystem::read_symlink(dir_ / "link.rtf"), dir_ / "inner");
    EXPECT_EQ(std::filesystem::read_symlink(dir_ / "inner"), "real/target.rtf");
    EXPECT_EQ(ReadFile("real/target.rtf"), "{\\rtf1}");
    EXPECT_EQ(EntryCount(), 3u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "real"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(FileOps, ReplaceThroughADanglingLinkCreatesItsTarget) {
    std::filesystem::create_directory(dir_ / "made");
    std::filesystem::create_symlink("made/new.rtf", dir_ / "result.rtf");
    ReplaceFileAtomically(PathOf("result.rtf"), "{\\rtf1}", "result.rtf");
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "result.rtf"));
    EXPECT_EQ(ReadFile("made/new.rtf"), "{\\rtf1}");
}

TEST_F(FileOps, ReplaceThroughALoopOfLinksWritesNothing) {
    std::filesystem::create_symlink("b.rtf", dir_ / "a.rtf");
    std::filesystem::create_symlink("a.rtf", dir_ / "b.rtf");
    ExpectFileError([&] { ReplaceFileAtomically(PathOf("a.rtf"), "{\\rtf1}", "a.rtf"); }, 3,
                    "Cannot create file a.rtf");
    EXPECT_EQ(std::filesystem::read_symlink(dir_ / "a.rtf"), "b.rtf");
    EXPECT_EQ(std::filesystem::read_symlink(dir_ / "b.rtf"), "a.rtf");
    EXPECT_EQ(EntryCount(), 2u);
}

TEST_F(FileOps, ReplacedFileKeepsItsModeAndOwner) {
    WriteFile("result.rtf", "old");
    ASSERT_EQ(::chmod(PathOf("result.rtf").c_str(), 0600), 0);
    // Only root may give a file away; others keep their own uid and gid anyway.
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(PathOf("result.rtf").c_str(), 1234, 5678), 0);
    }
    ReplaceFileAtomically(PathOf("result.rtf"), "{\\rtf1}", "result.rtf");
    struct stat status {};
    ASSERT_EQ(::stat(PathOf("result.rtf").c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    if (root) {
        EXPECT_EQ(status.st_uid, 1234u);
        EXPECT_EQ(status.st_gid, 5678u);
    }
    EXPECT_EQ(ReadFile("result.rtf"), "{\\rtf1}");
}

// Everything a reader gets from the named pipe until its writer closes it; what came so far
// when no writer appears within ten seconds, so that a pipe replaced by a file fails the test
// instead of hanging it.
std::string ReadPipe(const std::string& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0) return "open failed";
    std::string got;
    pollfd ready{descriptor, POLLIN, 0};
    while (::poll(&ready, 1, 10000) > 0) {
        char chunk[4096];
        const ssize_t read = ::read(descriptor, chunk, sizeof chunk);
        if (read < 0 && errno == EAGAIN) continue;
        if (read <= 0) break;
        got.append(chunk, static_cast<std::size_t>(read));
    }
    ::close(descriptor);
    return got;
}

TEST_F(FileOps, ReplaceWritesIntoANamedPipeForItsReader) {
    ASSERT_EQ(::mkfifo(PathOf("p.rtf").c_str(), 0600), 0);
    // More than a pipe holds, so that the writer has to wait for the reader.
    std::string report;
    for (int i = 0; report.size() < 200000; ++i) report += std::to_string(i) + "\\par\n";
    auto reader = std::async(std::launch::async, ReadPipe, PathOf("p.rtf"));
    ReplaceFileAtomically(PathOf("p.rtf"), report, "p.rtf");
    EXPECT_TRUE(reader.get() == report);
    EXPECT_TRUE(std::filesystem::is_fifo(dir_ / "p.rtf"));
    EXPECT_EQ(EntryCount(), 1u);
}

// A link of a process's descriptor directory names an open file, written in place (the whole
// program does it with --rtf /dev/stdout in the command line's tests); a link anywhere else is a
// place in a directory. The directories here are invented: nothing outside the test is touched.
TEST(DescriptorNamed, OnlyNumberedLinksOfAProcessDescriptorDirectory) {
    const auto named = [](std::string_view directory, std::string_view name) {
        const auto open = DescriptorNamed(directory, name);
        return open ? std::to_string(open->process) + ":" + std::to_string(open->descriptor) : "";
    };
    // Directories below the process file system's mount point.
    EXPECT_EQ(named("4242/fd", "1"), "4242:1");
    EXPECT_EQ(named("4242/task/4243/fd", "17"), "4242:17");
    EXPECT_EQ(named("self/fd", "1"), "");  // resolved, it holds the number, never "self"
    EXPECT_EQ(named("4242/task/x/fd", "1"), "");
    EXPECT_EQ(named("4242/fdinfo", "1"), "");
    EXPECT_EQ(named("4242/fd", "stdout"), "");
    EXPECT_EQ(named("fd", "1"), "");
}

TEST_F(FileOps, FailedWriteKeepsThePreviousFileWhole) {
    const std::string previous = "((aw 160.000) (mn 2.500))";
    WriteFile("transmit.txt", previous);
    const std::string longer(4096, 'x');
    {
        FileSizeLimit limit(64);
        ExpectFileError(
            [&] { ReplaceFileAtomically(PathOf("transmit.txt"), longer, "transmit.txt"); }, EFBIG,
            "I/O error " + std::to_string(EFBIG) + ": transmit.txt");
    }
    EXPECT_EQ(ReadFile("transmit.txt"), previous);
    EXPECT_EQ(EntryCount(), 1u);
}
#endif

}  // namespace
}  // namespace gearpair
