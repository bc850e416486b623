// The binary STL writer.
#include "model/stl_writer.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace gearpair {

namespace {

void PutWord(std::string& out, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((word >> shift) & 0xFF);
}

void PutFloat(std::string& out, double value) {
    PutWord(out, std::bit_cast<std::uint32_t>(static_cast<float>(value)));
}

}  // namespace

std::string BinaryStl(const Mesh& mesh, std::string_view title) {
    constexpr std::size_t kHeader = 80;
    constexpr std::size_t kRecord = 50;
    std::string out(title.substr(0, kHeader));
    out.resize(kHeader, ' ');
    out.reserve(kHeader + 4 + kRecord * mesh.triangles.size());
    PutWord(out, static_cast<std::uint32_t>(mesh.triangles.size()));
    for (const auto& t : mesh.triangles) {
        // The normal of the corners as stored: from the doubles, a sliver's normal may point
        // against the winding its single-precision corners keep.
        std::array<std::array<double, 3>, 3> corner{};
        for (int k = 0; k < 3; ++k) {
            for (int i = 0; i < 3; ++i) {
                corner[k][i] = static_cast<float>(mesh.vertices[t[k]][i]);
            }
        }
        const auto& [a, b, c] = corner;
        const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        double normal[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2],
                            u[0] * v[1] - u[1] * v[0]};
        const double length =
            std::sqrt(normal[0] * normal[0] + normal[1] * normal[1] + normal[2] * normal[2]);
        for (double& x : normal) x = length > 0 ? x / length : 0;
        for (const double x : normal) PutFloat(out, x);
        for (const auto& point : corner) {
            for (const double x : point) PutFloat(out, x);
        }
        out += '\0';
        out += '\0';
    }
    return out;
}

}  // namespace gearpair
