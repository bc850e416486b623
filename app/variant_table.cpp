// The table of a variant search.
#include "app/variant_table.h"

#include "app/design_texts.h"
#include "app/shafts_texts.h"
#include "core/csv.h"
#include "core/errors.h"
#include "core/format_fixed.h"
#include "engine/design_run.h"

namespace gearpair {

namespace {

// As the report prints a value.
std::string Shown(double value) {
    return FormatFixed(value, 8, 3, ',');
}

}  // namespace

std::string VariantCell(const Variant& v, VariantColumn column) {
    switch (column) {
        case VariantColumn::Width:
            return std::string(kWidthTexts[v.widthItem]);
        case VariantColumn::Helix:
            return std::string(kHelixTexts[v.helixItem]);
        case VariantColumn::Hardness:
            return v.hardness;
        case VariantColumn::Status:
            return std::string(StatusName(VariantStatus(v)));
        case VariantColumn::Pareto:
            return v.pareto ? "1" : "0";
        case VariantColumn::Message:
            if (v.end == QuietEnd::Failed) return ErrorBoxText(v.message);
            if (v.Completed() && !v.buildable) return WarningText(v.warnings.front());
            return v.message;
        default:
            break;
    }
    if (!v.Completed()) return {};
    TGearDesign d;  // aw, mn, z1 and z2 as the results dialog shows them
    d.aw = v.aw;
    d.mn = v.mn;
    d.z1 = v.z1;
    d.z2 = v.z2;
    switch (column) {
        case VariantColumn::Aw:
            return FormatResults(d, ',').aw;
        case VariantColumn::Mn:
            return FormatResults(d, ',').mn;
        case VariantColumn::Z1:
            return FormatResults(d, ',').z1;
        case VariantColumn::Z2:
            return FormatResults(d, ',').z2;
        case VariantColumn::Bw:
            return Shown(v.bw);
        case VariantColumn::Bkol:
            return Shown(v.bkol);
        case VariantColumn::ContactMargin:
            return MarginPercentText(v.contactMargin);
        case VariantColumn::BendingMargin:
            return MarginPercentText(v.bendingMargin);
        case VariantColumn::Ea:
            return Shown(v.ea);
        case VariantColumn::V:
            return Shown(v.v);
        case VariantColumn::MassWheel:
            return Shown(v.masses.wheel);
        case VariantColumn::MassPinion:
            return Shown(v.masses.pinion);
        case VariantColumn::MassTotal:
            return Shown(v.masses.total);
        default:
            return {};
    }
}

std::string_view ShaftsSummaryStatusName(const ShaftsSummary& shafts) {
    return shafts.bearingsFit ? ShaftsStatusName(shafts.status) : "no bearing";
}

void AppendShaftsCells(std::string& out, const std::optional<ShaftsSummary>& shafts) {
    if (!shafts) {
        out += ";;;;;;";
        return;
    }
    if (shafts->bearingsFit) {
        out += ';';
        out += shafts->inputBearing;
        out += ';';
        out += shafts->outputBearing;
        out += ';';
        AppendFixed(out, shafts->bearingLife, 8, 1, ',');
        out += ';';
        AppendFixed(out, shafts->inputEnd, 8, 3, ',');
        out += ';';
        AppendFixed(out, shafts->outputEnd, 8, 3, ',');
    } else {
        out += ";;;;;";
    }
    out += ';';
    out += ShaftsSummaryStatusName(*shafts);
}

std::string VariantsCsv(const DesignInputs& fixed, std::span<const Variant> variants) {
    std::string text = "ratio;power;speed;hardness;life;width;helix;arrangement";
    for (const VariantColumnName& name : kVariantColumns) {
        if (name.column < VariantColumn::Status) continue;  // among the inputs
        text += ';';
        text += name.key;
    }
    for (const std::string_view key : kShaftsColumnKeys) {
        text += ';';
        text += key;
    }
    text += '\n';
    const std::string arrangement = std::to_string(fixed.arrangement);
    for (const Variant& v : variants) {
        const std::string width = VariantCell(v, VariantColumn::Width);
        const std::string helix = VariantCell(v, VariantColumn::Helix);
        for (const std::string* input : {&fixed.uzText, &fixed.powerText, &fixed.nwText,
                                         &v.hardness, &fixed.tText, &width, &helix, &arrangement}) {
            text += CsvField(*input);
            text += ';';
        }
        for (const VariantColumnName& name : kVariantColumns) {
            if (name.column < VariantColumn::Status) continue;
            if (name.column != VariantColumn::Status) text += ';';
            text += CsvField(VariantCell(v, name.column));
        }
        // A search made without the shafts (the variants window's) gets them here.
        if (v.Usable() && !v.shafts) {
            AppendShaftsCells(text, VariantShaftsSummary(fixed, v));
        } else {
            AppendShaftsCells(text, v.shafts);
        }
        text += '\n';
    }
    return text;
}

}  // namespace gearpair
