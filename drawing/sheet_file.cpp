// Atomic replacement of a drawing file.
#include "drawing/sheet_file.h"

#include "core/errors.h"
#include "files/file_ops.h"

namespace gearpair {

void ReplaceSheetFile(const std::string& path, std::string_view bytes) {
    try {
        ReplaceFileAtomically(path, bytes, path);
    } catch (const FileError& e) {
        // A failed write reports only its cause ("Disk full"): say which file it was.
        const std::string message = e.what();
        if (message.find(path) != std::string::npos) throw;
        throw FileError(e.code(), message + ": " + path);
    }
}

}  // namespace gearpair
