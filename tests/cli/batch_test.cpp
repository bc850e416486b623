// Batch runs: the header check, one output row per input row in order, bad rows that do not
// stop the batch, exit codes, and reading the next row only after the previous one is out.
#include "cli/batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>

#include "cli/command_line.h"
#include "engine/design_run.h"

namespace gearpair {
namespace {

const std::string kHeader = std::string(kBatchInputHeader) + "\n";
const std::string kOutputHeader = std::string(kBatchOutputHeader) + "\n";

struct BatchRun {
    int code = -1;
    std::string output;
};

BatchRun RunRows(const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out;
    BatchRun run;
    run.code = RunBatch(in, out, false);
    run.output = out.str();
    return run;
}

std::string HeaderError(const std::string& input, std::string& output) {
    std::istringstream in(input);
    std::ostringstream out;
    try {
        RunBatch(in, out, false);
    } catch (const UsageError& e) {
        output = out.str();
        return e.what();
    }
    return "(accepted)";
}

TEST(RunBatch, MissingOrWrongHeaderIsAUsageErrorAndWritesNothing) {
    std::string output = "?";
    EXPECT_EQ(HeaderError("", output),
              "Нет заголовка: первая строка должна быть заголовком "
              "ratio;power;speed;hardness;life;width;helix;arrangement");
    EXPECT_EQ(output, "");
    EXPECT_EQ(HeaderError("2,8;6000;86,3;250;15000;0,5;14;3\n", output),
              "Неверный заголовок «2,8;6000;86,3;250;15000;0,5;14;3»: первая строка должна быть "
              "заголовком ratio;power;speed;hardness;life;width;helix;arrangement");
    EXPECT_EQ(output, "");
    EXPECT_TRUE(
        HeaderError("ratio;power;speed;hardness;life;width;helix\n", output)
            .starts_with("Неверный заголовок «ratio;power;speed;hardness;life;width;helix»"));
    EXPECT_TRUE(HeaderError("RATIO;power;speed;hardness;life;width;helix;arrangement\n", output)
                    .starts_with("Неверный заголовок «RATIO;"));
}

TEST(RunBatch, HeaderOnlyGivesTheOutputHeaderAndSuccess) {
    const BatchRun run = RunRows(kHeader);
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.output, kOutputHeader);
    // A spreadsheet's byte-order mark and Windows line ends, with no line end after the last row.
    EXPECT_EQ(RunRows("\xEF\xBB\xBF" + std::string(kBatchInputHeader) + "\r\n").output,
              kOutputHeader);
    EXPECT_EQ(RunRows(std::string(kBatchInputHeader)).output, kOutputHeader);
}

// The shafts' columns of the defaults are those of the single run's JSON: bearings 311 and 316,
// the smaller life 50 888,1 h (the input shaft's support 2), shaft ends 53 and 75 mm. A shaft
// end thicker than the largest bearing leaves only the shafts' status.
TEST(RunBatch, CompletedRowsGiveTheirResultsAndExitZero) {
    const BatchRun run =
        RunRows(kHeader + "2,8;6000;86,3;250;15000;0,5;14;3\r\n" +
                "2;6000;86,3;300;15000;0,315;14;3\n" + "2,5;22000;1;350;40000;0,63;12;2");
    EXPECT_EQ(run.code, 0);
    EXPECT_EQ(run.output,
              kOutputHeader +
                  "2,8;6000;86,3;250;15000;0,5;14;3;ok;200;3,00;34;95;105,4;294,6;"
                  "0;;110,000;100,000;478,508;564,232;177,606;225,000;"
                  "311;316;50888,1;53,000;75,000;ok\n"
                  "2;6000;86,3;300;15000;0,315;14;3;ok;200;3,00;43;86;133,3;266,7;"
                  "1;;75,000;65,000;487,966;686,192;213,681;270,000;"
                  "211;314;18906,9;53,000;67,000;ok\n"
                  "2,5;22000;1;350;40000;0,63;12;2;ok;1000;14,00;40;100;571,4;1429,0;"
                  "4;;640,000;630,000;698,655;1513,662;437,194;484,942;;;;;;no bearing\n");
}

TEST(RunBatch, BadRowsGetStatusAndMessageAndTheBatchGoesOn) {
    const BatchRun run = RunRows(kHeader +
                                 "2,8;6000;86.3;250;15000;0,5;14;3\n"   // rejected input
                                 "\n"                                   // skipped
                                 "2,8;6000;86,3;250;15000;0,63;14;1\n"  // no table value
                                 "2,8;6000;86,3\n"                      // too few fields
                                 "\"2,8;6000\n"                         // unclosed quote
                                 "\"2;8\";6000;86,3;250;15000;0,5;14;3;x\n"
                                 "2,8;6000;86,3;250;15000;0,5;14;3\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(run.output,
              kOutputHeader +
                  "2,8;6000;86.3;250;15000;0,5;14;3;invalid;;;;;;;;speed: Неправильно введено "
                  "значение;;;;;;;;;;;;\n"
                  "2,8;6000;86,3;250;15000;0,63;14;1;stopped;;;;;;;0;\"" +
                  std::string(kNoDataMessage) +
                  "\";;;;;;;;;;;;\n"
                  "2,8;6000;86,3;;;;;;invalid;;;;;;;;Строка должна содержать 8 полей, а "
                  "содержит 3;;;;;;;;;;;;\n"
                  ";;;;;;;;invalid;;;;;;;;Кавычки в строке расставлены неверно;;;;;;;;;;;;\n"
                  "\"2;8\";6000;86,3;250;15000;0,5;14;3;invalid;;;;;;;;Строка должна содержать 8 "
                  "полей, а содержит 9;;;;;;;;;;;;\n"
                  "2,8;6000;86,3;250;15000;0,5;14;3;ok;200;3,00;34;95;105,4;294,6;"
                  "0;;110,000;100,000;478,508;564,232;177,606;225,000;"
                  "311;316;50888,1;53,000;75,000;ok\n");
}

// A NUL, a DEL, a C1 control or a broken UTF-8 sequence makes the row invalid, and none of
// its bytes reaches the table.
TEST(RunBatch, RowsWithControlCharactersOrBrokenUtf8AreInvalidAndNotEchoed) {
    const std::string bad =
        "invalid;;;;;;;;Строка содержит управляющий символ или недопустимую "
        "последовательность байтов UTF-8;;;;;;;;;;;;\n";
    for (const std::string& row : {std::string("2,8;6000;86,3;250;15000;0,5;14;3\0", 33),
                                   std::string("2,8;6000;86,3;250\x7F;15000;0,5;14;3"),
                                   std::string("2,8;6000;86,3;250\xC2\x85;15000;0,5;14;3"),
                                   std::string("2,8;6000;86,3;250\xD0;15000;0,5;14;3")}) {
        const BatchRun run = RunRows(kHeader + row + "\n");
        EXPECT_EQ(run.code, 1);
        EXPECT_EQ(run.output, kOutputHeader + ";;;;;;;;" + bad);
    }
}

// A computed pair that cannot be made keeps its results and says why; the batch ends with 3
// when no row failed otherwise.
TEST(RunBatch, UnbuildableRowKeepsItsResultsAndExitsThree) {
    const BatchRun run = RunRows(kHeader + "5,6;60;1;652;15000;0,63;14;3\n");
    EXPECT_EQ(run.code, 3);
    EXPECT_EQ(run.output, kOutputHeader +
                              "5,6;60;1;652;15000;0,63;14;3;unbuildable;125;1,75;21;118;37,8;"
                              "212,2;3;\"Передача неосуществима: диаметр впадин шестерни df1 = "
                              "33,39 мм меньше диаметра вала 52,32 мм, необходимого для передачи "
                              "момента; увеличьте межосевое расстояние\";90,000;80,000;1386,465;"
                              "4287,442;1011,498;1024,910;;;;;;\n");
}

// A line of exactly the limit is read as a row; one byte more, or far more, is a bad row that
// is skipped without being held.
TEST(RunBatch, LineLimitIsExactAndLongerLinesAreBadRows) {
    const std::string atLimit(kMaxBatchLine, '1');
    const std::string tooLong = ";;;;;;;;invalid;;;;;;;;Строка длиннее 4096 байт;;;;;;;;;;;;\n";
    const BatchRun run =
        RunRows(kHeader + atLimit + "\n" + atLimit + "1\n" + std::string(kMaxBatchLine * 50, '1') +
                "\n2,8;6000;86,3;250;15000;0,5;14;3\n");
    EXPECT_EQ(run.code, 1);
    EXPECT_EQ(
        run.output,
        kOutputHeader + atLimit +
            ";;;;;;;;invalid;;;;;;;;Строка должна содержать 8 полей, а содержит 1;;;;;;;;;;;;\n" +
            tooLong + tooLong +
            "2,8;6000;86,3;250;15000;0,5;14;3;ok;200;3,00;34;95;105,4;294,6;"
            "0;;110,000;100,000;478,508;564,232;177,606;225,000;"
            "311;316;50888,1;53,000;75,000;ok\n");
}

// Hands out its text one line per refill and notes, when a line is asked for, how many lines
// the output held by then.
class LineByLineInput : public std::streambuf {
public:
    LineByLineInput(std::string text, const std::ostringstream& out)
        : text_(std::move(text)), out_(out) {}

    std::vector<std::size_t> outputLinesAtEachRead;

protected:
    int_type underflow() override {
        if (position_ == text_.size()) return traits_type::eof();
        const std::string output = out_.str();
        outputLinesAtEachRead.push_back(
            static_cast<std::size_t>(std::count(output.begin(), output.end(), '\n')));
        const std::size_t end = std::min(text_.find('\n', position_) + 1, text_.size());
        char* begin = text_.data() + position_;
        setg(begin, begin, text_.data() + end);
        position_ = end;
        return traits_type::to_int_type(*begin);
    }

private:
    std::string text_;
    const std::ostringstream& out_;
    std::size_t position_ = 0;
};

TEST(RunBatch, WritesEachRowBeforeReadingTheNext) {
    std::ostringstream out;
    const std::string row = "2,8;6000;86,3;250;15000;0,5;14;3\n";
    LineByLineInput buffer(kHeader + row + "bad\n" + row, out);
    std::istream in(&buffer);
    EXPECT_EQ(RunBatch(in, out, false), 1);
    // Header read with nothing out; each row read after the header and the rows before it.
    EXPECT_EQ(buffer.outputLinesAtEachRead, (std::vector<std::size_t>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace gearpair
