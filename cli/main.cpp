// gearpair-cli: one design, or a batch of them, on the command line.
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/command.h"
#include "files/file_ops.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

#include "files/wide_text.h"
#endif

namespace {

int Run(const std::vector<std::string_view>& arguments) {
    // A write beyond the file-size limit fails with its error and leaves no temporary file.
    gearpair::IgnoreWriteSignals(false);
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

}  // namespace

#ifdef _WIN32

namespace {

// The console shows the program's UTF-8 texts while it runs (Cyrillic included) and gets its
// own code pages back afterwards, so that later programs in the same window are unaffected.
class Utf8Console {
public:
    Utf8Console() : input_(GetConsoleCP()), output_(GetConsoleOutputCP()) {
        SetConsoleCP(CP_UTF8);
        SetConsoleOutputCP(CP_UTF8);
    }
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;
    ~Utf8Console() {
        if (input_ != 0) SetConsoleCP(input_);
        if (output_ != 0) SetConsoleOutputCP(output_);
    }

private:
    UINT input_;
    UINT output_;
};

}  // namespace

// Windows hands the arguments over in UTF-16; the standard streams are binary, so that the
// output holds the same bytes as on every other system (no carriage return added before a
// line feed) and a batch file is read as it is.
int wmain(int argc, wchar_t** argv) {
    const Utf8Console console;
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    std::vector<std::string> texts;
    for (int i = 1; i < argc; ++i) texts.push_back(gearpair::Utf16ToUtf8(argv[i]));
    return Run(std::vector<std::string_view>(texts.begin(), texts.end()));
}

#else

int main(int argc, char** argv) {
    return Run(std::vector<std::string_view>(argv + 1, argv + argc));
}

#endif
