// The whole command: parse the arguments, run a design or a batch, write the output, and
// answer with the exit code.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace gearpair {

inline constexpr int kExitCompleted = 0;
inline constexpr int kExitNotCompleted =
    1;                                // a stop, an error, or a batch row that did not complete
inline constexpr int kExitUsage = 2;  // a usage or input error, a wrong batch header
inline constexpr int kExitUnbuildable = 3;  // computed, but the pair cannot be made

// The program directory for --handoff-dir: the real path of an existing directory with its
// trailing separator. Throws UsageError when there is no such directory.
std::string HandoffDirectory(const std::string& directory);

// Runs gearpair-cli with the arguments after the program name. Standard input is read only for
// "--batch -". Errors of the program itself (memory, a failed output stream) propagate.
int RunCommand(const std::vector<std::string_view>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err);

}  // namespace gearpair
