// The drawing hand-off: the files it leaves in the program directory, its report section and
// list, and what stays on disk when an operation fails.
#include "files/handoff.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "core/errors.h"
#include "engine/design_run.h"
#include "tests/temp_dir.h"

namespace gearpair {
namespace {

using Lines = std::vector<std::string>;

// The list the default design hands to the drawing script.
constexpr std::string_view kDefaultTransmit =
    "((aw 200.000) (mn 3.000) (z2 95.000) (betta 14.000) (da2 300.574) (df2 287.074) "
    "(d2 294.574) (bkol 100.000) (dvkol 77.459) (dstkol 123.934) (lstkol 116.188) "
    "(ckol 30.000) (deltakol 9.000) (nkol 3.000) (DBotvkol 212.254) (Dotvkol 29.440) "
    "(da1 111.426) (df1 97.926) (d1 105.426) (z1 34.000) (bw 110.000) (dvw 54.956) "
    "(dstw 89.332) (lstw 120.000) (nw 3.000))";

const Lines kDefaultSection = {
    "Передаваемые результаты",
    "--=Общие параметры=--",
    "aw  200.000",
    "mn  3.000",
    "z2  95.000",
    "betta  14.000",
    "--=Параметры колеса=--",
    "da2  300.574",
    "df2  287.074",
    "d2  294.574",
    "bkol  100.000",
    "dvkol  77.459",
    "dstkol  123.934",
    "lstkol  116.188",
    "ckol  30.000",
    "deltakol  9.000",
    "nkol  3.000",
    "DBotvkol  212.254",
    "Dotvkol  29.440",
    "--=Параметры шестерни=--",
    "da1  111.426",
    "df1  97.926",
    "d1  105.426",
    "z1  34.000",
    "bw  110.000",
    "dvw  54.956",
    "dstw  89.332",
    "lstw  120.000",
    "nw  3.000",
};

// The default design's record after its last geometry pass, filled as the engine leaves it:
// aw 200, mn 3, 129 teeth, the helix angle in radians.
TGearDesign DefaultDesign(const std::string& baseDir) {
    TGearDesign d;
    d.aw = 200;
    d.mn = 3;
    d.z1 = 34;
    d.z2 = 95;
    d.betta = 14 * 0.017453292;
    const double cosbetta = 129 * 3.0 / 400;
    d.d1 = 34 * 3.0 / cosbetta;
    d.d2 = 95 * 3.0 / cosbetta;
    d.da1 = d.d1 + 2 * 3.0;
    d.df1 = d.d1 - 2.5 * 3.0;
    d.da2 = d.d2 + 2 * 3.0;
    d.df2 = d.d2 - 2.5 * 3.0;
    d.bkol = 100;
    d.bw = 110;
    d.tkol = 1858.959;
    d.tw = 663.914;
    d.baseDir = baseDir;
    return d;
}

class Handoff : public testing::TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        session_.design = DefaultDesign(Base());
    }

    // Runs the hand-off expecting a FileError with this code and message.
    void ExpectFileError(int code, const std::string& message) {
        try {
            WriteHandoff(session_);
            ADD_FAILURE() << "no error, expected " << message;
        } catch (const FileError& error) {
            EXPECT_EQ(error.code(), code);
            EXPECT_EQ(std::string(error.what()), message);
        }
    }

    // After any hand-off the comma is back: the next run reads the pinion speed "86,3".
    void ExpectCommaInForce() const {
        EXPECT_EQ(session_.report.DecimalSeparator(), ',');
        EXPECT_EQ(session_.report.ToNumber("86,3"), 86.3);
    }

    std::string PathLsp(const std::string& run) const {
        return "(setq savedwg \"" + ScriptPath() + "/dwg" + run + "/\")";
    }

    GearSession session_;
};

TEST_F(Handoff, DefaultDesignWritesCounterDirectoryPathAndList) {
    EXPECT_EQ(DrawingDirectory(session_), "");
    WriteHandoff(session_);
    EXPECT_EQ(ReadFile("transmit.txt"), kDefaultTransmit);
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp("1"));
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x01\0\0\0", 4));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg1"));
    EXPECT_TRUE(std::filesystem::is_empty(dir_ / "dwg1"));
    EXPECT_EQ(EntryCount(), 4u);
    EXPECT_EQ(session_.report.Lines(), kDefaultSection);
    EXPECT_EQ(session_.handoffList, kDefaultTransmit);
    EXPECT_EQ(session_.runCaption, "1");
    ExpectCommaInForce();
}

TEST_F(Handoff, CounterAt41GivesRun42AndKeepsLaterBytes) {
    WriteFile("numdir.num", std::string("\x29\0\0\0\x7F\x01", 6));
    WriteFile("transmit.txt", "((aw 125.000))");
    EXPECT_EQ(NextRunNumber(session_), "42");
    EXPECT_EQ(session_.runCaption, "42");
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x2A\0\0\0\x7F\x01", 6));

    WriteHandoff(session_);
    EXPECT_EQ(session_.runCaption, "43");
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x2B\0\0\0\x7F\x01", 6));
    EXPECT_EQ(DrawingDirectory(session_), (dir_ / "dwg43").string());
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg43"));
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp("43"));
    EXPECT_EQ(ReadFile("transmit.txt"), kDefaultTransmit);
}

TEST_F(Handoff, SecondHandoffOfASessionHoldsOneListAndTheNextNumber) {
    WriteHandoff(session_);
    WriteHandoff(session_);
    EXPECT_EQ(session_.handoffList, kDefaultTransmit);
    EXPECT_EQ(ReadFile("transmit.txt"), kDefaultTransmit);
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp("2"));
    EXPECT_EQ(session_.runCaption, "2");
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg2"));
    EXPECT_EQ(session_.report.Lines().size(), 2 * kDefaultSection.size());
}

TEST_F(Handoff, ShortCounterFailsEveryRunAndWritesNothing) {
    WriteFile("numdir.num", "\x05\x00");
    WriteFile("path.lsp", "(setq savedwg \"/old/dwg4/\")");
    for (int run = 0; run < 2; ++run) {
        ExpectFileError(100, "Read beyond end of file");
        EXPECT_EQ(ReadFile("numdir.num"), "\x05");
        EXPECT_EQ(ReadFile("path.lsp"), "(setq savedwg \"/old/dwg4/\")");
        EXPECT_EQ(EntryCount(), 2u);
        EXPECT_TRUE(session_.report.Lines().empty());
        EXPECT_EQ(session_.runCaption, "");
        ExpectCommaInForce();
    }
}

TEST_F(Handoff, ExistingDrawingDirectoryStopsAfterCounterAndEmptyPathFile) {
    std::filesystem::create_directory(dir_ / "dwg1");
    WriteFile("dwg1/drawing.dwg", "kept");
    WriteFile("path.lsp", "(setq savedwg \"/old/dwg9/\")");
    ExpectFileError(183, "I/O error 183");
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(ReadFile("path.lsp"), "");
    EXPECT_EQ(ReadFile("dwg1/drawing.dwg"), "kept");
    EXPECT_FALSE(Exists("transmit.txt"));
    EXPECT_TRUE(session_.report.Lines().empty());
    EXPECT_EQ(session_.runCaption, "1");
    ExpectCommaInForce();

    WriteHandoff(session_);
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp("2"));
    EXPECT_EQ(ReadFile("transmit.txt"), kDefaultTransmit);
}

// How the counter's place is spoilt: given the test directory and the record to point at it.
struct UnopenableCounter {
    const char* name;
    std::function<void(const std::filesystem::path&, TGearDesign&)> arrange;
    int code;
    const char* message;
};

void PrintTo(const UnopenableCounter& row, std::ostream* out) {
    *out << row.name;
}

class HandoffCounterPath : public Handoff,
                           public ::testing::WithParamInterface<UnopenableCounter> {};

TEST_P(HandoffCounterPath, GivesItsMappedMessageAndWritesNothing) {
    GetParam().arrange(dir_, session_.design);
    const std::size_t entries = EntryCount();
    ExpectFileError(GetParam().code, GetParam().message);
    EXPECT_EQ(EntryCount(), entries);
    EXPECT_FALSE(Exists("path.lsp"));
    EXPECT_TRUE(session_.report.Lines().empty());
    ExpectCommaInForce();
}

INSTANTIATE_TEST_SUITE_P(
    Counter, HandoffCounterPath,
    ::testing::Values(UnopenableCounter{"DirectoryInItsPlace",
                                        [](const std::filesystem::path& dir, TGearDesign&) {
                                            std::filesystem::create_directory(dir / "numdir.num");
                                        },
                                        5, "File access denied"},
                      UnopenableCounter{"ProgramDirectoryIsAFile",
                                        [](const std::filesystem::path& dir, TGearDesign& d) {
                                            std::ofstream(dir / "gears") << "";
                                            d.baseDir = (dir / "gears").string() + "/";
                                        },
                                        3, "Invalid filename"},
                      UnopenableCounter{"ProgramDirectoryMissing",
                                        [](const std::filesystem::path& dir, TGearDesign& d) {
                                            d.baseDir = (dir / "gone").string() + "/";
                                        },
                                        testing::kMissingDirectoryCode,
                                        testing::kMissingDirectoryCode == 2 ? "File not found"
                                                                            : "Invalid filename"},
                      UnopenableCounter{"NameTooLong",
                                        [](const std::filesystem::path& dir, TGearDesign& d) {
                                            d.baseDir =
                                                (dir / std::string(300, 'g')).string() + "/";
                                        },
                                        3, "Invalid filename"}),
    [](const ::testing::TestParamInfo<UnopenableCounter>& info) { return info.param.name; });

TEST_F(Handoff, UncreatableListFileNamesItWithTheSectionComplete) {
    std::filesystem::create_directory(dir_ / "transmit.txt");
    ExpectFileError(5, "Cannot create file " + Base() + "transmit.txt");
    EXPECT_EQ(session_.report.Lines(), kDefaultSection);
    EXPECT_EQ(session_.handoffList, kDefaultTransmit);
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp("1"));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg1"));
    EXPECT_TRUE(std::filesystem::is_empty(dir_ / "transmit.txt"));
    EXPECT_EQ(EntryCount(), 4u);
    ExpectCommaInForce();
}

#ifndef _WIN32
TEST_F(Handoff, PathFileEscapesQuoteAndBackslashAndIsCodePage1251) {
    const std::filesystem::path odd = dir_ / "Расчёт \"x\\y";
    std::filesystem::create_directory(odd);
    session_.design.baseDir = odd.string() + "/";
    WriteHandoff(session_);
    std::ifstream in(odd / "path.lsp", std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(text,
              "(setq savedwg \"" + dir_.string() + "/\xD0\xE0\xF1\xF7\xB8\xF2 \\\"x\\\\y/dwg1/\")");
}
#else
// Windows names hold neither quotes nor backslashes; every backslash of the path is a slash
// for the drawing script.
TEST_F(Handoff, PathFileHasForwardSlashesAndIsCodePage1251) {
    std::filesystem::create_directories(dir_ / Utf8Path("Расчёт") / "Gears");
    session_.design.baseDir = Base() + "Расчёт\\Gears\\";
    WriteHandoff(session_);
    EXPECT_EQ(ReadFile("Расчёт/Gears/path.lsp"),
              "(setq savedwg \"" + ScriptPath() + "/\xD0\xE0\xF1\xF7\xB8\xF2/Gears/dwg1/\")");
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / Utf8Path("Расчёт") / "Gears" / "dwg1"));
}
#endif

TEST_F(Handoff, PathOutsideCodePage1251StopsBeforeAnyFile) {
    const std::filesystem::path foreign = dir_ / Utf8Path("歯車");
    std::filesystem::create_directory(foreign);
    session_.design.baseDir = PathUtf8(foreign) + testing::kSeparator;
    ExpectFileError(3, "Invalid filename: " + session_.design.baseDir +
                           ". Путь к каталогу программы может содержать только буквы и знаки "
                           "кодовой страницы 1251 (латиница, кириллица): в ней сценарий чертежей "
                           "получает путь к чертежам");
    EXPECT_TRUE(std::filesystem::is_empty(foreign));
    EXPECT_EQ(session_.runCaption, "");
    ExpectCommaInForce();
}

TEST_F(Handoff, FloatFaultInThePartSizesStopsBeforeAnySizeLine) {
    session_.design.tw = -663.914;
    try {
        WriteHandoff(session_);
        ADD_FAILURE() << "no error";
    } catch (const FloatError& error) {
        EXPECT_EQ(std::string(error.what()), "Invalid floating point operation");
    }
    ExpectCommaInForce();
    EXPECT_EQ(session_.report.Lines().back(), "Передаваемые результаты");
    EXPECT_FALSE(Exists("transmit.txt"));
}

TEST_F(Handoff, DefaultRunHandsOffWithFullStopsAndShowsResultsWithCommas) {
    GearSession session;
    session.design.baseDir = Base();
    const RunOutcome outcome =
        RunDesign(session, DesignInputs{}, [](GearSession& s) { WriteHandoff(s); });
    ASSERT_TRUE(outcome.completed) << outcome.message;
    EXPECT_EQ(outcome.results.mn, "3,00");
    EXPECT_EQ(outcome.results.d1, "105,4");
    EXPECT_EQ(outcome.results.d2, "294,6");

    EXPECT_EQ(ReadFile("transmit.txt"), kDefaultTransmit);
    EXPECT_EQ(ReadFile("path.lsp"), PathLsp("1"));
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x01\0\0\0", 4));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg1"));
    EXPECT_EQ(session.runCaption, "1");

    const Lines& lines = session.report.Lines();
    ASSERT_GT(lines.size(), kDefaultSection.size());
    const Lines section(lines.end() - static_cast<std::ptrdiff_t>(kDefaultSection.size()),
                        lines.end());
    EXPECT_EQ(section, kDefaultSection);
    EXPECT_NE(std::find(lines.begin(), lines.end(), "da1  111,426"), lines.end());
}

}  // namespace
}  // namespace gearpair
