// The gear's solid in OpenCASCADE and its STEP text.
#include "model/step_model.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepGProp.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GC_MakeSegment.hxx>
#include <GProp_GProps.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>
#include <StepAP214.hxx>
#include <StepAP214_Protocol.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Wire.hxx>
#include <Transfer_FinderProcess.hxx>
#include <XSControl_TransferWriter.hxx>
#include <XSControl_WorkSession.hxx>
#include <gp_Circ.hxx>

#include <cmath>
#include <numbers>
#include <sstream>
#include <vector>

#include "core/errors.h"
#include "model/step_loader.h"

namespace gearpair {

namespace {

// Sections of the loft along the face width: the loft's surfaces run smoothly through them,
// and five sections hold the turn of the tooth (a sixth of a radian over the default wheel's
// face) to well under a micrometre.
constexpr int kSections = 5;

// Edges of neighbouring faces meet within a nanometre: they are built from the same points.
constexpr double kSewingTolerance = 1e-6;

// OpenCASCADE failing to build the solid is no fault of the design: the user is told so.
constexpr const char* kModelFailure = kStepKernelFailure;

// The rounding of the tooth outline's exact curves: a spline through the outline's points on
// them (which lie on the curve) departs from the curve by far less than the outline's chords.
TopoDS_Edge SplineEdge(const std::vector<gp_Pnt>& points) {
    if (points.size() == 2) return BRepBuilderAPI_MakeEdge(points[0], points[1]);
    Handle(TColgp_HArray1OfPnt) array = new TColgp_HArray1OfPnt(1, static_cast<int>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        array->SetValue(static_cast<int>(i) + 1, points[i]);
    GeomAPI_Interpolate interpolate(array, Standard_False, 1e-9);
    interpolate.Perform();
    return BRepBuilderAPI_MakeEdge(interpolate.Curve());
}

// The edges of one pitch of the outline at a height, turned: from the tip corner of tooth
// `pitch`, its tip arc, its second involute and fillet, the root arc across the space's middle,
// then the next tooth's fillet and involute. Each of the outline's curves is an edge of its own:
// a spline through all of a space's points would be one long face, which OpenCASCADE's default
// volume integration (what CAD programs show) gets wrong by a percent.
std::vector<TopoDS_Edge> PitchEdges(const GearOutline& o, std::size_t pitch, double height,
                                    double turn) {
    const std::size_t n = o.points.size();
    const std::size_t base = pitch * o.pointsPerPitch;
    const std::size_t next = base + o.pointsPerPitch;
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    const auto point = [&](std::size_t i) {
        const OutlinePoint p = o.points[i % n];
        return gp_Pnt(p.x * c - p.y * s, p.x * s + p.y * c, height);
    };
    const auto run = [&](std::size_t from, std::size_t to) {
        std::vector<gp_Pnt> points;
        for (std::size_t i = from; i <= to; ++i) points.push_back(point(i));
        return SplineEdge(points);
    };
    const auto arc = [&](std::size_t from, std::size_t middle, std::size_t to) {
        return TopoDS_Edge(BRepBuilderAPI_MakeEdge(
            GC_MakeArcOfCircle(point(from), point(middle), point(to)).Value()));
    };
    const std::vector<std::size_t>& j = o.joints;
    return {arc(base + j[2], base + (j[2] + j[3]) / 2, base + j[3]),
            run(base + j[3], base + j[4]),
            run(base + j[4], base + j[5]),
            arc(base + j[5], next, next + j[0]),
            run(next + j[0], next + j[1]),
            run(next + j[1], next + j[2])};
}

TopoDS_Wire Wire(const std::vector<TopoDS_Edge>& edges) {
    BRepBuilderAPI_MakeWire wire;
    for (const TopoDS_Edge& edge : edges) wire.Add(edge);
    if (!wire.IsDone()) throw Error(kModelFailure);
    return wire.Wire();
}

// The whole outline at an end face.
TopoDS_Wire OutlineWire(const GearOutline& o, double height, double turn) {
    std::vector<TopoDS_Edge> edges;
    for (std::size_t pitch = 0; pitch < static_cast<std::size_t>(o.gear.z); ++pitch) {
        for (const TopoDS_Edge& edge : PitchEdges(o, pitch, height, turn)) edges.push_back(edge);
    }
    return Wire(edges);
}

// The bore with its keyway at a height, counter-clockwise.
TopoDS_Wire BoreWire(const GearSection& section, double height) {
    const double r = section.boreDiameter / 2;
    BRepBuilderAPI_MakeWire wire;
    if (section.keyWidth > 0) {
        const double half = section.keyWidth / 2;
        const double onBore = std::sqrt(r * r - half * half);
        const double bottom = r + section.keyDepth;
        const gp_Pnt rightBore(half, onBore, height), rightTop(half, bottom, height);
        const gp_Pnt leftTop(-half, bottom, height), leftBore(-half, onBore, height);
        wire.Add(BRepBuilderAPI_MakeEdge(
            GC_MakeArcOfCircle(leftBore, gp_Pnt(0, -r, height), rightBore).Value()));
        wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(rightBore, rightTop).Value()));
        wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(rightTop, leftTop).Value()));
        wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(leftTop, leftBore).Value()));
    } else {
        wire.Add(BRepBuilderAPI_MakeEdge(gp_Circ(gp_Ax2(gp_Pnt(0, 0, height), gp::DZ()), r)));
    }
    return wire.Wire();
}

// An end face: the outline with the bore cut out of it.
TopoDS_Face EndFace(const GearSection& section, double height) {
    BRepBuilderAPI_MakeFace face(OutlineWire(section.outline, height, section.twist * height),
                                 Standard_True);
    if (section.boreDiameter > 0) {
        TopoDS_Wire bore = BoreWire(section, height);
        bore.Reverse();
        face.Add(bore);
    }
    if (!face.IsDone()) throw Error(kModelFailure);
    return face.Face();
}

// The solid: one pitch's flanks lofted through sections turned along the helix and copied round
// the gear, the bore's faces and the two end faces, sewn into one closed shell. The copies and
// the sewing cost a fraction of a loft of the whole outline and a cut of the bore from it.
TopoDS_Shape GearSolid(const GearSection& section) {
    BRepOffsetAPI_ThruSections loft(Standard_False, Standard_False, 1e-6);
    loft.CheckCompatibility(Standard_False);
    for (int k = 0; k < kSections; ++k) {
        const double height = section.face * k / (kSections - 1);
        loft.AddWire(Wire(PitchEdges(section.outline, 0, height, section.twist * height)));
    }
    loft.Build();
    if (!loft.IsDone()) throw Error(kModelFailure);

    BRepBuilderAPI_Sewing sewing(kSewingTolerance);
    const std::int32_t z = section.outline.gear.z;
    for (std::int32_t k = 0; k < z; ++k) {
        gp_Trsf turn;
        turn.SetRotation(gp::OZ(), 2 * std::numbers::pi * k / z);
        sewing.Add(BRepBuilderAPI_Transform(loft.Shape(), turn, Standard_True).Shape());
    }
    if (section.boreDiameter > 0) {
        sewing.Add(BRepPrimAPI_MakePrism(BoreWire(section, 0), gp_Vec(0, 0, section.face)).Shape());
    }
    sewing.Add(EndFace(section, 0));
    sewing.Add(EndFace(section, section.face));
    sewing.Perform();

    TopExp_Explorer shells(sewing.SewedShape(), TopAbs_SHELL);
    if (!shells.More()) throw Error(kModelFailure);
    BRepBuilderAPI_MakeSolid make(TopoDS::Shell(shells.Current()));
    if (!make.IsDone()) throw Error(kModelFailure);
    TopoDS_Solid solid = make.Solid();
    // The shell's faces may all face inwards: then the volume comes out negative.
    GProp_GProps properties;
    BRepGProp::VolumeProperties(solid, properties);
    if (properties.Mass() < 0) solid.Reverse();
    return solid;
}

}  // namespace

std::string StepText(const GearSection& section, const std::string& name) {
    STEPControl_Writer writer;
    // The translator's statistics would go to standard output, which the command line keeps for
    // its own results.
    Handle(Message_Messenger) quiet = new Message_Messenger();
    quiet->RemovePrinters(STANDARD_TYPE(Message_PrinterOStream));
    writer.WS()->TransferWriter()->FinderProcess()->SetMessenger(quiet);
    if (writer.Transfer(GearSolid(section), STEPControl_AsIs) != IFSelect_RetDone) {
        throw Error(kModelFailure);
    }
    // The part takes the gear's name in place of the translator's.
    const Handle(StepData_StepModel) model = writer.Model();
    for (Standard_Integer i = 1; i <= model->NbEntities(); ++i) {
        const Handle(StepBasic_Product) product =
            Handle(StepBasic_Product)::DownCast(model->Value(i));
        if (product.IsNull()) continue;
        product->SetId(new TCollection_HAsciiString(name.c_str()));
        product->SetName(new TCollection_HAsciiString(name.c_str()));
    }
    StepData_StepWriter text(model);
    text.SendModel(StepAP214::Protocol());
    std::ostringstream out;
    text.Print(out);
    return out.str();
}

}  // namespace gearpair
