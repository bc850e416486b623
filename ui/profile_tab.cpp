// The profile tab of the drawing window.
#include "ui/profile_tab.h"

#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "model/model_files.h"
#include "ui/background_work.h"
#include "ui/controls.h"
#include "ui/message_box.h"

namespace gearpair {

namespace {

constexpr double kFitMargin = 12;  // pixels
constexpr double kZoomStep = 1.2;  // one wheel notch
constexpr double kMaxScale = 400;  // pixels per mm: a micrometre of the outline is visible

struct ModelFileText {
    const char* name;
    const char* caption;
    const char* filter;
};

ModelFileText TextsOf(ProfileTab::ModelFile file) {
    switch (file) {
        case ProfileTab::ModelFile::WheelDxf:
            return {"wheel-profile.dxf", "Сохранить профиль колеса (DXF)", "Профиль DXF (*.dxf)"};
        case ProfileTab::ModelFile::PinionDxf:
            return {"pinion-profile.dxf", "Сохранить профиль шестерни (DXF)",
                    "Профиль DXF (*.dxf)"};
        case ProfileTab::ModelFile::WheelStl:
            return {"wheel.stl", "Сохранить модель колеса (STL)", "Модель STL (*.stl)"};
        case ProfileTab::ModelFile::PinionStl:
            return {"pinion.stl", "Сохранить модель шестерни (STL)", "Модель STL (*.stl)"};
#ifdef GEARPAIR_STEP
        case ProfileTab::ModelFile::WheelStep:
            return {"wheel.step", "Сохранить модель колеса (STEP)", "Модель STEP (*.step *.stp)"};
        case ProfileTab::ModelFile::PinionStep:
            return {"pinion.step", "Сохранить модель шестерни (STEP)",
                    "Модель STEP (*.step *.stp)"};
#endif
    }
    return {"wheel-profile.dxf", "", ""};
}

QPainterPath Path(const std::vector<OutlinePoint>& polygon, double turn, QPointF shift) {
    QPainterPath path;
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        // y up on paper, down on screen.
        const QPointF p(shift.x() + polygon[i].x * c - polygon[i].y * s,
                        shift.y() - (polygon[i].x * s + polygon[i].y * c));
        if (i == 0) {
            path.moveTo(p);
        } else {
            path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

}  // namespace

ProfileTab::ProfileTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("profile"));
    setMouseTracking(false);
    warning_ = WarningLine("profileWarning");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(warning_);
    layout->addStretch(1);
    menu_ = new QMenu(this);
    menu_->setObjectName(QStringLiteral("profileMenu"));
    const ModelFile files[] = {ModelFile::WheelDxf,  ModelFile::PinionDxf, ModelFile::WheelStl,
                               ModelFile::PinionStl,
#ifdef GEARPAIR_STEP
                               ModelFile::WheelStep, ModelFile::PinionStep
#endif
    };
    for (const ModelFile file : files) {
        QAction* action = menu_->addAction(QString::fromUtf8(TextsOf(file).caption) + "...");
        connect(action, &QAction::triggered, this, [this, file] { AskAndSave(file); });
    }
    menu_->addSeparator();
    connect(menu_->addAction(QStringLiteral("Вписать")), &QAction::triggered, this,
            &ProfileTab::Fit);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { menu_->popup(mapToGlobal(at)); });
}

void ProfileTab::SetDesign(const TGearDesign& d, const DrawnParts& parts, QString directory,
                           const std::string& warning) {
    warning_->setText(FromUtf8(warning));
    warning_->setVisible(!warning.empty());
    design_ = d;
    parts_ = parts;
    directory_ = std::move(directory);
    wheel_ = WheelSection(d, parts, kProfileTolerance);
    pinion_ = PinionSection(d, parts, kProfileTolerance);
    // The wheel's first space faces the pinion (+x); the pinion's tooth faces back (−x).
    pinionTurn_ = std::numbers::pi - std::numbers::pi / d.z1;
    Fit();
}

void ProfileTab::Fit() {
    fitted_ = true;
    if (!design_) return;
    const double wheelTip = wheel_.outline.gear.tipRadius;
    const double pinionTip = pinion_.outline.gear.tipRadius;
    const double aw = design_->aw;
    const double width = wheelTip + aw + pinionTip;
    const double height = 2 * std::max(wheelTip, pinionTip);
    const QRectF area = ViewArea();
    scale_ = std::max(1e-3, std::min((area.width() - 2 * kFitMargin) / width,
                                     (area.height() - 2 * kFitMargin) / height));
    origin_ = QPointF(area.center().x() - scale_ * (width / 2 - wheelTip), area.center().y());
    update();
}

QRectF ProfileTab::ViewArea() const {
    // The layout may not have placed the line yet: its height for the tab's width.
    const int top = warning_->isHidden() ? 0 : warning_->heightForWidth(width());
    return QRectF(0, top, width(), height() - top);
}

void ProfileTab::ZoomAt(QPointF position, double factor) {
    const double scale = std::clamp(scale_ * factor, 1e-3, kMaxScale);
    origin_ = position + (origin_ - position) * (scale / scale_);
    scale_ = scale;
    fitted_ = false;
    update();
}

void ProfileTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!design_) return;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(origin_);
    painter.scale(scale_, scale_);
    QPen pen(Qt::black, 0);  // a hairline: one pixel at every zoom
    painter.setPen(pen);
    const QPointF pinionAxis(design_->aw, 0);
    painter.drawPath(Path(wheel_.outline.points, 0, {}));
    painter.drawPath(Path(pinion_.outline.points, pinionTurn_, pinionAxis));
    pen.setColor(QColor(0xC0, 0x20, 0x20));
    painter.setPen(pen);
    if (!wheel_.bore.empty()) painter.drawPath(Path(wheel_.bore, 0, {}));
    // The pinion's keyway turns with its teeth.
    if (!pinion_.bore.empty()) painter.drawPath(Path(pinion_.bore, pinionTurn_, pinionAxis));
}

void ProfileTab::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitted_) Fit();
}

void ProfileTab::wheelEvent(QWheelEvent* event) {
    ZoomAt(event->position(), std::pow(kZoomStep, event->angleDelta().y() / 120.0));
    event->accept();
}

void ProfileTab::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = true;
        dragFrom_ = event->position();
    }
    QWidget::mousePressEvent(event);
}

void ProfileTab::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        origin_ += event->position() - dragFrom_;
        dragFrom_ = event->position();
        fitted_ = false;
        update();
    }
}

void ProfileTab::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) dragging_ = false;
}

void ProfileTab::mouseDoubleClickEvent(QMouseEvent*) {
    Fit();
}

void ProfileTab::AskAndSave(ModelFile file) {
    if (!design_) return;
    const ModelFileText texts = TextsOf(file);
    QFileDialog dialog(this, QString::fromUtf8(texts.caption), directory_);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(texts.filter));
    dialog.selectFile(QString::fromUtf8(texts.name));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveModel(file, dialog.selectedFiles().constFirst());
}

bool ProfileTab::SaveModel(ModelFile file, const QString& path) {
    if (!design_) return false;
    // The job's own copies: the tab may show another design or close before it runs.
    const std::string name = path.toStdString();
    RunInBackground(
        saves_, this,
        [d = *design_, parts = parts_, file, name] {
            SaveGearModel(d, parts, file, name);
            return JobOutcome{{name}, {}};
        },
        [this, path](const JobOutcome& outcome) {
            if (!outcome.error.empty()) ShowErrorBox(this, outcome.error);
            emit ModelSaved(path, QString::fromStdString(outcome.error));
        });
    return true;
}

}  // namespace gearpair
