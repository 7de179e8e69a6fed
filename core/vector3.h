// The one 3-vector and 3x3 matrix of the program, in extended reals: positions in km or unit
// vectors, and frame rotations. Frames are named where the values are used.
#pragma once

#include <array>
#include <cmath>

#include "core/types.h"

namespace vireon {

struct Vec3 {
    Extended x = 0, y = 0, z = 0;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator-(const Vec3& a) { return {-a.x, -a.y, -a.z}; }
inline Vec3 operator*(Extended k, const Vec3& a) { return {k * a.x, k * a.y, k * a.z}; }
inline Extended Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(const Vec3& a, const Vec3& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline Extended Norm(const Vec3& a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Normalized(const Vec3& a) { return (1 / Norm(a)) * a; }

// A 3x3 matrix by rows; applied to column vectors.
struct Mat3 {
    std::array<Vec3, 3> Rows{};
};

inline Vec3 operator*(const Mat3& m, const Vec3& v) { return {Dot(m.Rows[0], v), Dot(m.Rows[1], v), Dot(m.Rows[2], v)}; }

inline Mat3 operator*(const Mat3& a, const Mat3& b)
{
    const Vec3 c0{b.Rows[0].x, b.Rows[1].x, b.Rows[2].x};
    const Vec3 c1{b.Rows[0].y, b.Rows[1].y, b.Rows[2].y};
    const Vec3 c2{b.Rows[0].z, b.Rows[1].z, b.Rows[2].z};
    Mat3 r;
    for (int i = 0; i < 3; ++i) r.Rows[i] = {Dot(a.Rows[i], c0), Dot(a.Rows[i], c1), Dot(a.Rows[i], c2)};
    return r;
}

inline Mat3 Transposed(const Mat3& m)
{
    return {{Vec3{m.Rows[0].x, m.Rows[1].x, m.Rows[2].x}, Vec3{m.Rows[0].y, m.Rows[1].y, m.Rows[2].y},
             Vec3{m.Rows[0].z, m.Rows[1].z, m.Rows[2].z}}};
}

}  // namespace vireon
