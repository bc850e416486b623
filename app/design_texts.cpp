// The user's texts of a design.
#include "app/design_texts.h"

#include "core/decimal_text.h"

namespace gearpair {

std::string_view StatusName(JobStatus status) {
    switch (status) {
        case JobStatus::Completed:
            return "ok";
        case JobStatus::Unbuildable:
            return "unbuildable";
        case JobStatus::Stopped:
            return "stopped";
        case JobStatus::Failed:
            return "error";
        case JobStatus::Rejected:
            return "invalid";
    }
    return "error";
}

JobStatus VariantStatus(const Variant& variant) {
    switch (variant.end) {
        case QuietEnd::Completed:
            return variant.buildable ? JobStatus::Completed : JobStatus::Unbuildable;
        case QuietEnd::Stopped:
            return JobStatus::Stopped;
        case QuietEnd::Failed:
            return JobStatus::Failed;
    }
    return JobStatus::Failed;
}

std::string WarningText(const PartWarning& w) {
    switch (w.code) {
        case PartWarningCode::Unbuildable:
            return "Передача неосуществима: диаметр впадин шестерни df1 = " + SizeText(w.first) +
                   " мм меньше диаметра вала " + SizeText(w.second) +
                   " мм, необходимого для передачи момента; увеличьте межосевое расстояние";
        case PartWarningCode::GearShaftNoHub:
            return "Шестерню выполнить заодно с валом: диаметр ступицы " + SizeText(w.first) +
                   " мм не больше диаметра отверстия " + SizeText(w.second) + " мм";
        case PartWarningCode::GearShaftThinRim:
            return std::string(
                       "Шестерню выполнить заодно с валом: толщина материала между "
                       "впадинами зубьев и ") +
                   (w.keyway ? "шпоночным пазом " : "отверстием ") + SizeText(w.first) +
                   " мм меньше 2,5 m = " + SizeText(w.second) + " мм";
    }
    return {};
}

std::vector<std::string> WarningTexts(const std::vector<PartWarning>& warnings) {
    std::vector<std::string> texts;
    for (const PartWarning& warning : warnings) texts.push_back(WarningText(warning));
    return texts;
}

PartWarnings PartWarningsOf(const DesignProducts& products) {
    PartWarnings parts;
    parts.pinion = WarningTexts(products.warnings);
    if (!products.buildable) parts.wheel = parts.pinion;
    return parts;
}

std::string_view ResultsHeading(JobStatus status) {
    return status == JobStatus::Unbuildable ? "Расчёт выполнен, передачу изготовить нельзя."
                                            : "Расчёт произведен успешно.";
}

std::string UnbuildableReason(const DesignProducts& products) {
    // The most serious warning comes first: the one that says why the pair cannot be made.
    if (products.buildable || products.warnings.empty()) return {};
    return WarningText(products.warnings.front());
}

}  // namespace gearpair
