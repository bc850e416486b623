// The engineer's title-block texts as the desktop programs' drawing windows show and remember
// them: six fields, each with its label and the key it is remembered under in the user's
// settings (group "drawing" of the program's settings).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "drawing/drawings.h"

namespace gearpair {

enum class TitleField {
    WheelDesignation,
    PinionDesignation,
    Material,
    Developer,
    Checker,
    Organisation
};

struct TitleFieldText {
    TitleField field;
    const char* key;    // the settings key
    const char* label;  // the caption beside the field
};

inline constexpr char kTitleSettingsGroup[] = "drawing";

// In the order of the fields on the window.
inline constexpr std::array<TitleFieldText, 6> kTitleFields{{
    {TitleField::WheelDesignation, "wheelDesignation", "Обозначение колеса"},
    {TitleField::PinionDesignation, "pinionDesignation", "Обозначение шестерни"},
    {TitleField::Material, "material", "Материал"},
    {TitleField::Developer, "developer", "Разработал"},
    {TitleField::Checker, "checker", "Проверил"},
    {TitleField::Organisation, "organisation", "Организация"},
}};

// The material field's hint while empty, and its tooltip.
inline constexpr char kMaterialHint[] = "по твёрдости";
inline constexpr char kMaterialTip[] =
    "Материал колеса и шестерни; пустое поле — сталь, выбранная по твёрдости";

// The places (row, column) of the fields, in the order of kTitleFields, in a strip of three,
// two and one column: the first whose labels and fields of kTitleFieldWidth pixels fit the
// strip's width is the one used.
struct TitlePlace {
    int row;
    int column;
};
inline constexpr int kTitleFieldWidth = 100;
inline constexpr std::array<std::array<TitlePlace, 6>, 3> kTitleArrangements{{
    {{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}}},
    {{{0, 0}, {0, 1}, {2, 0}, {1, 0}, {1, 1}, {2, 1}}},
    {{{0, 0}, {1, 0}, {4, 0}, {2, 0}, {3, 0}, {5, 0}}},
}};

// A field's text; an absent material is an empty text.
std::string TitleText(const DrawingInputs& inputs, TitleField field);
// Sets a field's text; a material of blanks only is the steel chosen by hardness (absent).
void SetTitleText(DrawingInputs& inputs, TitleField field, std::string text);

// The check of a user's text (app/user_text.h) on a field's text: UserTextError
// "Поле «Материал»: символ «中» отсутствует в шрифте чертежа".
void CheckTitleText(TitleField field, std::string_view text);

// Sets a field's text remembered from an earlier session when the check takes it; a refused
// one (edited outside the program, or from a build with another font) leaves the field's
// default and gives false. Quietly: the window shows the default, and the user never typed the
// refused text in this session.
bool SetRememberedTitleText(DrawingInputs& inputs, TitleField field, std::string text);

}  // namespace gearpair
