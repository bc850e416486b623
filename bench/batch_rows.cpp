// Writes a batch file of the design sample to standard output: the header, then `count`
// rows (default 100000). Usage: gearpair-batch-rows [count]
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "bench/design_sample.h"
#include "cli/batch.h"

int main(int argc, char** argv) {
    std::size_t count = 100000;
    if (argc > 1) {
        const char* end = argv[1] + std::strlen(argv[1]);
        const auto [ptr, ec] = std::from_chars(argv[1], end, count);
        if (ec != std::errc() || ptr != end) {
            std::fprintf(stderr, "usage: gearpair-batch-rows [count]\n");
            return 2;
        }
    }
    std::string text(gearpair::kBatchInputHeader);
    text.push_back('\n');
    for (std::size_t i = 0; i < count; ++i) {
        text += gearpair::bench::BatchRow(gearpair::bench::SampleDesign(i));
        if (text.size() > (1 << 16)) {
            std::fwrite(text.data(), 1, text.size(), stdout);
            text.clear();
        }
    }
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
