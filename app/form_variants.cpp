// The input form's variant search.
#include "app/form_variants.h"

#include <algorithm>

#include "core/numbers.h"

namespace gearpair {

FormVariants SearchFormVariants(const DesignInputs& form) {
    std::vector<std::string> hardness(kDefaultHardnessTexts.begin(), kDefaultHardnessTexts.end());
    if (std::find(hardness.begin(), hardness.end(), form.hkolText) == hardness.end()) {
        double value = 0;
        TryTextToFloat(form.hkolText, ',', value);
        auto place = std::find_if(hardness.begin(), hardness.end(), [&](const std::string& text) {
            double other = 0;
            return TryTextToFloat(text, ',', other) && other > value;
        });
        hardness.insert(place, form.hkolText);
    }
    FormVariants found{SearchVariants(form, hardness), std::nullopt};
    for (std::size_t i = 0; i < found.variants.size(); ++i) {
        const Variant& v = found.variants[i];
        if (static_cast<int>(v.widthItem) == form.psibaIndex &&
            kHelixTexts[v.helixItem] == form.bettaText && v.hardness == form.hkolText) {
            found.current = i;
        }
    }
    return found;
}

std::string FormVariantsSummary(const DesignInputs& form, std::span<const Variant> variants) {
    const auto completed = std::count_if(variants.begin(), variants.end(),
                                         [](const Variant& v) { return v.Completed(); });
    const auto pareto =
        std::count_if(variants.begin(), variants.end(), [](const Variant& v) { return v.pareto; });
    return "Передаточное отношение " + form.uzText + ", мощность " + form.powerText +
           " Вт, частота вращения шестерни " + form.nwText + " мин-1, срок службы " + form.tText +
           " ч, расположение " + std::to_string(form.arrangement) + ". Вариантов " +
           std::to_string(variants.size()) + ", рассчитано " + std::to_string(completed) +
           ", в множестве Парето " + std::to_string(pareto) + ".";
}

}  // namespace gearpair
