// The user's texts of the shafts' stage: the report, the names, the layout messages, the window's
// tables and fields.
#include "app/shafts_texts.h"

#include <cmath>
#include <numbers>

#include "core/decimal_text.h"
#include "core/numbers.h"
#include "engine/bearing_life.h"
#include "engine/check_data.h"

namespace gearpair {

namespace {

// Decimals each kind of quantity is written with (trailing zeros dropped): forces to 0,1 N,
// moments to 0,01 N·m, lengths to 0,01 mm, the pitch diameter as the design report gives it.
constexpr int kForce = 1;
constexpr int kMoment = 2;
constexpr int kLength = 2;
constexpr int kPitch = 3;
constexpr int kAngle = 3;
constexpr int kSpeed = 2;
constexpr int kStress = 1;
constexpr int kFactor = 3;
constexpr int kSafety = 2;
constexpr int kLife = 0;

std::string Num(double value, int decimals) {
    return DecimalText(value, decimals);
}

// A number inside a product, a sum or a power: a negative one in parentheses.
std::string Term(double value, int decimals) {
    std::string text = Num(value, decimals);
    return text.front() == '-' ? "(" + text + ")" : text;
}

// The lines of one shaft's section.
class ShaftLines {
public:
    ShaftLines(const ShaftDesign& s, double plannedLife, double loadFactor,
               std::vector<std::string>& out)
        : s_(s), life_(plannedLife), kb_(loadFactor), out_(out) {
        for (const ShaftLoad& load : s.loads) {
            if (load.kind == LoadKind::Gear && !gear_) gear_ = &load;
            if (load.kind == LoadKind::EndLoad && !end_) end_ = &load;
        }
    }

    void Write() {
        Add(std::string(ShaftName(s_.shaft)));
        Add("Частота вращения n = " + Num(s_.speed, kSpeed) + " мин⁻¹");
        Add("Вращающий момент T = " + Num(s_.torque, kMoment) + " Н·м");
        if (s_.gearShaft) Add("Шестерня выполнена заодно с валом");
        MeshForces();
        Distances();
        Reactions();
        Moments();
        Steps();
        Keys();
        Bearings();
        Sections();
        Add(std::string(kSeparatorLine));
    }

private:
    void Add(std::string line) { out_.push_back(std::move(line)); }

    // The gear's mesh forces; the record keeps them with the torque, from which the pitch
    // diameter d = 2T/Ft and the helix angle tg β = Fa/Ft follow.
    void MeshForces() {
        if (!gear_) return;
        Add("Силы в зацеплении");
        const double Ft = gear_->Ft;
        const double Fa = std::fabs(gear_->Fa);
        const double d = Ft > 0 ? 2 * s_.torque * 1000 / Ft : 0;
        const double beta = Ft > 0 ? std::atan(Fa / Ft) * 180 / std::numbers::pi : 0;
        const std::string alphaText = Num(kRackPressureDegrees, kAngle) + "°";
        const std::string betaText = Num(beta, kAngle) + "°";
        Add("Окружная сила Ft = 2·T/d = 2·" + Num(s_.torque, kMoment) + "·1000/" + Num(d, kPitch) +
            " = " + Num(Ft, kForce) + " Н");
        Add("Радиальная сила Fr = Ft·tg α/cos β = " + Num(Ft, kForce) + "·tg " + alphaText +
            "/cos " + betaText + " = " + Num(gear_->Fr, kForce) + " Н");
        Add("Осевая сила Fa = Ft·tg β = " + Num(Ft, kForce) + "·tg " + betaText + " = " +
            Num(Fa, kForce) + " Н");
        if (Fa > 0) {
            Add("Момент осевой силы Ma = Fa·d/2 = " + Num(Fa, kForce) + "·" + Num(d, kPitch) +
                "/2000 = " + Num(std::fabs(gear_->moment), kMoment) + " Н·м");
        }
    }

    bool Overhung() const { return gear_ && gear_->x > s_.supports[1].x; }

    void Distances() {
        const ShaftDistances& d = s_.distances;
        Add("Расстояния и нагрузки");
        Add("От нагрузки на конце до опоры 1: " + Num(d.endLoadToSupport, kLength) + " мм");
        Add("Пролёт l = " + Num(d.span, kLength) + " мм");
        Add(std::string(Overhung() ? "От опоры 2 до колеса: " : "От опоры 1 до колеса: ") +
            Num(d.gearToSupport, kLength) + " мм");
        Add("Нагрузка на конце вала Fк = " + Num(d.endLoad, kForce) + " Н");
        // The loads in the shaft's frame: r and t signed by the gear's radial and tangential
        // forces, the end load turned the way that loads the supports most.
        const double x1 = s_.supports[0].x;
        for (const ShaftLoad& load : s_.loads) {
            std::string line = load.kind == LoadKind::Gear ? "Колесо" : "Нагрузка на конце";
            line += ", a = x − x1 = " + Num(load.x - x1, kLength) +
                    " мм: Fr = " + Num(load.Fr, kForce) + " Н, Ft = " + Num(load.Ft, kForce) + " Н";
            if (load.Fa != 0) line += ", Fa = " + Num(load.Fa, kForce) + " Н";
            if (load.moment != 0) line += ", Ma = " + Num(load.moment, kMoment) + " Н·м";
            Add(std::move(line));
        }
    }

    // R2 from the moments about support 1, R1 from the sum of the forces, in each plane.
    void Reactions() {
        const ShaftSupport& r1 = s_.supports[0];
        const ShaftSupport& r2 = s_.supports[1];
        const std::string span = Num(r2.x - r1.x, kLength);
        Add("Реакции опор (a — расстояние нагрузки от опоры 1)");
        for (const bool rPlane : {true, false}) {
            const char* p = rPlane ? "r" : "t";
            std::string moments;
            std::string forces;
            for (const ShaftLoad& load : s_.loads) {
                const double F = rPlane ? load.Fr : load.Ft;
                if (!moments.empty()) moments += " + ";
                if (!forces.empty()) forces += " + ";
                moments += Term(F, kForce) + "·" + Term(load.x - r1.x, kLength);
                forces += Term(F, kForce);
                if (rPlane && load.moment != 0)
                    moments += " + " + Term(load.moment, kMoment) + "·1000";
            }
            const double R2 = rPlane ? r2.Rr : r2.Rt;
            const double R1 = rPlane ? r1.Rr : r1.Rt;
            Add(std::string("R2") + p + " = −(ΣF" + p + "·a" + (rPlane ? " + ΣMa" : "") +
                ")/l = −(" + moments + ")/" + span + " = " + Num(R2, kForce) + " Н");
            Add(std::string("R1") + p + " = −ΣF" + p + " − R2" + p + " = −(" + forces + ") − " +
                Term(R2, kForce) + " = " + Num(R1, kForce) + " Н");
        }
        for (int i = 0; i < 2; ++i) {
            const ShaftSupport& r = s_.supports[static_cast<std::size_t>(i)];
            const std::string n = std::to_string(i + 1);
            Add("R" + n + " = √(R" + n + "r² + R" + n + "t²) = √(" + Term(r.Rr, kForce) + "² + " +
                Term(r.Rt, kForce) + "²) = " + Num(r.R, kForce) + " Н");
        }
        bool axial = false;
        for (int i = 0; i < 2; ++i) {
            const double Fa = s_.supports[static_cast<std::size_t>(i)].Fa;
            if (Fa == 0) continue;
            axial = true;
            const std::string n = std::to_string(i + 1);
            Add("Осевую силу воспринимает опора " + n + ": Fa" + n + " = " +
                Num(std::fabs(Fa), kForce) + " Н");
        }
        if (!axial) Add("Осевой силы нет");
    }

    // What sits at a station of the diagram.
    std::string StationName(std::size_t i) const {
        const double x = s_.diagram[i].x;
        for (std::size_t k = 0; k < 2; ++k) {
            if (s_.supports[k].x == x) return "опора " + std::to_string(k + 1);
        }
        if (gear_ && gear_->x == x) return "колесо";
        if (end_ && end_->x == x) return "нагрузка на конце";
        return x == s_.diagram.front().x ? "левый конец" : "правый конец";
    }

    void Moments() {
        Add("Изгибающие и крутящий моменты");
        const std::vector<DiagramStation>& diagram = s_.diagram;
        for (std::size_t i = 0; i < diagram.size(); ++i) {
            const DiagramStation& m = diagram[i];
            std::string where = StationName(i);
            // Where a moment or the torque jumps two stations share the x, the left side first.
            if (i + 1 < diagram.size() && diagram[i + 1].x == m.x) where += ", слева";
            if (i > 0 && diagram[i - 1].x == m.x) where += ", справа";
            std::string line = "x = " + Num(m.x, kLength) + " мм (" + where +
                               "): Mr = " + Num(m.Mr, kMoment) +
                               " Н·м, Mt = " + Num(m.Mt, kMoment) + " Н·м, M = ";
            if (m.Mr != 0 || m.Mt != 0) {
                line += "√(Mr² + Mt²) = √(" + Term(m.Mr, kMoment) + "² + " + Term(m.Mt, kMoment) +
                        "²) = ";
            }
            line += Num(m.M, kMoment) + " Н·м, T = " + Num(m.T, kMoment) + " Н·м";
            Add(std::move(line));
        }
    }

    void Steps() {
        Add("Ступени вала слева направо");
        int n = 0;
        for (const ShaftStep& step : s_.steps) {
            Add(std::to_string(++n) + ". " + std::string(StepKindName(step.kind)) +
                ": d = " + Num(step.d, kLength) + " мм, l = " + Num(step.length, kLength) + " мм");
        }
        if (s_.gearSeatWidened > 0) {
            Add("Ступень под колесо больше отверстия колеса на " +
                Num(s_.gearSeatWidened, kLength) + " мм: отверстие колеса увеличить");
        }
    }

    void Keys() {
        if (s_.keys.empty()) return;
        Add("Шпонки");
        for (const ShaftKeyAt& at : s_.keys) {
            const ShaftKey& k = at.key;
            const std::string where = at.at == StepKind::End ? "на конце вала" : "под колесом";
            if (k.b == 0) {
                Add("Шпонка " + where + ": для d = " + Num(k.d, kLength) +
                    " мм шпонки в таблице нет");
                continue;
            }
            std::string head =
                k.count == 2 ? "Шпонки " + where + " (2 шт. под 180°)" : "Шпонка " + where;
            head += ": b×h×l = " + Num(k.b, kLength) + "×" + Num(k.h, kLength) + "×" +
                    Num(k.l, kLength) + " мм, t1 = " + Num(k.t1, kLength) +
                    " мм, d = " + Num(k.d, kLength) + " мм";
            if (k.count == 2)
                head += ", момент на одну шпонку T = " + Num(k.torque, kMoment) + " Н·м";
            Add(std::move(head));
            const double lp = k.l - k.b;
            Add("lp = l − b = " + Num(k.l, kLength) + " − " + Num(k.b, kLength) + " = " +
                Num(lp, kLength) + " мм");
            std::string check = "σсм = 2T/(d·lp·(h−t1)) = 2·" + Num(k.torque, kMoment) + "·1000/(" +
                                Num(k.d, kLength) + "·" + Num(lp, kLength) + "·(" +
                                Num(k.h, kLength) + "−" + Num(k.t1, kLength) +
                                ")) = " + Num(k.stress, kStress) + " МПа ";
            check += k.passes
                         ? "≤ [σ]см = " + Num(k.allowable, kStress) + " МПа"
                         : "> [σ]см = " + Num(k.allowable, kStress) + " МПа — шпонка не проходит";
            Add(std::move(check));
        }
    }

    void Bearings() {
        const BallBearing& b = s_.bearings[0].bearing;
        const BearingFactors factors;  // V and Kт as the rating takes them
        Add("Подшипники");
        Add("Подшипник " + std::string(b.designation) + ": d×D×B = " + Num(b.d, kLength) + "×" +
            Num(b.D, kLength) + "×" + Num(b.B, kLength) + " мм, C = " + Num(b.C, kForce) +
            " Н, C0 = " + Num(b.C0, kForce) + " Н");
        for (std::size_t i = 0; i < 2; ++i) {
            const BearingRating& r = s_.bearings[i].rating;
            const BallBearing& bi = s_.bearings[i].bearing;
            Add("Опора " + std::to_string(i + 1) + ": Fr = " + Num(r.Fr, kForce) +
                " Н, Fa = " + Num(r.Fa, kForce) + " Н");
            if (r.Fa > 0) {
                Add("Fa/C0 = " + Num(r.Fa, kForce) + "/" + Num(bi.C0, kForce) + " = " +
                    Num(r.Fa / bi.C0, kFactor) + ", e = " + Num(r.e, kFactor));
                if (r.Fr > 0) {
                    const double ratio = r.Fa / (factors.V * r.Fr);
                    Add("Fa/(V·Fr) = " + Num(r.Fa, kForce) + "/(" + Num(factors.V, kFactor) + "·" +
                        Num(r.Fr, kForce) + ") = " + Num(ratio, kFactor) +
                        (ratio > r.e ? " > e" : " ≤ e") + ": X = " + Num(r.X, kFactor) +
                        ", Y = " + Num(r.Y, kFactor));
                } else {
                    Add("X = " + Num(r.X, kFactor) + ", Y = " + Num(r.Y, kFactor));
                }
            } else {
                Add("Fa = 0: X = " + Num(r.X, kFactor) + ", Y = " + Num(r.Y, kFactor));
            }
            Add("P = (X·V·Fr + Y·Fa)·Kб·Kт = (" + Num(r.X, kFactor) + "·" +
                Num(factors.V, kFactor) + "·" + Num(r.Fr, kForce) + " + " + Num(r.Y, kFactor) +
                "·" + Num(r.Fa, kForce) + ")·" + Num(kb_, kFactor) + "·" +
                Num(factors.Kt, kFactor) + " = " + Num(r.P, kForce) + " Н");
            Add("L10h = (C/P)³·10⁶/(60·n) = (" + Num(bi.C, kForce) + "/" + Num(r.P, kForce) +
                ")³·10⁶/(60·" + Num(s_.speed, kSpeed) + ") = " + Num(r.L10h, kLife) + " ч " +
                (r.L10h >= life_ ? "≥" : "<") + " [Lh] = " + Num(life_, kLife) + " ч");
        }
    }

    void Sections() {
        if (s_.sections.empty()) return;
        Add("Запас усталостной прочности сечений");
        for (const ShaftSection& section : s_.sections) {
            const SectionFatigue& f = section.fatigue;
            Add("Сечение x = " + Num(section.x, kLength) + " мм (" +
                (section.kind == SectionKind::KeySeat ? "шпоночный паз под колесом"
                                                      : "галтель у заплечика подшипника") +
                "): M = " + Num(section.M, kMoment) + " Н·м, T = " + Num(section.T, kMoment) +
                " Н·м");
            Add("σa = M/W = " + Num(f.sigmaA, kStress) +
                " МПа, τa = τm = T/(2·Wк) = " + Num(f.tauA, kStress) + " МПа");
            if (!f.known) {
                Add("Запас прочности не определён: нет данных о концентрации напряжений и "
                    "пределах выносливости стали");
                continue;
            }
            Add("Sσ = " + Num(f.Ssigma, kSafety) + ", Sτ = " + Num(f.Stau, kSafety));
            std::string line = "S = ";
            if (std::isfinite(f.Ssigma) && std::isfinite(f.Stau)) {
                line += "Sσ·Sτ/√(Sσ² + Sτ²) = " + Num(f.Ssigma, kSafety) + "·" +
                        Num(f.Stau, kSafety) + "/√(" + Num(f.Ssigma, kSafety) + "² + " +
                        Num(f.Stau, kSafety) + "²) = ";
            }
            line += Num(f.S, kSafety) + (f.S >= f.allowable ? " ≥ [S] = " : " < [S] = ") +
                    Num(f.allowable, kSafety);
            if (f.S < f.allowable) line += " — прочность не обеспечена";
            Add(std::move(line));
        }
    }

    const ShaftDesign& s_;
    double life_;
    double kb_;
    std::vector<std::string>& out_;
    const ShaftLoad* gear_ = nullptr;
    const ShaftLoad* end_ = nullptr;
};

// The supports of a shaft short of the planned life, for the status line.
void AppendShortLives(const ShaftDesign& s, double life, std::string& text) {
    for (std::size_t i = 0; i < 2; ++i) {
        const double L = s.bearings[i].rating.L10h;
        if (L >= life) continue;
        if (text.back() != ':') text += ";";
        text += " " + std::string(s.shaft == Shaft::Input ? "входной" : "выходной") +
                " вал, опора " + std::to_string(i + 1) + ", подшипник " +
                std::string(s.bearings[i].bearing.designation) + ": L10h = " + Num(L, kLife) +
                " ч < [Lh] = " + Num(life, kLife) + " ч";
    }
}

}  // namespace

std::vector<std::string> ShaftsReport(const ShaftsDesign& shafts) {
    std::vector<std::string> lines;
    const BearingFactors factors;
    lines.push_back("Валы и подшипники");
    lines.push_back("Требуемая долговечность подшипников [Lh] = " + Num(shafts.plannedLife, kLife) +
                    " ч");
    lines.push_back("Коэффициент безопасности Kб = " + Num(shafts.loadFactor, kFactor));
    lines.push_back("Температурный коэффициент Kт = " + Num(factors.Kt, kFactor));
    lines.push_back("Коэффициент вращения V = " + Num(factors.V, kFactor));
    lines.emplace_back(kSeparatorLine);
    ShaftLines(shafts.input, shafts.plannedLife, shafts.loadFactor, lines).Write();
    ShaftLines(shafts.output, shafts.plannedLife, shafts.loadFactor, lines).Write();
    if (shafts.status == ShaftsStatus::Ok) {
        lines.push_back("Долговечность подшипников обеспечена");
    } else {
        std::string text = "Долговечность подшипников не обеспечена:";
        AppendShortLives(shafts.input, shafts.plannedLife, text);
        AppendShortLives(shafts.output, shafts.plannedLife, text);
        lines.push_back(std::move(text));
    }
    lines.emplace_back(kSeparatorLine);
    return lines;
}

std::string_view ShaftsStatusName(ShaftsStatus status) {
    return status == ShaftsStatus::Ok ? "ok" : "life not reached";
}

std::string ShaftLayoutMessage(const ShaftLayoutError& e) {
    std::string text = "Недопустимое значение " +
                       std::string(e.shaft == Shaft::Input ? "input." : "output.") + e.distance +
                       ": ";
    const std::string limit = SizeText(e.limit);
    switch (e.fault) {
        case LayoutFault::NotPositive:
            return text + (e.distance == "load" ? "нагрузка не может быть отрицательной"
                                                : "расстояние должно быть больше нуля");
        case LayoutFault::HubOutsideSpan:
            if (e.distance == "span") {
                return text + "пролёт короче ступицы колеса с подшипником (нужно не менее " +
                       limit + " мм)";
            }
            return text + "ступица колеса заходит на подшипник (от середины опоры до середины " +
                   "колеса нужно не менее " + limit + " мм)";
        case LayoutFault::EndTooShort:
            return text + "конец вала заходит на подшипник (нужно более " + limit + " мм)";
    }
    return text + "расстояние невозможно";
}

std::string ShaftBeyondBearingsMessage(const ShaftBeyondBearings& e) {
    return std::string(ShaftName(e.shaft)) + ": конец вала диаметром " + SizeText(e.end) +
           " мм толще отверстия наибольшего подшипника лёгкой и средней серий ГОСТ 8338-75";
}

std::string_view StepKindName(StepKind kind) {
    switch (kind) {
        case StepKind::End:
            return "конец вала";
        case StepKind::Seal:
            return "под уплотнение";
        case StepKind::Bearing:
            return "под подшипник";
        case StepKind::Gear:
            return "под колесо";
        case StepKind::Teeth:
            return "зубчатый венец";
        case StepKind::Collar:
            return "буртик";
    }
    return "";
}

std::string_view ShaftName(Shaft shaft) {
    return shaft == Shaft::Input ? "Входной вал" : "Выходной вал";
}

std::vector<ShaftTableGroup> ShaftTable(const ShaftDesign& s, double plannedLife) {
    std::vector<ShaftTableGroup> groups;
    ShaftTableGroup& steps = groups.emplace_back();
    steps.title = "Ступени";
    steps.headings = {"вид", "d, мм", "l, мм"};
    for (const ShaftStep& step : s.steps) {
        steps.rows.push_back({std::string(StepKindName(step.kind)), Num(step.d, kLength),
                              Num(step.length, kLength)});
    }

    ShaftTableGroup& keys = groups.emplace_back();
    keys.title = "Шпонки";
    keys.headings = {"где", "b×h×l, мм", "σсм, МПа", "[σ]см, МПа"};
    for (const ShaftKeyAt& at : s.keys) {
        const ShaftKey& k = at.key;
        std::string where = at.at == StepKind::End ? "на конце вала" : "под колесом";
        if (k.count == 2) where += " (2 шт.)";
        if (k.b == 0) {
            keys.rows.push_back({where, "нет в таблице", "", ""});
            continue;
        }
        keys.rows.push_back({where,
                             Num(k.b, kLength) + "×" + Num(k.h, kLength) + "×" + Num(k.l, kLength),
                             Num(k.stress, kStress), Num(k.allowable, kStress)});
    }

    ShaftTableGroup& bearings = groups.emplace_back();
    bearings.title = "Подшипники";
    bearings.headings = {"опора", "обозначение", "d×D×B, мм", "C, Н", "P, Н", "L10h, ч"};
    for (std::size_t i = 0; i < 2; ++i) {
        const BallBearing& b = s.bearings[i].bearing;
        const BearingRating& r = s.bearings[i].rating;
        std::string life = Num(r.L10h, kLife);
        if (r.L10h < plannedLife) life += " < " + Num(plannedLife, kLife);
        bearings.rows.push_back(
            {std::to_string(i + 1), std::string(b.designation),
             Num(b.d, kLength) + "×" + Num(b.D, kLength) + "×" + Num(b.B, kLength),
             Num(b.C, kForce), Num(r.P, kForce), life});
    }

    ShaftTableGroup& sections = groups.emplace_back();
    sections.title = "Сечения";
    sections.headings = {"x, мм", "M, Н·м", "T, Н·м", "S", "[S]"};
    for (const ShaftSection& section : s.sections) {
        const SectionFatigue& f = section.fatigue;
        sections.rows.push_back({Num(section.x, kLength), Num(section.M, kMoment),
                                 Num(section.T, kMoment), f.known ? Num(f.S, kSafety) : "—",
                                 f.known ? Num(f.allowable, kSafety) : "—"});
    }
    return groups;
}

namespace {

struct FieldInfo {
    std::string_view label;  // the window's label
    std::string_view name;   // the quantity in a message
    int decimals;
    bool zeroAllowed;
};

FieldInfo InfoOf(ShaftField field) {
    switch (field) {
        case ShaftField::EndLoadToSupport:
            return {"От нагрузки на конце до опоры 1, мм", "От нагрузки на конце до опоры 1",
                    kLength, false};
        case ShaftField::Span:
            return {"Пролёт, мм", "Пролёт", kLength, false};
        case ShaftField::GearToSupport:
            return {"От опоры до колеса, мм", "От опоры до колеса", kLength, false};
        case ShaftField::EndLoad:
            return {"Нагрузка на конце вала, Н", "Нагрузка на конце вала", kForce, true};
    }
    return {"", "", kLength, false};
}

std::optional<double>& MemberOf(ShaftOverrides& overrides, ShaftField field) {
    switch (field) {
        case ShaftField::EndLoadToSupport:
            return overrides.endLoadToSupport;
        case ShaftField::Span:
            return overrides.span;
        case ShaftField::GearToSupport:
            return overrides.gearToSupport;
        case ShaftField::EndLoad:
            break;
    }
    return overrides.endLoad;
}

}  // namespace

std::string_view ShaftFieldLabel(ShaftField field) {
    return InfoOf(field).label;
}

std::string ShaftFieldText(const ShaftDistances& distances, ShaftField field) {
    const int decimals = InfoOf(field).decimals;
    switch (field) {
        case ShaftField::EndLoadToSupport:
            return Num(distances.endLoadToSupport, decimals);
        case ShaftField::Span:
            return Num(distances.span, decimals);
        case ShaftField::GearToSupport:
            return Num(distances.gearToSupport, decimals);
        case ShaftField::EndLoad:
            break;
    }
    return Num(distances.endLoad, decimals);
}

std::optional<std::string> ReadShaftField(ShaftField field, std::string_view text,
                                          ShaftOverrides& overrides) {
    const FieldInfo info = InfoOf(field);
    if (text.find_first_not_of(' ') == std::string_view::npos) {
        MemberOf(overrides, field).reset();
        return std::nullopt;
    }
    double value = 0;
    if (!TryTextToFloat(text, ',', value)) {
        return std::string(info.name) + ": «" + std::string(text) + "» — не число";
    }
    if (info.zeroAllowed ? !(value >= 0) : !(value > 0)) {
        return std::string(info.name) + (info.zeroAllowed ? ": значение не может быть отрицательным"
                                                          : ": значение должно быть больше нуля");
    }
    MemberOf(overrides, field) = value;
    return std::nullopt;
}

}  // namespace gearpair
