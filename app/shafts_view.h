// What the shafts window "Валы и подшипники" shows and does, the same in both desktop
// programs: the shafts of the shown design with the user's distances, one tab per shaft with its
// figure, its table and its fields, the status line, and the saving of the figures and the
// report. The windows only paint it and forward the user's input.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/shafts_texts.h"
#include "drawing/shaft_figures.h"
#include "drawing/sheet.h"
#include "engine/design_products.h"
#include "engine/gear_design.h"
#include "engine/shafts.h"

namespace gearpair {

inline constexpr std::string_view kShaftsWindowTitle = "Валы и подшипники";
inline constexpr std::string_view kShaftsButtonText = "Валы...";
inline constexpr std::string_view kSaveShaftFiguresText = "Сохранить рисунки...";
inline constexpr std::string_view kSaveShaftsRtfText = "Сохранить расчёт RTF...";
inline constexpr std::string_view kShaftsRtfName = "shafts.rtf";

// One tab of the window.
struct ShaftTab {
    std::string title;  // "Входной вал"
    Sheet figure;
    std::vector<ShaftTableGroup> table;
    std::array<std::string, kShaftFields.size()> fieldTexts;
};

class ShaftsView {
public:
    // The shafts of a completed design; a design that has none (its pair cannot be made, or its
    // shafts are thicker than the bearings) keeps the reason instead.
    ShaftsView(const TGearDesign& design, const DesignProducts& products, std::uint8_t arrangement);

    bool HasShafts() const { return shafts_.has_value(); }
    // Why there are no shafts; empty when there are.
    const std::string& Reason() const { return reason_; }
    const ShaftsDesign& Shafts() const { return *shafts_; }

    // "Долговечность подшипников обеспечена" or why not.
    std::string StatusLine() const;

    // The tab of a shaft: its figure, table and the distances now used as the fields' texts.
    ShaftTab Tab(Shaft shaft) const;

    // Enter in a field of a shaft's tab: the four texts are read and the shafts designed again
    // with them. Returns the message for a text that is not accepted or for distances the
    // shaft cannot have; the shafts and the user's distances stay as they were then.
    std::optional<std::string> ApplyFields(
        Shaft shaft, const std::array<std::string, kShaftFields.size()>& texts);

    // Writes the four figures into `dir`; the files written and the failure's message.
    ShaftFigureFiles SaveFigures(const std::string& dir) const;

    // Writes the shafts' report as RTF to `file`. Throws Error with the file layer's message.
    void SaveRtf(const std::string& file) const;

private:
    TGearDesign design_;
    DesignProducts products_;
    std::uint8_t arrangement_;
    ShaftsOptions options_;
    std::optional<ShaftsDesign> shafts_;
    std::string reason_;
};

}  // namespace gearpair
