// The shafts window's state and actions.
#include "app/shafts_view.h"

#include "app/design_texts.h"
#include "engine/shaft_layout.h"
#include "files/file_ops.h"
#include "files/rtf_writer.h"

namespace gearpair {

ShaftsView::ShaftsView(const TGearDesign& design, const DesignProducts& products,
                       std::uint8_t arrangement)
    : design_(design), products_(products), arrangement_(arrangement) {
    if (!products.buildable) {
        reason_ =
            products.warnings.empty() ? std::string() : WarningTexts(products.warnings).front();
        return;
    }
    try {
        shafts_ = DesignShafts(design_, products_, arrangement_, options_);
    } catch (const ShaftBeyondBearings& e) {
        reason_ = ShaftBeyondBearingsMessage(e);
    }
}

std::string ShaftsView::StatusLine() const {
    if (!shafts_) return reason_;
    const std::vector<std::string> report = ShaftsReport(*shafts_);
    // The report's last section is the status: its first line.
    for (std::size_t i = report.size(); i-- > 1;) {
        if (report[i - 1].starts_with("---")) return report[i];
    }
    return report.empty() ? std::string() : report.back();
}

ShaftTab ShaftsView::Tab(Shaft shaft) const {
    const ShaftDesign& s = shaft == Shaft::Input ? shafts_->input : shafts_->output;
    ShaftTab tab;
    tab.title = std::string(ShaftName(shaft));
    tab.figure = ShaftFigure(s);
    tab.table = ShaftTable(s, shafts_->plannedLife);
    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        tab.fieldTexts[i] = ShaftFieldText(s.distances, kShaftFields[i]);
    }
    return tab;
}

std::optional<std::string> ShaftsView::ApplyFields(
    Shaft shaft, const std::array<std::string, kShaftFields.size()>& texts) {
    ShaftsOptions options = options_;
    ShaftOverrides& overrides = shaft == Shaft::Input ? options.input : options.output;
    const ShaftDesign& now = shaft == Shaft::Input ? shafts_->input : shafts_->output;
    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        // A field left as shown keeps the distance it shows, to the digit it was computed to.
        if (texts[i] == ShaftFieldText(now.distances, kShaftFields[i])) continue;
        if (std::optional<std::string> message =
                ReadShaftField(kShaftFields[i], texts[i], overrides)) {
            return message;
        }
    }
    try {
        ShaftsDesign shafts = DesignShafts(design_, products_, arrangement_, options);
        options_ = options;
        shafts_ = std::move(shafts);
    } catch (const ShaftLayoutError& e) {
        return ShaftLayoutMessage(e);
    } catch (const ShaftBeyondBearings& e) {
        return ShaftBeyondBearingsMessage(e);
    }
    return std::nullopt;
}

ShaftFigureFiles ShaftsView::SaveFigures(const std::string& dir) const {
    return WriteShaftFigures(*shafts_, dir);
}

void ShaftsView::SaveRtf(const std::string& file) const {
    ReplaceFileAtomically(file, ReportToRtf(ShaftsReport(*shafts_)), file);
}

}  // namespace gearpair
