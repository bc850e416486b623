// The shafts' texts: a shaft's report section with every formula's numbers, the failing key and
// the short life as the user reads them, the layout messages and the distance fields' checks.
#include "app/shafts_texts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace gearpair {
namespace {

// An input shaft of T = 50 N·m on a pinion of d = 50 mm (Ft = 2000 N, Fa = 500 N, so tg β =
// 0,25), supports at x = 80 and 180 mm, the gear between them at 130 mm and a 400 N end load at
// 20 mm; its reactions, moments and ratings worked out by hand from those.
ShaftDesign InputShaft() {
    ShaftDesign s;
    s.shaft = Shaft::Input;
    s.speed = 1450;
    s.torque = 50;
    s.distances = {60, 100, 50, 400};
    s.loads = {{LoadKind::EndLoad, 20, -400, 0, 0, 0},
               {LoadKind::Gear, 130, 750.34, 2000, 500, 12.5}};
    s.supports = {{{80, 389.83, -1000, 1073.3, 0}, {180, -740.17, -1000, 1244.13, -500}}};
    s.steps = {{StepKind::End, 25, 40}, {StepKind::Gear, 40, 50}};
    ShaftKey key;
    key.d = 40, key.b = 12, key.h = 8, key.t1 = 5, key.l = 40, key.torque = 50;
    key.stress = 29.76, key.allowable = 100, key.passes = true;
    s.keys = {{StepKind::Gear, key}};
    const BallBearing b207{"207", 35, 72, 17, 2, 25500, 13700};
    s.bearings = {{{b207, {1073.3, 0, 0.19, 1, 0, 1395.29, 70163.4}},
                   {b207, {1244.13, 500, 0.23, 0.56, 1.9, 2140.72, 19427.6}}}};
    s.diagram = {{80, -24, 0, 24, 50},
                 {130, -24.5085, -50, 55.6836, 50},
                 {130, -37.0085, -50, 62.2063, 0},
                 {180, 0, 0, 0, 0}};
    SectionFatigue fatigue;
    fatigue.sigmaA = 10.5, fatigue.tauA = 2.2, fatigue.known = true;
    fatigue.Ssigma = 8.4, fatigue.Stau = 25.2, fatigue.S = 7.969, fatigue.allowable = 2.5;
    s.sections = {{SectionKind::KeySeat, 130, 62.2063, 50, fatigue}};
    s.lifeReached = true;
    return s;
}

ShaftsDesign Shafts(const ShaftDesign& input) {
    ShaftsDesign shafts;
    shafts.input = input;
    shafts.output = input;
    shafts.output.shaft = Shaft::Output;
    shafts.plannedLife = 15000;
    shafts.loadFactor = 1.3;
    return shafts;
}

// The lines from the one that is `first` to the next separator, both included.
std::vector<std::string> SectionOf(const std::vector<std::string>& lines, std::string_view first) {
    const auto begin = std::find(lines.begin(), lines.end(), first);
    const auto end = std::find(begin, lines.end(), kSeparatorLine);
    return end == lines.end() ? std::vector<std::string>{}
                              : std::vector<std::string>(begin, end + 1);
}

TEST(ShaftsReport, ShaftSectionWithEveryFormulasNumbers) {
    const std::vector<std::string> expected = {
        "Входной вал",
        "Частота вращения n = 1450 мин⁻¹",
        "Вращающий момент T = 50 Н·м",
        "Силы в зацеплении",
        "Окружная сила Ft = 2·T/d = 2·50·1000/50 = 2000 Н",
        "Радиальная сила Fr = Ft·tg α/cos β = 2000·tg 20°/cos 14,036° = 750,3 Н",
        "Осевая сила Fa = Ft·tg β = 2000·tg 14,036° = 500 Н",
        "Момент осевой силы Ma = Fa·d/2 = 500·50/2000 = 12,5 Н·м",
        "Расстояния и нагрузки",
        "От нагрузки на конце до опоры 1: 60 мм",
        "Пролёт l = 100 мм",
        "От опоры 1 до колеса: 50 мм",
        "Нагрузка на конце вала Fк = 400 Н",
        "Нагрузка на конце, a = x − x1 = -60 мм: Fr = -400 Н, Ft = 0 Н",
        "Колесо, a = x − x1 = 50 мм: Fr = 750,3 Н, Ft = 2000 Н, Fa = 500 Н, Ma = 12,5 Н·м",
        "Реакции опор (a — расстояние нагрузки от опоры 1)",
        "R2r = −(ΣFr·a + ΣMa)/l = −((-400)·(-60) + 750,3·50 + 12,5·1000)/100 = -740,2 Н",
        "R1r = −ΣFr − R2r = −((-400) + 750,3) − (-740,2) = 389,8 Н",
        "R2t = −(ΣFt·a)/l = −(0·(-60) + 2000·50)/100 = -1000 Н",
        "R1t = −ΣFt − R2t = −(0 + 2000) − (-1000) = -1000 Н",
        "R1 = √(R1r² + R1t²) = √(389,8² + (-1000)²) = 1073,3 Н",
        "R2 = √(R2r² + R2t²) = √((-740,2)² + (-1000)²) = 1244,1 Н",
        "Осевую силу воспринимает опора 2: Fa2 = 500 Н",
        "Изгибающие и крутящий моменты",
        "x = 80 мм (опора 1): Mr = -24 Н·м, Mt = 0 Н·м, M = √(Mr² + Mt²) = √((-24)² + 0²) = 24 "
        "Н·м, T = 50 Н·м",
        "x = 130 мм (колесо, слева): Mr = -24,51 Н·м, Mt = -50 Н·м, M = √(Mr² + Mt²) = "
        "√((-24,51)² + (-50)²) = 55,68 Н·м, T = 50 Н·м",
        "x = 130 мм (колесо, справа): Mr = -37,01 Н·м, Mt = -50 Н·м, M = √(Mr² + Mt²) = "
        "√((-37,01)² + (-50)²) = 62,21 Н·м, T = 0 Н·м",
        "x = 180 мм (опора 2): Mr = 0 Н·м, Mt = 0 Н·м, M = 0 Н·м, T = 0 Н·м",
        "Ступени вала слева направо",
        "1. конец вала: d = 25 мм, l = 40 мм",
        "2. под колесо: d = 40 мм, l = 50 мм",
        "Шпонки",
        "Шпонка под колесом: b×h×l = 12×8×40 мм, t1 = 5 мм, d = 40 мм",
        "lp = l − b = 40 − 12 = 28 мм",
        "σсм = 2T/(d·lp·(h−t1)) = 2·50·1000/(40·28·(8−5)) = 29,8 МПа ≤ [σ]см = 100 МПа",
        "Подшипники",
        "Подшипник 207: d×D×B = 35×72×17 мм, C = 25500 Н, C0 = 13700 Н",
        "Опора 1: Fr = 1073,3 Н, Fa = 0 Н",
        "Fa = 0: X = 1, Y = 0",
        "P = (X·V·Fr + Y·Fa)·Kб·Kт = (1·1·1073,3 + 0·0)·1,3·1 = 1395,3 Н",
        "L10h = (C/P)³·10⁶/(60·n) = (25500/1395,3)³·10⁶/(60·1450) = 70163 ч ≥ [Lh] = 15000 ч",
        "Опора 2: Fr = 1244,1 Н, Fa = 500 Н",
        "Fa/C0 = 500/13700 = 0,036, e = 0,23",
        "Fa/(V·Fr) = 500/(1·1244,1) = 0,402 > e: X = 0,56, Y = 1,9",
        "P = (X·V·Fr + Y·Fa)·Kб·Kт = (0,56·1·1244,1 + 1,9·500)·1,3·1 = 2140,7 Н",
        "L10h = (C/P)³·10⁶/(60·n) = (25500/2140,7)³·10⁶/(60·1450) = 19428 ч ≥ [Lh] = 15000 ч",
        "Запас усталостной прочности сечений",
        "Сечение x = 130 мм (шпоночный паз под колесом): M = 62,21 Н·м, T = 50 Н·м",
        "σa = M/W = 10,5 МПа, τa = τm = T/(2·Wк) = 2,2 МПа",
        "Sσ = 8,4, Sτ = 25,2",
        "S = Sσ·Sτ/√(Sσ² + Sτ²) = 8,4·25,2/√(8,4² + 25,2²) = 7,97 ≥ [S] = 2,5",
        std::string(kSeparatorLine),
    };
    const std::vector<std::string> lines = ShaftsReport(Shafts(InputShaft()));
    EXPECT_EQ(SectionOf(lines, "Входной вал"), expected);
    EXPECT_EQ(lines[lines.size() - 2], "Долговечность подшипников обеспечена");
}

TEST(ShaftsReport, FailingDoubleKeyAndShortLifeSayWhatFails) {
    ShaftDesign s = InputShaft();
    ShaftKey& key = s.keys[0].key;
    key.count = 2, key.torque = 75, key.stress = 111.6, key.passes = false;
    ShaftsDesign shafts = Shafts(s);
    shafts.plannedLife = 20000;
    shafts.status = ShaftsStatus::LifeNotReached;
    const std::vector<std::string> lines = ShaftsReport(shafts);
    const auto keyHead = std::find(lines.begin(), lines.end(),
                                   "Шпонки под колесом (2 шт. под 180°): b×h×l = 12×8×40 мм, t1 = "
                                   "5 мм, d = 40 мм, момент на одну шпонку T = 75 Н·м");
    ASSERT_NE(keyHead, lines.end());
    EXPECT_EQ(keyHead[2],
              "σсм = 2T/(d·lp·(h−t1)) = 2·75·1000/(40·28·(8−5)) = 111,6 МПа > [σ]см = 100 МПа — "
              "шпонка не проходит");
    EXPECT_EQ(lines[lines.size() - 2],
              "Долговечность подшипников не обеспечена: входной вал, опора 2, подшипник 207: "
              "L10h = 19428 ч < [Lh] = 20000 ч; выходной вал, опора 2, подшипник 207: L10h = "
              "19428 ч < [Lh] = 20000 ч");
    EXPECT_EQ(ShaftsStatusName(shafts.status), "life not reached");
}

TEST(ShaftLayoutMessage, EachFaultNamesTheOptionAndTheRoomNeeded) {
    EXPECT_EQ(ShaftLayoutMessage({Shaft::Input, "span", LayoutFault::HubOutsideSpan, 87}),
              "Недопустимое значение input.span: пролёт короче ступицы колеса с подшипником "
              "(нужно не менее 87 мм)");
    EXPECT_EQ(ShaftLayoutMessage({Shaft::Output, "gear", LayoutFault::HubOutsideSpan, 36.5}),
              "Недопустимое значение output.gear: ступица колеса заходит на подшипник (от "
              "середины опоры до середины колеса нужно не менее 36,5 мм)");
    EXPECT_EQ(ShaftLayoutMessage({Shaft::Input, "end", LayoutFault::EndTooShort, 31.5}),
              "Недопустимое значение input.end: конец вала заходит на подшипник (нужно более "
              "31,5 мм)");
    EXPECT_EQ(ShaftLayoutMessage({Shaft::Output, "span", LayoutFault::NotPositive, 0}),
              "Недопустимое значение output.span: расстояние должно быть больше нуля");
    EXPECT_EQ(ShaftLayoutMessage({Shaft::Input, "load", LayoutFault::NotPositive, 0}),
              "Недопустимое значение input.load: нагрузка не может быть отрицательной");
}

TEST(ReadShaftField, RejectsWhatCannotBeADistanceOrLoadAndKeepsTheOverride) {
    ShaftOverrides overrides;
    overrides.span = 120;
    EXPECT_EQ(ReadShaftField(ShaftField::Span, "12.5", overrides), "Пролёт: «12.5» — не число");
    EXPECT_EQ(ReadShaftField(ShaftField::Span, "0", overrides),
              "Пролёт: значение должно быть больше нуля");
    EXPECT_EQ(ReadShaftField(ShaftField::EndLoad, "-1", overrides),
              "Нагрузка на конце вала: значение не может быть отрицательным");
    EXPECT_EQ(overrides.span, 120);
    EXPECT_FALSE(overrides.endLoad);

    EXPECT_EQ(ReadShaftField(ShaftField::EndLoad, "0", overrides), std::nullopt);
    EXPECT_EQ(overrides.endLoad, 0);
    EXPECT_EQ(ReadShaftField(ShaftField::GearToSupport, " 62,5 ", overrides), std::nullopt);
    EXPECT_EQ(overrides.gearToSupport, 62.5);
    EXPECT_EQ(ReadShaftField(ShaftField::Span, "  ", overrides), std::nullopt);
    EXPECT_FALSE(overrides.span);
}

}  // namespace
}  // namespace gearpair
