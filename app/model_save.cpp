// Saving one model file of a design.
#include "app/model_save.h"

#include "files/file_ops.h"
#include "model/gear_mesh.h"
#include "model/model_files.h"
#include "model/profile_dxf.h"
#include "model/stl_writer.h"
#ifdef GEARPAIR_STEP
#include "model/step_loader.h"
#endif

namespace gearpair {

void SaveGearModel(const TGearDesign& d, const DrawnParts& parts, GearModelFile file,
                   const std::string& path) {
    const bool wheel = file == GearModelFile::WheelDxf || file == GearModelFile::WheelStl
#ifdef GEARPAIR_STEP
                       || file == GearModelFile::WheelStep
#endif
        ;
    // The profile and the STEP model at the outline's own tolerance, the STL at the mesh's.
    const auto section = [&](double tolerance) {
        return wheel ? WheelSection(d, parts, tolerance) : PinionSection(d, parts, tolerance);
    };
    std::string bytes;
    switch (file) {
        case GearModelFile::WheelDxf:
        case GearModelFile::PinionDxf:
            bytes = ProfileDxf(section(kProfileTolerance), DxfVersion::R2000);
            break;
        case GearModelFile::WheelStl:
        case GearModelFile::PinionStl:
            bytes = BinaryStl(GearMesh(section(kMeshTolerance), kMeshTolerance),
                              wheel ? "gearpair wheel" : "gearpair pinion");
            break;
#ifdef GEARPAIR_STEP
        case GearModelFile::WheelStep:
        case GearModelFile::PinionStep:
            bytes = ModuleStepText(section(kProfileTolerance), wheel ? "wheel" : "pinion");
            break;
#endif
    }
    ReplaceFileAtomically(path, bytes, path);
}

}  // namespace gearpair
