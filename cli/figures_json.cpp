// JSON of the design figures.
#include "cli/figures_json.h"

#include <string_view>
#include <utility>

#include "engine/check_data.h"
#include "engine/helix_angle.h"
#include "engine/masses.h"

namespace gearpair {

namespace {

void WriteDesign(JsonWriter& json, const TGearDesign& d) {
    const std::pair<std::string_view, double> fields[] = {{"aw", d.aw},
                                                          {"mn", d.mn},
                                                          {"z1", d.z1},
                                                          {"z2", d.z2},
                                                          {"betta", EnteredHelixDegrees(d)},
                                                          {"betta_actual", CutHelixDegrees(d)},
                                                          {"d1", d.d1},
                                                          {"d2", d.d2},
                                                          {"da1", d.da1},
                                                          {"df1", d.df1},
                                                          {"da2", d.da2},
                                                          {"df2", d.df2},
                                                          {"bw", d.bw},
                                                          {"bkol", d.bkol},
                                                          {"v", d.v},
                                                          {"ea", d.ea},
                                                          {"Khbeta", d.Khbeta},
                                                          {"tw", d.tw},
                                                          {"tkol", d.tkol}};
    json.BeginObject();
    for (const auto& [key, value] : fields) json.Member(key, value);
    json.EndObject();
}

std::string_view GearName(bool pinion) {
    return pinion ? "pinion" : "wheel";
}

// A check of a pass: the verdict, or the margin in the final checks.
enum class CheckEnd { Passed, Margin };

void WriteVerdict(JsonWriter& json, double stress, double allowable, bool passed, CheckEnd end) {
    json.Member("stress", stress).Member("allowable", allowable);
    if (end == CheckEnd::Passed) {
        json.Key("passed").Boolean(passed);
    } else {
        json.Member("margin", CheckMargin(stress, allowable));
    }
}

void WriteContact(JsonWriter& json, const ContactCheckFigures& c, CheckEnd end) {
    json.BeginObject();
    WriteVerdict(json, c.stress, c.allowable, c.passed, end);
    json.EndObject();
}

void WriteBending(JsonWriter& json, const BendingCheckFigures& b, CheckEnd end) {
    json.BeginObject().Member("gear", GearName(b.pinion));
    WriteVerdict(json, b.stress, b.allowable, b.passed, end);
    json.EndObject();
}

void WriteStep(JsonWriter& json, const CheckStep& step) {
    json.BeginObject();
    json.Member("aw", step.aw).Member("mn", step.mn).Member("z1", step.z1).Member("z2", step.z2);
    json.Key("contact").Optional(step.contact, [&](const ContactCheckFigures& c) {
        WriteContact(json, c, CheckEnd::Passed);
    });
    json.Key("bending").Optional(step.bending, [&](const BendingCheckFigures& b) {
        WriteBending(json, b, CheckEnd::Passed);
    });
    json.EndObject();
}

void WriteSizes(JsonWriter& json, const PartSizes& s) {
    json.BeginObject();
    for (const PartSizeField& field : kWheelSizeFields) json.Member(field.key, s.*field.size);
    for (const PartSizeField& field : kPinionSizeFields) json.Member(field.key, s.*field.size);
    json.EndObject();
}

// The accepted sizes under the keys of "sizes", and the rim's inner diameter after them.
void WriteDrawingSizes(JsonWriter& json, const AcceptedSizes& s) {
    json.BeginObject();
    for (const PartSizeField& field : kWheelSizeFields) json.Member(field.key, s.*field.size);
    for (const PartSizeField& field : kPinionSizeFields) json.Member(field.key, s.*field.size);
    json.Member("rim_inner_wheel", s.rimInnerDiameter);
    json.EndObject();
}

// W and z_w where the face holds the common normal, else the constant chord and its height.
void WriteCheckData(JsonWriter& json, const CheckData& c) {
    json.BeginObject();
    if (c.normalMeasurable) {
        json.Member("W", c.commonNormal).Key("z_w").Integer(c.teethSpanned);
    } else {
        json.Member("sc", c.constantChord).Member("hc", c.chordHeight);
    }
    json.EndObject();
}

void WriteMaterial(JsonWriter& json, const GearMaterial& m) {
    json.BeginObject().Member("steel", m.steel).Member("treatment", m.treatment).EndObject();
}

}  // namespace

void WriteFigures(JsonWriter& json, const JobResult& job) {
    json.Key("design").Optional(job.design, [&](const TGearDesign& d) { WriteDesign(json, d); });

    json.Key("checks");
    if (const CheckStep* last = FinalStep(job)) {
        json.BeginObject();
        json.Key("contact");
        WriteContact(json, *last->contact, CheckEnd::Margin);
        json.Key("bending");
        WriteBending(json, *last->bending, CheckEnd::Margin);
        json.EndObject();
    } else {
        json.Null();
    }

    json.Key("steps").BeginArray();
    for (const CheckStep& step : job.steps) WriteStep(json, step);
    json.EndArray();

    const DesignProducts* products = job.products ? &*job.products : nullptr;
    json.Key("sizes");
    if (products) {
        WriteSizes(json, products->sizes);
    } else {
        json.Null();
    }
    json.Key("drawing_sizes");
    if (products) {
        WriteDrawingSizes(json, products->accepted);
    } else {
        json.Null();
    }

    json.Key("masses");
    if (products) {
        const PartMasses& masses = products->masses;
        json.BeginObject()
            .Member("wheel", masses.wheel)
            .Member("pinion", masses.pinion)
            .Member("total", masses.total)
            .EndObject();
    } else {
        json.Null();
    }

    json.Key("check_data");
    if (products) {
        json.BeginObject().Key("wheel");
        WriteCheckData(json, products->checkData.wheel);
        json.Key("pinion");
        WriteCheckData(json, products->checkData.pinion);
        json.EndObject();
    } else {
        json.Null();
    }

    json.Key("material");
    if (products) {
        json.BeginObject().Key("wheel");
        WriteMaterial(json, products->materials.wheel);
        json.Key("pinion");
        WriteMaterial(json, products->materials.pinion);
        json.EndObject();
    } else {
        json.Null();
    }
}

}  // namespace gearpair
