// The title-block fields: each field's own text, and a blank material that is the steel chosen
// by hardness.
#include "app/title_texts.h"

#include <gtest/gtest.h>

#include "app/user_text.h"

namespace gearpair {
namespace {

TEST(TitleTexts, EachFieldItsOwnTextAndABlankMaterialIsNone) {
    DrawingInputs inputs;
    for (const TitleFieldText& field : kTitleFields) {
        SetTitleText(inputs, field.field, field.key);
    }
    EXPECT_EQ(inputs.wheelDesignation, "wheelDesignation");
    EXPECT_EQ(inputs.pinionDesignation, "pinionDesignation");
    EXPECT_EQ(inputs.material, "material");
    EXPECT_EQ(inputs.developer, "developer");
    EXPECT_EQ(inputs.checker, "checker");
    EXPECT_EQ(inputs.organisation, "organisation");
    for (const TitleFieldText& field : kTitleFields) {
        EXPECT_EQ(TitleText(inputs, field.field), field.key);
    }

    SetTitleText(inputs, TitleField::Material, " \t ");
    EXPECT_EQ(inputs.material, std::nullopt);
    EXPECT_EQ(TitleText(inputs, TitleField::Material), "");
    // Kept as typed otherwise.
    SetTitleText(inputs, TitleField::Material, " Сталь 45 ");
    EXPECT_EQ(inputs.material, " Сталь 45 ");
}

// A field's text is refused with the field's caption; a remembered text that the check refuses
// leaves the field's default.
TEST(TitleTexts, ARefusedTextNamesTheFieldAndARememberedOneFallsBack) {
    try {
        CheckTitleText(TitleField::Material, "Сталь 中");
        ADD_FAILURE() << "accepted";
    } catch (const UserTextError& error) {
        EXPECT_STREQ(error.what(), "Поле «Материал»: символ «中» отсутствует в шрифте чертежа");
    }

    DrawingInputs inputs;
    EXPECT_FALSE(SetRememberedTitleText(inputs, TitleField::WheelDesignation, "ГП\x7f"));
    EXPECT_FALSE(SetRememberedTitleText(inputs, TitleField::Material, "\xef\xbf\xbe"));
    EXPECT_EQ(inputs, DrawingInputs{});
    EXPECT_TRUE(SetRememberedTitleText(inputs, TitleField::Checker, "Петров"));
    EXPECT_EQ(inputs.checker, "Петров");
}

}  // namespace
}  // namespace gearpair
