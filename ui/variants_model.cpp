// The variants as a table model.
#include "ui/variants_model.h"

#include <QBrush>
#include <QFont>

#include <limits>

#include "core/numbers.h"
#include "ui/controls.h"

namespace gearpair {

namespace {

// The window's columns: the search's table without its status (the message says it).
std::vector<VariantColumnName> WindowColumns() {
    std::vector<VariantColumnName> columns;
    for (const VariantColumnName& name : kVariantColumns) {
        if (name.column != VariantColumn::Status) columns.push_back(name);
    }
    return columns;
}

double SortKey(const Variant& v, VariantColumn column) {
    constexpr double kMissing = std::numeric_limits<double>::infinity();
    switch (column) {
        case VariantColumn::Width:
            return static_cast<double>(v.widthItem);
        case VariantColumn::Helix:
            return static_cast<double>(v.helixItem);
        case VariantColumn::Hardness: {
            double value = 0;
            return TryTextToFloat(v.hardness, ',', value) ? value : kMissing;
        }
        case VariantColumn::Pareto:
            return v.pareto ? 0 : 1;  // the set first
        case VariantColumn::Message:
        case VariantColumn::Status:
            return v.Completed() ? 0 : 1;
        default:
            break;
    }
    if (!v.Completed()) return kMissing;
    switch (column) {
        case VariantColumn::Aw:
            return v.aw;
        case VariantColumn::Mn:
            return v.mn;
        case VariantColumn::Z1:
            return v.z1;
        case VariantColumn::Z2:
            return v.z2;
        case VariantColumn::Bw:
            return v.bw;
        case VariantColumn::Bkol:
            return v.bkol;
        case VariantColumn::ContactMargin:
            return v.contactMargin;
        case VariantColumn::BendingMargin:
            return v.bendingMargin;
        case VariantColumn::Ea:
            return v.ea;
        case VariantColumn::V:
            return v.v;
        case VariantColumn::MassWheel:
            return v.masses.wheel;
        case VariantColumn::MassPinion:
            return v.masses.pinion;
        default:
            return v.masses.total;
    }
}

}  // namespace

int VariantsModel::ColumnOf(VariantColumn column) {
    const std::vector<VariantColumnName> columns = WindowColumns();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (columns[i].column == column) return static_cast<int>(i);
    }
    return -1;
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
    return parent.isValid() ? 0 : static_cast<int>(WindowColumns().size());
}

QVariant VariantsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const Variant& v = variants_[static_cast<std::size_t>(index.row())];
    const VariantColumn column = WindowColumns()[static_cast<std::size_t>(index.column())].column;
    const bool current = current_ == static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
            if (column == VariantColumn::Pareto) return v.pareto ? QStringLiteral("●") : QString();
            return FromUtf8(VariantCell(v, column));
        case kSortRole:
            return SortKey(v, column);
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
    return FromUtf8(WindowColumns()[static_cast<std::size_t>(section)].caption);
}

}  // namespace gearpair
