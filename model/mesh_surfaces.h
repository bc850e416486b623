// The surfaces a part's triangle mesh is stitched from: closed loops of vertices at one height,
// the strips and zips of triangles between two loops, and the ear clipping of a polygon of
// vertices already in the mesh. Loops run counter-clockwise about the axis seen from +z; a
// surface between two loops shares their vertices, so neighbouring surfaces close.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/tooth_outline.h"

namespace gearpair {

struct Mesh {
    std::vector<std::array<double, 3>> vertices;  // mm; the toothed rim from z = 0 to the face
    std::vector<std::array<std::uint32_t, 3>> triangles;
};

// Vertices of the mesh in order round a closed contour, with their places in the plane.
struct Loop {
    std::vector<OutlinePoint> at;
    std::vector<std::uint32_t> vertex;
};

// Adds the points at height z to the mesh as a loop.
Loop AddLoop(Mesh& mesh, const std::vector<OutlinePoint>& points, double z);

// The points of a circle of `radius` about the axis: `count` equal steps from angle 0, and a
// point at each of the angles `through` (about the axis), in order of angle.
std::vector<OutlinePoint> CirclePoints(double radius, int count,
                                       const std::vector<double>& through);

// Quads between two loops of equal length, vertex i to vertex i: facing away from the loops'
// centre for `lower` below `upper`, unless `inward`.
void Strip(Mesh& mesh, const Loop& lower, const Loop& upper, bool inward);

// Triangles between two loops of any lengths, zipped by their points' angles about the axis.
// With `a` below `b` on a surface of revolution they face away from the axis; with `a` outside
// `b` in one plane they face +z. `flip` turns them round. A loop of one point is the axis.
void Zip(Mesh& mesh, const Loop& a, const Loop& b, bool flip);

// Ear clipping of a simple counter-clockwise polygon of mesh vertices; facing +z, or -z with
// `flip`.
void ClipEars(Mesh& mesh, std::vector<std::pair<OutlinePoint, std::uint32_t>> polygon, bool flip);

}  // namespace gearpair
