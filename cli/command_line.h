// The command line of gearpair-cli: the mode, the eight input texts as the input form takes
// them, and the output options.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/errors.h"
#include "engine/shafts.h"

namespace gearpair {

// A command line that cannot be run: an unknown or repeated option, a missing value, options
// that do not go together, or a rejected input. Printed on standard error, exit code 2.
class UsageError : public Error {
public:
    using Error::Error;
};

// The eight inputs as texts, exactly as a user types or picks them on the input form.
struct DesignTexts {
    std::string ratio;
    std::string power;
    std::string speed;
    std::string hardness;
    std::string life;
    std::string width;
    std::string helix;
    std::string arrangement;
};

// The input form's defaults, taken from the design run's defaults.
DesignTexts DefaultDesignTexts();

enum class CliMode { Design, Batch, Explore, Help, Version };

struct CommandLine {
    CliMode mode = CliMode::Design;
    DesignTexts texts = DefaultDesignTexts();
    bool json = false;
    std::optional<std::string> handoffDir;
    std::optional<std::string> rtfFile;      // a file name, or "-" for standard output
    std::optional<std::string> drawingsDir;  // --drawings, where the build has the drawings
    std::optional<std::string> modelsDir;    // --models, where the build has the model files
    bool dxfR12 = false;                     // --dxf-r12: the profile DXF in R12
    std::optional<std::string> material;     // the steel of both gears instead of the default
    // The title blocks' texts: "WHEEL,PINION" designations, the names and the organisation.
    std::optional<std::string> designation;
    std::optional<std::string> developer;
    std::optional<std::string> checker;
    std::optional<std::string> organisation;
    std::string batchSource;                   // a file name, or "-" for standard input
    std::optional<std::string> hardnessList;   // --hardness-list of --explore, as typed
    bool shafts = false;                       // --shafts: the shafts' report in the text output
    std::optional<std::string> shaftsRtf;      // --shafts-rtf: the shafts' report as RTF
    std::optional<std::string> shaftsFigures;  // --shafts-figures: the shafts' figures
    std::optional<std::string> layoutText;     // --layout as typed
    ShaftsOptions layout;                      // --layout parsed
};

// Parses the arguments after the program name. An option's value is the next argument (or
// follows "=" in the same one), whatever it looks like; --help and --version win as soon as
// they are met. Throws UsageError.
CommandLine ParseCommandLine(const std::vector<std::string_view>& arguments);

}  // namespace gearpair
