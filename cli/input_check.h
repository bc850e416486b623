// Checking the eight input texts as the input form would accept them, and turning them into
// the design run's inputs.
#pragma once

#include <string>
#include <string_view>

#include "cli/command_line.h"
#include "engine/design_run.h"

namespace gearpair {

// A rejected input. The field is the option name without its dashes, which is also the column
// of the batch file ("speed"); what() names the option: "--speed: Неправильно введено
// значение", so that a command line with several inputs says which one is wrong.
class InputError : public UsageError {
public:
    InputError(std::string_view field, std::string_view message);
    const std::string& Field() const { return field_; }
    const std::string& Message() const { return message_; }

private:
    std::string field_;
    std::string message_;
};

// Checks the texts in the order ratio, power, speed, hardness, life, width, helix,
// arrangement and throws InputError for the first one rejected. The typed fields get the
// form's checks and messages; ratio, width, helix and arrangement accept only the texts of
// their lists, exactly as listed.
DesignInputs CheckDesignTexts(const DesignTexts& texts);

}  // namespace gearpair
