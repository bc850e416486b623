// The drawing window's tab "Профиль": the tooth outlines of the wheel and the pinion in mesh at
// their centre distance, with their bores, in one view (so one zoom and one pan for both), and
// the context menu that saves each gear's model files.
#pragma once

#include <QPointF>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>

#include "app/job_runner.h"
#include "app/model_save.h"
#include "engine/drawn_parts.h"
#include "engine/gear_design.h"
#include "model/gear_section.h"

class QLabel;
class QMenu;

namespace gearpair {

class ProfileTab : public QWidget {
    Q_OBJECT

public:
    using ModelFile = GearModelFile;

    explicit ProfileTab(QWidget* parent = nullptr);

    // The gears of a finished run, shown fitted under `warning` (why the pair cannot be made,
    // as the sheets say it; none when empty); the file dialogs open in `directory`.
    void SetDesign(const TGearDesign& d, const DrawnParts& parts, QString directory,
                   const std::string& warning);

    // Asks for the file in the run's directory, then SaveModel.
    void AskAndSave(ModelFile file);
    // Queues the writing of one model file of the design shown to `path` and returns at once
    // (false when no design is shown). The saves run one after another on the tab's worker
    // thread under the busy cursor, each writing its file whole by its end, whatever dialog is
    // open and also when the window has been closed meanwhile; ModelSaved tells the end, after
    // the error box of a failure.
    bool SaveModel(ModelFile file, const QString& path);

    // The whole pair in the view, with a margin.
    void Fit();
    // Multiplies the zoom by `factor` about `position` (view pixels).
    void ZoomAt(QPointF position, double factor);
    double Scale() const { return scale_; }

signals:
    // A save queued by SaveModel has ended: `path` written, or the message of its failure.
    void ModelSaved(const QString& path, const QString& error);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // The view's pixels under the warning line.
    QRectF ViewArea() const;
    std::optional<TGearDesign> design_;
    DrawnParts parts_;
    GearSection wheel_;
    GearSection pinion_;
    double pinionTurn_ = 0;  // radians, so that a pinion tooth sits in the wheel's space
    QString directory_;
    QMenu* menu_;
    QLabel* warning_;   // across the top while the pair cannot be made
    double scale_ = 1;  // pixels per mm
    QPointF origin_;    // view position of the wheel's axis
    bool fitted_ = true;
    bool dragging_ = false;
    QPointF dragFrom_;
    // Last, so destroyed first: waits for the saves still queued, which own their data.
    JobRunner saves_;
};

}  // namespace gearpair
