// The input form's variant search: its own hardness joins the list and its design is found.
#include "app/form_variants.h"

#include <gtest/gtest.h>

namespace gearpair {
namespace {

TEST(SearchFormVariants, FormHardnessJoinsInOrderOfValueAndItsDesignIsCurrent) {
    DesignInputs form;
    form.hkolText = "320,5";
    const FormVariants found = SearchFormVariants(form);
    ASSERT_EQ(found.variants.size(), 7u * 13 * 15);
    EXPECT_EQ(found.variants[6].hardness, "320");
    EXPECT_EQ(found.variants[7].hardness, "320,5");
    EXPECT_EQ(found.variants[8].hardness, "350");
    // Width 0,5 (item 4), helix 14 (item 6), hardness item 7.
    EXPECT_EQ(found.current, (4u * 13 + 6) * 15 + 7);
    EXPECT_EQ(FormVariantsSummary(form, found.variants),
              "Передаточное отношение 2,8, мощность 6000 Вт, частота вращения шестерни 86,3 мин-1, "
              "срок службы 15000 ч, расположение 3. Вариантов 1365, рассчитано 1365, в множестве "
              "Парето 13.");
}

}  // namespace
}  // namespace gearpair
