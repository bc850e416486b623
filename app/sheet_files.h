// A working drawing saved from a desktop program's drawing window: the file kinds the window
// offers, the texts of their save dialogs, and the drawing floor's writer behind each.
#pragma once

#include <string>

#include "drawing/sheet.h"

namespace gearpair {

enum class SheetFileKind { Dxf, Pdf, Svg };

struct SheetFileTexts {
    const char* suffix;   // without the full stop
    const char* caption;  // the save dialog's title
    const char* filter;   // the file type's name with its pattern
    const char* pattern;
};

SheetFileTexts TextsOf(SheetFileKind kind);

// Writes `sheet` to `path` (UTF-8) with the kind's writer; a failure throws the file layer's
// error, which names the file, and changes nothing already written.
void WriteSheetFile(const Sheet& sheet, SheetFileKind kind, const std::string& path);

}  // namespace gearpair
