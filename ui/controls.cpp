// Small helpers shared by the windows.
#include "ui/controls.h"

#include <qdrawutil.h>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>

#include "app/window_placement.h"

namespace gearpair {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(left, top);
    label->resize(label->sizeHint());
    return label;
}

void ShowBesideDialog(QWidget& window, QWidget& dialog, QSize preferred, int leastWidth, int gap) {
    if (!window.isVisible()) {
        const QRect screen = dialog.screen()->availableGeometry();
        const QSize frame = window.frameGeometry().size() - window.geometry().size();
        const QRect taken = dialog.frameGeometry();
        const BesidePlacement placement =
            PlaceBeside(ScreenRect{screen.x(), screen.y(), screen.width(), screen.height()},
                        ScreenRect{taken.x(), taken.y(), taken.width(), taken.height()},
                        BesideRule{frame.width(), frame.height(), preferred.width(),
                                   preferred.height(), leastWidth, gap});
        if (placement.dialogAt) dialog.move(placement.dialogAt->x, placement.dialogAt->y);
        window.resize(placement.frame.width - frame.width(),
                      placement.frame.height - frame.height());
        window.move(placement.frame.left, placement.frame.top);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

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

void PictureButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QPalette& colours = palette();
    const bool down = isDown() || isChecked();
    QColor face = colours.color(QPalette::Button);
    if (down) {
        // one part highlight to two parts face
        const QColor mark = colours.color(QPalette::Highlight);
        face.setRgb((2 * face.red() + mark.red()) / 3, (2 * face.green() + mark.green()) / 3,
                    (2 * face.blue() + mark.blue()) / 3);
    }
    painter.fillRect(rect(), face);
    QRect place(QPoint(0, 0), iconSize());
    place.moveCenter(rect().center());
    if (down) place.translate(1, 1);
    icon().paint(&painter, place, Qt::AlignCenter, isEnabled() ? QIcon::Normal : QIcon::Disabled);
    // The frame last: the picture is a pixel taller than the button and must not cover it.
    qDrawWinPanel(&painter, rect(), colours, down);
    if (hasFocus()) {
        // The keyboard's place, inside the frame.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace gearpair
