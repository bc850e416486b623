// Parsing of the --layout option.
#include "cli/layout_option.h"

#include <string>

#include "cli/command_line.h"
#include "core/numbers.h"

namespace gearpair {

namespace {

std::optional<double>* Target(ShaftsOptions& options, std::string_view name) {
    if (name == "kb") return &options.loadFactor;
    ShaftOverrides* shaft = nullptr;
    if (name.starts_with("input.")) {
        shaft = &options.input;
        name.remove_prefix(6);
    } else if (name.starts_with("output.")) {
        shaft = &options.output;
        name.remove_prefix(7);
    } else {
        return nullptr;
    }
    if (name == "end") return &shaft->endLoadToSupport;
    if (name == "span") return &shaft->span;
    if (name == "gear") return &shaft->gearToSupport;
    if (name == "load") return &shaft->endLoad;
    return nullptr;
}

}  // namespace

ShaftsOptions ParseLayoutOption(std::string_view text) {
    ShaftsOptions options;
    const auto fail = [](std::string_view item, const std::string& why) {
        return UsageError("Параметр --layout: " + std::string(item) + ": " + why);
    };
    while (true) {
        const std::size_t end = text.find(';');
        const std::string_view item = text.substr(0, end);
        const std::size_t equals = item.find('=');
        if (equals == std::string_view::npos) {
            throw fail(item, "ожидается ИМЯ=ЧИСЛО");
        }
        const std::string_view name = item.substr(0, equals);
        std::optional<double>* target = Target(options, name);
        if (target == nullptr) {
            throw fail(item,
                       "неизвестное имя (input.end, input.span, input.gear, input.load, "
                       "output.end, output.span, output.gear, output.load, kb)");
        }
        if (target->has_value()) throw fail(item, "указано дважды");
        double value = 0;
        const std::string_view number = item.substr(equals + 1);
        if (!TryTextToFloat(number, ',', value)) {
            throw fail(item, "«" + std::string(number) + "» не является числом");
        }
        const bool zeroAllowed = name.ends_with(".load");
        if (!(zeroAllowed ? value >= 0 : value > 0) || !(value < 1e9)) {
            throw fail(item, zeroAllowed ? "значение должно быть не меньше нуля"
                                         : "значение должно быть больше нуля");
        }
        *target = value;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return options;
}

}  // namespace gearpair
