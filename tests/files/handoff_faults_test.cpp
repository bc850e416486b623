// The drawing hand-off under load and under faults: a thousand runs into one program
// directory, and a hand-off broken at each of its file steps, after which the next run works
// and nothing the earlier runs left on disk is lost.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/errors.h"
#include "engine/design_inputs.h"
#include "engine/design_run.h"
#include "files/handoff.h"
#include "tests/file_size_limit.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

namespace fs = std::filesystem;
using testing::FileSizeLimit;

std::string CounterBytes(std::uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = char(value >> (8 * i));
    return bytes;
}

class HandoffFaults : public testing::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        session_.design.baseDir = Base();
    }

    // One design run with the hand-off, as the desktop program makes it: one session for all.
    RunOutcome Run(const DesignInputs& inputs) {
        return RunDesign(session_, inputs, [](GearSession& s) { WriteHandoff(s); });
    }

    std::string PathLsp(int run) const {
        return "(setq savedwg \"" + dir_.string() + "/dwg" + std::to_string(run) + "/\")";
    }

    // Temporary files of the atomic replacement left behind.
    int StrayFiles() const {
        int count = 0;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir_)) {
            if (entry.path().filename().string().starts_with(".gearpair-")) ++count;
        }
        return count;
    }

    GearSession session_;
};

TEST_F(HandoffFaults, ThousandRunsIntoOneDirectoryNumberEveryDrawingDirectory) {
    DesignInputs inputs;
    RunOutcome last;
    for (int run = 1; run <= 1000; ++run) {
        inputs.uzText = kRatioTexts[static_cast<std::size_t>(run) % kRatioTexts.size()];
        last = Run(inputs);
        ASSERT_TRUE(last.completed) << "run " << run << ": " << last.message;
    }
    EXPECT_EQ(ReadFile("numdir.num"), CounterBytes(1000));
    EXPECT_EQ(session_.runCaption, "1000");
    for (int run = 1; run <= 1000; ++run) {
        const fs::path drawings = dir_ / ("dwg" + std::to_string(run));
        ASSERT_TRUE(fs::is_directory(drawings)) << drawings;
        ASSERT_TRUE(fs::is_empty(drawings)) << drawings;
    }
    EXPECT_EQ(EntryCount(), 1003u);  // the counter, the two files and the directories
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp(1000));
    EXPECT_EQ(ReadFile("transmit.txt"), session_.handoffList);
    EXPECT_TRUE(session_.handoffList.starts_with("((aw " + last.results.aw + ".000) (mn "))
        << session_.handoffList;
    EXPECT_TRUE(session_.handoffList.ends_with(".000))")) << session_.handoffList;
}

// What stands at the place of the counter, "path.lsp" or the drawing directory, and what the
// interrupted hand-off must leave behind.
enum class PathFile { kFromRun2, kEmpty, kFromRun3, kNotChecked };

struct Fault {
    const char* name;
    std::function<void(const fs::path&)> arrange;  // spoils one file step
    std::function<void(const fs::path&)> repair;   // what the user does afterwards
    int code;
    std::string message;  // "{dir}" stands for the program directory
    std::string counterAfter;
    bool drawingDirectory3;  // dwg3 exists after the fault
    PathFile pathFile;
    int nextRun;  // the number the run after the repair gets
    bool limitFileSize = false;
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

void Replace(const fs::path& file, const std::function<void(const fs::path&)>& make) {
    fs::remove_all(file);
    make(file);
}

const auto kMakeDirectory = [](const fs::path& path) { fs::create_directory(path); };
// A full device (character device 1, 7) made in the test's own directory, never taken from the
// system's: reads give zeros, writes "Disk full". Where making devices is not permitted the
// test is skipped.
const auto kFullDevice = [](const fs::path& path) {
    if (::mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "making a character device is not permitted here";
    }
};
const auto kRestoreCounter2 = [](const fs::path& dir) {
    fs::remove_all(dir / "numdir.num");
    std::ofstream(dir / "numdir.num", std::ios::binary) << CounterBytes(2);
};

class HandoffInterrupted : public HandoffFaults, public ::testing::WithParamInterface<Fault> {};

TEST_P(HandoffInterrupted, NextRunWorksAndEarlierRunsKeepTheirFiles) {
    const Fault& fault = GetParam();
    ASSERT_TRUE(Run(DesignInputs{}).completed);
    WriteFile("dwg1/drawing.dwg", "drawn by the script");
    ASSERT_TRUE(Run(DesignInputs{}).completed);
    const std::string list2 = ReadFile("transmit.txt");

    // Another design, so that a list from run 3 or 4 differs from the one of run 2.
    DesignInputs next;
    next.uzText = "4";
    fault.arrange(dir_);
    if (IsSkipped()) return;
    try {
        if (fault.limitFileSize) {
            const FileSizeLimit limit(256);
            Run(next);
        } else {
            Run(next);
        }
        ADD_FAILURE() << "the hand-off did not fail";
    } catch (const FileError& error) {
        std::string message = fault.message;
        if (const std::size_t at = message.find("{dir}"); at != std::string::npos) {
            message.replace(at, 5, dir_.string());
        }
        EXPECT_EQ(error.code(), fault.code);
        EXPECT_EQ(std::string(error.what()), message);
    }

    // What the earlier runs and the interrupted one wrote before the fault is all there.
    EXPECT_EQ(ReadFile("dwg1/drawing.dwg"), "drawn by the script");
    EXPECT_TRUE(fs::is_directory(dir_ / "dwg2"));
    if (!fault.counterAfter.empty()) {
        EXPECT_EQ(ReadFile("numdir.num"), fault.counterAfter);
    }
    EXPECT_EQ(fs::exists(dir_ / "dwg3"), fault.drawingDirectory3);
    if (fs::is_regular_file(dir_ / "transmit.txt")) {
        EXPECT_EQ(ReadFile("transmit.txt"), list2);
    }
    switch (fault.pathFile) {
        case PathFile::kFromRun2:
            EXPECT_EQ(ReadFile("path.lsp"), PathLsp(2));
            break;
        case PathFile::kEmpty:
            EXPECT_EQ(ReadFile("path.lsp"), "");
            break;
        case PathFile::kFromRun3:
            EXPECT_EQ(ReadFile("path.lsp"), PathLsp(3));
            break;
        case PathFile::kNotChecked:
            break;
    }
    EXPECT_EQ(StrayFiles(), 0);
    EXPECT_EQ(session_.report.DecimalSeparator(), ',');

    fault.repair(dir_);
    const RunOutcome outcome = Run(next);
    ASSERT_TRUE(outcome.completed) << outcome.message;
    const int n = fault.nextRun;
    EXPECT_EQ(session_.runCaption, std::to_string(n));
    EXPECT_EQ(ReadFile("numdir.num"), CounterBytes(static_cast<std::uint32_t>(n)));
    EXPECT_TRUE(fs::is_directory(dir_ / ("dwg" + std::to_string(n))));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir_ / "path.lsp")));
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp(n));
    EXPECT_EQ(ReadFile("transmit.txt"), session_.handoffList);
    EXPECT_NE(session_.handoffList, list2);
    EXPECT_EQ(ReadFile("dwg1/drawing.dwg"), "drawn by the script");
    EXPECT_EQ(StrayFiles(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    EachFileStep, HandoffInterrupted,
    ::testing::Values(
        Fault{"ShortCounter", [](const fs::path& dir) { fs::resize_file(dir / "numdir.num", 2); },
              kRestoreCounter2, 100, "Read beyond end of file", std::string("\x02\0", 2), false,
              PathFile::kFromRun2, 3},
        Fault{"CounterIsADirectory",
              [](const fs::path& dir) { Replace(dir / "numdir.num", kMakeDirectory); },
              kRestoreCounter2, 5, "File access denied", "", false, PathFile::kFromRun2, 3},
        Fault{"CounterOnAFullDisk",
              [](const fs::path& dir) { Replace(dir / "numdir.num", kFullDevice); },
              kRestoreCounter2, 101, "Disk full", "", false, PathFile::kFromRun2, 3},
        Fault{"PathFileIsADirectory",
              [](const fs::path& dir) { Replace(dir / "path.lsp", kMakeDirectory); },
              [](const fs::path& dir) { fs::remove_all(dir / "path.lsp"); }, 5,
              "File access denied", CounterBytes(3), false, PathFile::kNotChecked, 4},
        Fault{"PathFileOnAFullDisk",
              [](const fs::path& dir) { Replace(dir / "path.lsp", kFullDevice); },
              [](const fs::path& dir) { fs::remove(dir / "path.lsp"); }, 101, "Disk full",
              CounterBytes(3), true, PathFile::kNotChecked, 4},
        Fault{"DrawingDirectoryExists",
              [](const fs::path& dir) {
                  fs::create_directory(dir / "dwg3");
                  std::ofstream(dir / "dwg3" / "old.dwg") << "older drawing";
              },
              [](const fs::path& dir) {
                  std::ifstream in(dir / "dwg3" / "old.dwg");
                  std::string kept;
                  std::getline(in, kept);
                  EXPECT_EQ(kept, "older drawing");
              },
              183, "I/O error 183", CounterBytes(3), true, PathFile::kEmpty, 4},
        Fault{"FileInPlaceOfTheDrawingDirectory",
              [](const fs::path& dir) { std::ofstream(dir / "dwg3") << "not a directory"; },
              [](const fs::path&) {}, 183, "I/O error 183", CounterBytes(3), true, PathFile::kEmpty,
              4},
        Fault{"ListFileIsADirectory",
              [](const fs::path& dir) { Replace(dir / "transmit.txt", kMakeDirectory); },
              [](const fs::path& dir) { fs::remove_all(dir / "transmit.txt"); }, 5,
              "Cannot create file {dir}/transmit.txt", CounterBytes(3), true, PathFile::kFromRun3,
              4},
        Fault{"ListFileLargerThanTheDiskTakes", [](const fs::path&) {}, [](const fs::path&) {}, 27,
              "I/O error 27: {dir}/transmit.txt", CounterBytes(3), true, PathFile::kFromRun3, 4,
              true}),
    [](const ::testing::TestParamInfo<Fault>& info) { return info.param.name; });

}  // namespace
}  // namespace gearpair
