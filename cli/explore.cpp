// The variant search on the command line.
#include "cli/explore.h"

#include <ostream>

#include "app/design_texts.h"
#include "app/variant_table.h"
#include "cli/input_check.h"
#include "cli/json_writer.h"

namespace gearpair {

std::string ExploreJson(const DesignInputs& fixed, std::span<const Variant> variants) {
    std::string json;
    JsonWriter writer(json);
    writer.BeginObject().Key("inputs").BeginObject();
    writer.Member("ratio", fixed.uzText).Member("power", fixed.powerText);
    writer.Member("speed", fixed.nwText).Member("life", fixed.tText);
    writer.Member("arrangement", std::to_string(fixed.arrangement)).EndObject();
    writer.Key("variants").BeginArray();
    for (const Variant& v : variants) {
        writer.BeginObject();
        writer.Member("width", kWidthTexts[v.widthItem]);
        writer.Member("helix", kHelixTexts[v.helixItem]);
        writer.Member("hardness", v.hardness);
        writer.Member("status", StatusName(VariantStatus(v)));
        writer.Key("message");
        const std::string message = VariantCell(v, VariantColumn::Message);
        if (message.empty()) {
            writer.Null();
        } else {
            writer.String(message);
        }
        // The figures of a completed design, null for the others.
        const auto number = [&](std::string_view key, double value) {
            writer.Key(key);
            if (v.Completed()) {
                writer.Number(value);
            } else {
                writer.Null();
            }
        };
        const auto margin = [&](std::string_view key, double value) {
            writer.Key(key);
            if (v.Completed()) {
                writer.String(MarginPercentText(value));
            } else {
                writer.Null();
            }
        };
        number("aw", v.aw);
        number("mn", v.mn);
        number("z1", v.z1);
        number("z2", v.z2);
        number("bw", v.bw);
        number("bkol", v.bkol);
        margin("contact_margin", v.contactMargin);
        margin("bending_margin", v.bendingMargin);
        number("ea", v.ea);
        number("v", v.v);
        writer.Key("masses");
        if (v.Completed()) {
            writer.BeginObject();
            writer.Member("wheel", v.masses.wheel).Member("pinion", v.masses.pinion);
            writer.Member("total", v.masses.total).EndObject();
        } else {
            writer.Null();
        }
        writer.Key("pareto").Boolean(v.pareto);
        // The shafts of a usable variant; a shaft no bearing fits has only its status.
        if (v.shafts && v.shafts->bearingsFit) {
            writer.Member("input_bearing", v.shafts->inputBearing);
            writer.Member("output_bearing", v.shafts->outputBearing);
            writer.Member("bearing_life", v.shafts->bearingLife);
            writer.Member("input_end", v.shafts->inputEnd);
            writer.Member("output_end", v.shafts->outputEnd);
        } else {
            for (const std::string_view key :
                 {"input_bearing", "output_bearing", "bearing_life", "input_end", "output_end"}) {
                writer.Key(key).Null();
            }
        }
        writer.Key("shafts");
        if (v.shafts) {
            writer.String(ShaftsSummaryStatusName(*v.shafts));
        } else {
            writer.Null();
        }
        writer.EndObject();
    }
    writer.EndArray().EndObject();
    return json;
}

int RunExplore(const CommandLine& line, std::ostream& out) {
    const DesignInputs fixed = CheckDesignTexts(line.texts);
    std::vector<std::string> hardness(kDefaultHardnessTexts.begin(), kDefaultHardnessTexts.end());
    if (line.hardnessList) {
        HardnessList list = ParseHardnessList(*line.hardnessList);
        if (list.error) throw InputError("hardness-list", *list.error);
        hardness = std::move(list.texts);
    }
    const std::vector<Variant> variants =
        SearchVariants(fixed, hardness, VariantShafts::Summarised);
    if (line.json) {
        out << ExploreJson(fixed, variants) << '\n';
    } else {
        out << VariantsCsv(fixed, variants);
    }
    for (const Variant& v : variants) {
        if (v.Completed()) return 0;
    }
    return 1;
}

}  // namespace gearpair
