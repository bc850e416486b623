// Checks of the eight input texts.
#include "cli/input_check.h"

#include <algorithm>

#include "engine/design_inputs.h"

namespace gearpair {

namespace {

// Position of the text in its list; InputError naming every allowed text otherwise.
int ListIndex(std::string_view field, std::span<const std::string_view> items,
              std::string_view text) {
    const auto found = std::find(items.begin(), items.end(), text);
    if (found != items.end()) return static_cast<int>(found - items.begin());
    throw InputError(field, NotInListMessage(items));
}

void CheckTyped(std::string_view field, TypedField kind, std::string_view text) {
    if (const auto message = ValidateTypedInput(kind, text)) throw InputError(field, *message);
}

}  // namespace

InputError::InputError(std::string_view field, std::string_view message)
    : UsageError("--" + std::string(field) + ": " + std::string(message)),
      field_(field),
      message_(message) {}

DesignInputs CheckDesignTexts(const DesignTexts& texts) {
    ListIndex("ratio", kRatioTexts, texts.ratio);
    CheckTyped("power", TypedField::Power, texts.power);
    CheckTyped("speed", TypedField::PinionSpeed, texts.speed);
    CheckTyped("hardness", TypedField::WheelHardness, texts.hardness);
    CheckTyped("life", TypedField::ServiceLife, texts.life);
    const int widthIndex = ListIndex("width", kWidthTexts, texts.width);
    ListIndex("helix", kHelixTexts, texts.helix);
    const int arrangementIndex = ListIndex("arrangement", kArrangementTexts, texts.arrangement);

    DesignInputs inputs;
    inputs.uzText = texts.ratio;
    inputs.powerText = texts.power;
    inputs.nwText = texts.speed;
    inputs.hkolText = texts.hardness;
    inputs.tText = texts.life;
    inputs.psibaIndex = widthIndex;
    inputs.bettaText = texts.helix;
    inputs.arrangement = arrangementIndex + 1;
    return inputs;
}

}  // namespace gearpair
