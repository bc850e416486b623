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

#include "app/title_texts.h"
#include "ui/controls.h"

namespace gearpair {

namespace {

// The texts are remembered in the user's settings of the program (on Linux
// ~/.config/gearpair/gearpair.conf), in the group of the title-block texts.
constexpr char kSettingsOwner[] = "gearpair";

QString Key(const char* key) {
    return QString::fromLatin1(key);
}

}  // namespace

DrawingInputs RememberedTitleTexts() {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Key(kSettingsOwner),
                       Key(kSettingsOwner));
    settings.beginGroup(Key(kTitleSettingsGroup));
    DrawingInputs inputs;
    // The designations fall back to their defaults, the other texts to empty ones; so does a
    // text the check of a user's text refuses.
    for (const TitleFieldText& field : kTitleFields) {
        const QString fallback = FromUtf8(TitleText(inputs, field.field));
        const QString text = settings.value(Key(field.key), fallback).toString();
        SetRememberedTitleText(inputs, field.field, text.toStdString());
    }
    return inputs;
}

void RememberTitleTexts(const DrawingInputs& inputs) {
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, Key(kSettingsOwner),
                       Key(kSettingsOwner));
    settings.beginGroup(Key(kTitleSettingsGroup));
    for (const TitleFieldText& field : kTitleFields) {
        settings.setValue(Key(field.key), FromUtf8(TitleText(inputs, field.field)));
    }
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
    for (const TitleFieldText& text : kTitleFields) {
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(text.key));
        auto* caption = new QLabel(QString::fromUtf8(text.label), this);
        caption->setBuddy(field);
        titleRows_.push_back({caption, field});
        connect(field, &QLineEdit::editingFinished, this, &TitleFields::EditingFinished);
        if (text.field == TitleField::Material) {
            field->setPlaceholderText(QString::fromUtf8(kMaterialHint));
            field->setToolTip(QString::fromUtf8(kMaterialTip));
        }
    }
    Arrange();
}

void TitleFields::Arrange() {
    // The first arrangement whose labels and fields fit the strip's width.
    const QMargins margins = titleGrid_->contentsMargins();
    const int spacing = titleGrid_->horizontalSpacing();
    std::size_t chosen = kTitleArrangements.size() - 1;
    for (std::size_t a = 0; a < chosen; ++a) {
        const auto& arrangement = kTitleArrangements[a];
        std::array<int, 3> labels{};
        int columns = 0;
        for (std::size_t i = 0; i < titleRows_.size(); ++i) {
            const int column = arrangement[i].column;
            labels[column] = std::max(labels[column], titleRows_[i].first->sizeHint().width());
            columns = std::max(columns, column + 1);
        }
        int width = margins.left() + margins.right() + (2 * columns - 1) * spacing;
        for (int column = 0; column < columns; ++column) width += labels[column] + kTitleFieldWidth;
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
    std::vector<std::pair<TitlePlace, QLineEdit*>> order;
    for (std::size_t i = 0; i < titleRows_.size(); ++i) {
        const TitlePlace place = kTitleArrangements[chosen][i];
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
    for (std::size_t i = 0; i < titleRows_.size(); ++i) {
        titleRows_[i].second->setText(FromUtf8(TitleText(inputs, kTitleFields[i].field)));
    }
}

DrawingInputs TitleFields::Inputs() const {
    DrawingInputs inputs;
    for (std::size_t i = 0; i < titleRows_.size(); ++i) {
        const std::string text = titleRows_[i].second->text().toStdString();
        CheckTitleText(kTitleFields[i].field, text);
        SetTitleText(inputs, kTitleFields[i].field, text);
    }
    return inputs;
}

}  // namespace gearpair
