// Both working drawings of a design.
#include "drawing/drawings.h"

#include <cstdio>

#include "core/cp1251.h"
#include "drawing/gear_sheet.h"
#include "drawing/gear_tables.h"
#include "drawing/shaft_sheet.h"

namespace gearpair {

namespace {

// A user's text goes into every file as it is: it must be UTF-8 without control characters.
void CheckUserText(const std::string& text, const char* field) {
    char32_t code = 0;
    // DXF writes a character as \U+ and four hexadecimal digits: nothing beyond U+FFFF.
    switch (FirstTextFault(text, true, code)) {
        case TextFault::None:
            return;
        case TextFault::InvalidUtf8:
            throw DrawingTextError(std::string("Поле «") + field +
                                   "» содержит недопустимую последовательность байтов UTF-8");
        case TextFault::Control:
            throw DrawingTextError(std::string("Поле «") + field + "» содержит управляющий символ");
        case TextFault::BeyondBasicPlane: {
            char hex[16];
            std::snprintf(hex, sizeof hex, "U+%X", static_cast<unsigned>(code));
            throw DrawingTextError(std::string("Поле «") + field + "» содержит символ " + hex +
                                   ", который нельзя записать в чертёж DXF");
        }
    }
}

void CheckInputs(const DrawingInputs& in) {
    CheckUserText(in.wheelDesignation, "Обозначение колеса");
    CheckUserText(in.pinionDesignation, "Обозначение шестерни");
    if (in.material) CheckUserText(*in.material, "Материал");
    CheckUserText(in.developer, "Разработал");
    CheckUserText(in.checker, "Проверил");
    CheckUserText(in.organisation, "Организация");
}

TitleBlockTexts Title(const DrawingInputs& in, const std::string& name,
                      const std::string& designation, const std::string& material, double kg) {
    TitleBlockTexts title;
    title.name = name;
    title.designation = designation;
    title.material = material;
    title.mass = MassText(kg);
    title.developer = in.developer;
    title.checker = in.checker;
    title.organisation = in.organisation;
    return title;
}

}  // namespace

DrawingSet BuildDrawings(const TGearDesign& d, const DesignProducts& products,
                         const DrawingInputs& inputs, const ShaftDesign* inputShaft) {
    CheckInputs(inputs);
    DrawingSet set;
    const DrawnParts& parts = products.parts;
    const PartMasses& masses = products.masses;
    const PairMaterials materials = WithSteel(products.materials, inputs.material);

    GearSheetContent wheel;
    wheel.gear.part = parts.wheel;
    wheel.title = Title(inputs, "Колесо зубчатое", inputs.wheelDesignation, materials.wheel.steel,
                        masses.wheel);
    wheel.table = ParameterTable(d, true, products.checkData.wheel, inputs.pinionDesignation);
    wheel.requirements = Requirements(GearSheetKind::Wheel, materials.wheel.treatment, d, 0);
    // The wheel of a pair that cannot be built is no part to make either.
    if (!products.buildable) wheel.requirements.emplace_back(kNotForManufacture);
    set.wheel = BuildGearSheet(wheel);

    GearSheetContent pinion;
    GearSheetKind kind = GearSheetKind::Pinion;
    if (parts.pinionForm == PinionForm::CannotBeBuilt) {
        kind = GearSheetKind::CannotBeBuilt;
    } else if (parts.pinionForm == PinionForm::GearShaft) {
        kind = GearSheetKind::GearShaft;
    }
    pinion.gear.part = parts.pinion;
    pinion.gear.shaftDiameter = parts.shaftDiameter;
    pinion.gear.dimensioned = kind != GearSheetKind::CannotBeBuilt;
    pinion.title = Title(inputs, kind == GearSheetKind::Pinion ? "Шестерня" : "Вал-шестерня",
                         inputs.pinionDesignation, materials.pinion.steel, masses.pinion);
    if (kind != GearSheetKind::CannotBeBuilt) {
        pinion.table = ParameterTable(d, false, products.checkData.pinion, inputs.wheelDesignation);
    }
    // A design that cannot be built names the shaft its torque needs, as computed.
    pinion.requirements = Requirements(kind, materials.pinion.treatment, d, products.sizes.dvw);
    if (kind == GearSheetKind::GearShaft && inputShaft != nullptr && inputShaft->gearShaft) {
        ShaftSheetContent shaft{*inputShaft, parts.pinion, pinion.title, pinion.table,
                                pinion.requirements};
        shaft.title.mass = MassText(GearShaftMass(*inputShaft, parts.pinion));
        // The shaft's own requirements before the last one, the edges'.
        const std::vector<std::string> more = GearShaftRequirements(*inputShaft);
        shaft.requirements.insert(shaft.requirements.end() - 1, more.begin(), more.end());
        set.pinion = BuildGearShaftSheet(shaft);
        return set;
    }
    set.pinion = BuildGearSheet(pinion);
    return set;
}

}  // namespace gearpair
