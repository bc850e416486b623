// JSON of the shafts: signed components in each shaft's frame, lengths in mm, forces in N,
// moments in N*m, stresses in MPa, lives in hours.
#include "cli/shafts_json.h"

#include "app/shafts_texts.h"

namespace gearpair {

namespace {

std::string_view LoadKindName(LoadKind kind) {
    return kind == LoadKind::Gear ? "gear" : "end";
}

std::string_view StepKey(StepKind kind) {
    switch (kind) {
        case StepKind::End:
            return "end";
        case StepKind::Seal:
            return "seal";
        case StepKind::Bearing:
            return "bearing";
        case StepKind::Gear:
            return "gear";
        case StepKind::Teeth:
            return "teeth";
        case StepKind::Collar:
            return "collar";
    }
    return "";
}

std::string_view SectionKey(SectionKind kind) {
    return kind == SectionKind::KeySeat ? "key seat" : "shoulder";
}

void WriteShaft(JsonWriter& json, const ShaftDesign& s) {
    json.BeginObject();
    json.Key("gear_shaft").Boolean(s.gearShaft);
    json.Member("speed", s.speed);
    json.Member("torque", s.torque);
    json.Key("distances").BeginObject();
    json.Member("end_load_to_support", s.distances.endLoadToSupport);
    json.Member("span", s.distances.span);
    json.Member("gear_to_support", s.distances.gearToSupport);
    json.Member("end_load", s.distances.endLoad);
    json.EndObject();
    json.Key("loads").BeginArray();
    for (const ShaftLoad& load : s.loads) {
        json.BeginObject();
        json.Member("kind", LoadKindName(load.kind));
        json.Member("x", load.x);
        json.Member("Fr", load.Fr);
        json.Member("Ft", load.Ft);
        json.Member("Fa", load.Fa);
        json.Member("moment", load.moment);
        json.EndObject();
    }
    json.EndArray();
    json.Key("supports").BeginArray();
    for (const ShaftSupport& support : s.supports) {
        json.BeginObject();
        json.Member("x", support.x);
        json.Member("Rr", support.Rr);
        json.Member("Rt", support.Rt);
        json.Member("R", support.R);
        json.Member("Fa", support.Fa);
        json.EndObject();
    }
    json.EndArray();
    json.Key("steps").BeginArray();
    for (const ShaftStep& step : s.steps) {
        json.BeginObject();
        json.Member("kind", StepKey(step.kind));
        json.Member("d", step.d);
        json.Member("length", step.length);
        json.EndObject();
    }
    json.EndArray();
    json.Key("keys").BeginArray();
    for (const ShaftKeyAt& at : s.keys) {
        const ShaftKey& key = at.key;
        json.BeginObject();
        json.Member("at", StepKey(at.at));
        json.Member("b", key.b);
        json.Member("h", key.h);
        json.Member("l", key.l);
        json.Member("t1", key.t1);
        json.Member("d", key.d);
        json.Key("count").Integer(key.count);
        json.Member("torque", key.torque);
        json.Member("stress", key.stress);
        json.Member("allowable", key.allowable);
        json.Key("passes").Boolean(key.passes);
        json.EndObject();
    }
    json.EndArray();
    json.Key("bearings").BeginArray();
    for (const ShaftBearing& b : s.bearings) {
        json.BeginObject();
        json.Member("designation", b.bearing.designation);
        json.Member("d", b.bearing.d);
        json.Member("D", b.bearing.D);
        json.Member("B", b.bearing.B);
        json.Member("r", b.bearing.r);
        json.Member("C", b.bearing.C);
        json.Member("C0", b.bearing.C0);
        json.Member("Fr", b.rating.Fr);
        json.Member("Fa", b.rating.Fa);
        json.Member("e", b.rating.e);
        json.Member("X", b.rating.X);
        json.Member("Y", b.rating.Y);
        json.Member("P", b.rating.P);
        json.Member("L10h", b.rating.L10h);
        json.EndObject();
    }
    json.EndArray();
    json.Key("diagram").BeginArray();
    for (const DiagramStation& station : s.diagram) {
        json.BeginObject();
        json.Member("x", station.x);
        json.Member("Mr", station.Mr);
        json.Member("Mt", station.Mt);
        json.Member("M", station.M);
        json.Member("T", station.T);
        json.EndObject();
    }
    json.EndArray();
    json.Key("sections").BeginArray();
    for (const ShaftSection& section : s.sections) {
        json.BeginObject();
        json.Member("kind", SectionKey(section.kind));
        json.Member("x", section.x);
        json.Member("M", section.M);
        json.Member("T", section.T);
        json.Member("sigma_a", section.fatigue.sigmaA);
        json.Member("tau_a", section.fatigue.tauA);
        // The safety factors where the section's factors are known, null where they are not.
        for (const auto& [key, value] :
             {std::pair{"S_sigma", section.fatigue.Ssigma},
              std::pair{"S_tau", section.fatigue.Stau}, std::pair{"S", section.fatigue.S},
              std::pair{"allowable", section.fatigue.allowable}}) {
            json.Key(key);
            if (section.fatigue.known) {
                json.Number(value);
            } else {
                json.Null();
            }
        }
        json.EndObject();
    }
    json.EndArray();
    json.Key("life_reached").Boolean(s.lifeReached);
    json.Member("gear_seat_widened", s.gearSeatWidened);
    json.EndObject();
}

}  // namespace

void WriteShafts(JsonWriter& json, const JobResult& job) {
    json.Key("shafts");
    if (!job.shafts) {
        json.Null();
        json.Member("shafts_reason", job.shaftsReason);
        return;
    }
    const ShaftsDesign& shafts = *job.shafts;
    json.BeginObject();
    json.Key("input");
    WriteShaft(json, shafts.input);
    json.Key("output");
    WriteShaft(json, shafts.output);
    json.Member("planned_life", shafts.plannedLife);
    json.Member("load_factor", shafts.loadFactor);
    json.Member("status", ShaftsStatusName(shafts.status));
    json.EndObject();
    json.Key("shafts_reason").Null();
}

}  // namespace gearpair
