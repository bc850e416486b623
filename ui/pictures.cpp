// The arrangement pictures and the check mark. Coordinates are logical pixels; the painter's
// scale turns them into device pixels, so 2x pictures carry the same drawing in finer lines.
#include "ui/pictures.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include "app/arrangement_picture.h"

namespace gearpair {

namespace {

QPixmap BlankPixmap(QSize logical, qreal devicePixelRatio) {
    QPixmap pixmap(logical * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// A rolling bearing as drawings show it: a square with its two diagonals.
void DrawBearing(QPainter& painter, double x) {
    const QRectF outer(x - kBearingHalfWidth, kShaftY - kBearingHalfHeight, 2 * kBearingHalfWidth,
                       2 * kBearingHalfHeight);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawRect(outer);
    painter.drawLine(outer.topLeft(), outer.bottomRight());
    painter.drawLine(outer.topRight(), outer.bottomLeft());
    // the support under the bearing
    const double base = kShaftY + kBearingHalfHeight;
    painter.drawLine(QPointF(x, base), QPointF(x, base + 5));
    painter.drawLine(QPointF(x - 7, base + 5), QPointF(x + 7, base + 5));
}

}  // namespace

QPixmap ArrangementPicture(int arrangement, qreal devicePixelRatio) {
    const ArrangementLayout layout = LayoutOf(arrangement);
    QPixmap pixmap = BlankPixmap(kArrangementPictureSize, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPen outline(QColor(32, 32, 32), 1.0);
    outline.setJoinStyle(Qt::MiterJoin);
    painter.setPen(outline);

    // the shaft and its centre line
    painter.setBrush(QColor(150, 150, 150));
    painter.drawRect(QRectF(layout.shaftLeft, kShaftY - kShaftHalfHeight,
                            layout.shaftRight - layout.shaftLeft, 2 * kShaftHalfHeight));

    DrawBearing(painter, layout.leftBearing);
    DrawBearing(painter, layout.rightBearing);

    // the gear, as a rectangle across the shaft, hatched as a section
    const QRectF gear(layout.gear - kGearHalfWidth, kShaftY - kGearHalfHeight, 2 * kGearHalfWidth,
                      2 * kGearHalfHeight);
    painter.setBrush(QColor(70, 110, 170));
    painter.drawRect(gear);
    painter.save();
    painter.setClipRect(gear);
    painter.setPen(QPen(QColor(200, 215, 235), 1.0));
    for (double y = gear.top() - gear.width(); y < gear.bottom(); y += 5) {
        painter.drawLine(QPointF(gear.left(), y + gear.width()), QPointF(gear.right(), y));
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(gear);

    // dash-dot axis over the whole picture width
    QPen axis(QColor(160, 40, 40), 0.8, Qt::DashDotLine);
    painter.setPen(axis);
    painter.drawLine(QPointF(2, kShaftY), QPointF(kArrangementPictureSize.width() - 2, kShaftY));
    return pixmap;
}

QIcon ArrangementIcon(int arrangement) {
    QIcon icon;
    icon.addPixmap(ArrangementPicture(arrangement, 1));
    icon.addPixmap(ArrangementPicture(arrangement, 2));
    return icon;
}

QPixmap CheckMarkPicture(bool enabled, qreal devicePixelRatio) {
    QPixmap pixmap = BlankPixmap(kCheckMarkSize, devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // A tick as one closed outline: short stroke down to the bottom, long stroke up right.
    QPainterPath tick;
    tick.moveTo(1.5, 9.5);
    tick.lineTo(4.5, 6.5);
    tick.lineTo(7.5, 9.5);
    tick.lineTo(14.5, 2.5);
    tick.lineTo(17.0, 5.0);
    tick.lineTo(7.5, 14.5);
    tick.closeSubpath();
    if (enabled) {
        painter.setPen(QPen(QColor(0, 100, 0), 1.0));
        painter.setBrush(QColor(0, 170, 0));
    } else {
        painter.setPen(QPen(QColor(128, 128, 128), 1.0));
        painter.setBrush(Qt::NoBrush);
    }
    painter.drawPath(tick);
    return pixmap;
}

QIcon CheckMarkIcon() {
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        icon.addPixmap(CheckMarkPicture(true, ratio), QIcon::Normal);
        icon.addPixmap(CheckMarkPicture(false, ratio), QIcon::Disabled);
    }
    return icon;
}

}  // namespace gearpair
