// Table rows and technical requirements of the two sheets.
#include "drawing/gear_tables.h"

#include "drawing/drawing_texts.h"
#include "engine/check_data.h"
#include "engine/helix_angle.h"

namespace gearpair {

std::vector<std::vector<TableRow>> ParameterTable(const TGearDesign& d, bool wheel,
                                                  const CheckData& c, const std::string& mating) {
    const std::int32_t teeth = wheel ? d.z2 : d.z1;
    const std::int32_t matingTeeth = wheel ? d.z1 : d.z2;
    const double beta = CutHelixDegrees(d);
    // The check data: W over z_w where the face holds the common normal, otherwise the
    // constant chord and its height. W's deviations for 8-B are not given (no verified table).
    std::vector<TableRow> checkRows;
    if (c.normalMeasurable) {
        checkRows = {{"Длина общей нормали", "W", DecimalText(c.commonNormal, 3)},
                     {"Число зубьев в длине общей нормали", "zw", std::to_string(c.teethSpanned)}};
    } else {
        checkRows = {{"Постоянная хорда", "s̄c", DecimalText(c.constantChord, 3)},
                     {"Высота до постоянной хорды", "h̄c", DecimalText(c.chordHeight, 3)}};
    }
    return {
        {
            {"Модуль", "m", DecimalText(d.mn, 3)},
            {"Число зубьев", "z", std::to_string(teeth)},
            {"Угол наклона", "β", AngleText(beta)},
            // The wheel's teeth run right-handed, the pinion's left-handed, as a pair must.
            {"Направление линии зуба", "—",
             d.betta == 0 ? "—"
             : wheel      ? "Правое"
                          : "Левое"},
            {"Нормальный исходный контур", "—", "ГОСТ 13755-2015"},
            {"Коэффициент смещения", "x", "0"},
            {"Степень точности по ГОСТ 1643-81", "—", "8-B"},
        },
        checkRows,
        {
            {"Делительный диаметр", "d", DecimalText(wheel ? d.d2 : d.d1, 3)},
            {"Межосевое расстояние", "aw", DecimalText(d.aw, 3)},
            {"Число зубьев сопряжённого колеса", "z", std::to_string(matingTeeth)},
            {"Обозначение чертежа сопряжённого колеса", "—", mating},
        },
    };
}

std::vector<std::string> Requirements(GearSheetKind kind, const std::string& treatment,
                                      const TGearDesign& d, double shaftDiameter) {
    if (kind == GearSheetKind::CannotBeBuilt) {
        return {"Вал-шестерня не может быть изготовлена: диаметр впадин df = " + SizeText(d.df1) +
                    " мм меньше диаметра вала " + SizeText(shaftDiameter) +
                    " мм, необходимого для передачи момента",
                std::string(kNotForManufacture)};
    }
    std::vector<std::string> lines;
    lines.push_back(treatment);
    lines.emplace_back(kGeneralTolerances);
    // The views draw no fillet: every edge is sharp on the sheet and blunted in the shop.
    // A bore without a standard key carries the torque through an interference fit, but the
    // fit with the shaft belongs to the assembly drawing: the part's sheet gives its H7 only.
    lines.push_back("Острые кромки притупить");
    return lines;
}

}  // namespace gearpair
