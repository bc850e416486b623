// The entry of the STEP module and its identity, the two symbols the loader looks up. Every
// failure, the modelling kernel's own exceptions included, comes back as a message, never as an
// exception through the module's edge.
#include <Standard_Failure.hxx>

#include <exception>
#include <string>

#include "model/step_loader.h"
#include "model/step_model.h"

// The identity the loader compares with its own before it calls the entry.
extern "C" __attribute__((visibility("default"))) const char* gearpair_step_identity() {
    static const std::string identity = gearpair::StepModuleIdentity(GEARPAIR_VERSION);
    return identity.c_str();
}

extern "C" __attribute__((visibility("default"))) int gearpair_step_text_1(
    const gearpair::GearSection* section, const char* name, std::string* text) {
    try {
        *text = gearpair::StepText(*section, name);
        return 0;
    } catch (const std::exception& error) {
        *text = error.what();
    } catch (const Standard_Failure& failure) {
        *text = std::string(gearpair::kStepKernelFailure) + ": " + failure.GetMessageString();
    } catch (...) {
        *text = gearpair::kStepKernelFailure;
    }
    return 1;
}
