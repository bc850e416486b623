// The whole command as gearpair-cli runs it: modes, outputs, files on request, exit codes.
#include "cli/command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <tuple>

#ifndef _WIN32
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#endif

#if defined(GEARPAIR_DRAWINGS) && !defined(_WIN32)
#include "tests/file_size_limit.h"
#endif

#include "tests/temp_dir.h"

namespace gearpair {
namespace {

struct Outcome {
    int code = -1;
    std::string out;
    std::string err;
};

Outcome RunCli(std::vector<std::string_view> arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    Outcome outcome;
    outcome.code = RunCommand(arguments, in, out, err);
    outcome.out = out.str();
    outcome.err = err.str();
    return outcome;
}

TEST(RunCommand, HelpAndVersionExitZero) {
    const Outcome help = RunCli({"--help"});
    EXPECT_EQ(help.code, kExitCompleted);
    EXPECT_TRUE(help.out.starts_with("Использование:\n  gearpair-cli [--ratio ТЕКСТ]"));
    EXPECT_NE(help.out.find("  --ratio ТЕКСТ          передаточное отношение (2,8):\n"
                            "                         2; 2,24; 2,5; 2,8; 3,15; 3,55; 4; 4,5; 5,0; "
                            "5,6; 6,3; 7,1\n"),
              std::string::npos);
#if defined(GEARPAIR_MODELS) && defined(GEARPAIR_STEP)
    EXPECT_NE(help.out.find("pinion.stl, wheel.step, pinion.step\n"), std::string::npos);
#elif defined(GEARPAIR_MODELS)
    EXPECT_NE(help.out.find("pinion.stl\n                         (модели STEP не пишутся"),
              std::string::npos);
#endif
    const Outcome version = RunCli({"--version"});
    EXPECT_EQ(version.code, kExitCompleted);
    EXPECT_TRUE(
        std::regex_match(version.out, std::regex("gearpair-cli [0-9]+\\.[0-9]+\\.[0-9]+\n")))
        << version.out;
}

TEST(RunCommand, UsageAndInputErrorsExitTwoWithTheMessageOnly) {
    const Outcome usage = RunCli({"--bogus"});
    EXPECT_EQ(usage.code, kExitUsage);
    EXPECT_EQ(usage.out, "");
    EXPECT_EQ(usage.err, "Неизвестный параметр «--bogus»\n");

    const Outcome input = RunCli({"--json", "--speed", "86.3"});
    EXPECT_EQ(input.code, kExitUsage);
    EXPECT_EQ(input.out, "");
    EXPECT_EQ(input.err, "--speed: Неправильно введено значение\n");
}

TEST(RunCommand, JsonOfTheDefaultDesignIsOneLineWithResultsAndHandoff) {
    const Outcome run = RunCli({"--json"});
    EXPECT_EQ(run.code, kExitCompleted);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);
    EXPECT_TRUE(run.out.starts_with(
        R"({"status": "ok", "message": null, "report": ["Введённые значения", "uz  2,800", )"));
    EXPECT_NE(run.out.find(R"("results": {"aw": "200", "mn": "3,00", "z1": "34", "z2": "95", )"
                           R"("d1": "105,4", "d2": "294,6"}, "handoff": "((aw 200.000) )"),
              std::string::npos);
    // Every field of the record with its own value.
    EXPECT_NE(
        run.out.find(R"j( (nw 3.000))", "recalculations": 0, "run_number": null, )j"
                     R"("design": {"aw": 200, "mn": 3, "z1": 34, "z2": 95, )"
                     R"("betta": 14, "betta_actual": 14.647469308361414, )"
                     R"("d1": 105.42635658914729, "d2": 294.5736434108527, )"
                     R"("da1": 111.42635658914729, "df1": 97.92635658914729, )"
                     R"("da2": 300.5736434108527, "df2": 287.0736434108527, "bw": 110, )"
                     R"("bkol": 100, "v": 0.47638558987923363, "ea": 1.7001503722594988, )"
                     R"("Khbeta": 1.03, "tw": 663.9140152153224, "tkol": 1858.9592426029026}, )"),
        std::string::npos);
    EXPECT_NE(run.out.find(R"("checks": {"contact": {"stress": 478.508201426983, )"
                           R"("allowable": 564.2319416542335, "margin": 0.1519299669138242}, )"
                           R"("bending": {"gear": "wheel", "stress": 177.60593856748508, )"
                           R"("allowable": 225, "margin": 0.2106402730333996}}, "steps": [{)"),
              std::string::npos);
    // The accepted sizes, the check data and the default materials after the part sizes and
    // the masses.
    EXPECT_NE(
        run.out.find(R"("lstw": 120, "chamfer_pinion": 3}, "drawing_sizes": {"dvkol": 80, )"
                     R"("dstkol": 125, "lstkol": 120, "ckol": 30, )"
                     R"("deltakol": 13.536821705426348, "chamfer_wheel": 1.6, )"
                     R"("DBotvkol": 190, "Dotvkol": 32, "dvw": 56, "dstw": 90, "lstw": 120, )"
                     R"("chamfer_pinion": 1.6, "rim_inner_wheel": 260}, "masses": {)"
                     R"("wheel": 26.493196, "pinion": 5.589141, "total": 32.082337}, )"
                     R"("check_data": {"wheel": )"
                     R"({"W": 106.23457087410922, "z_w": 12}, "pinion": )"
                     R"({"W": 41.42351370266271, "z_w": 5}}, "material": {"wheel": )"
                     R"({"steel": "Сталь 45 ГОСТ 1050-2013", "treatment": )"
                     R"("Улучшение 235…265 HB"}, "pinion": {"steel": )"
                     R"("Сталь 40Х ГОСТ 4543-2016", "treatment": "Улучшение 265…295 HB"}}, )"),
        std::string::npos);
    EXPECT_NE(run.out.find(R"(, "drawings": null, "models": null, "warnings": [], )"
                           R"("shafts": {"input": {"gear_shaft": false, "speed": 86.3, )"),
              std::string::npos);
    EXPECT_TRUE(run.out.ends_with(R"("planned_life": 15000, "load_factor": 1.3, "status": "ok"}, )"
                                  R"("shafts_reason": null})"
                                  "\n"));
}

TEST(RunCommand, MaterialReplacesTheSteelOfBothGearsButNotTheirTreatment) {
    const Outcome run = RunCli({"--json", "--material", "Сталь 40ХН ГОСТ 4543-2016"});
    EXPECT_NE(run.out.find(R"("material": {"wheel": {"steel": "Сталь 40ХН ГОСТ 4543-2016", )"
                           R"("treatment": "Улучшение 235…265 HB"}, "pinion": {"steel": )"
                           R"("Сталь 40ХН ГОСТ 4543-2016", "treatment": "Улучшение 265…295 HB"}})"),
              std::string::npos)
        << run.out;
}

// A pinion whose keyway would cut too close to its roots is a gear shaft: every output of the
// run says so, also without drawings.
TEST(RunCommand, GearShaftWarningWithoutDrawings) {
    const std::vector<std::string_view> args = {"--ratio", "4",       "--hardness",
                                                "450",     "--speed", "1000"};
    std::vector<std::string_view> json = args;
    json.push_back("--json");
    const Outcome run = RunCli(json);
    EXPECT_EQ(run.code, kExitCompleted);
    EXPECT_NE(
        run.out.find(
            R"("drawings": null, "models": null, "warnings": ["Шестерню выполнить заодно с валом: )"),
        std::string::npos)
        << run.out;
    EXPECT_NE(RunCli(args).out.find("\nВнимание: Шестерню выполнить заодно с валом: "),
              std::string::npos);
}

TEST(RunCommand, StoppedRunExitsOneWithTheMessageInItsChannel) {
    const Outcome json = RunCli({"--json", "--arrangement", "1", "--width", "0,63"});
    EXPECT_EQ(json.code, kExitNotCompleted);
    EXPECT_EQ(json.err, "");
    EXPECT_TRUE(json.out.starts_with(
        R"({"status": "stopped", "message": "                      Для таких значений в )"
        R"(таблице отсутствуют данные.\rУменьшите )"));
    EXPECT_NE(
        json.out.find(R"("results": null, "handoff": null, "recalculations": 0, )"
                      R"("run_number": null, "design": null, "checks": null, "steps": [], )"
                      R"("sizes": null, "drawing_sizes": null, "masses": null, )"
                      R"("check_data": null, "material": null, "drawings": null, "models": null, )"
                      R"("warnings": [], "shafts": null, "shafts_reason": )"
                      R"("                      Для таких значений в )"),
        std::string::npos);

    const Outcome text = RunCli({"--arrangement", "1", "--width", "0,63"});
    EXPECT_EQ(text.code, kExitNotCompleted);
    EXPECT_TRUE(text.out.starts_with("Введённые значения\nuz  2,800\n"));
    EXPECT_TRUE(text.err.ends_with("выберите другое расположение колёс\n"));
}

using RunCommandFiles = testing::TempDirTest;

// A path as the JSON writes it: Windows' backslashes escaped.
std::string InJson(const std::string& path) {
    std::string text;
    for (const char c : path) text += c == '\\' ? std::string(2, c) : std::string(1, c);
    return text;
}

#ifdef _WIN32
constexpr char kSeparator[] = "\\";
#else
constexpr char kSeparator[] = "/";
#endif

// A real directory as "path.lsp" names it: on Windows by the Windows rule, ASCII letters
// lower-cased, with forward slashes.
std::string LispDirectory(std::string directory) {
#ifdef _WIN32
    for (char& c : directory) {
        if (c == '\\') c = '/';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
#endif
    return directory;
}

TEST_F(RunCommandFiles, HandoffDirectoryGetsTheFilesAndTheRunNumber) {
    const std::string dir = PathUtf8(std::filesystem::canonical(dir_));
    EXPECT_NE(RunCli({"--handoff-dir", dir})
                  .out.find("Диаметр делительной окружности колеса: 294,6\n"
                            "Запас по контактным напряжениям: 15,2 %\n"
                            "Запас по изгибным напряжениям (колесо): 21,1 %\n"),
              std::string::npos);
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x01\x00\x00\x00", 4));
    EXPECT_NE(RunCli({"--json", "--handoff-dir", dir})
                  .out.find(R"("run_number": 2, "design": {"aw": 200, )"),
              std::string::npos);
    EXPECT_NE(RunCli({"--json", "--handoff-dir", dir + "/"})
                  .out.find(R"("run_number": 3, "design": {"aw": 200, )"),
              std::string::npos);
    EXPECT_EQ(ReadFile("numdir.num"), std::string("\x03\x00\x00\x00", 4));
    EXPECT_EQ(ReadFile("path.lsp"), "(setq savedwg \"" + LispDirectory(dir) + "/dwg3/\")");
    EXPECT_TRUE(ReadFile("transmit.txt").starts_with("((aw 200.000) (mn 3.000) (z2 95.000) "));
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "dwg1"));
    EXPECT_EQ(EntryCount(), 6u);  // numdir.num, dwg1 to dwg3, path.lsp, transmit.txt
}

#ifdef GEARPAIR_DRAWINGS
TEST_F(RunCommandFiles, HandoffDrawingsGoIntoDwgNAndTheirFailureKeepsResultsAndFiles) {
    const std::string dir = std::filesystem::canonical(dir_).string();
    const Outcome written = RunCli({"--handoff-dir", dir});
    EXPECT_EQ(written.code, kExitCompleted);
    EXPECT_EQ(written.err, "");
    std::string run = dir + kSeparator + "dwg1" + kSeparator;
#ifdef _WIN32
    // The hand-off directory by the Windows rule: ASCII letters lower-cased.
    for (char& c : run) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
#endif
    EXPECT_TRUE(written.out.ends_with("(колесо): 21,1 %\n\nЧертежи:\n" + run + "wheel.dxf\n" + run +
                                      "wheel.pdf\n" + run + "pinion.dxf\n" + run + "pinion.pdf\n"))
        << written.out;
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "dwg1"), {}), 4);

#ifndef _WIN32
    Outcome failed;
    {
        const testing::FileSizeLimit limit(4096);  // the hand-off's files fit, a drawing does not
        failed = RunCli({"--handoff-dir", dir});
    }
    EXPECT_EQ(failed.code, kExitNotCompleted);
    EXPECT_EQ(failed.err, "I/O error 27: " + dir + "/dwg2/wheel.dxf.\n");  // EFBIG
    EXPECT_TRUE(failed.out.ends_with("(колесо): 21,1 %\n"));
    EXPECT_EQ(ReadFile("path.lsp"), "(setq savedwg \"" + dir + "/dwg2/\")");
    EXPECT_TRUE(ReadFile("transmit.txt").starts_with("((aw 200.000) (mn 3.000) (z2 95.000) "));
    EXPECT_TRUE(std::filesystem::is_empty(dir_ / "dwg2"));
#endif
}

// A drawing that cannot be written ends the run as an error naming it, and the JSON lists the
// files written before it.
TEST_F(RunCommandFiles, PartlyWrittenDrawingsAreListedAndTheFailedOneNamed) {
    std::filesystem::create_directories(dir_ / "sheets" / "pinion.dxf");
    const Outcome run = RunCli({"--json", "--drawings", PathOf("sheets")});
    EXPECT_EQ(run.code, kExitNotCompleted);
    const std::string sheets = InJson(PathOf("sheets") + kSeparator);
    EXPECT_TRUE(run.out.starts_with(R"({"status": "error", "message": "Cannot create file )" +
                                    sheets + "pinion.dxf.\""))
        << run.out.substr(0, 120);
    EXPECT_NE(run.out.find(R"("drawings": [")" + sheets + R"(wheel.dxf", ")" + sheets +
                           R"(wheel.pdf", ")" + sheets + R"(wheel.svg"], )"),
              std::string::npos);
}

// The title blocks' texts reach both sheets; one too long for its cell fails the run with the
// field's name.
TEST_F(RunCommandFiles, TitleBlockTextsReachTheSheets) {
    const Outcome run = RunCli(
        {"--drawings", PathOf("sheets"), "--designation", "АБ.01,АБ.02", "--developer", "Петров"});
    EXPECT_EQ(run.code, kExitCompleted);
    const std::string wheel = ReadFile("sheets/wheel.dxf");
    EXPECT_NE(wheel.find("\\U+0410\\U+0411.01"), std::string::npos);
    EXPECT_NE(wheel.find("\\U+041F\\U+0435\\U+0442\\U+0440\\U+043E\\U+0432"), std::string::npos);
    EXPECT_NE(ReadFile("sheets/pinion.dxf").find("\\U+0410\\U+0411.02"), std::string::npos);
    const Outcome tooLong =
        RunCli({"--drawings", PathOf("more"), "--checker", "Константинопольский-Старший"});
    EXPECT_EQ(tooLong.code, kExitNotCompleted);
    EXPECT_NE(tooLong.err.find("Проверил"), std::string::npos) << tooLong.err;
}

// With the RTF going to standard output the drawings are still written, and nothing of them
// shows on standard output.
TEST_F(RunCommandFiles, DrawingsAreWrittenWhenTheRtfGoesToStandardOutput) {
    const Outcome run = RunCli({"--rtf", "-", "--drawings", PathOf("sheets")});
    EXPECT_EQ(run.code, kExitCompleted);
    EXPECT_TRUE(run.out.starts_with("{\\rtf1"));
    EXPECT_EQ(run.out.find("wheel.dxf"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "sheets"), {}), 6);
}
#endif

TEST_F(RunCommandFiles, HandoffDirectoryIsTheRealPathOfAnExistingDirectory) {
#ifndef _WIN32
    std::filesystem::create_directories(dir_ / "a" / "b");
    std::filesystem::create_directory_symlink(dir_ / "a", dir_ / "link");
    const std::string real = std::filesystem::canonical(dir_).string();
    EXPECT_EQ(HandoffDirectory(PathOf("link/b/..")), real + "/a/");
#endif
    { std::ofstream(PathOf("file")) << "x"; }

    const Outcome missing = RunCli({"--handoff-dir", PathOf("none")});
    EXPECT_EQ(missing.code, kExitUsage);
    EXPECT_EQ(missing.err, "Каталог «" + PathOf("none") + "» не найден\n");
    const Outcome file = RunCli({"--handoff-dir", PathOf("file")});
    EXPECT_EQ(file.code, kExitUsage);
    EXPECT_EQ(file.err, "«" + PathOf("file") + "» не является каталогом\n");
}

TEST_F(RunCommandFiles, RtfIsSavedAndAFailedSaveIsAnError) {
    const Outcome saved = RunCli({"--rtf", PathOf("report.rtf")});
    EXPECT_EQ(saved.code, kExitCompleted);
    EXPECT_TRUE(ReadFile("report.rtf").starts_with("{\\rtf1"));

    // A directory standing where the file must go.
    std::filesystem::create_directory(dir_ / "taken");
    const Outcome failed = RunCli({"--json", "--rtf", PathOf("taken")});
    EXPECT_EQ(failed.code, kExitNotCompleted);
    EXPECT_TRUE(failed.out.starts_with(R"({"status": "error", "message": "Cannot create file )" +
                                       InJson(PathOf("taken")) + ".\""));
}

#ifndef _WIN32
TEST_F(RunCommandFiles, RtfOnAFullDeviceIsDiskFullAndLeavesTheDevice) {
    // The full device made here, never taken from the system's own directory.
    const std::string full = PathOf("full");
    if (::mknod(full.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) {
        GTEST_SKIP() << "making a character device is not permitted here";
    }
    const Outcome run = RunCli({"--rtf", full});
    EXPECT_EQ(run.code, kExitNotCompleted);
    EXPECT_EQ(run.err, "Disk full: " + full + ".\n");
    struct stat status {};
    ASSERT_EQ(::lstat(full.c_str(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    EXPECT_EQ(status.st_rdev, makedev(1, 7));
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(RunCommandFiles, RtfToStandardOutputIsAllThatThePipeCarries) {
    ASSERT_EQ(RunCli({"--rtf", PathOf("saved.rtf")}).code, kExitCompleted);
    // Run in the temporary directory, so that a "-" taken for a file name lands there.
    const std::string command = "cd '" + dir_.string() + "' && '" GEARPAIR_CLI "' --rtf -";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string piped;
    char chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) piped.append(chunk, n);
    EXPECT_EQ(::pclose(pipe), 0);
    EXPECT_TRUE(piped == ReadFile("saved.rtf"));
    EXPECT_TRUE(piped.starts_with("{\\rtf1"));
    EXPECT_EQ(EntryCount(), 1u);
}
#endif

#if defined(GEARPAIR_DRAWINGS) && !defined(_WIN32)
// The program as a shell starts it: an inherited Qt platform that cannot start, its standard
// output named as a file, a file-size limit.
TEST_F(RunCommandFiles, ProgramCopesWithWhatTheShellHandsIt) {
    const std::string in = "cd '" + dir_.string() + "' && ";
    const auto shell = [&](const std::string& command) {
        return ::system((in + command + " 2>err").c_str());
    };
    EXPECT_EQ(shell("env -u DISPLAY QT_QPA_PLATFORM=wayland '" GEARPAIR_CLI
                    "' --handoff-dir . --json >out"),
              0);
    EXPECT_NE(ReadFile("out").find(R"("drawings": [")"), std::string::npos);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_ / "dwg1"), {}), 4);

    // The report's file is the text output's: both arrive, one after the other.
    EXPECT_EQ(shell("'" GEARPAIR_CLI "' --rtf /dev/stdout >both"), 0);
    const std::string both = ReadFile("both");
    EXPECT_TRUE(both.starts_with("{\\rtf1")) << both.substr(0, 40);
    EXPECT_TRUE(both.ends_with("Запас по изгибным напряжениям (колесо): 21,1 %\n"));

    // A write beyond the limit is an error naming the file, and leaves no temporary file.
    EXPECT_EQ(WEXITSTATUS(shell("ulimit -f 40 && '" GEARPAIR_CLI "' --drawings d >/dev/null")),
              kExitNotCompleted);
    EXPECT_EQ(ReadFile("err"), "I/O error 27: d/wheel.dxf.\n");
    EXPECT_TRUE(std::filesystem::is_empty(dir_ / "d"));
}
#endif

TEST_F(RunCommandFiles, BatchReadsAFileOrStandardInput) {
    const std::string rows =
        "ratio;power;speed;hardness;life;width;helix;arrangement\n"
        "2,8;6000;86,3;250;15000;0,5;14;3\n";
    { std::ofstream(PathOf("rows.csv")) << rows; }
    const Outcome file = RunCli({"--batch", PathOf("rows.csv")});
    EXPECT_EQ(file.code, kExitCompleted);
    EXPECT_EQ(file.out,
              "ratio;power;speed;hardness;life;width;helix;arrangement;status;aw;mn;z1;z2;d1;d2;"
              "recalculations;message;bw;bkol;contact_stress;contact_allowable;bending_stress;"
              "bending_allowable;input_bearing;output_bearing;bearing_life;input_end;output_end;"
              "shafts\n"
              "2,8;6000;86,3;250;15000;0,5;14;3;ok;200;3,00;34;95;105,4;294,6;"
              "0;;110,000;100,000;478,508;564,232;177,606;225,000;"
              "311;316;50888,1;53,000;75,000;ok\n");
    EXPECT_EQ(RunCli({"--batch", "-"}, rows).out, file.out);

    EXPECT_EQ(RunCli({"--batch", "-"}, rows + "2,8;1;86,3;250;15000;0,5;14;3\n").code,
              kExitNotCompleted);
    const Outcome header = RunCli({"--batch", "-"}, "2,8;6000\n");
    EXPECT_EQ(header.code, kExitUsage);
    EXPECT_EQ(header.out, "");
    const Outcome missing = RunCli({"--batch", PathOf("none.csv")});
    EXPECT_EQ(missing.code, kExitUsage);
    EXPECT_EQ(missing.err,
              "Не удаётся открыть файл «" + PathOf("none.csv") + "»: File not found\n");
    const Outcome directory = RunCli({"--batch", dir_.string()});
    EXPECT_EQ(directory.code, kExitUsage);
    EXPECT_EQ(directory.err,
              "Не удаётся открыть файл «" + dir_.string() + "»: File access denied\n");
}

}  // namespace
}  // namespace gearpair

namespace gearpair {
namespace {

// Distances the design's shafts cannot have, or that are no distances, stop the command before
// it writes anything, naming the option.
TEST_F(RunCommandFiles, BadLayoutExitsTwoAndWritesNothing) {
    const std::string dir = PathUtf8(dir_);
    const Outcome span = RunCli({"--layout", "output.span=20", "--handoff-dir", dir, "--json"});
    EXPECT_EQ(span.code, kExitUsage);
    EXPECT_EQ(span.out, "");
    EXPECT_EQ(span.err,
              "Параметр --layout: Недопустимое значение output.span: пролёт короче ступицы "
              "колеса с подшипником (нужно не менее 146 мм)\n");
    EXPECT_EQ(EntryCount(), 0u);
    for (const auto& [text, message] :
         {std::pair{"input.gear=0", "input.gear=0: значение должно быть больше нуля"},
          {"input.load=-1", "input.load=-1: значение должно быть не меньше нуля"},
          {"output.span=12.5", "output.span=12.5: «12.5» не является числом"},
          {"kb=1;kb=2", "kb=2: указано дважды"},
          {"input.spam=1", "input.spam=1: неизвестное имя"},
          {"span", "span: ожидается ИМЯ=ЧИСЛО"}}) {
        const Outcome bad = RunCli({"--layout", text, "--handoff-dir", dir});
        EXPECT_EQ(bad.code, kExitUsage) << text;
        EXPECT_TRUE(bad.err.starts_with(std::string("Параметр --layout: ") + message)) << bad.err;
    }
    EXPECT_EQ(EntryCount(), 0u);
}

// The shafts' report follows the design's text; its RTF and the figures are written on request,
// and a pair that cannot be made gets none of them, with the reason.
TEST_F(RunCommandFiles, ShaftsReportRtfAndFigures) {
    const Outcome text = RunCli({"--shafts", "--layout", "input.load=0;kb=1,5"});
    EXPECT_EQ(text.code, kExitCompleted);
    EXPECT_NE(text.out.find("\nВходной вал\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Подшипник 316: d×D×B = 80×170×39 мм"), std::string::npos);
    EXPECT_NE(text.out.find("Нагрузка на конце вала Fк = 0 Н"), std::string::npos);
    EXPECT_NE(text.out.find("Kб = 1,5"), std::string::npos);

    const std::string rtf = PathOf("shafts.rtf");
    const std::string figures = PathOf("figures");
    const std::vector<std::string_view> files = {"--shafts-rtf", rtf
#ifdef GEARPAIR_DRAWINGS
                                                 ,
                                                 "--shafts-figures", figures
#endif
    };
    const Outcome written = RunCli(files);
    EXPECT_EQ(written.code, kExitCompleted) << written.out << written.err;
    EXPECT_TRUE(ReadFile("shafts.rtf").starts_with("{\\rtf1\\ansi\\ansicpg1251"));
#ifdef GEARPAIR_DRAWINGS
    for (const char* name : {"input.pdf", "input.svg", "output.pdf", "output.svg"}) {
        EXPECT_TRUE(Exists(std::string("figures/") + name)) << name;
    }
#endif
    std::filesystem::remove_all(dir_ / "figures");
    std::filesystem::remove(dir_ / "shafts.rtf");
    std::vector<std::string_view> unbuildable = {
        "--ratio", "5,6", "--hardness", "652", "--power", "60", "--speed", "1", "--width", "0,63"};
    unbuildable.insert(unbuildable.end(), files.begin(), files.end());
    const Outcome none = RunCli(unbuildable);
    EXPECT_EQ(none.code, kExitUnbuildable);
    EXPECT_NE(none.err.find("Валы не рассчитаны: Передача неосуществима"), std::string::npos)
        << none.err;
    EXPECT_EQ(EntryCount(), 0u);
}

// A title-block text the sheets cannot carry is refused as the option is read: exit 2 naming
// the option and the character, nothing written.
TEST_F(RunCommandFiles, UnusableUserTextExitsTwoAndWritesNothing) {
    std::vector<std::tuple<std::string_view, std::string_view, std::string_view>> cases = {
        {"--material",
         "Ст\xff"
         "аль",
         "недопустимая последовательность байтов"}};
#ifdef GEARPAIR_DRAWINGS
    cases.emplace_back("--organisation", "ООО \xef\xbf\xbe", "недопустимый символ U+FFFE");
    cases.emplace_back("--designation", "中文", "символ «中» отсутствует в шрифте чертежа");
#endif
    for (const auto& [option, text, message] : cases) {
        const Outcome run = RunCli({"--handoff-dir", PathUtf8(dir_), option, text});
        EXPECT_EQ(run.code, kExitUsage) << option;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "Параметр " + std::string(option) + ": " + std::string(message) + "\n");
    }
    EXPECT_EQ(EntryCount(), 0u);
}

// A report that cannot be saved is the run's error, also for a pair that cannot be made: exit 1
// with the file layer's message, not the unbuildable pair's 3.
TEST_F(RunCommandFiles, FailedReportSaveOfAnUnbuildablePairIsAnError) {
    std::filesystem::create_directory(dir_ / "report.rtf");
    const std::string rtf = PathOf("report.rtf");
    const Outcome run = RunCli({"--ratio", "5,6", "--hardness", "652", "--power", "60", "--speed",
                                "1", "--width", "0,63", "--rtf", rtf});
    EXPECT_EQ(run.code, kExitNotCompleted);
    EXPECT_EQ(run.err, "Cannot create file " + rtf + ".\n");
    EXPECT_TRUE(std::filesystem::is_directory(dir_ / "report.rtf"));
    EXPECT_EQ(EntryCount(), 1u);
}

}  // namespace
}  // namespace gearpair
