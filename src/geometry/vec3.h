#pragma once
// A point or direction in preview units (course units / 1000), double precision.

#include <cmath>

namespace kurvex {

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(const Vec3& a, double f) { return {a.x * f, a.y * f, a.z * f}; }
inline Vec3 operator/(const Vec3& a, double f) { return {a.x / f, a.y / f, a.z / f}; }
inline bool operator==(const Vec3& a, const Vec3& b) {
  return a.x == b.x && a.y == b.y && a.z == b.z;
}
inline bool operator!=(const Vec3& a, const Vec3& b) { return !(a == b); }

inline double Length(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
inline double Distance(const Vec3& a, const Vec3& b) { return Length(b - a); }

// a + (b - a) * f, per coordinate, in the order the curve code has always used.
inline Vec3 Lerp(const Vec3& a, const Vec3& b, double f) {
  return {a.x + (b.x - a.x) * f, a.y + (b.y - a.y) * f, a.z + (b.z - a.z) * f};
}

}  // namespace kurvex
