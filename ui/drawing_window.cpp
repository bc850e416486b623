// The drawing window.
#include "ui/drawing_window.h"

#include <QAction>
#include <QCursor>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "drawing/dxf_writer.h"
#include "drawing/sheet_painter.h"
#include "ui/controls.h"
#include "ui/message_box.h"
#include "ui/profile_tab.h"
#include "ui/sheet_view.h"

namespace gearpair {

namespace {

struct FileKindText {
    const char* suffix;
    const char* caption;
    const char* filter;
};

FileKindText TextsOf(DrawingWindow::FileKind kind) {
    switch (kind) {
        case DrawingWindow::FileKind::Dxf:
            return {"dxf", "Сохранить DXF", "Чертёж DXF (*.dxf)"};
        case DrawingWindow::FileKind::Pdf:
            return {"pdf", "Сохранить PDF", "Документ PDF (*.pdf)"};
        case DrawingWindow::FileKind::Svg:
            return {"svg", "Сохранить SVG", "Рисунок SVG (*.svg)"};
    }
    return {"dxf", "Сохранить DXF", "Чертёж DXF (*.dxf)"};
}

// The line of a part's warnings, hidden while there are none.
QLabel* WarningLine(const char* name) {
    auto* line = new QLabel;
    line->setObjectName(QString::fromLatin1(name));
    line->setWordWrap(true);
    line->setTextFormat(Qt::PlainText);
    line->setMargin(6);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, QColor(0xFF, 0xF4, 0xCE));
    palette.setColor(QPalette::WindowText, QColor(0x80, 0x20, 0x00));
    line->setPalette(palette);
    line->hide();
    return line;
}

// A tab: the part's warnings above its sheet.
QWidget* PartPage(QLabel* warning, SheetView* view) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(warning);
    layout->addWidget(view, 1);
    return page;
}

void ShowWarnings(QLabel* line, const std::vector<std::string>& warnings) {
    QStringList lines;
    for (const std::string& warning : warnings) lines << FromUtf8(warning);
    line->setText(lines.join(QLatin1Char('\n')));
    line->setVisible(!lines.isEmpty());
}

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

DrawingInputs RememberedInputs() {
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

void Remember(const DrawingInputs& inputs) {
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

// The window's preferred size, and the least width it takes beside a dialog; the gap between
// them, pixels.
constexpr QSize kPreferredSize(960, 680);
constexpr int kLeastWidth = 320;
constexpr int kGap = 8;

}  // namespace

DrawingWindow::DrawingWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Drawings"));
    setWindowTitle(QStringLiteral("Чертежи"));
    resize(kPreferredSize);
    inputs_ = RememberedInputs();

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("tabs"));
    wheelView_ = new SheetView;
    wheelView_->setObjectName(QStringLiteral("wheelView"));
    pinionView_ = new SheetView;
    pinionView_->setObjectName(QStringLiteral("pinionView"));
    wheelWarning_ = WarningLine("wheelWarning");
    pinionWarning_ = WarningLine("pinionWarning");
    tabs_->addTab(PartPage(wheelWarning_, wheelView_), QStringLiteral("Колесо"));
    tabs_->addTab(PartPage(pinionWarning_, pinionView_), QStringLiteral("Шестерня"));
    profile_ = new ProfileTab(tabs_);
    tabs_->addTab(profile_, QStringLiteral("Профиль"));
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(MakeTitleFields());
    layout->addWidget(tabs_, 1);

    // The actions live on the window, so that their keys work on either tab.
    const auto makeAction = [this](const char* name, const QString& text, const QKeySequence& key,
                                   void (DrawingWindow::*slot)()) {
        auto* action = new QAction(text, this);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("menu"));
    menu_->addAction(makeAction("saveDxf", QStringLiteral("Сохранить DXF..."), QKeySequence::Save,
                                &DrawingWindow::SaveDxfClick));
    menu_->addAction(makeAction("savePdf", QStringLiteral("Сохранить PDF..."), QKeySequence(),
                                &DrawingWindow::SavePdfClick));
    menu_->addAction(makeAction("saveSvg", QStringLiteral("Сохранить SVG..."), QKeySequence(),
                                &DrawingWindow::SaveSvgClick));
    menu_->addSeparator();
    menu_->addAction(makeAction("fit", QStringLiteral("Вписать"), QKeySequence(Qt::Key_Home),
                                &DrawingWindow::FitClick));
    for (SheetView* view : {wheelView_, pinionView_}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& at) { menu_->popup(view->mapToGlobal(at)); });
    }
}

QWidget* DrawingWindow::MakeTitleFields() {
    titleStrip_ = new QWidget;
    titleStrip_->setObjectName(QStringLiteral("titleFields"));
    // The strip takes the window's width and arranges its fields to it, never widening the
    // window beside a dialog.
    titleStrip_->setMinimumWidth(1);
    titleStrip_->installEventFilter(this);
    titleGrid_ = new QGridLayout(titleStrip_);
    titleGrid_->setContentsMargins(8, 6, 8, 6);
    titleGrid_->setHorizontalSpacing(6);
    titleGrid_->setVerticalSpacing(4);
    const auto add = [&](const char* name, const QString& label) {
        auto* field = new QLineEdit(titleStrip_);
        field->setObjectName(QString::fromLatin1(name));
        auto* caption = new QLabel(label, titleStrip_);
        caption->setBuddy(field);
        titleRows_.push_back({caption, field});
        // Queued: the error box of a rejected text must not open inside the focus change that
        // ended the editing.
        connect(field, &QLineEdit::editingFinished, this, &DrawingWindow::TakeTitleFields,
                Qt::QueuedConnection);
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
    ArrangeTitleFields();
    ShowInputs();
    return titleStrip_;
}

void DrawingWindow::ArrangeTitleFields() {
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
        if (width <= titleStrip_->width()) {
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

bool DrawingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == titleStrip_ && event->type() == QEvent::Resize) ArrangeTitleFields();
    return QWidget::eventFilter(watched, event);
}

void DrawingWindow::ShowInputs() {
    wheelDesignation_->setText(FromUtf8(inputs_.wheelDesignation));
    pinionDesignation_->setText(FromUtf8(inputs_.pinionDesignation));
    material_->setText(FromUtf8(inputs_.material.value_or("")));
    developer_->setText(FromUtf8(inputs_.developer));
    checker_->setText(FromUtf8(inputs_.checker));
    organisation_->setText(FromUtf8(inputs_.organisation));
}

DrawingInputs DrawingWindow::InputsOfFields() const {
    DrawingInputs inputs;
    inputs.wheelDesignation = wheelDesignation_->text().toStdString();
    inputs.pinionDesignation = pinionDesignation_->text().toStdString();
    if (!material_->text().trimmed().isEmpty()) inputs.material = material_->text().toStdString();
    inputs.developer = developer_->text().toStdString();
    inputs.checker = checker_->text().toStdString();
    inputs.organisation = organisation_->text().toStdString();
    return inputs;
}

void DrawingWindow::TakeTitleFields() {
    DrawingInputs inputs = InputsOfFields();
    if (inputs == inputs_) return;
    if (source_) {
        DrawingSet redrawn;
        try {
            redrawn = BuildDrawings(source_->design, source_->sizes, inputs);
        } catch (const std::exception& error) {
            ShowInputs();
            ShowErrorBox(this, error.what());
            return;
        }
        // The views keep their zoom: the engineer may be looking at the title block.
        drawings_ = std::move(redrawn);
        wheelView_->update();
        pinionView_->update();
    }
    inputs_ = std::move(inputs);
    Remember(inputs_);
}

void DrawingWindow::SetDrawings(DrawingSet drawings, PartWarnings warnings, QString directory,
                                std::optional<DrawnDesign> source) {
    drawings_ = std::move(drawings);
    hasDrawings_ = true;
    directory_ = std::move(directory);
    source_ = std::move(source);
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);
    ShowWarnings(wheelWarning_, warnings.wheel);
    ShowWarnings(pinionWarning_, warnings.pinion);
}

void DrawingWindow::Clear() {
    close();
    drawings_ = DrawingSet{};
    hasDrawings_ = false;
    source_.reset();
    directory_.clear();
    wheelView_->SetSheet(&drawings_.wheel);
    pinionView_->SetSheet(&drawings_.pinion);
    ShowWarnings(wheelWarning_, {});
    ShowWarnings(pinionWarning_, {});
}

void DrawingWindow::ShowInFront() {
    show();
    raise();
    activateWindow();
}

void DrawingWindow::ShowBeside(QWidget& dialog) {
    if (!isVisible()) {
        const QRect screen = dialog.screen()->availableGeometry();
        const QSize frame = frameGeometry().size() - geometry().size();
        QRect taken = dialog.frameGeometry();
        const auto roomRight = [&] { return screen.right() - taken.right() - kGap; };
        const auto roomLeft = [&] { return taken.left() - screen.left() - kGap; };
        const bool right = roomRight() >= roomLeft();
        // Too little room on either side: the dialog moves to the screen's other edge.
        if (std::max(roomRight(), roomLeft()) < kPreferredSize.width() + frame.width()) {
            dialog.move(right ? screen.left() : screen.right() + 1 - taken.width(), taken.top());
            taken = dialog.frameGeometry();
        }
        const int room = right ? roomRight() : roomLeft();
        const int width =
            std::max(std::min(kPreferredSize.width(), room - frame.width()), kLeastWidth);
        const int height = std::min(kPreferredSize.height(), screen.height() - frame.height());
        resize(width, height);
        const int x =
            right ? taken.right() + 1 + kGap : taken.left() - kGap - width - frame.width();
        const int y =
            std::clamp(taken.center().y() - (height + frame.height()) / 2, screen.top(),
                       std::max(screen.top(), screen.bottom() + 1 - height - frame.height()));
        move(x, y);
    }
    ShowInFront();
}

void DrawingWindow::SaveDxfClick() {
    // On the profile tab the DXF is the wheel's tooth profile, the first of its model files.
    if (ProfileShown()) {
        profile_->AskAndSave(ProfileTab::ModelFile::WheelDxf);
    } else {
        AskAndSave(FileKind::Dxf);
    }
}

void DrawingWindow::SavePdfClick() {
    AskAndSave(FileKind::Pdf);
}

void DrawingWindow::SaveSvgClick() {
    AskAndSave(FileKind::Svg);
}

void DrawingWindow::FitClick() {
    if (ProfileShown()) {
        profile_->Fit();
    } else {
        CurrentView().Fit();
    }
}

bool DrawingWindow::ProfileShown() const {
    return tabs_->currentWidget() == profile_;
}

SheetView& DrawingWindow::CurrentView() const {
    return tabs_->currentIndex() == 1 ? *pinionView_ : *wheelView_;
}

const Sheet& DrawingWindow::CurrentSheet() const {
    return tabs_->currentIndex() == 1 ? drawings_.pinion : drawings_.wheel;
}

void DrawingWindow::AskAndSave(FileKind kind) {
    const FileKindText texts = TextsOf(kind);
    const QString suffix = QString::fromLatin1(texts.suffix);
    QFileDialog dialog(this, QString::fromUtf8(texts.caption), directory_);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(texts.filter));
    dialog.setDefaultSuffix(suffix);
    // The name the drawing directory holds the sheet under.
    const QString name =
        tabs_->currentIndex() == 1 ? QStringLiteral("pinion") : QStringLiteral("wheel");
    dialog.selectFile(name + QLatin1Char('.') + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveSheet(kind, dialog.selectedFiles().constFirst());
}

bool DrawingWindow::SaveSheet(FileKind kind, const QString& path) {
    const std::string file = path.toStdString();
    try {
        switch (kind) {
            case FileKind::Dxf:
                WriteDxf(CurrentSheet(), file);
                break;
            case FileKind::Pdf:
                WritePdf(CurrentSheet(), file);
                break;
            case FileKind::Svg:
                WriteSvg(CurrentSheet(), file);
                break;
        }
    } catch (const std::exception& error) {
        ShowErrorBox(this, error.what());
        return false;
    }
    return true;
}

void DrawingWindow::keyPressEvent(QKeyEvent* event) {
    // The keys act on the shown tab's view, a sheet or the profile, and zoom about the cursor
    // as the wheel does, or about the view's centre when the cursor is elsewhere.
    const bool profile = ProfileShown();
    QWidget& view = profile ? static_cast<QWidget&>(*profile_) : CurrentView();
    const QPoint cursor = view.mapFromGlobal(QCursor::pos());
    const QPointF at =
        view.rect().contains(cursor) ? QPointF(cursor) : QRectF(view.rect()).center();
    const auto zoom = [&](double factor) {
        if (profile) {
            profile_->ZoomAt(at, factor);
        } else {
            CurrentView().ZoomAt(at, factor);
        }
    };
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->matches(QKeySequence::ZoomIn) || event->key() == Qt::Key_Plus) {
        zoom(SheetView::kZoomStep);
    } else if (event->matches(QKeySequence::ZoomOut) || event->key() == Qt::Key_Minus) {
        zoom(1 / SheetView::kZoomStep);
    } else {
        QWidget::keyPressEvent(event);
    }
}

}  // namespace gearpair
