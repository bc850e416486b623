// The title-block fields' texts.
#include "app/title_texts.h"

#include <utility>

#include "app/user_text.h"

namespace gearpair {

namespace {

template <typename Inputs>
auto* TextOf(Inputs& inputs, TitleField field) {
    switch (field) {
        case TitleField::WheelDesignation:
            return &inputs.wheelDesignation;
        case TitleField::PinionDesignation:
            return &inputs.pinionDesignation;
        case TitleField::Developer:
            return &inputs.developer;
        case TitleField::Checker:
            return &inputs.checker;
        case TitleField::Organisation:
            return &inputs.organisation;
        case TitleField::Material:
            break;
    }
    return static_cast<decltype(&inputs.developer)>(nullptr);
}

}  // namespace

std::string TitleText(const DrawingInputs& inputs, TitleField field) {
    if (field == TitleField::Material) return inputs.material.value_or("");
    return *TextOf(inputs, field);
}

void SetTitleText(DrawingInputs& inputs, TitleField field, std::string text) {
    if (field != TitleField::Material) {
        *TextOf(inputs, field) = std::move(text);
    } else if (text.find_first_not_of(" \t\n\v\f\r") == std::string::npos) {
        inputs.material.reset();
    } else {
        inputs.material = std::move(text);
    }
}

void CheckTitleText(TitleField field, std::string_view text) {
    for (const TitleFieldText& known : kTitleFields) {
        if (known.field == field) {
            CheckUserText(text, std::string("Поле «") + known.label + "»");
        }
    }
}

bool SetRememberedTitleText(DrawingInputs& inputs, TitleField field, std::string text) {
    if (UserTextFault(text)) return false;
    SetTitleText(inputs, field, std::move(text));
    return true;
}

}  // namespace gearpair
