// The message box and the error box.
#include "ui/message_box.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>
#include <cmath>

#include "core/errors.h"
#include "ui/controls.h"

namespace gearpair {

namespace {

// Title-bar room besides the caption: the window icon and the close button on either side of
// a centred caption, with their padding, pixels.
constexpr int kTitleBarFurniture = 120;
// Most window managers draw the caption in a face of their own that Qt is not told about;
// a bold face with this much to spare covers the usual ones.
constexpr double kUnknownTitleFontMargin = 1.25;

// The width a window needs for the window manager to show `caption` whole.
int CaptionWidth(const QString& caption) {
    const QFont plain = QApplication::font();
    QFont title = QApplication::font("QMdiSubWindowTitleBar");
    double margin = 1.0;
    if (title == plain) {  // the platform does not report its title font
        title.setBold(true);
        margin = kUnknownTitleFontMargin;
    }
    const int text = QFontMetrics(title).horizontalAdvance(caption);
    return static_cast<int>(std::ceil(text * margin)) + kTitleBarFurniture;
}

// Room the window manager's frame takes on either side of a box, with a little of the screen
// left beside it, pixels.
constexpr int kFrameRoom = 24;

// The widest box: what QMessageBox lays out (the whole screen up to 1024 pixels, otherwise the
// screen less 480 pixels but at most 1000), and never wider than the screen's available width
// with the frame, so that a long text wraps on the screen instead of running off it.
int WidestBox(int availableWidth) {
    const int laidOut =
        availableWidth <= 1024 ? availableWidth : std::min(availableWidth - 480, 1000);
    return std::min(laidOut, availableWidth - 2 * kFrameRoom);
}

// QMessageBox wraps every text wider than about 500 pixels, which breaks lines the message
// lays out itself, and sizes itself for the caption in the dialog font, so that window
// managers elide it. Here the text's own width is the least the box may give it, and the box
// is at least as wide as its caption needs.
class Box : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label && layout()) {
            ensurePolished();
            label->ensurePolished();
            const int widest = WidestBox(screen()->availableGeometry().width());
            const bool wraps = label->wordWrap();
            label->setWordWrap(false);
            const int textWidth = label->sizeHint().width();
            label->setWordWrap(wraps);
            label->setMinimumWidth(textWidth);
            layout()->activate();
            const int boxWidth = layout()->totalMinimumSize().width();
            const int wanted = std::min(std::max(boxWidth, CaptionWidth(windowTitle())), widest);
            label->setMinimumWidth(std::max(textWidth + wanted - boxWidth, 0));
        }
        // QMessageBox sizes itself here and on every layout request, within the label's least.
        QMessageBox::showEvent(event);
    }
};

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    Box box(icon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok, parent);
    // Messages carry file names and typed texts: never let them be read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace

void ShowMessageBox(QWidget* parent, std::string_view text) {
    // The stop messages separate their lines with a bare carriage return.
    QString shown = FromUtf8(text);
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    ShowBox(parent, QMessageBox::NoIcon, shown);
}

void ShowErrorBox(QWidget* parent, std::string_view message) {
    ShowBox(parent, QMessageBox::Critical, FromUtf8(ErrorBoxText(message)));
}

}  // namespace gearpair
