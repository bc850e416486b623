// The shafts window.
#include "ui/shafts_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cctype>
#include <exception>
#include <string>
#include <utility>

#include "app/window_placement.h"
#include "core/errors.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/sheet_view.h"

namespace gearpair {

namespace {

// The window's preferred size, and the least width it takes beside a dialog; the gap between
// them, pixels. The figure is an A4 landscape sheet: at this width it reads without zooming,
// and the tables below it still show whole.
constexpr QSize kPreferredSize(1040, 820);
constexpr int kLeastWidth = 360;
constexpr int kGap = 8;
// The least height of the figure, pixels: the texts of an A4 sheet still read at it.
constexpr int kLeastFigureHeight = 300;
// The height the fields and the tables take at least when they need it, pixels; more scrolls.
constexpr int kLeastLowerHeight = 380;
// What a group's title and headings take, in rows of its table.
constexpr std::size_t kTitleRows = 2;
// The width of a distance field: "1234,56" with room to spare, pixels.
constexpr int kFieldWidth = 90;

constexpr const char* kFieldNames[kShaftFields.size()] = {"endLoadToSupport", "span",
                                                          "gearToSupport", "endLoad"};

std::size_t IndexOf(Shaft shaft) {
    return shaft == Shaft::Input ? 0 : 1;
}

// A cell that shows a number, or the dash of one not known.
bool IsNumber(const std::string& text) {
    return !text.empty() && (std::isdigit(static_cast<unsigned char>(text[0])) != 0 ||
                             text[0] == '-' || text.starts_with("—"));
}

// A group of a shaft's table: its title above a table of its rows, as tall and as wide as its
// cells, read only.
QWidget* GroupTable(const ShaftTableGroup& group) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* title = new QLabel(FromUtf8(group.title));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    auto* table = new QTableWidget(static_cast<int>(group.rows.size()),
                                   static_cast<int>(group.headings.size()));
    table->setObjectName(FromUtf8(group.title));
    QStringList headings;
    for (const std::string& heading : group.headings) headings << FromUtf8(heading);
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->hide();
    for (std::size_t row = 0; row < group.rows.size(); ++row) {
        for (std::size_t column = 0; column < group.rows[row].size(); ++column) {
            auto* item = new QTableWidgetItem(FromUtf8(group.rows[row][column]));
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            // Numbers are read by their digits, right aligned; names from the left.
            item->setTextAlignment(IsNumber(group.rows[row][column])
                                       ? Qt::AlignRight | Qt::AlignVCenter
                                       : Qt::AlignLeft | Qt::AlignVCenter);
            table->setItem(static_cast<int>(row), static_cast<int>(column), item);
        }
    }
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Rows as close as the text allows: the groups are read together under the figure.
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->resizeColumnsToContents();
    // Exactly as large as the headings and the cells: no empty band under the last row.
    int width = 2 * table->frameWidth();
    for (int i = 0; i < table->columnCount(); ++i) width += table->columnWidth(i);
    const int height = 2 * table->frameWidth() + table->horizontalHeader()->sizeHint().height() +
                       table->rowCount() * table->verticalHeader()->defaultSectionSize();
    table->setFixedSize(width, height);
    layout->addWidget(table);
    return box;
}

// The status line: plain when the bearings reach their life, on the warning colours when not.
void ShowStatusLine(QLabel* line, const QString& text, bool warning) {
    line->setText(text);
    // An empty palette takes the window's colours back.
    QPalette palette;
    if (warning) {
        palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
        palette.setColor(QPalette::WindowText, QColor(0x80, 0x20, 0x00));
    }
    line->setAutoFillBackground(warning);
    line->setPalette(palette);
}

}  // namespace

ShaftsWindow::ShaftsWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Shafts"));
    setWindowTitle(FromUtf8(kShaftsWindowTitle));
    resize(kPreferredSize);

    status_ = new QLabel;
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    status_->setMargin(6);
    QFont statusFont = status_->font();
    statusFont.setBold(true);
    status_->setFont(statusFont);

    reason_ = new QLabel;
    reason_->setObjectName(QStringLiteral("reason"));
    reason_->setWordWrap(true);
    reason_->setTextFormat(Qt::PlainText);
    reason_->setAlignment(Qt::AlignCenter);
    reason_->setMargin(24);
    reason_->hide();

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabs"));
    for (const Shaft shaft : {Shaft::Input, Shaft::Output}) {
        Page& page = pages_[IndexOf(shaft)] = MakePage(shaft);
        tabs_->addTab(page.page, FromUtf8(ShaftName(shaft)));
    }

    saveFigures_ = new QPushButton(FromUtf8(kSaveShaftFiguresText));
    saveFigures_->setObjectName(QStringLiteral("saveFigures"));
    connect(saveFigures_, &QPushButton::clicked, this, &ShaftsWindow::SaveFiguresClick);
    saveRtf_ = new QPushButton(FromUtf8(kSaveShaftsRtfText));
    saveRtf_->setObjectName(QStringLiteral("saveRtf"));
    connect(saveRtf_, &QPushButton::clicked, this, &ShaftsWindow::SaveRtfClick);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 6);
    buttons->addStretch(1);
    buttons->addWidget(saveFigures_);
    buttons->addWidget(saveRtf_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(status_);
    layout->addWidget(tabs_, 1);
    layout->addWidget(reason_, 1);
    layout->addLayout(buttons);
    ShowReason(QString());
}

ShaftsWindow::Page ShaftsWindow::MakePage(Shaft shaft) {
    Page page;
    page.page = new QWidget;
    page.page->setObjectName(shaft == Shaft::Input ? QStringLiteral("input")
                                                   : QStringLiteral("output"));
    page.figure = new SheetView;
    page.figure->setObjectName(QStringLiteral("figure"));

    // Below the figure: the distance fields, two to a row, then the table groups.
    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(8, 8, 8, 8);
    lowerLayout->setSpacing(10);
    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(4);
    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        auto* edit = new QLineEdit;
        edit->setObjectName(QString::fromLatin1(kFieldNames[i]));
        edit->setFixedWidth(kFieldWidth);
        edit->setAlignment(Qt::AlignRight);
        auto* label = new QLabel(FromUtf8(ShaftFieldLabel(kShaftFields[i])));
        label->setBuddy(edit);
        const int row = static_cast<int>(i / 2);
        const int column = static_cast<int>(i % 2) * 3;
        fields->addWidget(label, row, column);
        fields->addWidget(edit, row, column + 1);
        connect(edit, &QLineEdit::returnPressed, this, [this, shaft] { ApplyFields(shaft); });
        page.fields[i] = edit;
    }
    fields->setColumnMinimumWidth(2, 24);
    fields->setColumnStretch(5, 1);
    lowerLayout->addLayout(fields);
    page.tablesLayout = new QVBoxLayout;
    page.tablesLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addLayout(page.tablesLayout);
    lowerLayout->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(lower);

    page.scroll = scroll;
    page.lower = lower;

    // The figure takes what the fields and the tables leave; they take no more than they need.
    auto* layout = new QVBoxLayout(page.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    page.figure->setMinimumHeight(kLeastFigureHeight);
    layout->addWidget(page.figure, 1);
    layout->addWidget(scroll);
    return page;
}

void ShaftsWindow::SetDesign(const TGearDesign& design, const DesignProducts& products,
                             std::uint8_t arrangement) {
    view_.reset();
    try {
        view_.emplace(design, products, arrangement);
    } catch (const std::exception& error) {
        ShowReason(FromUtf8(error.what()));
        return;
    }
    if (!view_->HasShafts()) {
        ShowReason(FromUtf8(view_->Reason()));
        return;
    }
    try {
        ShowShaft(Shaft::Input, false);
        ShowShaft(Shaft::Output, false);
    } catch (const std::exception& error) {
        // The figures need the drafting font; without it there is nothing to show.
        ShowReason(FromUtf8(error.what()));
        return;
    }
    ShowStatus();
    reason_->hide();
    status_->show();
    tabs_->show();
    saveFigures_->setEnabled(true);
    saveRtf_->setEnabled(true);
}

void ShaftsWindow::ShowReason(const QString& reason) {
    for (Page& page : pages_) {
        page.figure->SetSheet(nullptr);
        page.tab = ShaftTab{};
        delete page.tables;
        page.tables = nullptr;
        for (QLineEdit* field : page.fields) field->clear();
    }
    tabs_->hide();
    status_->hide();
    reason_->setText(reason);
    reason_->setVisible(!reason.isEmpty());
    saveFigures_->setEnabled(false);
    saveRtf_->setEnabled(false);
}

void ShaftsWindow::Clear() {
    close();
    view_.reset();
    ShowReason(QString());
}

void ShaftsWindow::ShowShaft(Shaft shaft, bool keepTypedFields) {
    Page& page = pages_[IndexOf(shaft)];
    ShaftTab tab = view_->Tab(shaft);
    page.tab = std::move(tab);
    page.figure->SetSheet(&page.tab.figure);

    // The groups side by side, a short one under the one before it while the two together are
    // no taller than the tallest: the tables take little height under the figure.
    auto* tables = new QWidget;
    auto* columns = new QHBoxLayout(tables);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(24);
    std::size_t tallest = 0;
    for (const ShaftTableGroup& group : page.tab.table) {
        tallest = std::max(tallest, group.rows.size() + kTitleRows);
    }
    QVBoxLayout* column = nullptr;
    std::size_t columnRows = 0;
    for (const ShaftTableGroup& group : page.tab.table) {
        const std::size_t rows = group.rows.size() + kTitleRows;
        if (!column || columnRows + rows > tallest) {
            if (column) column->addStretch(1);
            column = new QVBoxLayout;
            column->setSpacing(10);
            columns->addLayout(column);
            columnRows = 0;
        }
        column->addWidget(GroupTable(group), 0, Qt::AlignLeft);
        columnRows += rows;
    }
    if (column) column->addStretch(1);
    columns->addStretch(1);
    delete page.tables;
    page.tables = tables;
    page.tablesLayout->addWidget(tables);
    // Added to a shown tab, the tables would wait for the next event to show, and until then
    // count for nothing in the height below.
    tables->show();
    // The scroll area's own size hint stays that of its first contents: its height is set,
    // from the contents' layout asked again now rather than at the next event.
    page.lower->layout()->invalidate();
    const int needed = page.lower->sizeHint().height();
    page.scroll->setMaximumHeight(needed);
    page.scroll->setMinimumHeight(std::min(needed, kLeastLowerHeight));

    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        QLineEdit* field = page.fields[i];
        if (keepTypedFields && field->isModified()) continue;
        field->setText(FromUtf8(page.tab.fieldTexts[i]));
        field->setModified(false);
    }
}

void ShaftsWindow::ShowStatus() {
    ShowStatusLine(status_, FromUtf8(view_->StatusLine()),
                   view_->Shafts().status != ShaftsStatus::Ok);
}

void ShaftsWindow::ApplyFields(Shaft shaft) {
    if (!view_ || !view_->HasShafts()) return;
    Page& page = pages_[IndexOf(shaft)];
    std::array<std::string, kShaftFields.size()> texts;
    for (std::size_t i = 0; i < kShaftFields.size(); ++i) {
        texts[i] = page.fields[i]->text().toStdString();
    }
    std::optional<std::string> message;
    try {
        message = view_->ApplyFields(shaft, texts);
    } catch (const std::exception& error) {
        message = error.what();
    }
    if (message) {
        // The typed texts stay in the fields for the user to correct.
        ShowErrorBox(this, *message);
        return;
    }
    try {
        for (QLineEdit* field : page.fields) field->setModified(false);
        // The other shaft's tab follows too, keeping what the user has typed there.
        ShowShaft(Shaft::Input, true);
        ShowShaft(Shaft::Output, true);
    } catch (const std::exception& error) {
        ShowErrorBox(this, error.what());
    }
    ShowStatus();
}

void ShaftsWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void ShaftsWindow::ShowBeside(QWidget& dialog) {
    ShowBesideDialog(*this, dialog, kPreferredSize, kLeastWidth, kGap);
}

void ShaftsWindow::SaveFiguresClick() {
    if (!view_ || !view_->HasShafts()) return;
    const QString dir = QFileDialog::getExistingDirectory(
        this, FromUtf8(kSaveShaftFiguresText).chopped(3), directory_);
    if (!dir.isEmpty()) SaveFigures(dir);
}

void ShaftsWindow::SaveRtfClick() {
    if (!view_ || !view_->HasShafts()) return;
    const QString start = directory_.isEmpty()
                              ? FromUtf8(kShaftsRtfName)
                              : directory_ + QLatin1Char('/') + FromUtf8(kShaftsRtfName);
    const QString file = QFileDialog::getSaveFileName(this, FromUtf8(kSaveShaftsRtfText).chopped(3),
                                                      start, QStringLiteral("RTF (*.rtf)"));
    if (!file.isEmpty()) SaveRtf(file);
}

bool ShaftsWindow::SaveFigures(const QString& dir) {
    directory_ = dir;
    ShaftFigureFiles files;
    try {
        files = view_->SaveFigures(dir.toStdString());
    } catch (const Error& error) {
        files.error = error.what();
    }
    if (files.error.empty()) return true;
    ShowErrorBox(this, files.error);
    return false;
}

bool ShaftsWindow::SaveRtf(const QString& file) {
    directory_ = QFileInfo(file).absolutePath();
    try {
        view_->SaveRtf(file.toStdString());
    } catch (const Error& error) {
        ShowErrorBox(this, error.what());
        return false;
    }
    return true;
}

void ShaftsWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace gearpair
