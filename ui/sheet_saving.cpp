// Saving a working drawing.
#include "ui/sheet_saving.h"

#include <QFileDialog>

#include <exception>
#include <string>

#include "drawing/dxf_writer.h"
#include "drawing/pdf_writer.h"
#include "drawing/svg_writer.h"
#include "ui/message_box.h"

namespace gearpair {

namespace {

struct FileKindText {
    const char* suffix;
    const char* caption;
    const char* filter;
};

FileKindText TextsOf(SheetFileKind kind) {
    switch (kind) {
        case SheetFileKind::Dxf:
            return {"dxf", "Сохранить DXF", "Чертёж DXF (*.dxf)"};
        case SheetFileKind::Pdf:
            return {"pdf", "Сохранить PDF", "Документ PDF (*.pdf)"};
        case SheetFileKind::Svg:
            return {"svg", "Сохранить SVG", "Рисунок SVG (*.svg)"};
    }
    return {"dxf", "Сохранить DXF", "Чертёж DXF (*.dxf)"};
}

}  // namespace

QString AskSheetFile(QWidget* parent, SheetFileKind kind, const QString& directory,
                     const QString& name) {
    const FileKindText texts = TextsOf(kind);
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
    const std::string file = path.toStdString();
    try {
        switch (kind) {
            case SheetFileKind::Dxf:
                WriteDxf(sheet, file);
                break;
            case SheetFileKind::Pdf:
                WritePdf(sheet, file);
                break;
            case SheetFileKind::Svg:
                WriteSvg(sheet, file);
                break;
        }
    } catch (const std::exception& error) {
        ShowErrorBox(parent, error.what());
        return false;
    }
    return true;
}

}  // namespace gearpair
