// The PDF of a sheet: one vector page of the sheet's format at 1:1, the texts in the drafting
// font embedded as a subset (searchable: each glyph maps back to its character), the part's
// name as the document's title. No date or other varying byte: the same sheet gives the same
// file.
#pragma once

#include <string>

#include "drawing/sheet.h"

namespace gearpair {

// Needs the drafting font; its absence throws Error.
std::string PdfBytes(const Sheet& sheet);

// Writes the file atomically; a failure throws FileError naming the file.
void WritePdf(const Sheet& sheet, const std::string& path);

}  // namespace gearpair
