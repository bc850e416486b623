// Loading the STEP module.
#include "model/step_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

#include "core/errors.h"

namespace gearpair {

namespace {

using StepEntry = int (*)(const GearSection*, const char*, std::string*);

struct LoadedModule {
    StepEntry entry = nullptr;
    std::string error;  // why there is no entry
};

using StepIdentity = const char* (*)();

LoadedModule Load() {
    namespace fs = std::filesystem;
    std::vector<fs::path> places;
    std::error_code ignored;
    const fs::path program = fs::read_symlink("/proc/self/exe", ignored);
    if (!program.empty()) {
        places.push_back(program.parent_path() / GEARPAIR_STEP_MODULE_NAME);
        places.push_back(program.parent_path().parent_path() / GEARPAIR_STEP_MODULE_LIBDIR /
                         "gearpair" / GEARPAIR_STEP_MODULE_NAME);
    }
    LoadedModule module;
    std::string tried;
    for (const fs::path& place : places) tried += (tried.empty() ? "" : ", ") + place.string();
    module.error = "Модуль записи STEP не найден: " + tried;
    const std::string expected = StepModuleIdentity(GEARPAIR_VERSION);
    for (const fs::path& place : places) {
        if (!fs::exists(place, ignored)) continue;
        // Never unloaded: the kernel's statics live as long as the program.
        void* handle = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* why = dlerror();
            module.error = "Модуль записи STEP не загружен: " + std::string(why ? why : "");
            continue;
        }
        // A module of another version or build answers another identity, or none: its entry
        // would read the section with another layout.
        const auto identity =
            reinterpret_cast<StepIdentity>(dlsym(handle, "gearpair_step_identity"));
        const char* answer = identity ? identity() : nullptr;
        if (answer == nullptr || expected != answer) {
            module.error = "Модуль записи STEP не подходит: " + place.string() + " (" +
                           (answer ? answer : "без версии") + ", нужен " + expected + ")";
            continue;
        }
        module.entry = reinterpret_cast<StepEntry>(dlsym(handle, "gearpair_step_text_1"));
        if (module.entry) return module;
        module.error = "Модуль записи STEP не подходит: " + place.string();
    }
    return module;
}

}  // namespace

std::string ModuleStepText(const GearSection& section, const std::string& name) {
    static const LoadedModule module = Load();
    if (!module.entry) throw Error(module.error);
    std::string text;
    if (module.entry(&section, name.c_str(), &text) != 0) throw Error(text);
    return text;
}

}  // namespace gearpair
