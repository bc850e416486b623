// A drawing file replaced atomically through the file layer, its failures naming the file.
#pragma once

#include <string>
#include <string_view>

namespace gearpair {

// Replaces the file at `path` by `bytes` (a temporary file, then a rename); the previous file
// stays on failure. Throws FileError whose message names the file.
void ReplaceSheetFile(const std::string& path, std::string_view bytes);

}  // namespace gearpair
