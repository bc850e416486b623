// Table rows and technical requirements of the two sheets.
#include "drawing/gear_tables.h"

#include "drawing/drawing_texts.h"
#include "engine/warnings.h"

namespace gearpair {

double HelixDegrees(const TGearDesign& d) {
    return d.betta / kRadiansPerDegree;
}

std::vector<TableRow> ParameterRows(const TGearDesign& d, bool wheel) {
    const std::int32_t teeth = wheel ? d.z2 : d.z1;
    const std::int32_t mating = wheel ? d.z1 : d.z2;
    return {
        {"Модуль", "m", DecimalText(d.mn, 3)},
        {"Число зубьев", "z", std::to_string(teeth)},
        {"Угол наклона", "β", AngleText(HelixDegrees(d))},
        // The wheel's teeth run right-handed, the pinion's left-handed, as a pair must.
        {"Направление линии зуба", "—",
         d.betta == 0 ? "—"
         : wheel      ? "Правое"
                      : "Левое"},
        {"Нормальный исходный контур", "—", "ГОСТ 13755-2015"},
        {"Коэффициент смещения", "x", "0"},
        {"Степень точности по ГОСТ 1643-81", "—", "8-B"},
        {"", "", ""},
        {"Делительный диаметр", "d", DecimalText(wheel ? d.d2 : d.d1, 3)},
        {"Межосевое расстояние", "aw", DecimalText(d.aw, 3)},
        {"Число зубьев сопряжённого колеса", "z", std::to_string(mating)},
    };
}

std::vector<std::string> Requirements(const GearPart& part, double hardness, bool wheel,
                                      const std::string& gearShaftReason) {
    std::vector<std::string> lines;
    if (!gearShaftReason.empty()) lines.push_back(GearShaftWarning(gearShaftReason));
    lines.push_back("Твёрдость зубьев " + DecimalText(hardness, 2) + " HB");
    lines.push_back("Неуказанные предельные отклонения размеров: H14, h14, ±IT14/2");
    lines.push_back("Неуказанные радиусы 1 мм");
    if (wheel && !part.web) {
        lines.push_back("Колесо выполнить сплошным диском, без выточек и отверстий в диске");
    }
    if (!part.keyway) {
        lines.push_back("Отверстие " + DiameterText(part.bore) +
                        " без шпоночного паза: стандартной шпонки по ГОСТ 23360 для него нет");
    }
    return lines;
}

}  // namespace gearpair
