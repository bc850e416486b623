// The command: modes, the single design with its optional files, and the batch.
#include "cli/command.h"

#include <array>
#include <filesystem>
#include <istream>
#include <ostream>
#include <streambuf>

#include "app/design_job.h"
#include "app/shafts_texts.h"
#include "cli/batch.h"
#include "cli/command_line.h"
#include "cli/explore.h"
#include "cli/input_check.h"
#include "cli/json.h"
#include "cli/text_output.h"
#include "core/errors.h"
#include "engine/design_inputs.h"
#include "engine/shaft_layout.h"
#include "files/file_ops.h"
#include "files/program_dir.h"
#include "files/rtf_writer.h"
#include "files/utf8_path.h"
#ifdef GEARPAIR_DRAWINGS
#include "app/drawing_step.h"
#include "drawing/shaft_figures.h"
#endif
#ifdef GEARPAIR_MODELS
#include "app/model_step.h"
#endif

namespace gearpair {

namespace {

// What --handoff-dir writes besides the files for the drawing script, where the build has the
// drawings.
std::string HandoffDrawingsHelp(const std::string& indent) {
#ifdef GEARPAIR_DRAWINGS
    return ", затем чертежи в dwgN:" + indent + "wheel.dxf, wheel.pdf, pinion.dxf, pinion.pdf;" +
           indent;
#else
    (void)indent;
    return "; ";
#endif
}

// The --models lines of the help, where the build has the model files.
std::string ModelsHelp() {
#ifdef GEARPAIR_MODELS
#ifdef GEARPAIR_STEP
    const char* step = ", wheel.step, pinion.step";
#else
    // A build without OpenCASCADE (the Windows one among them) writes no STEP model.
    const char* step =
        "\n                         (модели STEP не пишутся: сборка без OpenCASCADE)";
#endif
    return std::string(
               "  --models КАТАЛОГ       записать в каталог (создаётся при необходимости) профиль\n"
               "                         зубьев (DXF) и модели колеса и шестерни:\n"
               "                         wheel-profile.dxf, pinion-profile.dxf, wheel.stl,\n"
               "                         pinion.stl") +
           step +
           "\n"
           "  --dxf-r12              профиль в DXF R12 (для старых программ ЧПУ)\n";
#else
    return "";
#endif
}

// The --drawings line of the help, where the build has the drawings.
std::string DrawingsHelp() {
#ifdef GEARPAIR_DRAWINGS
    return "  --drawings КАТАЛОГ     записать в каталог (создаётся при необходимости) рабочие\n"
           "                         чертежи колеса и шестерни: wheel.dxf, wheel.pdf, wheel.svg,\n"
           "                         pinion.dxf, pinion.pdf, pinion.svg\n"
           "  --designation КОЛЕСО,ШЕСТЕРНЯ\n"
           "                         обозначения чертежей (по умолчанию ГП.01.001,ГП.01.002)\n"
           "  --developer ИМЯ, --checker ИМЯ, --organisation ТЕКСТ\n"
           "                         графы основной надписи: разработал, проверил, организация\n";
#else
    return "";
#endif
}

// The lines of the shafts' options.
std::string ShaftsHelp(const std::string& indent) {
    std::string figures;
#ifdef GEARPAIR_DRAWINGS
    figures = "  --shafts-figures КАТАЛОГ" + indent +
              "записать в каталог (создаётся при необходимости) схемы нагружения" + indent +
              "и эпюры моментов валов: input.pdf, input.svg, output.pdf, output.svg\n";
#endif
    return "  --shafts               добавить к выводу расчёт валов, шпонок и подшипников\n"
           "  --shafts-rtf ФАЙЛ      сохранить расчёт валов документом RTF\n" +
           figures +
           "  --layout ТЕКСТ         свои расстояния и нагрузки валов через «;», ИМЯ=ЧИСЛО:" +
           indent + "input.end, output.end   от нагрузки на конце вала до опоры 1, мм" + indent +
           "input.span, output.span пролёт между опорами, мм" + indent +
           "input.gear, output.gear от опоры до середины колеса, мм" + indent +
           "input.load, output.load радиальная нагрузка на конце вала, Н (0 — нет)" + indent +
           "kb                      коэффициент безопасности подшипников Kб" + indent +
           "(по умолчанию — по эскизной компоновке)\n";
}

std::string HelpText() {
    const DesignTexts defaults = DefaultDesignTexts();
    const std::string indent = "\n                         ";
    return "Использование:\n"
           "  gearpair-cli [--ratio ТЕКСТ] [--power ТЕКСТ] [--speed ТЕКСТ] [--hardness ТЕКСТ]\n"
           "               [--life ТЕКСТ] [--width ТЕКСТ] [--helix ТЕКСТ] [--arrangement 1|2|3]\n"
           "               [--material ТЕКСТ] [--json] [--handoff-dir КАТАЛОГ] [--rtf ФАЙЛ|-]\n"
           "               [--shafts] [--shafts-rtf ФАЙЛ] [--layout ТЕКСТ]\n"
           "  gearpair-cli --batch ФАЙЛ|-\n"
           "  gearpair-cli --explore [--ratio ТЕКСТ] [--power ТЕКСТ] [--speed ТЕКСТ] [--life ТЕКСТ]\n"
           "               [--arrangement 1|2|3] [--hardness-list ТЕКСТ] [--json]\n"
           "  gearpair-cli --help | --version\n"
           "\n"
           "Расчёт одноступенчатой цилиндрической передачи. Значения задаются так же, как в окне\n"
           "ввода, с десятичной запятой; в скобках значение по умолчанию.\n"
           "  --ratio ТЕКСТ          передаточное отношение (" +
           defaults.ratio + "):" + indent + ListText(kRatioTexts) +
           "\n"
           "  --power ТЕКСТ          передаваемая мощность, Вт (" +
           defaults.power +
           ")\n"
           "  --speed ТЕКСТ          частота вращения шестерни, мин-1 (" +
           defaults.speed +
           ")\n"
           "  --hardness ТЕКСТ       твёрдость материала колеса, HB (" +
           defaults.hardness +
           ")\n"
           "  --life ТЕКСТ           плановый срок службы, ч (" +
           defaults.life +
           ")\n"
           "  --width ТЕКСТ          коэффициент ширины колеса (" +
           defaults.width + "):" + indent + ListText(kWidthTexts) +
           "\n"
           "  --helix ТЕКСТ          угол наклона зубьев, градусы (" +
           defaults.helix + "):" + indent + ListText(kHelixTexts) +
           "\n"
           "  --arrangement 1|2|3    расположение колёс относительно опор (" +
           defaults.arrangement + "):" + indent +
           "1 консольное, 2 несимметричное, 3 симметричное\n"
           "  --material ТЕКСТ       материал колеса и шестерни вместо выбранного по твёрдости" +
           indent +
           "(«Сталь 45 ГОСТ 1050-2013» у колеса 250 HB)\n"
           "  --json                 результат одним объектом JSON\n"
           "  --handoff-dir КАТАЛОГ  записать в каталог файлы для чертежей: numdir.num, dwgN," +
           indent + "path.lsp, transmit.txt" + HandoffDrawingsHelp(indent) +
           "без него на диск ничего не пишется\n"
           "  --rtf ФАЙЛ|-           сохранить отчёт документом RTF (- : в стандартный вывод," +
           indent + "и тогда больше ничего в него не выводится)\n" + ShaftsHelp(indent) +
           DrawingsHelp() + ModelsHelp() +
           "  --batch ФАЙЛ|-         пакетный расчёт по строкам файла с разделителем «;»" + indent +
           "(- : стандартный ввод); первая строка — заголовок" + indent +
           std::string(kBatchInputHeader) +
           "\n"
           "  --explore              перебор вариантов: все сочетания коэффициента ширины, угла" +
           indent + "наклона и твёрдости колеса при остальных значениях; таблица с" + indent +
           "разделителем «;» или, с --json, объект JSON\n"
           "  --hardness-list ТЕКСТ  твёрдости колеса для --explore через «;», HB (" +
           ListText(std::span(kDefaultHardnessTexts).first(7)) + ";" + indent +
           ListText(std::span(kDefaultHardnessTexts).subspan(7)) +
           ")\n"
           "\n"
           "Коды завершения: 0 расчёт выполнен; 1 расчёт остановлен или прерван ошибкой\n"
           "(в пакете: не выполнена хотя бы одна строка); 2 ошибка в параметрах; 3 расчёт\n"
           "выполнен, передачу изготовить нельзя (в пакете: хотя бы в одной строке, а остальные\n"
           "выполнены).\n";
}

int ExitCode(const JobResult& job) {
    switch (job.status) {
        case JobStatus::Completed:
            return kExitCompleted;
        case JobStatus::Unbuildable:
            return kExitUnbuildable;
        default:
            return kExitNotCompleted;
    }
}

// Saves the report as the details window's Save does; a failure is the job's error unless the
// run already ended with one, whose message then stays the job's and this one goes to `err`.
void SaveRtf(const std::string& file, JobResult& job, std::ostream& err) {
    try {
        ReplaceFileAtomically(file, ReportToRtf(job.report), file);
    } catch (const Error& e) {
        if (RunCompleted(job)) {
            job.status = JobStatus::Failed;
            job.message = ErrorBoxText(e.what());
        } else {
            err << ErrorBoxText(e.what()) << '\n';
        }
    }
}

// The shafts' RTF report and figures of a design that has shafts; for one that has none, the
// reason on standard error and no file. A failed write is the job's error as for the report.
void WriteShaftsFiles(const CommandLine& line, JobResult& job, std::ostream& err) {
    if (!line.shaftsRtf && !line.shaftsFigures) return;
    if (!job.shafts) {
        if (RunCompleted(job) && !job.shaftsReason.empty()) {
            err << "Валы не рассчитаны: " << TerminalText(job.shaftsReason) << '\n';
        }
        return;
    }
    const auto failed = [&](const std::string& message) {
        if (RunCompleted(job)) {
            job.status = JobStatus::Failed;
            job.message = ErrorBoxText(message);
        }
    };
    if (line.shaftsRtf) {
        try {
            ReplaceFileAtomically(*line.shaftsRtf, ReportToRtf(ShaftsReport(*job.shafts)),
                                  *line.shaftsRtf);
        } catch (const Error& e) {
            failed(e.what());
        }
    }
#ifdef GEARPAIR_DRAWINGS
    if (line.shaftsFigures && job.shafts) {
        const ShaftFigureFiles files = WriteShaftFigures(*job.shafts, *line.shaftsFigures);
        if (!files.error.empty()) failed(files.error);
    }
#endif
}

int RunSingleDesign(const CommandLine& line, std::ostream& out, std::ostream& err) {
    const DesignInputs inputs = CheckDesignTexts(line.texts);
    std::optional<std::string> baseDir;
    if (line.handoffDir) baseDir = HandoffDirectory(*line.handoffDir);
    // Distances the design's shafts cannot have are a usage error, before any file is written.
    if (line.layoutText) {
        try {
            CheckShaftLayout(inputs, line.layout);
        } catch (const ShaftLayoutError& e) {
            throw UsageError("Параметр --layout: " + ShaftLayoutMessage(e));
        }
    }
    JobResult job = RunDesignJob(inputs, baseDir, line.layout);
    if (job.products) job.products->materials = WithSteel(job.products->materials, line.material);
#ifdef GEARPAIR_DRAWINGS
    // A hand-off's drawings go into its dwgN, as the desktop program writes them.
    DrawingInputs titles;
    if (line.designation) {
        const std::size_t comma = line.designation->find(',');
        titles.wheelDesignation = line.designation->substr(0, comma);
        titles.pinionDesignation = line.designation->substr(comma + 1);
    }
    titles.material = line.material;
    titles.developer = line.developer.value_or("");
    titles.checker = line.checker.value_or("");
    titles.organisation = line.organisation.value_or("");
    if (job.drawingDirectory) WriteJobDrawings(job, *job.drawingDirectory, false, titles);
    if (line.drawingsDir) WriteJobDrawings(job, *line.drawingsDir, true, titles);
#endif
#ifdef GEARPAIR_MODELS
    if (line.modelsDir) {
        WriteJobModels(job, *line.modelsDir, line.dxfR12 ? DxfVersion::R12 : DxfVersion::R2000);
    }
#endif
    WriteShaftsFiles(line, job, err);
    if (line.rtfFile == "-") {
        // The document is all that goes to standard output, so that it can be piped on.
        out << ReportToRtf(job.report);
        if (!RunCompleted(job)) err << TerminalText(job.message) << '\n';
        return ExitCode(job);
    }
    if (line.rtfFile) SaveRtf(*line.rtfFile, job, err);
    if (line.json) {
        out << JobJson(job) << '\n';
    } else {
        WriteJobText(job, out, err);
        if (line.shafts && job.shafts) {
            out << '\n';
            for (const std::string& text : ShaftsReport(*job.shafts)) out << text << '\n';
        } else if (line.shafts && RunCompleted(job)) {
            out << "\nВалы не рассчитаны: " << TerminalText(job.shaftsReason) << '\n';
        }
    }
    return ExitCode(job);
}

// A batch file read through the file layer. A failed read ends the batch as a stream's
// read failure does.
class BatchFileBuffer : public std::streambuf {
public:
    explicit BatchFileBuffer(FileHandle file) : file_(std::move(file)) {}

protected:
    int_type underflow() override {
        std::size_t count = 0;
        try {
            count = ReadBytes(file_, buffer_.data(), buffer_.size());
        } catch (const FileError& e) {
            throw std::ios_base::failure(e.what());
        }
        if (count == 0) return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
        return traits_type::to_int_type(buffer_[0]);
    }

private:
    FileHandle file_;
    std::array<char, 65536> buffer_;
};

int RunBatchFrom(const std::string& source, std::istream& in, std::ostream& out) {
    if (source == "-") return RunBatch(in, out, true);
    FileHandle file;
    try {
        file = OpenForReading(source);
    } catch (const FileError& e) {
        throw UsageError("Не удаётся открыть файл «" + source + "»: " + e.what());
    }
    BatchFileBuffer buffer(std::move(file));
    std::istream stream(&buffer);
    return RunBatch(stream, out, false);
}

}  // namespace

std::string HandoffDirectory(const std::string& directory) {
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(Utf8Path(directory), error);
    if (error) throw UsageError("Каталог «" + directory + "» не найден");
    if (!std::filesystem::is_directory(real, error)) {
        throw UsageError("«" + directory + "» не является каталогом");
    }
    return ProgramDirectoryOfFolder(PathUtf8(real));
}

int RunCommand(const std::vector<std::string_view>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err) {
    try {
        const CommandLine line = ParseCommandLine(arguments);
        switch (line.mode) {
            case CliMode::Help:
                out << HelpText();
                return kExitCompleted;
            case CliMode::Version:
                out << "gearpair-cli " GEARPAIR_VERSION "\n";
                return kExitCompleted;
            case CliMode::Batch:
                return RunBatchFrom(line.batchSource, in, out);
            case CliMode::Explore:
                return RunExplore(line, out) == 0 ? kExitCompleted : kExitNotCompleted;
            case CliMode::Design:
                return RunSingleDesign(line, out, err);
        }
    } catch (const UsageError& e) {
        err << e.what() << '\n';
        return kExitUsage;
    }
    return kExitUsage;
}

}  // namespace gearpair
