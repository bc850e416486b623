// Saving a working drawing from the drawing window: the file dialog of each file kind and the
// writer behind it, a failure in the error box.
#pragma once

#include <QString>

#include "app/sheet_files.h"
#include "drawing/sheet.h"

class QWidget;

namespace gearpair {

// Asks for the file of `kind` in `directory`, offering `name` with the kind's suffix. The
// chosen path, or empty when the dialog was cancelled.
QString AskSheetFile(QWidget* parent, SheetFileKind kind, const QString& directory,
                     const QString& name);

// Writes `sheet` to `path`; a failure goes to the error box over `parent` and changes nothing
// already written. True when written.
bool SaveSheetFile(QWidget* parent, const Sheet& sheet, SheetFileKind kind, const QString& path);

}  // namespace gearpair
