// gearpair-cli: one design, or a batch of them, on the command line.
#include <exception>
#include <iostream>
#include <string_view>
#include <vector>

#include "cli/command.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    int code = gearpair::kExitNotCompleted;
    try {
        code = gearpair::RunCommand(arguments, std::cin, std::cout, std::cerr);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << e.what() << '\n';
        return gearpair::kExitNotCompleted;
    }
    // Output that never arrived is no success.
    if (!std::cout.flush()) {
        std::cerr << "Не удаётся записать результаты\n";
        return gearpair::kExitNotCompleted;
    }
    return code;
}
