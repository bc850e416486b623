// The variant search.
#include "engine/variant_search.h"

#include <algorithm>

#include "core/errors.h"
#include "core/numbers.h"
#include "engine/design_products.h"

namespace gearpair {

namespace {

Variant RunVariant(const DesignInputs& fixed, std::size_t width, std::size_t helix,
                   const std::string& hardness, VariantShafts shafts) {
    Variant variant;
    variant.widthItem = width;
    variant.helixItem = helix;
    variant.hardness = hardness;
    QuietOutcome outcome = RunQuietDesign(VariantInputs(fixed, variant));
    variant.end = outcome.end;
    variant.message = std::move(outcome.message);
    const CheckStep* last = FinalStep(outcome);
    if (last == nullptr) return variant;
    const TGearDesign& d = outcome.design;
    try {
        const DesignProducts products = DesignProductsOf(d);
        variant.masses = products.masses;
        variant.buildable = products.buildable;
        variant.warnings = products.warnings;
        if (products.buildable && shafts == VariantShafts::Summarised) {
            variant.shafts =
                SummariseShafts(d, products, static_cast<std::uint8_t>(fixed.arrangement));
        }
    } catch (const Error& e) {
        variant.end = QuietEnd::Failed;
        variant.message = e.what();
        return variant;
    }
    variant.aw = d.aw;
    variant.mn = d.mn;
    variant.z1 = d.z1;
    variant.z2 = d.z2;
    variant.bw = d.bw;
    variant.bkol = d.bkol;
    variant.contactMargin = CheckMargin(last->contact->stress, last->contact->allowable);
    variant.bendingMargin = CheckMargin(last->bending->stress, last->bending->allowable);
    variant.ea = d.ea;
    variant.v = d.v;
    return variant;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

}  // namespace

ShaftsSummary SummariseShafts(const ShaftsDesign& shafts) {
    ShaftsSummary summary;
    summary.bearingsFit = true;
    summary.status = shafts.status;
    summary.inputBearing = shafts.input.bearings[0].bearing.designation;
    summary.outputBearing = shafts.output.bearings[0].bearing.designation;
    summary.bearingLife = shafts.input.bearings[0].rating.L10h;
    for (const ShaftDesign* shaft : {&shafts.input, &shafts.output}) {
        for (const ShaftBearing& b : shaft->bearings) {
            summary.bearingLife = std::min(summary.bearingLife, b.rating.L10h);
        }
    }
    summary.inputEnd = shafts.input.steps.front().d;
    summary.outputEnd = shafts.output.steps.front().d;
    return summary;
}

ShaftsSummary SummariseShafts(const TGearDesign& d, const DesignProducts& products,
                              std::uint8_t arrangement) {
    try {
        ShaftsOptions options;
        options.bearingsOnly = true;
        return SummariseShafts(DesignShafts(d, products, arrangement, options));
    } catch (const ShaftBeyondBearings&) {
        return {};
    }
}

std::optional<ShaftsSummary> VariantShaftsSummary(const DesignInputs& fixed,
                                                  const Variant& variant) {
    const QuietOutcome outcome = RunQuietDesign(VariantInputs(fixed, variant));
    if (FinalStep(outcome) == nullptr) return std::nullopt;
    const DesignProducts products = DesignProductsOf(outcome.design);
    if (!products.buildable) return std::nullopt;
    return SummariseShafts(outcome.design, products, static_cast<std::uint8_t>(fixed.arrangement));
}

DesignInputs VariantInputs(const DesignInputs& fixed, const Variant& variant) {
    DesignInputs inputs = fixed;
    inputs.psibaIndex = static_cast<int>(variant.widthItem);
    inputs.bettaText = kHelixTexts[variant.helixItem];
    inputs.hkolText = variant.hardness;
    return inputs;
}

std::vector<Variant> SearchVariants(const DesignInputs& fixed,
                                    std::span<const std::string> hardnessTexts,
                                    VariantShafts shafts) {
    std::vector<Variant> variants;
    variants.reserve(kWidthTexts.size() * kHelixTexts.size() * hardnessTexts.size());
    for (std::size_t width = 0; width < kWidthTexts.size(); ++width) {
        for (std::size_t helix = 0; helix < kHelixTexts.size(); ++helix) {
            for (const std::string& hardness : hardnessTexts) {
                variants.push_back(RunVariant(fixed, width, helix, hardness, shafts));
            }
        }
    }
    MarkParetoSet(variants);
    return variants;
}

void MarkParetoSet(std::vector<Variant>& variants) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        variants[i].pareto = false;
        if (variants[i].Usable()) order.push_back(i);
    }
    // Lightest first, and among equal masses the safest first. A variant is dominated by a
    // lighter one with at least its margin, or by one of its own mass with a larger margin.
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const Variant& x = variants[a];
        const Variant& y = variants[b];
        if (x.masses.total != y.masses.total) return x.masses.total < y.masses.total;
        return x.SmallerMargin() > y.SmallerMargin();
    });
    bool anyLighter = false;
    double bestOfLighter = 0;  // the largest margin among strictly lighter variants
    for (std::size_t first = 0; first < order.size();) {
        const double mass = variants[order[first]].masses.total;
        const double groupBest = variants[order[first]].SmallerMargin();
        std::size_t end = first;
        for (; end < order.size() && variants[order[end]].masses.total == mass; ++end) {
            Variant& v = variants[order[end]];
            v.pareto = v.SmallerMargin() == groupBest && (!anyLighter || groupBest > bestOfLighter);
        }
        if (!anyLighter || groupBest > bestOfLighter) bestOfLighter = groupBest;
        anyLighter = true;
        first = end;
    }
}

HardnessList ParseHardnessList(std::string_view text) {
    HardnessList list;
    std::vector<double> values;  // "250" and "250,0" are one hardness
    while (true) {
        const std::size_t end = text.find(';');
        const std::string_view item = TrimBlanks(text.substr(0, end));
        if (const auto message = ValidateTypedInput(TypedField::WheelHardness, item)) {
            list.error = "«" + std::string(item) + "»: " + std::string(*message);
            return list;
        }
        double value = 0;
        TryTextToFloat(item, ',', value);  // the field accepted it: a number
        if (std::find(values.begin(), values.end(), value) != values.end()) {
            list.error = "«" + std::string(item) + "»: значение повторяется";
            return list;
        }
        list.texts.emplace_back(item);
        values.push_back(value);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return list;
}

}  // namespace gearpair
