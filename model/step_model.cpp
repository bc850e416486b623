// The gear's solid in OpenCASCADE and its STEP text.
#include "model/step_model.h"

#include <BRepAdaptor_Curve.hxx>
#include <BRepAdaptor_Surface.hxx>
#include <BRepAlgoAPI_BuilderAlgo.hxx>
#include <BRepBuilderAPI_MakeEdge.hxx>
#include <BRepBuilderAPI_MakeFace.hxx>
#include <BRepBuilderAPI_MakeSolid.hxx>
#include <BRepBuilderAPI_MakeWire.hxx>
#include <BRepBuilderAPI_Sewing.hxx>
#include <BRepBuilderAPI_Transform.hxx>
#include <BRepClass_FaceClassifier.hxx>
#include <BRepGProp.hxx>
#include <BRepOffsetAPI_ThruSections.hxx>
#include <BRepPrimAPI_MakePrism.hxx>
#include <BRepPrimAPI_MakeRevol.hxx>
#include <BRepTools.hxx>
#include <BRep_Builder.hxx>
#include <GC_MakeArcOfCircle.hxx>
#include <GC_MakeSegment.hxx>
#include <GProp_GProps.hxx>
#include <GeomAPI_Interpolate.hxx>
#include <Message_Messenger.hxx>
#include <Message_PrinterOStream.hxx>
#include <STEPControl_Writer.hxx>
#include <ShapeAnalysis_FreeBounds.hxx>
#include <ShapeFix_Face.hxx>
#include <Standard_Failure.hxx>
#include <StepAP214.hxx>
#include <StepAP214_Protocol.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <TColgp_HArray1OfPnt.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopExp.hxx>
#include <TopExp_Explorer.hxx>
#include <TopTools_HSequenceOfShape.hxx>
#include <TopTools_IndexedMapOfShape.hxx>
#include <TopTools_ListOfShape.hxx>
#include <TopTools_MapOfShape.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Compound.hxx>
#include <TopoDS_Solid.hxx>
#include <TopoDS_Wire.hxx>
#include <Transfer_FinderProcess.hxx>
#include <XSControl_TransferWriter.hxx>
#include <XSControl_WorkSession.hxx>
#include <gp_Circ.hxx>
#include <gp_Pln.hxx>

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

// Edges of neighbouring faces meet within a nanometre: they are built from the same points or
// taken from one another.
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

// The edges of one pitch of the outline at a height, turned: from the middle of a space, half
// its root arc, the fillet and involute of tooth `pitch`, its tip arc, its second involute and
// fillet, and half the next space's root arc. Each of the outline's curves is an edge of its
// own: a spline through all of a space's points would be one long face, which OpenCASCADE's
// default volume integration (what CAD programs show) gets wrong by a percent.
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
    const auto arc = [&](double radius, std::size_t from, std::size_t to) {
        const gp_Circ circle(gp_Ax2(gp_Pnt(0, 0, height), gp::DZ()), radius);
        return TopoDS_Edge(BRepBuilderAPI_MakeEdge(circle, point(from), point(to)));
    };
    const std::vector<std::size_t>& j = o.joints;
    const double root = o.gear.rootRadius;
    return {arc(root, base, base + j[0]),  run(base + j[0], base + j[1]),
            run(base + j[1], base + j[2]), arc(o.gear.tipRadius, base + j[2], base + j[3]),
            run(base + j[3], base + j[4]), run(base + j[4], base + j[5]),
            arc(root, base + j[5], next)};
}

TopoDS_Wire Wire(const std::vector<TopoDS_Edge>& edges) {
    BRepBuilderAPI_MakeWire wire;
    for (const TopoDS_Edge& edge : edges) wire.Add(edge);
    if (!wire.IsDone()) throw Error(kModelFailure);
    return wire.Wire();
}

// A circle about the axis, or about a hole's centre, at a height.
TopoDS_Wire CircleWire(double x, double y, double height, double radius) {
    const gp_Circ circle(gp_Ax2(gp_Pnt(x, y, height), gp::DZ()), radius);
    return BRepBuilderAPI_MakeWire(BRepBuilderAPI_MakeEdge(circle)).Wire();
}

// The contour under the teeth, or the bore: a circle of `diameter`, with the keyway of
// `keyWidth` x `keyDepth` where that is above zero; counter-clockwise.
struct Inside {
    double diameter = 0;  // 0: the rim goes down to the axis
    double keyWidth = 0;
    double keyDepth = 0;
};

TopoDS_Wire BoreWire(const Inside& inside, double height) {
    const double r = inside.diameter / 2;
    if (inside.keyWidth <= 0) return CircleWire(0, 0, height, r);
    BRepBuilderAPI_MakeWire wire;
    const double half = inside.keyWidth / 2;
    const double onBore = std::sqrt(r * r - half * half);
    const double bottom = r + inside.keyDepth;
    const gp_Pnt rightBore(half, onBore, height), rightTop(half, bottom, height);
    const gp_Pnt leftTop(-half, bottom, height), leftBore(-half, onBore, height);
    wire.Add(BRepBuilderAPI_MakeEdge(
        GC_MakeArcOfCircle(leftBore, gp_Pnt(0, -r, height), rightBore).Value()));
    wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(rightBore, rightTop).Value()));
    wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(rightTop, leftTop).Value()));
    wire.Add(BRepBuilderAPI_MakeEdge(GC_MakeSegment(leftTop, leftBore).Value()));
    return wire.Wire();
}

// A plane face inside `outer` with the `holes` cut out of it.
TopoDS_Face PlaneFace(const TopoDS_Wire& outer, const std::vector<TopoDS_Wire>& holes) {
    BRepBuilderAPI_MakeFace face(outer, Standard_True);
    for (TopoDS_Wire hole : holes) {
        hole.Reverse();
        face.Add(hole);
    }
    if (!face.IsDone()) throw Error(kModelFailure);
    return face.Face();
}

// The face a segment from (r0, z0) to (r1, z1) sweeps about the axis (x, y), by `angle` from
// the direction `from`.
TopoDS_Shape Swept(double r0, double z0, double r1, double z1, double x = 0, double y = 0,
                   double from = 0, double angle = 2 * std::numbers::pi) {
    const double c = std::cos(from);
    const double s = std::sin(from);
    const TopoDS_Edge edge = BRepBuilderAPI_MakeEdge(gp_Pnt(x + r0 * c, y + r0 * s, z0),
                                                     gp_Pnt(x + r1 * c, y + r1 * s, z1));
    return BRepPrimAPI_MakeRevol(edge, gp_Ax1(gp_Pnt(x, y, 0), gp::DZ()), angle).Shape();
}

gp_Pnt Centre(const TopoDS_Shape& face) {
    GProp_GProps properties;
    BRepGProp::SurfaceProperties(face, properties);
    return properties.CentreOfMass();
}

// A point inside a face (a bent face's centre of area may lie off it): the first of a grid
// over its parameters that the face holds.
gp_Pnt PointOn(const TopoDS_Face& face) {
    double u0 = 0;
    double u1 = 0;
    double v0 = 0;
    double v1 = 0;
    BRepTools::UVBounds(face, u0, u1, v0, v1);
    const BRepAdaptor_Surface surface(face);
    constexpr int kGrid = 16;
    for (int i = 1; i < kGrid; ++i) {
        for (int j = 1; j < kGrid; ++j) {
            const gp_Pnt2d uv(u0 + (u1 - u0) * i / kGrid, v0 + (v1 - v0) * j / kGrid);
            if (BRepClass_FaceClassifier(face, uv, 1e-9).State() == TopAbs_IN) {
                return surface.Value(uv.X(), uv.Y());
            }
        }
    }
    return Centre(face);
}

// The chamfers' cones through one pitch (the space middles bound it, where no tooth is):
// generated by the 45-degree line from `n` inside the tip at each end face outwards.
TopTools_ListOfShape PitchCones(const GearSection& section, double n) {
    const double tip = section.outline.gear.tipRadius;
    const double pitch = 2 * std::numbers::pi / section.outline.gear.z;
    const double b = section.face;
    const double turn = section.twist * b;
    TopTools_ListOfShape cones;
    cones.Append(Swept(tip - n, 0, tip + 1, n + 1, 0, 0, 0, pitch));
    cones.Append(Swept(tip - n, b, tip + 1, b - n - 1, 0, 0, turn, pitch));
    return cones;
}

// One pitch's flanks with the chamfers cut: the flank pieces inside the cones, and the cones'
// pieces inside the tooth.
TopoDS_Compound ChamferedPitch(const GearSection& section, const TopoDS_Shape& flanks, double n) {
    const TransverseGear& g = section.outline.gear;
    const double b = section.face;
    const double pitch = 2 * std::numbers::pi / g.z;
    const TopTools_ListOfShape cones = PitchCones(section, n);
    BRep_Builder builder;
    TopoDS_Compound kept;
    builder.MakeCompound(kept);
    const auto inCone = [&](const gp_Pnt& p) {
        return std::hypot(p.X(), p.Y()) < g.tipRadius - n + std::min(p.Z(), b - p.Z());
    };
    // A cone's piece in the tooth: within the tooth's angles at its radius and height.
    const auto inTooth = [&](const gp_Pnt& p) {
        const double r = std::hypot(p.X(), p.Y());
        const double angle = std::atan2(p.Y(), p.X()) - section.twist * p.Z();
        const double fromMiddle = std::abs(std::remainder(angle - pitch / 2, pitch));
        return r < g.tipRadius && r > g.baseRadius && fromMiddle < pitch / 2 - FlankAngle(g, r);
    };
    // The flanks and the cones split by each other at once, so that they share the edges
    // where they meet.
    BRepAlgoAPI_BuilderAlgo split;
    TopTools_ListOfShape arguments = cones;
    arguments.Append(flanks);
    split.SetArguments(arguments);
    split.Build();
    if (!split.IsDone()) throw Error(kModelFailure);
    TopTools_MapOfShape fromCones;
    for (const TopoDS_Shape& cone : cones) {
        for (const TopoDS_Shape& piece : split.Modified(cone)) fromCones.Add(piece);
        fromCones.Add(cone);
    }
    for (TopExp_Explorer e(split.Shape(), TopAbs_FACE); e.More(); e.Next()) {
        const bool cone = fromCones.Contains(e.Current());
        if (cone ? inTooth(PointOn(TopoDS::Face(e.Current()))) : inCone(Centre(e.Current()))) {
            builder.Add(kept, e.Current());
        }
    }
    return kept;
}

// An end face of the toothed rim: inside the edges the flanks (and the chamfers' cones) have
// in its plane, less the inside.
TopoDS_Face RimEnd(const TopoDS_Shape& flanks, const Inside& inside, double height) {
    TopTools_IndexedMapOfShape all;
    TopExp::MapShapes(flanks, TopAbs_EDGE, all);
    Handle(TopTools_HSequenceOfShape) edges = new TopTools_HSequenceOfShape;
    for (int i = 1; i <= all.Extent(); ++i) {
        const BRepAdaptor_Curve curve(TopoDS::Edge(all(i)));
        const double first = curve.FirstParameter();
        const double last = curve.LastParameter();
        bool inPlane = true;
        for (const double t : {first, (first + last) / 2, last}) {
            inPlane = inPlane && std::abs(curve.Value(t).Z() - height) < 1e-7;
        }
        if (inPlane) edges->Append(all(i));
    }
    Handle(TopTools_HSequenceOfShape) wires;
    ShapeAnalysis_FreeBounds::ConnectEdgesToWires(edges, kSewingTolerance, Standard_False, wires);
    if (wires->Length() != 1) throw Error(kModelFailure);
    BRepBuilderAPI_MakeFace face(gp_Pln(gp_Pnt(0, 0, height), gp::DZ()),
                                 TopoDS::Wire(wires->Value(1)));
    if (inside.diameter > 0) face.Add(BoreWire(inside, height));
    if (!face.IsDone()) throw Error(kModelFailure);
    // The outline's wire runs as its edges were found; the fix turns the wires the ways a face
    // with a hole needs.
    ShapeFix_Face fix(face.Face());
    fix.FixOrientation();
    return fix.Face();
}

// The solid: one pitch's flanks lofted through sections turned along the helix, its chamfers
// cut, copied round the gear; the rim's end faces; the web with its holes or the solid disc,
// the hub and the bore with its keyway, each face made on its own; all sewn into one closed
// shell. Copies and sewing cost a fraction of cutting and fusing whole solids.
TopoDS_Shape GearSolid(const GearSection& section) {
    const GearPart& p = section.part;
    const double b = section.face;
    const double overhang = p.HasHub() ? std::max(p.hubLength - b, 0.0) / 2 : 0;
    const bool web = p.web && p.holes > 0;
    const bool hub = !web && p.HasHub() && overhang > 0;
    const double n = p.TipChamfer();

    BRepOffsetAPI_ThruSections loft(Standard_False, Standard_False, 1e-6);
    loft.CheckCompatibility(Standard_False);
    for (int k = 0; k < kSections; ++k) {
        const double height = b * k / (kSections - 1);
        loft.AddWire(Wire(PitchEdges(section.outline, 0, height, section.twist * height)));
    }
    loft.Build();
    if (!loft.IsDone()) throw Error(kModelFailure);
    const TopoDS_Shape pitch = n > 0 ? ChamferedPitch(section, loft.Shape(), n) : loft.Shape();

    BRepBuilderAPI_Sewing sewing(kSewingTolerance);
    const std::int32_t z = section.outline.gear.z;
    BRep_Builder builder;
    TopoDS_Compound flanks;
    builder.MakeCompound(flanks);
    for (std::int32_t k = 0; k < z; ++k) {
        gp_Trsf turn;
        turn.SetRotation(gp::OZ(), 2 * std::numbers::pi * k / z);
        builder.Add(flanks, BRepBuilderAPI_Transform(pitch, turn, Standard_True).Shape());
    }
    sewing.Add(flanks);
    const Inside bore{section.boreDiameter, section.keyWidth, section.keyDepth};
    Inside inside = bore;
    if (web) inside = {p.rimInner};
    if (hub) inside = {p.hubDiameter};
    sewing.Add(RimEnd(flanks, inside, 0));
    sewing.Add(RimEnd(flanks, inside, b));
    if (bore.diameter > 0) {
        const double low = web || hub ? -overhang : 0;
        const double high = web || hub ? b + overhang : b;
        sewing.Add(BRepPrimAPI_MakePrism(BoreWire(bore, low), gp_Vec(0, 0, high - low)).Shape());
    }
    if (web || hub) {
        const double hubRadius = p.hubDiameter / 2;
        sewing.Add(PlaneFace(CircleWire(0, 0, -overhang, hubRadius), {BoreWire(bore, -overhang)}));
        sewing.Add(
            PlaneFace(CircleWire(0, 0, b + overhang, hubRadius), {BoreWire(bore, b + overhang)}));
        const double low = web ? (b - p.webThickness) / 2 : 0;
        const double high = web ? (b + p.webThickness) / 2 : b;
        sewing.Add(Swept(hubRadius, -overhang, hubRadius, low));
        sewing.Add(Swept(hubRadius, high, hubRadius, b + overhang));
        if (web) {
            const double rim = p.rimInner / 2;
            sewing.Add(Swept(rim, 0, rim, low));
            sewing.Add(Swept(rim, high, rim, b));
            const double hole = p.holeDiameter / 2;
            for (const double height : {low, high}) {
                std::vector<TopoDS_Wire> holes = {CircleWire(0, 0, height, hubRadius)};
                for (int k = 0; k < p.holes; ++k) {
                    const double angle = std::numbers::pi * (2 * k + 1) / p.holes;
                    const double x = p.holeCircle / 2 * std::cos(angle);
                    const double y = p.holeCircle / 2 * std::sin(angle);
                    holes.push_back(CircleWire(x, y, height, hole));
                    if (height == low) sewing.Add(Swept(hole, low, hole, high, x, y));
                }
                sewing.Add(PlaneFace(CircleWire(0, 0, height, rim), holes));
            }
        }
    }
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

namespace {

std::string TranslatedStepText(const GearSection& section, const std::string& name) {
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

}  // namespace

std::string StepText(const GearSection& section, const std::string& name) {
    // OpenCASCADE's exceptions are not standard ones: they end here as the program's error.
    try {
        return TranslatedStepText(section, name);
    } catch (const Standard_Failure& failure) {
        const std::string cause = failure.GetMessageString();
        throw Error(cause.empty() ? std::string(kModelFailure)
                                  : std::string(kModelFailure) + " (" + cause + ")");
    }
}

}  // namespace gearpair
