// The variant search of the input form: the form's ratio, power, speed, life and arrangement
// fixed, over the default hardness list and the form's own hardness, with the form's design
// found among the variants and the line that sums the search up.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/design_inputs.h"
#include "engine/variant_search.h"

namespace gearpair {

struct FormVariants {
    std::vector<Variant> variants;
    std::optional<std::size_t> current;  // the form's design among them
};

// The form's own hardness joins the default list in order of value when it is not there.
FormVariants SearchFormVariants(const DesignInputs& form);

// "Передаточное отношение 2,8, мощность 6000 Вт, ... Вариантов 1274, рассчитано ..., в
// множестве Парето ...".
std::string FormVariantsSummary(const DesignInputs& form, std::span<const Variant> variants);

}  // namespace gearpair
