// Plain-text output: the report, an empty line, the six results and the margins; the message
// of a run that did not complete on the error stream, readable on a terminal.
#include "cli/text_output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace gearpair {
namespace {

TEST(WriteJobText, CompletedRunGivesReportEmptyLineCaptionedResultsAndMargins) {
    JobResult job;
    job.report = {"Введённые значения", "uz  2,800"};
    job.results = ResultTexts{"200", "3,00", "34", "95", "105,4", "294,6"};
    job.design = TGearDesign{};
    job.steps = {CheckStep{200, 3, 34, 95, ContactCheckFigures{478.5, 564.25, true},
                           BendingCheckFigures{true, 100, 400, true}}};
    std::ostringstream out;
    std::ostringstream err;
    WriteJobText(job, out, err);
    EXPECT_EQ(out.str(),
              "Введённые значения\n"
              "uz  2,800\n"
              "\n"
              "Выбрано межосевое расстояние: 200\n"
              "Выбран модуль: 3,00\n"
              "Число зубьев на шестерне: 34\n"
              "Число зубьев на колесе: 95\n"
              "Диаметр делительной окружности шестерни: 105,4\n"
              "Диаметр делительной окружности колеса: 294,6\n"
              "Запас по контактным напряжениям: 15,2 %\n"
              "Запас по изгибным напряжениям (шестерня): 75,0 %\n");
    EXPECT_EQ(err.str(), "");
}

TEST(WriteJobText, StoppedRunGivesTheReportAndTheMessageLineByLine) {
    JobResult job;
    job.status = JobStatus::Stopped;
    job.report = {"Введённые значения"};
    job.message = kNoDataMessage;
    std::ostringstream out;
    std::ostringstream err;
    WriteJobText(job, out, err);
    EXPECT_EQ(out.str(), "Введённые значения\n");
    EXPECT_EQ(err.str(),
              "                      Для таких значений в таблице отсутствуют данные.\n"
              "Уменьшите коэффициент ширины, уменьшите передаточное отношение или\n"
              "                               выберите другое расположение колёс\n");
}

}  // namespace
}  // namespace gearpair
