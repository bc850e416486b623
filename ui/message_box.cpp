// The message box and the error box.
#include "ui/message_box.h"

#include <QMessageBox>

#include "core/errors.h"
#include "ui/controls.h"

namespace gearpair {

namespace {

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QString::fromUtf8(kApplicationTitle), text, QMessageBox::Ok, parent);
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
