// The fixed sample of valid designs.
#include "bench/design_sample.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/design_inputs.h"

namespace gearpair::bench {

namespace {

// Boundary and interior values of the typed fields, as typed on the form.
constexpr std::array<std::string_view, 5> kPowerTexts = {"60", "750", "6000", "22000", "55000"};
constexpr std::array<std::string_view, 5> kSpeedTexts = {"1", "86,3", "300", "1450", "10000"};
constexpr std::array<std::string_view, 6> kHardnessTexts = {"207",   "250", "320",
                                                            "320,5", "350", "652"};
constexpr std::array<std::string_view, 3> kLifeTexts = {"10000", "15000", "40000"};

// A well-mixed 64-bit hash (splitmix64), so that neighbouring indexes differ in every field.
std::uint64_t Mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ULL;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
    return x ^ (x >> 31);
}

// Takes the next digit of radix `size` off `bits`.
std::size_t Pick(std::uint64_t& bits, std::size_t size) {
    const auto digit = static_cast<std::size_t>(bits % size);
    bits /= size;
    return digit;
}

}  // namespace

DesignInputs SampleDesign(std::size_t index) {
    DesignInputs inputs;
    if (index == 0) return inputs;
    std::uint64_t bits = Mix(index);
    inputs.uzText = kRatioTexts[Pick(bits, kRatioTexts.size())];
    inputs.powerText = kPowerTexts[Pick(bits, kPowerTexts.size())];
    inputs.nwText = kSpeedTexts[Pick(bits, kSpeedTexts.size())];
    inputs.hkolText = kHardnessTexts[Pick(bits, kHardnessTexts.size())];
    inputs.tText = kLifeTexts[Pick(bits, kLifeTexts.size())];
    inputs.psibaIndex = static_cast<int>(Pick(bits, kWidthTexts.size()));
    inputs.bettaText = kHelixTexts[Pick(bits, kHelixTexts.size())];
    inputs.arrangement = static_cast<int>(Pick(bits, 3)) + 1;
    return inputs;
}

std::string BatchRow(const DesignInputs& inputs) {
    std::string row;
    for (const std::string_view field :
         {std::string_view(inputs.uzText), std::string_view(inputs.powerText),
          std::string_view(inputs.nwText), std::string_view(inputs.hkolText),
          std::string_view(inputs.tText), kWidthTexts[static_cast<std::size_t>(inputs.psibaIndex)],
          std::string_view(inputs.bettaText)}) {
        row.append(field);
        row.push_back(';');
    }
    row.push_back(static_cast<char>('0' + inputs.arrangement));
    row.push_back('\n');
    return row;
}

}  // namespace gearpair::bench
