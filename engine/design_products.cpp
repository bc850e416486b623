// The products of a completed design.
#include "engine/design_products.h"

namespace gearpair {

DesignProducts DesignProductsOf(const TGearDesign& d) {
    return DesignProductsOf(d, DerivePartSizes(d));
}

DesignProducts DesignProductsOf(const TGearDesign& d, const PartSizes& sizes) {
    DesignProducts products;
    products.sizes = sizes;
    products.accepted = AcceptSizes(d, products.sizes);
    products.parts = DrawnPartsOf(d, products.sizes, products.accepted);
    products.masses = DrawnMasses(products.parts);
    products.buildable = products.parts.pinionForm != PinionForm::CannotBeBuilt;
    if (!products.buildable) {
        products.warnings.push_back({PartWarningCode::Unbuildable, d.df1, products.sizes.dvw});
    } else if (products.parts.gearShaftReason) {
        products.warnings.push_back(*products.parts.gearShaftReason);
    }
    products.materials = MaterialsOf(d, std::nullopt);
    products.checkData = DesignCheckData(d);
    return products;
}

}  // namespace gearpair
