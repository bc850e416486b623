// The results dialog.
#include "ui/form_d.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <string>

#include "app/session_run.h"
#include "app/shafts_view.h"
#include "engine/design_run.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form_b.h"
#include "ui/pictures.h"

namespace gearpair {

namespace {

// The dialog's width, the top of its buttons and the left of its heading, pixels.
constexpr int kWidth = 413;
constexpr int kButtonsTop = 192;
constexpr int kHeadlineLeft = 112;

}  // namespace

TFormD::TFormD(TFormB& details, QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),  // no title-bar buttons
      details_(details) {
    setObjectName(QStringLiteral("FormD"));
    setWindowTitle(QStringLiteral("Расчёты завершены"));
    setFont(FormFont(11));
    setFixedSize(413, 227);
    // Blocks the input form only, so that the details window opened from here stays usable.
    setWindowModality(Qt::WindowModal);

    headline_ = AddLabel(this, "Label1", QString(), kHeadlineLeft, 8);
    headline_->setFont(FormFont(13));
    // Label2 to Label7: the captions of the six results, 24 pixels apart; Label8 to Label13
    // beside them: their values.
    for (std::size_t row = 0; row < kResultFields.size(); ++row) {
        AddLabel(this, ("Label" + std::to_string(row + 2)).c_str(),
                 FromUtf8(kResultFields[row].caption), 40, 40 + 24 * static_cast<int>(row));
    }
    for (std::size_t row = 0; row < kResultFields.size(); ++row) {
        values_[row] = AddLabel(this, ("Label" + std::to_string(row + 8)).c_str(), QString(), 328,
                                40 + 24 * static_cast<int>(row));
    }

    BitBtn1 = new QPushButton(CheckMarkIcon(), QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(168, 192, 75, 25);
    BitBtn1->setToolTip(QStringLiteral("Нажмите OK для получения чертежей"));
    BitBtn1->setCursor(Qt::PointingHandCursor);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TFormD::BitBtn1Click);

    BitBtn2 = new QPushButton(QStringLiteral("Подробно..."), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(336, 192, 75, 25);
    connect(BitBtn2, &QPushButton::clicked, this, &TFormD::BitBtn2Click);
    setTabOrder(BitBtn1, BitBtn2);

    // The lower-left corner mirrors "Подробно..." in the lower-right one.
    BitBtn3 = new QPushButton(QStringLiteral("Чертежи..."), this);
    BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    BitBtn3->setGeometry(2, 192, 75, 25);
    connect(BitBtn3, &QPushButton::clicked, this, &TFormD::DrawingsRequested);
    setTabOrder(BitBtn2, BitBtn3);

    shaftsButton_ = new QPushButton(FromUtf8(kShaftsButtonText), this);
    shaftsButton_->setObjectName(QStringLiteral("shaftsButton"));
    shaftsButton_->setGeometry(80, 192, 75, 25);
    connect(shaftsButton_, &QPushButton::clicked, this, &TFormD::ShaftsRequested);
    setTabOrder(BitBtn3, shaftsButton_);

    // The design's warnings, each in a line of its own between the results and the buttons;
    // hidden when there are none.
    warning_ = new QLabel(this);
    warning_->setObjectName(QStringLiteral("LabelWarning"));
    warning_->setWordWrap(true);
    QPalette palette = warning_->palette();
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x20, 0x00));
    warning_->setPalette(palette);
    warning_->hide();
}

void TFormD::Execute(const SessionRun& run) {
    // A heading wider than its place to the right is centred; a pair that cannot be made is
    // headed in the colour of its warning.
    headline_->setText(FromUtf8(ResultsHeading(run.status)));
    headline_->resize(headline_->sizeHint());
    headline_->move(std::min(kHeadlineLeft, (kWidth - headline_->width()) / 2), 8);
    headline_->setPalette(run.status == JobStatus::Unbuildable ? warning_->palette() : QPalette());
    for (std::size_t row = 0; row < kResultFields.size(); ++row) {
        values_[row]->setText(QString::fromStdString(run.outcome.results.*kResultFields[row].text));
        values_[row]->resize(values_[row]->sizeHint());
    }
    QStringList lines;
    for (const std::string& warning : run.warnings) lines << FromUtf8(warning);
    BitBtn3->setIcon(lines.isEmpty() ? QIcon()
                                     : style()->standardIcon(QStyle::SP_MessageBoxWarning));
    BitBtn3->setToolTip(lines.join(QLatin1Char('\n')));
    // The buttons move down under the warning lines, the dialog grows with them.
    int extra = 0;
    warning_->setText(lines.join(QLatin1Char('\n')));
    warning_->setVisible(!lines.isEmpty());
    if (!lines.isEmpty()) {
        const int height = warning_->heightForWidth(kWidth - 16);
        warning_->setGeometry(8, kButtonsTop - 6, kWidth - 16, height);
        extra = height + 6;
    }
    for (QPushButton* button : {BitBtn1, BitBtn2, BitBtn3, shaftsButton_}) {
        button->move(button->x(), kButtonsTop + extra);
    }
    setFixedSize(kWidth, 227 + extra);
    move(screen()->availableGeometry().center() - rect().center());
    BitBtn1->setFocus();
    exec();
}

void TFormD::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TFormD::BitBtn1Click() {
    accept();
    emit EndProgramRequested();
}

void TFormD::BitBtn2Click() {
    details_.ShowInFront();
}

}  // namespace gearpair
