// The temporary directory of a test: a fresh one per test, removed afterwards, and small
// helpers to set up and read back the files the test leaves there.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

namespace gearpair::testing {

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
                ("gearpair-" + std::to_string(::getpid()) + "-" + name);
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

    // The directory with a trailing '/', as a program directory is written.
    std::string Base() const { return dir_.string() + "/"; }
    std::string PathOf(std::string_view name) const { return (dir_ / name).string(); }

    void WriteFile(std::string_view name, std::string_view bytes) const {
        std::ofstream out(PathOf(name), std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::string ReadFile(std::string_view name) const {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    bool Exists(std::string_view name) const { return std::filesystem::exists(dir_ / name); }

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
