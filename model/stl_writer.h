// Binary STL of a triangle mesh: an 80-byte header, the triangle count, and per triangle its
// unit normal, three corners (single-precision, little-endian, mm) and a zero attribute word.
#pragma once

#include <string>
#include <string_view>

#include "model/gear_mesh.h"

namespace gearpair {

// The file's bytes; `title` (cut to 80 bytes) fills the header.
std::string BinaryStl(const Mesh& mesh, std::string_view title);

}  // namespace gearpair
