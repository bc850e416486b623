// Saving a working drawing.
#include "ui/sheet_saving.h"

#include <QFileDialog>

#include <exception>

#include "ui/message_box.h"

namespace gearpair {

QString AskSheetFile(QWidget* parent, SheetFileKind kind, const QString& directory,
                     const QString& name) {
    const SheetFileTexts texts = TextsOf(kind);
    const QString suffix = QString::fromLatin1(texts.suffix);
    QFileDialog dialog(parent, QString::fromUtf8(texts.caption), directory);
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QString::fromUtf8(texts.filter));
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(name + QLatin1Char('.') + suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool SaveSheetFile(QWidget* parent, const Sheet& sheet, SheetFileKind kind, const QString& path) {
    try {
        WriteSheetFile(sheet, kind, path.toStdString());
    } catch (const std::exception& error) {
        ShowErrorBox(parent, error.what());
        return false;
    }
    return true;
}

}  // namespace gearpair
