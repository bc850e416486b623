// The title-block fields.
#include "ui/title_fields.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "ui/controls.h"

namespace gearpair {

namespace {

// The texts are remembered in the user's settings of the program (on Linux
// ~/.config/gearpair/gearpair.conf), in this group, under these keys.
constexpr char kSettingsOwner[] = "gearpair";
constexpr char kSettingsGroup[] = "drawing";
constexpr char kWheelDesignationKey[] = "wheelDesignation";
constexpr char kPinionDesignationKey[] = "pinionDesignation";
constexpr char kMaterialKey[] = "material";  // empty: the steel chosen by hardness
constexpr char kDeveloperKey[] = "developer";
constexpr char kCheckerKey[] = "checker";
constexpr char kOrganisationKey[] = "organisation";

QString Key(const char* key) {
    return QString::fromLatin1(key);
}

}  // namespace

DrawingInputs RememberedTitleTexts() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Key(kSettingsOwner),
                       Key(kSettingsOwner));
    settings.beginGroup(Key(kSettingsGroup));
    DrawingInputs inputs;
    const auto text = [&](const char* key, const std::string& fallback) {
        return settings.value(Key(key), FromUtf8(fallback)).toString().toStdString();
    };
    inputs.wheelDesignation = text(kWheelDesignationKey, inputs.wheelDesignation);
    inputs.pinionDesignation = text(kPinionDesignationKey, inputs.pinionDesignation);
    if (std::string material = text(kMaterialKey, ""); !material.empty()) {
        inputs.material = std::move(material);
    }
    inputs.developer = text(kDeveloperKey, "");
    inputs.checker = text(kCheckerKey, "");
    inputs.organisation = text(kOrganisationKey, "");
    return inputs;
}

void RememberTitleTexts(const DrawingInputs& inputs) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Key(kSettingsOwner),
                       Key(kSettingsOwner));
    settings.beginGroup(Key(kSettingsGroup));
    settings.setValue(Key(kWheelDesignationKey), FromUtf8(inputs.wheelDesignation));
    settings.setValue(Key(kPinionDesignationKey), FromUtf8(inputs.pinionDesignation));
    settings.setValue(Key(kMaterialKey), FromUtf8(inputs.material.value_or("")));
    settings.setValue(Key(kDeveloperKey), FromUtf8(inputs.developer));
    settings.setValue(Key(kCheckerKey), FromUtf8(inputs.checker));
    settings.setValue(Key(kOrganisationKey), FromUtf8(inputs.organisation));
}

TitleFields::TitleFields(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("titleFields"));
    // The strip takes the window's width and arranges its fields to it, never widening the
    // window beside a dialog.
    setMinimumWidth(1);
    titleGrid_ = new QGridLayout(this);
    titleGrid_->setContentsMargins(8, 6, 8, 6);
    titleGrid_->setHorizontalSpacing(6);
    titleGrid_->setVerticalSpacing(4);
    const auto add = [&](const char* name, const QString& label) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(name));
        auto* caption = new QLabel(label, this);
        caption->setBuddy(field);
        titleRows_.push_back({caption, field});
        connect(field, &QLineEdit::editingFinished, this, &TitleFields::EditingFinished);
        return field;
    };
    wheelDesignation_ = add("wheelDesignation", QStringLiteral("Обозначение колеса"));
    pinionDesignation_ = add("pinionDesignation", QStringLiteral("Обозначение шестерни"));
    material_ = add("material", QStringLiteral("Материал"));
    material_->setPlaceholderText(QStringLiteral("по твёрдости"));
    material_->setToolTip(
        QStringLiteral("Материал колеса и шестерни; пустое поле — сталь, "
                       "выбранная по твёрдости"));
    developer_ = add("developer", QStringLiteral("Разработал"));
    checker_ = add("checker", QStringLiteral("Проверил"));
    organisation_ = add("organisation", QStringLiteral("Организация"));
    Arrange();
}

void TitleFields::Arrange() {
    // The places (row, column) of the fields in the order of titleRows_: two rows of three,
    // three rows of two, one under the other; the first whose labels and fields of kFieldWidth
    // fit the strip's width.
    struct Place {
        int row;
        int column;
    };
    using Arrangement = std::array<Place, 6>;
    static constexpr Arrangement kArrangements[] = {
        {{{0, 0}, {0, 1}, {0, 2}, {1, 0}, {1, 1}, {1, 2}}},
        {{{0, 0}, {0, 1}, {2, 0}, {1, 0}, {1, 1}, {2, 1}}},
        {{{0, 0}, {1, 0}, {4, 0}, {2, 0}, {3, 0}, {5, 0}}}};
    constexpr int kFieldWidth = 100;
    const QMargins margins = titleGrid_->contentsMargins();
    const int spacing = titleGrid_->horizontalSpacing();
    std::size_t chosen = std::size(kArrangements) - 1;
    for (std::size_t a = 0; a < chosen; ++a) {
        const Arrangement& arrangement = kArrangements[a];
        std::array<int, 3> labels{};
        int columns = 0;
        for (std::size_t i = 0; i < titleRows_.size(); ++i) {
            const int column = arrangement[i].column;
            labels[column] = std::max(labels[column], titleRows_[i].first->sizeHint().width());
            columns = std::max(columns, column + 1);
        }
        int width = margins.left() + margins.right() + (2 * columns - 1) * spacing;
        for (int column = 0; column < columns; ++column) width += labels[column] + kFieldWidth;
        if (width <= this->width()) {
            chosen = a;
            break;
        }
    }
    if (static_cast<int>(chosen) == titleArrangement_) return;
    titleArrangement_ = static_cast<int>(chosen);
    for (const auto& [caption, field] : titleRows_) {
        titleGrid_->removeWidget(caption);
        titleGrid_->removeWidget(field);
    }
    for (int column = 0; column < titleGrid_->columnCount(); ++column) {
        titleGrid_->setColumnStretch(column, 0);
    }
    std::vector<std::pair<Place, QLineEdit*>> order;
    for (std::size_t i = 0; i < titleRows_.size(); ++i) {
        const Place place = kArrangements[chosen][i];
        titleGrid_->addWidget(titleRows_[i].first, place.row, 2 * place.column);
        titleGrid_->addWidget(titleRows_[i].second, place.row, 2 * place.column + 1);
        titleGrid_->setColumnStretch(2 * place.column + 1, 1);
        order.emplace_back(place, titleRows_[i].second);
    }
    // The tab goes along the rows.
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        return std::pair(a.first.row, a.first.column) < std::pair(b.first.row, b.first.column);
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1].second, order[i].second);
    }
}

void TitleFields::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void TitleFields::Show(const DrawingInputs& inputs) {
    wheelDesignation_->setText(FromUtf8(inputs.wheelDesignation));
    pinionDesignation_->setText(FromUtf8(inputs.pinionDesignation));
    material_->setText(FromUtf8(inputs.material.value_or("")));
    developer_->setText(FromUtf8(inputs.developer));
    checker_->setText(FromUtf8(inputs.checker));
    organisation_->setText(FromUtf8(inputs.organisation));
}

DrawingInputs TitleFields::Inputs() const {
    DrawingInputs inputs;
    inputs.wheelDesignation = wheelDesignation_->text().toStdString();
    inputs.pinionDesignation = pinionDesignation_->text().toStdString();
    if (!material_->text().trimmed().isEmpty()) inputs.material = material_->text().toStdString();
    inputs.developer = developer_->text().toStdString();
    inputs.checker = checker_->text().toStdString();
    inputs.organisation = organisation_->text().toStdString();
    return inputs;
}

}  // namespace gearpair
