// A small 3-vector of extended reals for the satellite geometry (km or unit vectors).
#pragma once

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

}  // namespace vireon
