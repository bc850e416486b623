// The temporary directory of a test: a fresh one per test, removed afterwards, and small
// helpers to set up and read back the files the test leaves there.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "files/utf8_path.h"

namespace gearpair::testing {

inline int ProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return ::getpid();
#endif
}

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
// A name in a directory that does not exist: "path not found", Windows' own code.
inline constexpr int kMissingDirectoryCode = 3;
#else
inline constexpr char kSeparator = '/';
inline constexpr int kMissingDirectoryCode = 2;  // ENOENT
#endif

// A fresh directory named after the running test (and this process), removed with the object;
// for fixtures that need the directory while they are constructed.
class TempDir {
public:
    TempDir() {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name) {
            if (c == '/') c = '_';
        }
        path_ = std::filesystem::temp_directory_path() /
                ("gearpair-" + std::to_string(ProcessId()) + "-" + name);
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A test with its own TempDir and small helpers to set up and read back the files it leaves.
class TempDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_.emplace();
        dir_ = scratch_->Path();
    }

    void TearDown() override { scratch_.reset(); }

    // The directory with a trailing separator, as a program directory is written, in UTF-8.
    std::string Base() const { return PathUtf8(dir_) + kSeparator; }
    std::string PathOf(std::string_view name) const { return PathUtf8(dir_ / Utf8Path(name)); }

    // The directory as the drawing script reads it: forward slashes on every system.
    std::string ScriptPath() const {
        const std::u8string text = dir_.generic_u8string();
        return std::string(text.begin(), text.end());
    }

    void WriteFile(std::string_view name, std::string_view bytes) const {
        std::ofstream out(dir_ / Utf8Path(name), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::string ReadFile(std::string_view name) const {
        std::ifstream in(dir_ / Utf8Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool Exists(std::string_view name) const {
        return std::filesystem::exists(dir_ / Utf8Path(name));
    }

    // Names in the directory, to show that nothing stray was left behind.
    std::size_t EntryCount() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_),
                                                      std::filesystem::directory_iterator()));
    }

    std::filesystem::path dir_;

private:
    std::optional<TempDir> scratch_;
};

}  // namespace gearpair::testing
