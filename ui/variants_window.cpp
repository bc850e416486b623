// The variants window.
#include "ui/variants_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

#include "app/form_variants.h"
#include "app/variant_table.h"
#include "files/file_ops.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/message_box.h"
#include "ui/variant_plot.h"

namespace gearpair {

VariantsWindow::VariantsWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), proxy_(new QSortFilterProxyModel(this)) {
    setObjectName(QStringLiteral("VariantsWindow"));
    setWindowTitle(QStringLiteral("Варианты"));
    setFont(FormFont(11));

    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("summary"));
    summary_->setWordWrap(true);

    proxy_->setSourceModel(&model_);
    proxy_->setSortRole(VariantsModel::kSortRole);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setModel(proxy_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(-1, Qt::AscendingOrder);  // search order until a heading is clicked
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(20);
    // Widths fitted to the first rows (one round of the hardness list) once per search:
    // fitting all of them, or more of them, would measure every cell again and delay the
    // window's first paint.
    table_->horizontalHeader()->setResizeContentsPrecision(14);
    table_->horizontalHeader()->setStretchLastSection(true);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { OnCurrentRowChanged(current); });
    // Only the user's click (or Enter) on a row hands its inputs to the form: the selection
    // the window makes itself, and the keys that move it, leave the form as it is.
    for (auto signal : {&QAbstractItemView::clicked, &QAbstractItemView::activated}) {
        connect(table_, signal, this, [this](const QModelIndex& index) {
            if (index.isValid())
                ChooseRow(static_cast<std::size_t>(proxy_->mapToSource(index).row()));
        });
    }

    plot_ = new VariantPlot(this);
    connect(plot_, &VariantPlot::VariantClicked, this, &VariantsWindow::SelectVariant);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(plot_);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);

    auto* exportButton = new QPushButton(QStringLiteral("Сохранить CSV..."), this);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    connect(exportButton, &QPushButton::clicked, this, &VariantsWindow::ExportCsv);
    auto* closeButton = new QPushButton(QStringLiteral("Закрыть"), this);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    auto* hint =
        new QLabel(QStringLiteral("Выберите строку или точку: её значения перейдут в окно ввода, "
                                  "OK рассчитает вариант."),
                   this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint, 1);
    buttons->addWidget(exportButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    // The usual size, never larger than the screen's free area (1024 x 768 keeps the whole
    // window on the screen).
    QSize size(1240, 860);
    if (const QScreen* shown = screen()) {
        const QSize room = shown->availableGeometry().size() - QSize(16, 48);
        size = size.boundedTo(room).expandedTo(minimumSizeHint());
    }
    resize(size);
}

void VariantsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void VariantsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The whole window on the screen, wherever the window system put it.
    if (const QScreen* shown = screen()) {
        const QRect room = shown->availableGeometry();
        const QRect frame = frameGeometry();
        if (!room.contains(frame)) {
            move(std::clamp(frame.left(), room.left(),
                            std::max(room.left(), room.right() + 1 - frame.width())),
                 std::clamp(frame.top(), room.top(),
                            std::max(room.top(), room.bottom() + 1 - frame.height())));
        }
    }
    // The viewport has its size only now: the current design's row comes into view.
    if (const QModelIndex current = table_->currentIndex(); current.isValid()) {
        table_->scrollTo(current, QAbstractItemView::PositionAtCenter);
    }
}

void VariantsWindow::Search(const DesignInputs& form) {
    fixed_ = form;
    FormVariants found = SearchFormVariants(form);
    summary_->setText(FromUtf8(FormVariantsSummary(form, found.variants)));
    model_.SetVariants(std::move(found.variants), found.current);
    table_->resizeColumnsToContents();
    plot_->SetVariants(model_.Variants(), found.current);
    // The form's design selected and in view; the form is left as it is.
    if (found.current) ShowRow(*found.current);
}

void VariantsWindow::SelectVariant(std::size_t row) {
    ShowRow(row);
    ChooseRow(row);
}

void VariantsWindow::ShowRow(std::size_t row) {
    const QModelIndex index = proxy_->mapFromSource(model_.index(static_cast<int>(row), 0));
    table_->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    table_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void VariantsWindow::ChooseRow(std::size_t row) {
    emit VariantChosen(VariantInputs(fixed_, model_.Variants()[row]));
}

void VariantsWindow::OnCurrentRowChanged(const QModelIndex& current) {
    if (!current.isValid()) return;
    const auto row = static_cast<std::size_t>(proxy_->mapToSource(current).row());
    plot_->SetChosen(row);
}

void VariantsWindow::ExportCsv() {
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить варианты"),
                                                      QStringLiteral("variants.csv"),
                                                      QStringLiteral("Таблицы CSV (*.csv)"));
    if (file.isEmpty()) return;
    const std::string path = file.toStdString();
    try {
        ReplaceFileAtomically(path, VariantsCsv(fixed_, model_.Variants()), path);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error.what());
    }
}

}  // namespace gearpair
