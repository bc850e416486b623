// Writing the model files of a design.
#include "model/model_files.h"

#include "core/errors.h"
#include "files/file_ops.h"
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

std::vector<std::string> WriteModels(const TGearDesign& d, const PartSizes& sizes,
                                     const std::string& dir, DxfVersion dxf,
                                     const StepWriter& step) {
    std::string base = dir;
    if (!base.empty() && base.back() != '/') base += '/';
    std::vector<std::string> written;
    const auto put = [&](const std::string& name, std::string_view bytes) {
        Replace(base + name, bytes);
        written.push_back(base + name);
    };
    const GearSection wheel = WheelSection(d, sizes, kProfileTolerance);
    const GearSection pinion = PinionSection(d, sizes, kProfileTolerance);
    put("wheel-profile.dxf", ProfileDxf(wheel, dxf));
    put("pinion-profile.dxf", ProfileDxf(pinion, dxf));
    const GearSection wheelMesh = WheelSection(d, sizes, kMeshTolerance);
    const GearSection pinionMesh = PinionSection(d, sizes, kMeshTolerance);
    put("wheel.stl", BinaryStl(GearMesh(wheelMesh, kMeshTolerance), "gearpair wheel"));
    put("pinion.stl", BinaryStl(GearMesh(pinionMesh, kMeshTolerance), "gearpair pinion"));
    if (step) {
        put("wheel.step", step(wheel, "wheel"));
        put("pinion.step", step(pinion, "pinion"));
    }
    return written;
}

}  // namespace gearpair
