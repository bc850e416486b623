// Parsing of the command line.
#include "cli/command_line.h"

#include <algorithm>
#include <string>

#include "app/user_text.h"
#include "cli/layout_option.h"
#include "engine/design_inputs.h"

namespace gearpair {

namespace {

// The field that an option's value goes to, or nothing for a name that takes no value.
std::string* ValueTarget(CommandLine& line, std::string_view name) {
    DesignTexts& texts = line.texts;
    if (name == "--ratio") return &texts.ratio;
    if (name == "--power") return &texts.power;
    if (name == "--speed") return &texts.speed;
    if (name == "--hardness") return &texts.hardness;
    if (name == "--life") return &texts.life;
    if (name == "--width") return &texts.width;
    if (name == "--helix") return &texts.helix;
    if (name == "--arrangement") return &texts.arrangement;
    if (name == "--handoff-dir") return &line.handoffDir.emplace();
    if (name == "--rtf") return &line.rtfFile.emplace();
    if (name == "--material") return &line.material.emplace();
#ifdef GEARPAIR_DRAWINGS
    if (name == "--drawings") return &line.drawingsDir.emplace();
    if (name == "--designation") return &line.designation.emplace();
    if (name == "--developer") return &line.developer.emplace();
    if (name == "--checker") return &line.checker.emplace();
    if (name == "--organisation") return &line.organisation.emplace();
#endif
#ifdef GEARPAIR_MODELS
    if (name == "--models") return &line.modelsDir.emplace();
#endif
    if (name == "--shafts-rtf") return &line.shaftsRtf.emplace();
#ifdef GEARPAIR_DRAWINGS
    if (name == "--shafts-figures") return &line.shaftsFigures.emplace();
#endif
    if (name == "--layout") return &line.layoutText.emplace();
    if (name == "--batch") return &line.batchSource;
    if (name == "--hardness-list") return &line.hardnessList.emplace();
    return nullptr;
}

std::string Quoted(std::string_view text) {
    return "«" + std::string(text) + "»";
}

// The search varies width, helix and hardness and writes no files: only the fixed inputs, the
// hardness list and the output form go with it.
void CheckExploreOptions(const std::vector<std::string_view>& seen) {
    constexpr std::string_view kAllowed[] = {"--explore", "--ratio",        "--power",
                                             "--speed",   "--life",         "--arrangement",
                                             "--json",    "--hardness-list"};
    for (const std::string_view name : seen) {
        if (std::find(std::begin(kAllowed), std::end(kAllowed), name) == std::end(kAllowed)) {
            throw UsageError("Параметр " + std::string(name) +
                             " не сочетается с --explore: перебираются ширина, угол наклона и "
                             "твёрдость, файлы не пишутся");
        }
    }
}

}  // namespace

DesignTexts DefaultDesignTexts() {
    const DesignInputs defaults;
    return DesignTexts{defaults.uzText,    defaults.powerText,
                       defaults.nwText,    defaults.hkolText,
                       defaults.tText,     std::string(kWidthTexts.at(defaults.psibaIndex)),
                       defaults.bettaText, std::to_string(defaults.arrangement)};
}

CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments) {
    CommandLine line;
    std::vector<std::string_view> seen;
    bool designOption = false;  // an input or output option of a single design
    bool explore = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "--version") {
            CommandLine only;
            only.mode = argument == "--help" ? CliMode::Help : CliMode::Version;
            return only;
        }

        std::string_view name = argument;
        std::optional<std::string_view> value;
        const auto equals = argument.find('=');
        if (argument.starts_with("--") && equals != std::string_view::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        for (const std::string_view earlier : seen) {
            if (earlier == name) {
                throw UsageError("Параметр " + std::string(name) + " указан дважды");
            }
        }
        seen.push_back(name);

        if (name == "--explore") {
            if (value) throw UsageError("Параметр --explore не принимает значения");
            explore = true;
            continue;
        }
        if (name == "--json") {
            if (value) throw UsageError("Параметр --json не принимает значения");
            line.json = true;
            designOption = true;
            continue;
        }
        if (name == "--shafts") {
            if (value) throw UsageError("Параметр --shafts не принимает значения");
            line.shafts = true;
            designOption = true;
            continue;
        }
#ifdef GEARPAIR_MODELS
        if (name == "--dxf-r12") {
            if (value) throw UsageError("Параметр --dxf-r12 не принимает значения");
            line.dxfR12 = true;
            designOption = true;
            continue;
        }
#endif
        std::string* target = ValueTarget(line, name);
        if (target == nullptr) {
            if (argument.starts_with("-") && argument != "-") {
                throw UsageError("Неизвестный параметр " + Quoted(name));
            }
            throw UsageError("Лишний аргумент " + Quoted(argument));
        }
        if (!value) {
            if (i + 1 == arguments.size()) {
                throw UsageError("Не указано значение параметра " + std::string(name));
            }
            value = arguments[++i];
        }
        if (value->empty() &&
            (name == "--batch" || name == "--handoff-dir" || name == "--rtf" ||
             name == "--drawings" || name == "--material" || name == "--models" ||
             name == "--shafts-rtf" || name == "--shafts-figures" || name == "--layout")) {
            throw UsageError("Не указано значение параметра " + std::string(name));
        }
        // The user's texts of the title blocks (and of the JSON and the report) go everywhere as
        // they are: the one check of a user's text, before anything is written.
        if (name == "--material" || name == "--designation" || name == "--developer" ||
            name == "--checker" || name == "--organisation") {
            if (const auto fault = UserTextFault(*value)) {
                throw UsageError("Параметр " + std::string(name) + ": " + *fault);
            }
        }
        *target = std::string(*value);
        if (name == "--batch") {
            line.mode = CliMode::Batch;
        } else {
            designOption = true;
        }
    }
    if (explore) {
        CheckExploreOptions(seen);
        line.mode = CliMode::Explore;
    }
    if (line.hardnessList && line.mode != CliMode::Explore) {
        throw UsageError("Параметр --hardness-list действует только с --explore");
    }
    if (line.mode == CliMode::Batch && designOption) {
        throw UsageError(
            "Параметр --batch не сочетается с другими параметрами: входные значения берутся из "
            "файла, результаты выводятся таблицей");
    }
    if (line.designation) {
        const std::size_t comma = line.designation->find(',');
        if (comma == std::string::npos || comma == 0 || comma + 1 == line.designation->size() ||
            line.designation->find(',', comma + 1) != std::string::npos) {
            throw UsageError(
                "Параметр --designation: укажите обозначения колеса и шестерни через запятую");
        }
    }
    // The title-block texts go only onto sheets.
    if (!line.drawingsDir && !line.handoffDir) {
        for (const auto& [option, text] : {std::pair{"--designation", &line.designation},
                                           {"--developer", &line.developer},
                                           {"--checker", &line.checker},
                                           {"--organisation", &line.organisation}}) {
            if (*text) {
                throw UsageError(std::string("Параметр ") + option +
                                 " действует только вместе с --drawings или --handoff-dir");
            }
        }
    }
    if (line.layoutText) line.layout = ParseLayoutOption(*line.layoutText);
    if (line.shafts && line.json) {
        throw UsageError("Параметр --shafts не сочетается с --json: валы входят в объект JSON");
    }
    if (line.dxfR12 && !line.modelsDir) {
        throw UsageError("Параметр --dxf-r12 действует только вместе с --models");
    }
    if (line.json && line.rtfFile == "-") {
        throw UsageError(
            "Параметр --rtf - не сочетается с --json: стандартный вывод занимает документ RTF");
    }
    return line;
}

}  // namespace gearpair
