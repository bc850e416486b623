// The variants of a search as a table model for the variants window: the columns of the
// search's table but its status, with a sort key of each cell by value, the Pareto set and
// the input form's design marked.
#pragma once

#include <QAbstractTableModel>

#include <optional>
#include <vector>

#include "app/variant_table.h"
#include "engine/variant_search.h"

namespace gearpair {

// The variants as a table: the columns of the search's table but its status, in that order.
class VariantsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The role of a cell's sort key: the number behind the text (a missing figure sorts after
    // every number), the list position for the width and helix.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // The model's column of a column of the search's table; -1 for the status.
    static int ColumnOf(VariantColumn column);

    void SetVariants(std::vector<Variant> variants, std::optional<std::size_t> current);
    const std::vector<Variant>& Variants() const { return variants_; }
    std::optional<std::size_t> Current() const { return current_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<Variant> variants_;
    std::optional<std::size_t> current_;  // the form's design among the variants
};

}  // namespace gearpair
