// The pictures of the input form, painted in code so that they stay sharp at any scale: the
// three gear arrangements and the OK button's check mark.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace gearpair {

// Logical size of an arrangement picture, pixels.
inline constexpr QSize kArrangementPictureSize{140, 50};

// Arrangement 1: both bearings on the left, the gear overhanging at the right end of the
// shaft; 2: the gear between the bearings close to the left one; 3: the gear midway.
QPixmap ArrangementPicture(int arrangement, qreal devicePixelRatio);

// The arrangement picture at 1x and 2x.
QIcon ArrangementIcon(int arrangement);

// Logical size of the check mark, pixels.
inline constexpr QSize kCheckMarkSize{18, 18};

// The check mark: filled green when enabled, a grey outline when disabled.
QPixmap CheckMarkPicture(bool enabled, qreal devicePixelRatio);

// The check mark at 1x and 2x in the normal and the disabled mode.
QIcon CheckMarkIcon();

}  // namespace gearpair
