// The variants as a table model.
#include "ui/variants_model.h"

#include <QBrush>
#include <QFont>

#include "app/variant_window_table.h"
#include "ui/controls.h"

namespace gearpair {

int VariantsModel::ColumnOf(VariantColumn column) {
    return VariantWindowColumnOf(column);
}

void VariantsModel::SetVariants(std::vector<Variant> variants, std::optional<std::size_t> current) {
    beginResetModel();
    variants_ = std::move(variants);
    current_ = current;
    endResetModel();
}

int VariantsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(variants_.size());
}

int VariantsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(VariantWindowColumns().size());
}

QVariant VariantsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Variant& v = variants_[static_cast<std::size_t>(index.row())];
    const VariantColumn column =
        VariantWindowColumns()[static_cast<std::size_t>(index.column())].column;
    const bool current = current_ == static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return FromUtf8(VariantWindowCell(v, column));
        case kSortRole:
            return VariantSortKey(v, column);
        case Qt::FontRole:
            if (v.pareto || current) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            if (current) return QBrush(QColor(255, 236, 160));
            if (v.pareto) return QBrush(QColor(214, 230, 250));
            return {};
        case Qt::TextAlignmentRole:
            if (column == VariantColumn::Message || column == VariantColumn::Pareto) {
                return QVariant::fromValue(Qt::AlignCenter | Qt::AlignVCenter);
            }
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case Qt::ToolTipRole:
            if (current) return QStringLiteral("Вариант, заданный в окне ввода");
            return {};
        default:
            return {};
    }
}

QVariant VariantsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return FromUtf8(VariantWindowColumns()[static_cast<std::size_t>(section)].caption);
}

}  // namespace gearpair
