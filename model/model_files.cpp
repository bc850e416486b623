// Writing the model files of a design.
#include "model/model_files.h"

#include "core/errors.h"
#include "files/file_ops.h"
#include "files/program_dir.h"
#include "model/gear_mesh.h"
#include "model/stl_writer.h"

namespace gearpair {

namespace {

void Replace(const std::string& path, std::string_view bytes) {
    try {
        ReplaceFileAtomically(path, bytes, path);
    } catch (const FileError& e) {
        // A failed write reports only its cause ("Disk full"): say which file it was.
        const std::string message = e.what();
        if (message.find(path) != std::string::npos) throw;
        throw FileError(e.code(), message + ": " + path);
    }
}

}  // namespace

ModelFiles WriteModels(const TGearDesign& d, const DrawnParts& parts, const std::string& dir,
                       DxfVersion dxf, const StepWriter& step) {
    ModelFiles files;
    const auto put = [&](const std::string& name, std::string_view bytes) {
        const std::string path = FileInFolder(dir, name);
        Replace(path, bytes);
        files.written.push_back(path);
    };
    try {
        const GearSection wheel = WheelSection(d, parts, kProfileTolerance);
        const GearSection pinion = PinionSection(d, parts, kProfileTolerance);
        put("wheel-profile.dxf", ProfileDxf(wheel, dxf));
        put("pinion-profile.dxf", ProfileDxf(pinion, dxf));
        const GearSection wheelMesh = WheelSection(d, parts, kMeshTolerance);
        const GearSection pinionMesh = PinionSection(d, parts, kMeshTolerance);
        put("wheel.stl", BinaryStl(GearMesh(wheelMesh, kMeshTolerance), "gearpair wheel"));
        put("pinion.stl", BinaryStl(GearMesh(pinionMesh, kMeshTolerance), "gearpair pinion"));
        if (step) {
            // The STEP writer's own failures name no file: say which one it was.
            const auto stepFile = [&](const GearSection& section, const std::string& name) {
                const std::string path = FileInFolder(dir, name + ".step");
                std::string bytes;
                try {
                    bytes = step(section, name);
                } catch (const std::exception& e) {
                    throw Error(std::string(e.what()) + ": " + path);
                }
                put(name + ".step", bytes);
            };
            stepFile(wheel, "wheel");
            stepFile(pinion, "pinion");
        }
    } catch (const Error& e) {
        files.error = e.what();
    }
    return files;
}

}  // namespace gearpair
