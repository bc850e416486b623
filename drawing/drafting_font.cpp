// Finding and reading the drafting font.
#include "drawing/drafting_font.h"

#include "core/errors.h"
#include "files/file_ops.h"
#include "files/program_dir.h"

namespace gearpair {

namespace {

std::string ReadWholeFile(const std::string& path) {
    const FileHandle file = OpenForReading(path);
    std::string bytes;
    char buffer[65536];
    while (const std::size_t n = ReadBytes(file, buffer, sizeof buffer)) bytes.append(buffer, n);
    return bytes;
}

TrueTypeFont LoadDraftingFont() {
    const std::vector<std::string> places = DraftingFontPlaces();
    std::string tried;
    for (const std::string& path : places) {
        if (!FileExists(path)) {
            tried += (tried.empty() ? "" : ", ") + path;
            continue;
        }
        return TrueTypeFont(ReadWholeFile(path), path);
    }
    throw Error("Не найден шрифт чертежей " + std::string(kDraftingFontName) + " (" + tried + ")");
}

}  // namespace

std::vector<std::string> DraftingFontPlaces() {
    std::vector<std::string> places;
    const std::string executable = ExecutablePath();
    if (!executable.empty()) places.push_back(ProgramDirectory(executable) + kDraftingFontFile);
#ifndef _WIN32
    places.push_back(std::string("/usr/share/fonts/truetype/dejavu/") + kDraftingFontFile);
#endif
    return places;
}

const TrueTypeFont& DraftingFont() {
    static const TrueTypeFont font = LoadDraftingFont();
    return font;
}

}  // namespace gearpair
